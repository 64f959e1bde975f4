#include "report/windows/FRpLabelSettings.h"

#include "controls/MaskedEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Up to four digits, none of them required.
QLineEdit *SizeEdit(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    SetEditMask(edit, QStringLiteral("0000"));
    edit->setMaximumWidth(60);
    return edit;
}

// Masks offered for the value: numbers, amounts and dates as the engine's
// formatter reads them.
QStringList MaskChoices()
{
    return {QString(),
            QStringLiteral("#,##0.00"),
            QStringLiteral("0.00"),
            QStringLiteral("#,##0"),
            QStringLiteral("%m"),
            QStringLiteral("dd/mm/yyyy"),
            QStringLiteral("hh:nn:ss")};
}

} // namespace

TRpLabelSettingsDlg::TRpLabelSettingsDlg(bool expression, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint)
{
    setWindowTitle(expression ? QStringLiteral("Expression settings") : QStringLiteral("Text Settings"));
    auto *group = new QGroupBox(QStringLiteral("Properties"), this);
    Value = new QLineEdit(group);
    Value->setObjectName(QStringLiteral("Value"));
    Value->setMinimumWidth(300);
    Width = SizeEdit(group);
    Width->setObjectName(QStringLiteral("Width"));
    Height = SizeEdit(group);
    Height->setObjectName(QStringLiteral("Height"));
    Autosize = new QCheckBox(QStringLiteral("Autosize"), group);
    Stretch = new QCheckBox(QStringLiteral("Stretch"), group);
    Transparent = new QCheckBox(QStringLiteral("Transparent"), group);

    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(expression ? QStringLiteral("Expression :") : QStringLiteral("Text :"), group),
                    0, 0);
    auto *valueRow = new QHBoxLayout;
    valueRow->addWidget(Value, 1);
    if (expression) {
        BuilderButton = new QPushButton(QStringLiteral("..."), group);
        BuilderButton->setFixedWidth(28);
        valueRow->addWidget(BuilderButton);
    }
    grid->addLayout(valueRow, 0, 1, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Width :"), group), 1, 0);
    grid->addWidget(Width, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Height :"), group), 1, 2);
    grid->addWidget(Height, 1, 3);
    int row = 2;
    if (expression) {
        Mask = new QComboBox(group);
        Mask->setObjectName(QStringLiteral("Mask"));
        Mask->setEditable(true);
        Mask->addItems(MaskChoices());
        grid->addWidget(new QLabel(QStringLiteral("Format mask"), group), row, 0);
        grid->addWidget(Mask, row, 1, 1, 4);
        ++row;
    }
    auto *checks = new QHBoxLayout;
    checks->addWidget(Autosize);
    checks->addWidget(Stretch);
    checks->addWidget(Transparent);
    checks->addStretch();
    grid->addLayout(checks, row, 0, 1, 5);
    grid->setColumnStretch(4, 1);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    OKButton->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}
