#include "platform/db/ExMemDS.h"
#include "report/layout/RpDesignLayout.h"
#include "report/layout/RpExpr.h"
#include "report/layout/RpLabel.h"
#include "report/layout/RpReport.h"
#include "report/windows/FRpEnvironmentEditor.h"
#include "report/windows/FRpExprBuilder.h"
#include "report/windows/FRpLabelSettings.h"
#include "report/windows/RpEditors.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

// A report over a QSO table with a label and an expression on its detail band,
// a variable of its own, and the editors registered.
class EditorDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterReportEditors();
        qsos.setObjectName("QSOS");
        qsos.AddField("ZNAK", FieldType::String, 20);
        qsos.AddField("RST", FieldType::Integer);
        qsos.Open();
        qsos.Append();
        qsos.FieldByName("ZNAK")->SetAsString("SP9XYZ");
        qsos.FieldByName("RST")->SetAsString("59");
        qsos.Post();
        report.SetDataSet(&qsos);
        TRpBand *detail = CreateBandOfType(report, TRpBandType::rbDetail);
        label = detail->Add<TRpLabel>();
        label->SetAutoSize(false);
        label->SetCaption("Znak");
        label->Size.SetNative(TRpPrintableSize::WidthIdx, 300);
        label->Size.SetNative(TRpPrintableSize::HeightIdx, 50);
        expr = detail->Add<TRpExpr>();
        expr->SetExpression("QSOS.RST");
        report.Functions.AddFunction("MOC", "100");
    }

    // Runs `fill` on the next modal window once `open` has shown it.
    template <class W> static void WhenModal(std::function<void(W &)> fill)
    {
        QTimer::singleShot(0, [fill] {
            auto *window = qobject_cast<W *>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            fill(*window);
        });
    }

    static QString Memo(const TRpExpressionBuilder &b) { return b.Memo->toPlainText(); }

    TExMemoryData qsos;
    TReport report;
    TRpLabel *label = nullptr;
    TRpExpr *expr = nullptr;
};

TEST_F(EditorDialogs, TextSettingsShowTheLabelAndWriteTextSizesAndFlagsBackOnlyOnOk)
{
    const std::unique_ptr<TRpPrintableEditor> editor = CreatePrintableEditor(*label);
    EXPECT_EQ(editor->Identifier(), "RPLABEL");
    EXPECT_EQ(editor->Description(), "Text Control");
    EXPECT_EQ(editor->EditedClass(), "TRpLabel");
    EXPECT_EQ(editor->Text(), "Znak");

    WhenModal<TRpLabelSettingsDlg>([](TRpLabelSettingsDlg &d) {
        EXPECT_EQ(d.windowTitle(), "Text Settings");
        EXPECT_EQ(d.Mask, nullptr);
        d.Value->setText("Inny");
        d.CancelButton->click();
    });
    EXPECT_FALSE(editor->ShowEditor());
    EXPECT_EQ(label->Caption(), "Znak");

    WhenModal<TRpLabelSettingsDlg>([](TRpLabelSettingsDlg &d) {
        EXPECT_EQ(d.Value->text(), "Znak");
        EXPECT_EQ(d.Width->text(), "30");
        EXPECT_EQ(d.Height->text(), "5");
        EXPECT_FALSE(d.Autosize->isChecked());
        EXPECT_FALSE(d.Transparent->isChecked());
        d.Value->selectAll();
        QTest::keyClicks(d.Value, "Znak korespondenta");
        d.Width->clear();
        QTest::keyClicks(d.Width, "45");
        d.Height->clear(); // an empty size keeps the old one
        d.Stretch->click();
        d.Transparent->click();
        d.OKButton->click();
    });
    EXPECT_TRUE(editor->ShowEditor());
    EXPECT_EQ(label->Caption(), "Znak korespondenta");
    EXPECT_DOUBLE_EQ(label->Size.Width(), 45);
    EXPECT_DOUBLE_EQ(label->Size.Height(), 5);
    EXPECT_TRUE(label->AutoStretch);
    EXPECT_TRUE(label->Transparent);
    EXPECT_FALSE(label->AutoSize());
}

TEST_F(EditorDialogs, ExpressionSettingsTakeTheMaskAndAnExpressionWrittenInTheBuilder)
{
    const std::unique_ptr<TRpPrintableEditor> editor = CreatePrintableEditor(*expr);
    EXPECT_EQ(editor->Identifier(), "RPEXPR");
    EXPECT_EQ(editor->Description(), "Expression Control");
    EXPECT_EQ(editor->EditedClass(), "TRpExpr");

    WhenModal<TRpLabelSettingsDlg>([](TRpLabelSettingsDlg &d) {
        EXPECT_EQ(d.windowTitle(), "Expression settings");
        EXPECT_EQ(d.Value->text(), "QSOS.RST");
        d.Mask->setCurrentText("#,##0.00");
        WhenModal<TRpExpressionBuilder>([](TRpExpressionBuilder &b) {
            EXPECT_EQ(b.HeadingLabel->text(), "Enter expression:");
            EXPECT_EQ(Memo(b), "QSOS.RST");
            b.Memo->insertPlainText("\n* 2");
            b.OKButton->click();
        });
        d.BuilderButton->click();
        EXPECT_EQ(d.Value->text(), "QSOS.RST* 2");
        d.OKButton->click();
    });
    EXPECT_TRUE(editor->ShowEditor());
    EXPECT_EQ(expr->Expression(), "QSOS.RST* 2");
    EXPECT_EQ(expr->Mask, "#,##0.00");
}

