#include "report/windows/FRpExprBuilder.h"

#include "report/expr/RpExprBuilding.h"
#include "report/layout/RpDesignLayout.h"
#include "report/layout/RpReport.h"

#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

TRpExpressionBuilder::TRpExpressionBuilder(TCustomReport *report, TRpEvEnvironment *environment,
                                           QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint), report_(report), environment_(environment)
{
    setWindowTitle(QStringLiteral("Expression Builder"));
    if (report_)
        dataSets_ = ReportDataSets(*report_);
    ShowMessage = [this](const QString &text) { QMessageBox::information(this, windowTitle(), text); };
    Pages = new QStackedWidget(this);
    Pages->addWidget(MainPage = BuildMainPage());
    Pages->addWidget(FieldPage = BuildFieldPage());
    Pages->addWidget(FunctionPage = BuildFunctionPage());
    Pages->addWidget(ParamPage = BuildParamPage());
    Pages->addWidget(VariablePage = BuildVariablePage());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Pages);
    SetHeading(QString());
}

QWidget *TRpExpressionBuilder::BuildMainPage()
{
    auto *page = new QWidget;
    HeadingLabel = new QLabel(page);
    HeadingLabel->setFrameShape(QFrame::Panel);
    HeadingLabel->setFrameShadow(QFrame::Raised);
    HeadingLabel->setMinimumHeight(28);
    Memo = new QPlainTextEdit(page);
    Memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo->setFixedSize(341, 91);

    auto *group = new QGroupBox(QStringLiteral("Insert at cursor position"), page);
    FieldButton = new QPushButton(QStringLiteral("&Database field"), group);
    FunctionButton = new QPushButton(QStringLiteral("&Function"), group);
    VariableButton = new QPushButton(QStringLiteral("&Variable"), group);
    auto *inserts = new QHBoxLayout;
    inserts->addWidget(FieldButton);
    inserts->addWidget(FunctionButton);
    inserts->addWidget(VariableButton);
    auto *operators = new QGridLayout;
    const char *const captions[] = {"+", "-", "*", "/", "=", "<", ">", "<>", "<=", ">=", "Not", "And", "Or"};
    int column = 0;
    for (const char *caption : captions) {
        auto *button = new QPushButton(QString::fromLatin1(caption), group);
        button->setFixedWidth(38);
        button->setAutoDefault(false);
        operators->addWidget(button, column / 7, column % 7);
        ++column;
        OperatorButtons.push_back(button);
        connect(button, &QPushButton::clicked, this,
                [this, button] { InsertText(QLatin1Char(' ') + button->text() + QLatin1Char(' ')); });
    }
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(inserts);
    groupLayout->addLayout(operators);

    ValidateButton = new QPushButton(QStringLiteral("Valida&te"), page);
    ClearButton = new QPushButton(QStringLiteral("&Clear"), page);
    OKButton = new QPushButton(QStringLiteral("OK"), page);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), page);
    OKButton->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ValidateButton);
    buttons->addWidget(ClearButton);
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(HeadingLabel);
    auto *memoRow = new QHBoxLayout;
    memoRow->addSpacing(12);
    memoRow->addWidget(Memo);
    memoRow->addStretch();
    layout->addLayout(memoRow);
    layout->addWidget(group);
    layout->addStretch();
    layout->addLayout(buttons);

    for (QPushButton *b :
         {FieldButton, FunctionButton, VariableButton, ValidateButton, ClearButton, CancelButton})
        b->setAutoDefault(false);
    connect(FieldButton, &QPushButton::clicked, this, [this] {
        FillFields();
        Pages->setCurrentWidget(FieldPage);
    });
    connect(FunctionButton, &QPushButton::clicked, this, [this] {
        FillFunctions();
        Pages->setCurrentWidget(FunctionPage);
    });
    connect(VariableButton, &QPushButton::clicked, this, [this] {
        FillVariables();
        Pages->setCurrentWidget(VariablePage);
    });
    connect(ValidateButton, &QPushButton::clicked, this, &TRpExpressionBuilder::Validate);
    connect(ClearButton, &QPushButton::clicked, Memo, &QPlainTextEdit::clear);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    return page;
}

void TRpExpressionBuilder::SetHeading(const QString &heading)
{
    HeadingLabel->setText(heading.isEmpty() ? QStringLiteral("Enter expression:") : heading);
}

QString TRpExpressionBuilder::Expression() const
{
    return Memo->toPlainText();
}

void TRpExpressionBuilder::SetExpression(const QString &expression)
{
    Memo->setPlainText(expression);
    Memo->moveCursor(QTextCursor::End);
}

void TRpExpressionBuilder::InsertText(const QString &text)
{
    Memo->insertPlainText(text);
    Memo->setFocus();
}

void TRpExpressionBuilder::ShowMain()
{
    Pages->setCurrentWidget(MainPage);
    Memo->setFocus();
}

void TRpExpressionBuilder::Validate()
{
    TRpDataSetList sets(dataSets_.begin(), dataSets_.end());
    ShowMessage(ValidateExpression(Expression(), sets, environment_));
}

void TRpExpressionBuilder::keyPressEvent(QKeyEvent *event)
{
    // Escape on a page of its own goes back to the expression, as the page's Cancel does.
    if (event->key() == Qt::Key_Escape && Pages->currentWidget() != MainPage) {
        ShowMain();
        return;
    }
    // A blank typed while no control of the builder has the focus cancels, as Escape does.
    if (event->key() == Qt::Key_Space && (focusWidget() == nullptr || focusWidget() == this)) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ShowExpressionBuilder(const QString &heading, QString &expression, TCustomReport *report,
                           TRpEvEnvironment *environment, QWidget *parentControl)
{
    TRpExpressionBuilder builder(report, environment, parentControl);
    builder.SetHeading(heading);
    builder.SetExpression(expression);
    int result = QDialog::Rejected;
    if (parentControl) {
        builder.setWindowFlags(Qt::Widget);
        builder.setGeometry(parentControl->rect());
        QEventLoop loop;
        QObject::connect(&builder, &QDialog::finished, &loop, [&](int r) {
            result = r;
            loop.quit();
        });
        builder.show();
        loop.exec();
    } else {
        result = builder.exec();
    }
    if (result != QDialog::Accepted)
        return false;
    expression = RemoveLineBreaks(builder.Expression());
    return true;
}
