#include "report/windows/FSearchDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TSearchDlg::TSearchDlg(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Szukaj"));
    Label1 = new QLabel(QStringLiteral("Szukany tekst"), this);
    Edit1 = new QLineEdit(this);
    Label1->setBuddy(Edit1);
    CheckBox1 = new QCheckBox(QStringLiteral("Uwzględnij wielkość liter"), this);
    SpeedButton2 = new QPushButton(QStringLiteral("Szukaj"), this);
    SpeedButton1 = new QPushButton(QStringLiteral("Anuluj"), this);
    SpeedButton2->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SpeedButton2);
    buttons->addWidget(SpeedButton1);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Edit1, 1, 0);
    grid->addWidget(CheckBox1, 2, 0);
    grid->addLayout(buttons, 3, 0);
    Edit1->setMinimumWidth(260);

    connect(SpeedButton1, &QPushButton::clicked, this, [this] {
        Cancelled = true;
        close();
    });
    connect(SpeedButton2, &QPushButton::clicked, this, [this] {
        Cancelled = false;
        close();
    });
}

QString TSearchDlg::SearchText() const
{
    return Edit1->text();
}

bool TSearchDlg::MatchCase() const
{
    return CheckBox1->isChecked();
}