TEST_F(EditorDialogs, BuilderInsertsAFieldAnOperatorAFunctionWithArgumentsAndAVariable)
{
    TRpExpressionBuilder b(&report, &report.Functions);
    b.show();
    EXPECT_EQ(b.windowTitle(), "Expression Builder");
    b.SetExpression("x");
    b.ClearButton->click();
    EXPECT_EQ(Memo(b), "");

    b.FieldButton->click();
    ASSERT_EQ(b.Pages->currentWidget(), b.FieldPage);
    ASSERT_EQ(b.DataSetList->count(), 1);
    EXPECT_EQ(b.DataSetList->item(0)->text(), "QSOS");
    ASSERT_EQ(b.FieldList->count(), 2);
    b.FieldList->setCurrentRow(1);
    b.FieldOK->click();
    EXPECT_EQ(b.Pages->currentWidget(), b.MainPage);
    EXPECT_EQ(Memo(b), "QSOS.RST");

    for (QPushButton *op : b.OperatorButtons)
        if (op->text() == "<=")
            op->click();
    EXPECT_EQ(Memo(b), "QSOS.RST <= ");

    b.FunctionButton->click();
    ASSERT_EQ(b.Pages->currentWidget(), b.FunctionPage);
    EXPECT_EQ(b.FunctionList->count(), 21);
    b.CategoryList->setCurrentRow(2);
    ASSERT_EQ(b.FunctionList->count(), 4);
    b.FunctionList->setCurrentRow(3);
    EXPECT_EQ(b.SyntaxLabel->text(), "DIV(<X>, <Y>) ");
    EXPECT_EQ(b.ExplanationLabel->text(), " Integer division of <X> by <Y>");
    b.ContinueButton->click();
    ASSERT_EQ(b.Pages->currentWidget(), b.ParamPage);
    ASSERT_EQ(b.ArgumentEdits.size(), 2u);
    EXPECT_EQ(b.ArgumentLabels[0]->text(), "Argument 1 - numeric value");
    EXPECT_EQ(b.ArgumentLabels[1]->text(), "Argument 2 - numeric value");
    QTest::keyClicks(b.ArgumentEdits[0], "120");
    QTest::keyClicks(b.ArgumentEdits[1], "2");
    b.ParamOK->click();
    EXPECT_EQ(Memo(b), "QSOS.RST <= DIV(120,2)");

    b.FunctionButton->click();
    b.CategoryList->setCurrentRow(5); // Logical: IF, TRUE, FALSE
    b.FunctionList->setCurrentRow(1);
    b.ContinueButton->click();
    EXPECT_EQ(b.Pages->currentWidget(), b.MainPage);
    EXPECT_EQ(Memo(b), "QSOS.RST <= DIV(120,2)TRUE");

    b.ClearButton->click();
    b.VariableButton->click();
    ASSERT_EQ(b.Pages->currentWidget(), b.VariablePage);
    const int local = report.Functions.Count();
    EXPECT_EQ(b.VariableList->count(), local + GlobalEnvironment().Count());
    EXPECT_EQ(b.VariableList->item(0)->text(), "PAGENUMBER");
    EXPECT_EQ(b.VariableList->item(local)->text(), GlobalEnvironment().Name(0));
    b.VariableList->setCurrentRow(report.Functions.IndexOf("MOC"));
    EXPECT_EQ(b.VariableValue->text(), "100");
    b.VariableOK->click();
    EXPECT_EQ(Memo(b), "MOC");
}

TEST_F(EditorDialogs, ValidateReportsTheResultOrTheErrorAndLeavesTheReportsVariablesUnprepared)
{
    TRpExpressionBuilder b(&report, &report.Functions);
    QStringList shown;
    b.ShowMessage = [&](const QString &text) { shown << text; };
    for (const char *text : {"QSOS.RST +\n1", "MOC > 50", "1/0", "QSOS.BRAK"}) {
        b.SetExpression(text);
        b.ValidateButton->click();
    }
    ASSERT_EQ(shown.size(), 4);
    EXPECT_EQ(shown[0], "There are no errors. The result is : 60");
    EXPECT_EQ(shown[1], "There are no errors. The result is : True");
    EXPECT_EQ(shown[2], "ERROR: Cannot divide by 0");
    EXPECT_TRUE(shown[3].startsWith("ERROR: ")) << shown[3].toStdString();
    EXPECT_FALSE(report.Functions.IsPrepared());
}

