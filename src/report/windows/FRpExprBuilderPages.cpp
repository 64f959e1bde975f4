#include "report/windows/FRpExprBuilder.h"

#include "platform/db/DataSet.h"
#include "report/expr/RpEvEnvironment.h"
#include "report/expr/RpExprBuilding.h"
#include "report/expr/RpFunctions.h"
#include "report/windows/FRpEnvironmentEditor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QWidget *Page(const QString &title, QVBoxLayout *&layout)
{
    auto *page = new QWidget;
    layout = new QVBoxLayout(page);
    auto *heading = new QLabel(title, page);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    return page;
}

QHBoxLayout *OkCancel(QWidget *page, QPushButton *&ok, QPushButton *&cancel, const QString &okCaption)
{
    ok = new QPushButton(okCaption, page);
    cancel = new QPushButton(QStringLiteral("Cancel"), page);
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

} // namespace

QWidget *TRpExpressionBuilder::BuildFieldPage()
{
    QVBoxLayout *layout;
    QWidget *page = Page(QStringLiteral("Insert database field in expression"), layout);
    DataSetList = new QListWidget(page);
    FieldList = new QListWidget(page);
    auto *lists = new QHBoxLayout;
    lists->addWidget(DataSetList);
    lists->addWidget(FieldList);
    layout->addLayout(lists);
    layout->addLayout(OkCancel(page, FieldOK, FieldCancel, QStringLiteral("OK")));
    connect(DataSetList, &QListWidget::currentRowChanged, this, [this](int row) {
        FieldList->clear();
        if (row >= 0 && row < int(dataSets_.size()))
            for (const Field *field : dataSets_[size_t(row)]->Fields())
                FieldList->addItem(field->FieldName());
        FieldList->setCurrentRow(0);
    });
    connect(FieldList, &QListWidget::itemActivated, this, &TRpExpressionBuilder::InsertField);
    connect(FieldOK, &QPushButton::clicked, this, &TRpExpressionBuilder::InsertField);
    connect(FieldCancel, &QPushButton::clicked, this, &TRpExpressionBuilder::ShowMain);
    return page;
}

void TRpExpressionBuilder::FillFields()
{
    DataSetList->clear();
    for (const DataSet *set : dataSets_)
        DataSetList->addItem(set->objectName());
    DataSetList->setCurrentRow(0);
}

void TRpExpressionBuilder::InsertField()
{
    const int set = DataSetList->currentRow();
    const QListWidgetItem *field = FieldList->currentItem();
    ShowMain();
    if (set < 0 || !field)
        return;
    InsertText(DataSetList->item(set)->text() + QLatin1Char('.') + field->text());
}

QWidget *TRpExpressionBuilder::BuildFunctionPage()
{
    QVBoxLayout *layout;
    QWidget *page = Page(QStringLiteral("Select function"), layout);
    CategoryList = new QListWidget(page);
    CategoryList->addItems(RpFunctionCategories());
    FunctionList = new QListWidget(page);
    auto *lists = new QHBoxLayout;
    lists->addWidget(CategoryList);
    lists->addWidget(FunctionList);
    layout->addLayout(lists);
    SyntaxLabel = new QLabel(page);
    QFont bold = SyntaxLabel->font();
    bold.setBold(true);
    SyntaxLabel->setFont(bold);
    ExplanationLabel = new QLabel(page);
    ExplanationLabel->setWordWrap(true);
    layout->addWidget(SyntaxLabel);
    layout->addWidget(ExplanationLabel);
    layout->addLayout(OkCancel(page, ContinueButton, FunctionCancel, QStringLiteral("Continue")));
    connect(CategoryList, &QListWidget::currentRowChanged, this, [this](int row) {
        FunctionList->clear();
        FunctionList->addItems(FunctionsOfCategory(std::max(row, 0)));
        FunctionList->setCurrentRow(0);
    });
    connect(FunctionList, &QListWidget::currentRowChanged, this, &TRpExpressionBuilder::ShowFunctionHelp);
    connect(FunctionList, &QListWidget::itemActivated, this, &TRpExpressionBuilder::ContinueFunction);
    connect(ContinueButton, &QPushButton::clicked, this, &TRpExpressionBuilder::ContinueFunction);
    connect(FunctionCancel, &QPushButton::clicked, this, &TRpExpressionBuilder::ShowMain);
    return page;
}

void TRpExpressionBuilder::FillFunctions()
{
    if (CategoryList->currentRow() < 0)
        CategoryList->setCurrentRow(0);
    else
        ShowFunctionHelp();
}

void TRpExpressionBuilder::ShowFunctionHelp()
{
    const QListWidgetItem *item = FunctionList->currentItem();
    const TRpLibraryEntry *entry = item ? FunctionLibrary().Find(item->text()) : nullptr;
    SyntaxLabel->setText(entry ? FunctionSyntax(entry->Description) : QString());
    ExplanationLabel->setText(entry ? FunctionExplanation(entry->Description) : QString());
}

