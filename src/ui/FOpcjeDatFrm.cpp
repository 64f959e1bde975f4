#include "ui/FOpcjeDatFrm.h"

#include "core/DateOptions.h"
#include "core/Settings.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A radio group with its items numbered from 0, and the sample beside it.
QGroupBox *NewGroup(QWidget *parent, const QString &caption, const QStringList &items, QButtonGroup *&buttons,
                    QLabel *&sample)
{
    auto *box = new QGroupBox(caption, parent);
    buttons = new QButtonGroup(box);
    auto *column = new QVBoxLayout;
    for (int i = 0; i < items.size(); ++i) {
        auto *b = new QRadioButton(items[i], box);
        buttons->addButton(b, i);
        column->addWidget(b);
    }
    sample = new QLabel(box);
    sample->setMinimumWidth(110);
    QFont bold = sample->font();
    bold.setBold(true);
    sample->setFont(bold);
    auto *row = new QHBoxLayout(box);
    row->addLayout(column);
    row->addSpacing(20);
    row->addWidget(sample, 1, Qt::AlignVCenter);
    return box;
}

// Shows no item selected: an exclusive group keeps one once any was checked.
void SelectItem(QButtonGroup *buttons, int item)
{
    buttons->setExclusive(false);
    for (QAbstractButton *b : buttons->buttons())
        b->setChecked(buttons->id(b) == item);
    buttons->setExclusive(true);
}

}

TOpcjeDatFrm::TOpcjeDatFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OpcjeDatFrm"));
    setWindowTitle(QStringLiteral("Daty - formatowanie"));
    EdOgolna = NewGroup(this, QStringLiteral("Ogólny format daty w systemie "),
                        {QStringLiteral("RRRR-MM-DD"), QStringLiteral("DD-MM-RRRR")}, OgolnaItems, OgolnaLbl);
    EdOgolna->setObjectName(QStringLiteral("EdOgolna"));
    // The second item stores the day-first format with the month's name.
    EdQSL =
        NewGroup(this, QStringLiteral("Format daty na wydruku etykiet QSL"),
                 {QStringLiteral("RRRR-MM-DD"), QStringLiteral("DD-MMM-RRRR"), QStringLiteral("DD-MM-RRRR")},
                 QSLItems, QSLLbl);
    EdQSL->setObjectName(QStringLiteral("EdQSL"));
    OkBtn = new QPushButton(QStringLiteral("&OK"), this);
    OkBtn->setDefault(true);
    AnulujBtn = new QPushButton(QStringLiteral("&Anuluj"), this);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addWidget(AnulujBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(EdOgolna);
    layout->addWidget(EdQSL);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OgolnaItems, &QButtonGroup::idClicked, this, [this] { EdOgolnaClick(); });
    connect(QSLItems, &QButtonGroup::idClicked, this, [this] { EdQSLClick(); });
    connect(OkBtn, &QPushButton::clicked, this, &TOpcjeDatFrm::OkBtnClick);
    connect(AnulujBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TOpcjeDatFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TOpcjeDatFrm::FormActivate()
{
    SelectItem(OgolnaItems, GeneralItemForFormat(DateFrm));
    EdOgolnaClick();
    SelectItem(QSLItems, QslItemForFormat(DateQSLFrm));
    EdQSLClick();
}

void TOpcjeDatFrm::EdOgolnaClick()
{
    OgolnaLbl->setText(FormatDateAs(FormatForGeneralItem(OgolnaItems->checkedId()), Today));
}

void TOpcjeDatFrm::EdQSLClick()
{
    QSLLbl->setText(FormatDateAs(FormatForQslItem(QSLItems->checkedId()), Today));
}

void TOpcjeDatFrm::OkBtnClick()
{
    GeneralFormatChanged = ApplyDateOptions(OgolnaItems->checkedId(), QSLItems->checkedId());
    accept();
}