TEST_F(EditorDialogs, BuilderGivesTheExpressionWithoutLineBreaksOnOkAndNothingOnCancelOrEscape)
{
    QString expression = "1";
    WhenModal<TRpExpressionBuilder>([](TRpExpressionBuilder &b) {
        EXPECT_EQ(b.HeadingLabel->text(), "Enter 1. parameter for IF");
        b.Memo->insertPlainText(" +\r\n2");
        b.OKButton->click();
    });
    EXPECT_TRUE(ShowExpressionBuilder("Enter 1. parameter for IF", expression, &report, nullptr));
    EXPECT_EQ(expression, "1 +2");

    WhenModal<TRpExpressionBuilder>([](TRpExpressionBuilder &b) {
        b.ClearButton->click();
        b.CancelButton->click();
    });
    EXPECT_FALSE(ShowExpressionBuilder(QString(), expression, &report, nullptr));
    WhenModal<TRpExpressionBuilder>([](TRpExpressionBuilder &b) {
        b.FunctionButton->click();
        QTest::keyClick(b.FunctionList, Qt::Key_Escape); // back from the page only
        EXPECT_EQ(b.Pages->currentWidget(), b.MainPage);
        EXPECT_TRUE(b.isVisible());
        QTest::keyClick(b.Memo, Qt::Key_Escape);
    });
    EXPECT_FALSE(ShowExpressionBuilder(QString(), expression, &report, nullptr));
    EXPECT_EQ(expression, "1 +2");

    // Inside a parent control: no window of its own, its own loop.
    QWidget host;
    host.resize(600, 400);
    host.show();
    QTimer::singleShot(0, [&host] {
        auto *b = host.findChild<TRpExpressionBuilder *>();
        ASSERT_NE(b, nullptr);
        EXPECT_FALSE(b->isWindow());
        b->Memo->setPlainText("2*3");
        b->OKButton->click();
    });
    EXPECT_TRUE(ShowExpressionBuilder(QString(), expression, &report, nullptr, &host));
    EXPECT_EQ(expression, "2*3");
}

TEST_F(EditorDialogs, EnvironmentEditorListsAddsRenamesAndEditsVariables)
{
    TRpEnvironmentEditor e(&report.Functions, &report);
    e.show();
    EXPECT_EQ(e.windowTitle(), "User Defined Functions Edtor");
    EXPECT_EQ(e.UDFGrid->horizontalHeaderItem(0)->text(), "Name");
    EXPECT_EQ(e.UDFGrid->horizontalHeaderItem(1)->text(), "Expression");
    ASSERT_EQ(e.UDFGrid->rowCount(), report.Functions.Count());
    const int moc = report.Functions.IndexOf("MOC");
    EXPECT_EQ(e.UDFGrid->item(moc, 1)->text(), "100");

    e.GlobalDefines->click();
    EXPECT_EQ(e.UDFGrid->rowCount(), GlobalEnvironment().Count());
    e.LocalDefines->click();
    EXPECT_EQ(e.UDFGrid->rowCount(), report.Functions.Count());

    e.AddButton->click();
    EXPECT_TRUE(e.GridArea->isHidden());
    EXPECT_FALSE(e.NewEntry->isHidden());
    QTest::keyClicks(e.NewName, "odleglosc");
    QTest::keyClicks(e.NewExpression, "MOC * 3");
    e.NewOK->click();
    EXPECT_FALSE(e.GridArea->isHidden());
    EXPECT_TRUE(e.NewEntry->isHidden());
    const int added = report.Functions.IndexOf("ODLEGLOSC");
    ASSERT_GE(added, 0);
    EXPECT_EQ(report.Functions.Expression(added), "MOC * 3");
    ASSERT_EQ(e.UDFGrid->rowCount(), report.Functions.Count());
    EXPECT_EQ(e.UDFGrid->item(added, 0)->text(), "ODLEGLOSC");

    e.UDFGrid->item(added, 0)->setText("dystans");
    EXPECT_EQ(report.Functions.Name(added), "DYSTANS");
    EXPECT_EQ(e.UDFGrid->item(added, 0)->text(), "DYSTANS");
    e.UDFGrid->item(added, 1)->setText("MOC * 4");
    report.Functions.PrepareEnvironment();
    EXPECT_EQ(report.Functions.EntryValue("DYSTANS").IntValue, 400);

    // A prepared environment keeps its expressions.
    e.UDFGrid->item(added, 1)->setText("1");
    EXPECT_EQ(e.UDFGrid->item(added, 1)->text(), "MOC * 4");
    report.Functions.UnprepareEnvironment();

    e.UDFGrid->setCurrentCell(moc, 1);
    WhenModal<TRpExpressionBuilder>([](TRpExpressionBuilder &b) {
        EXPECT_EQ(Memo(b), "100");
        b.ClearButton->click();
        b.Memo->setPlainText("250");
        b.OKButton->click();
    });
    e.EditButton->click();
    EXPECT_EQ(e.UDFGrid->item(moc, 1)->text(), "250");
    EXPECT_EQ(report.Functions.Expression(moc), "250");
    e.CloseButton->click();
    EXPECT_FALSE(e.isVisible());
}

} // namespace