void TRpExpressionBuilder::ContinueFunction()
{
    const QListWidgetItem *item = FunctionList->currentItem();
    if (!item)
        return;
    function_ = item->text();
    const QString letters = FunctionArguments(function_);
    if (letters.isEmpty()) {
        ShowMain();
        InsertText(function_);
        return;
    }
    for (QLabel *l : ArgumentLabels)
        delete l;
    for (QLineEdit *e : ArgumentEdits)
        delete e;
    for (QPushButton *b : ArgumentBuilders)
        delete b;
    ArgumentLabels.clear();
    ArgumentEdits.clear();
    ArgumentBuilders.clear();
    ParamFunctionLabel->setText(function_);
    for (int i = 0; i < letters.size(); ++i) {
        auto *label = new QLabel(ArgumentCaption(letters[i], i + 1), ParamPage);
        auto *edit = new QLineEdit(ParamPage);
        auto *builder = new QPushButton(QStringLiteral("..."), ParamPage);
        builder->setFixedWidth(28);
        builder->setAutoDefault(false);
        paramGrid_->addWidget(label, i, 0);
        paramGrid_->addWidget(edit, i, 1);
        paramGrid_->addWidget(builder, i, 2);
        ArgumentLabels.push_back(label);
        ArgumentEdits.push_back(edit);
        ArgumentBuilders.push_back(builder);
        connect(builder, &QPushButton::clicked, this, [this, edit, i] {
            QString text = edit->text();
            const QString heading = QStringLiteral("Enter %1. parameter for %2").arg(i + 1).arg(function_);
            if (ShowExpressionBuilder(heading, text, report_, environment_, nullptr))
                edit->setText(text);
        });
    }
    Pages->setCurrentWidget(ParamPage);
    ArgumentEdits.front()->setFocus();
}

QWidget *TRpExpressionBuilder::BuildParamPage()
{
    QVBoxLayout *layout;
    QWidget *page = Page(QStringLiteral("Enter parameters for function"), layout);
    ParamFunctionLabel = new QLabel(page);
    layout->addWidget(ParamFunctionLabel);
    paramGrid_ = new QGridLayout;
    layout->addLayout(paramGrid_);
    layout->addStretch();
    layout->addLayout(OkCancel(page, ParamOK, ParamCancel, QStringLiteral("OK")));
    connect(ParamOK, &QPushButton::clicked, this, &TRpExpressionBuilder::InsertFunction);
    connect(ParamCancel, &QPushButton::clicked, this, &TRpExpressionBuilder::ShowMain);
    return page;
}

void TRpExpressionBuilder::InsertFunction()
{
    QStringList arguments;
    for (const QLineEdit *edit : ArgumentEdits)
        arguments << edit->text();
    ShowMain();
    InsertText(FunctionCallText(function_, arguments));
}

QWidget *TRpExpressionBuilder::BuildVariablePage()
{
    QVBoxLayout *layout;
    QWidget *page = Page(QStringLiteral("Select variable"), layout);
    VariableList = new QListWidget(page);
    layout->addWidget(VariableList);
    auto *valueRow = new QHBoxLayout;
    valueRow->addWidget(new QLabel(QStringLiteral("Value :"), page));
    VariableValue = new QLabel(page);
    VariableValue->setTextInteractionFlags(Qt::TextSelectableByMouse);
    valueRow->addWidget(VariableValue, 1);
    layout->addLayout(valueRow);
    ModifyVariables = new QPushButton(QStringLiteral("&Modify variables"), page);
    ModifyVariables->setAutoDefault(false);
    QHBoxLayout *buttons = OkCancel(page, VariableOK, VariableCancel, QStringLiteral("OK"));
    buttons->insertWidget(0, ModifyVariables);
    layout->addLayout(buttons);
    connect(VariableList, &QListWidget::currentRowChanged, this, &TRpExpressionBuilder::ShowVariableValue);
    connect(VariableList, &QListWidget::itemActivated, this, &TRpExpressionBuilder::InsertVariable);
    connect(VariableOK, &QPushButton::clicked, this, &TRpExpressionBuilder::InsertVariable);
    connect(VariableCancel, &QPushButton::clicked, this, &TRpExpressionBuilder::ShowMain);
    connect(ModifyVariables, &QPushButton::clicked, this, [this] {
        ShowEnvironmentEditor(environment_, report_, this);
        FillVariables();
    });
    return page;
}

TRpEvEnvironment *TRpExpressionBuilder::VariableEnvironment(int row, int &index) const
{
    const int local = environment_ ? environment_->Count() : 0;
    index = row < local ? row : row - local;
    if (row < 0)
        return nullptr;
    return row < local ? environment_ : &GlobalEnvironment();
}

void TRpExpressionBuilder::FillVariables()
{
    VariableList->clear();
    if (environment_)
        VariableList->addItems(environment_->Names());
    VariableList->addItems(GlobalEnvironment().Names());
    VariableList->setCurrentRow(0);
}

void TRpExpressionBuilder::ShowVariableValue()
{
    int index = 0;
    const TRpEvEnvironment *env = VariableEnvironment(VariableList->currentRow(), index);
    VariableValue->setText(env && index < env->Count() ? env->Expression(index) : QString());
}

void TRpExpressionBuilder::InsertVariable()
{
    const QListWidgetItem *item = VariableList->currentItem();
    ShowMain();
    if (item)
        InsertText(item->text());
}
