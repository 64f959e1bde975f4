#include "report/windows/FRpEnvironmentEditor.h"

#include "report/expr/RpEvEnvironment.h"
#include "report/windows/FRpExprBuilder.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

TRpEnvironmentEditor::TRpEnvironmentEditor(TRpEvEnvironment *local, TCustomReport *report, QWidget *parent)
    : QDialog(parent), local_(local), report_(report)
{
    setWindowTitle(QStringLiteral("User Defined Functions Edtor"));
    LocalDefines = new QRadioButton(QStringLiteral("&Local defines"), this);
    GlobalDefines = new QRadioButton(QStringLiteral("&Global defines"), this);
    (local_ ? LocalDefines : GlobalDefines)->setChecked(true);
    LocalDefines->setEnabled(local_ != nullptr);

    GridArea = new QWidget(this);
    UDFGrid = new QTableWidget(0, 2, GridArea);
    UDFGrid->setObjectName(QStringLiteral("UDFGrid"));
    UDFGrid->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Expression")});
    UDFGrid->horizontalHeader()->setStretchLastSection(true);
    UDFGrid->setColumnWidth(0, 140);
    UDFGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    UDFGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    UDFGrid->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                             QAbstractItemView::SelectedClicked);
    UDFGrid->verticalHeader()->hide();
    auto *gridLayout = new QVBoxLayout(GridArea);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->addWidget(UDFGrid);

    NewEntry = new QGroupBox(QStringLiteral("New entry"), this);
    NewName = new QLineEdit(NewEntry);
    NewExpression = new QLineEdit(NewEntry);
    NewBuilder = new QPushButton(QStringLiteral("..."), NewEntry);
    NewBuilder->setFixedWidth(28);
    NewOK = new QPushButton(QStringLiteral("&OK"), NewEntry);
    NewCancel = new QPushButton(QStringLiteral("&Cancel"), NewEntry);
    auto *expressionRow = new QHBoxLayout;
    expressionRow->addWidget(NewExpression, 1);
    expressionRow->addWidget(NewBuilder);
    auto *entryButtons = new QHBoxLayout;
    entryButtons->addStretch();
    entryButtons->addWidget(NewOK);
    entryButtons->addWidget(NewCancel);
    auto *form = new QFormLayout(NewEntry);
    form->addRow(QStringLiteral("Name :"), NewName);
    form->addRow(QStringLiteral("Expression :"), expressionRow);
    form->addRow(entryButtons);
    NewEntry->hide();

    AddButton = new QPushButton(QStringLiteral("&Add"), this);
    EditButton = new QPushButton(QStringLiteral("&Edit"), this);
    DeleteButton = new QPushButton(QStringLiteral("&Delete"), this);
    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    auto *radios = new QHBoxLayout;
    radios->addWidget(LocalDefines);
    radios->addWidget(GlobalDefines);
    radios->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(AddButton);
    buttons->addWidget(EditButton);
    buttons->addWidget(DeleteButton);
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(radios);
    layout->addWidget(GridArea, 1);
    layout->addWidget(NewEntry);
    layout->addLayout(buttons);
    for (QPushButton *b : {AddButton, EditButton, DeleteButton, CloseButton, NewBuilder, NewOK, NewCancel})
        b->setAutoDefault(false);
    resize(520, 360);

    connect(LocalDefines, &QRadioButton::toggled, this, &TRpEnvironmentEditor::FillGrid);
    connect(UDFGrid, &QTableWidget::cellChanged, this, &TRpEnvironmentEditor::CellChanged);
    connect(UDFGrid, &QTableWidget::cellDoubleClicked, this, &TRpEnvironmentEditor::EditRow);
    connect(EditButton, &QPushButton::clicked, this, &TRpEnvironmentEditor::EditRow);
    connect(AddButton, &QPushButton::clicked, this, [this] { ShowNewEntry(true); });
    connect(NewCancel, &QPushButton::clicked, this, [this] { ShowNewEntry(false); });
    connect(NewOK, &QPushButton::clicked, this, &TRpEnvironmentEditor::AddEntry);
    connect(NewBuilder, &QPushButton::clicked, this, [this] {
        QString text = NewExpression->text();
        if (ShowExpressionBuilder(QString(), text, report_, local_, nullptr))
            NewExpression->setText(text);
    });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    FillGrid();
}

TRpEvEnvironment &TRpEnvironmentEditor::Chosen() const
{
    return local_ && LocalDefines->isChecked() ? *local_ : GlobalEnvironment();
}

void TRpEnvironmentEditor::FillGrid()
{
    filling_ = true;
    const TRpEvEnvironment &env = Chosen();
    UDFGrid->setRowCount(env.Count());
    for (int i = 0; i < env.Count(); ++i) {
        UDFGrid->setItem(i, 0, new QTableWidgetItem(env.Name(i)));
        UDFGrid->setItem(i, 1, new QTableWidgetItem(env.Expression(i)));
    }
    filling_ = false;
}

void TRpEnvironmentEditor::CellChanged(int row, int column)
{
    TRpEvEnvironment &env = Chosen();
    if (filling_ || row < 0 || row >= env.Count())
        return;
    QTableWidgetItem *item = UDFGrid->item(row, column);
    filling_ = true;
    if (column == 0) {
        env.SetName(row, item->text());
        item->setText(env.Name(row));
    } else if (!env.ReplaceExpression(row, item->text())) {
        item->setText(env.Expression(row)); // a prepared environment keeps its expressions
    }
    filling_ = false;
}

void TRpEnvironmentEditor::EditRow()
{
    const int row = UDFGrid->currentRow();
    if (row < 0 || row >= UDFGrid->rowCount())
        return;
    QString text = UDFGrid->item(row, 1)->text();
    if (ShowExpressionBuilder(QString(), text, report_, local_, nullptr))
        UDFGrid->item(row, 1)->setText(text);
}

void TRpEnvironmentEditor::ShowNewEntry(bool on)
{
    GridArea->setVisible(!on);
    NewEntry->setVisible(on);
    if (on) {
        NewName->clear();
        NewExpression->clear();
        NewName->setFocus();
    }
}

void TRpEnvironmentEditor::AddEntry()
{
    Chosen().AddFunction(NewName->text(), NewExpression->text());
    ShowNewEntry(false);
    FillGrid();
}

void ShowEnvironmentEditor(TRpEvEnvironment *local, TCustomReport *report, QWidget *parent)
{
    TRpEnvironmentEditor editor(local, report, parent);
    editor.exec();
}
