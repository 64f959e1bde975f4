#include "core/FDM.h"
#include "support/UiFixture.h"
#include "ui/FLogFrm.h"
#include "ui/FMainForm.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

class MainFormEditor : public UiFixture {
protected:
    // Runs `work` once the editor is up, then cancels it unless it closed itself.
    void WhileEditorShown(const std::function<void()> &work)
    {
        QTimer::singleShot(0, LogFrm, [this, work] {
            editorSeen = LogFrm->isVisible();
            work();
            if (LogFrm->isVisible())
                LogFrm->reject();
        });
    }
    // Counts the reopens of the log from now on.
    void CountReopens()
    {
        QObject::connect(&DM->Logi, &DataSet::dataSetChanged, &Main(), [this] { ++reopens; });
    }
    bool editorSeen = false;
    int reopens = 0;
};

}

TEST_F(MainFormEditor, ThreeNewQsosReopenTheLogOnceOnTheQsoThatWasCurrent)
{
    const std::vector<int> ids = AddQsos(SampleQsos(5));
    TMainForm &f = Main();
    DM->Logi.Locate("LogId", ids[3], 0);
    CountReopens();
    WhileEditorShown([&] {
        for (const char *call : {"SP1AAA", "SP2BBB", "SP3CCC"}) {
            LogFrm->EdPasmo->setCurrentIndex(5);
            LogFrm->EdStacja->setText(QString::fromLatin1(call));
            LogFrm->EdRaportNad->setText("59");
            LogFrm->SaveQso();
        }
        EXPECT_EQ(reopens, 0); // nothing reopens while the editor is open
        EXPECT_EQ(DM->QsoCount(), 8);
    });
    f.InsertBtn->click();
    EXPECT_TRUE(editorSeen);
    EXPECT_TRUE(LogFrm->SavedAny);
    EXPECT_GE(reopens, 1);
    EXPECT_EQ(DM->Logi.RecordCount(), 8);
    EXPECT_EQ(CurrentLogId(), ids[3]);
    EXPECT_EQ(f.PanelText(0), QStringLiteral(" Liczba łączności: 8"));
}

TEST_F(MainFormEditor, AddingToAnEmptyLogEnablesTheButtons)
{
    TMainForm &f = Main();
    EXPECT_FALSE(f.EditBtn->isEnabled());
    WhileEditorShown([&] {
        LogFrm->EdStacja->setText("SP5ZZZ");
        LogFrm->EdRaportNad->setText("59");
        LogFrm->SaveQso();
    });
    f.InsertBtn->click();
    EXPECT_TRUE(f.EditBtn->isEnabled());
    EXPECT_TRUE(f.DeleteBtn->isEnabled());
    EXPECT_EQ(CurrentCall(), QStringLiteral("SP5ZZZ"));
}

TEST_F(MainFormEditor, CancellingTheEditorReopensNothing)
{
    AddQsos(SampleQsos(3));
    TMainForm &f = Main();
    CountReopens();
    WhileEditorShown([] {});
    f.InsertBtn->click();
    EXPECT_TRUE(editorSeen);
    EXPECT_EQ(reopens, 0);
}

TEST_F(MainFormEditor, EditingReopensOnTheEditedQsoOnlyWhenItChanged)
{
    const std::vector<int> ids = AddQsos(SampleQsos(6));
    TMainForm &f = Main();
    DM->Logi.Locate("LogId", ids[4], 0);
    CountReopens();
    WhileEditorShown([] { LogFrm->SaveQso(); }); // unchanged: nothing written
    f.EditBtn->click();
    EXPECT_TRUE(editorSeen);
    EXPECT_FALSE(LogFrm->Changed);
    EXPECT_EQ(reopens, 0);

    WhileEditorShown([] {
        LogFrm->EdImie->setText(QStringLiteral("Grzegorz"));
        LogFrm->SaveQso();
    });
    f.EditBtn->click();
    EXPECT_TRUE(LogFrm->Changed);
    EXPECT_GE(reopens, 1);
    EXPECT_EQ(CurrentLogId(), ids[4]);
    EXPECT_EQ(DM->Logi.FieldByName("IMIE")->AsString(), QStringLiteral("Grzegorz"));
}

TEST_F(MainFormEditor, DoubleClickEditsOnlyWhileEditingIsPossible)
{
    TMainForm &f = Main();
    WhileEditorShown([] {});
    f.DbGrid->OnDblClick(*f.DbGrid);
    EXPECT_FALSE(editorSeen);
    QApplication::processEvents(); // the pending check runs now, with no editor shown

    AddQsos(SampleQsos(2));
    f.RefreshButtons();
    editorSeen = false;
    WhileEditorShown([] {});
    f.DbGrid->OnDblClick(*f.DbGrid);
    EXPECT_TRUE(editorSeen);
}
