#include "exchange/windows/PeriodRangeBox.h"

#include "controls/DateTimeEdit.h"
#include "core/Settings.h"
#include "exchange/PeriodPreset.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

PeriodRangeBox::PeriodRangeBox(const QString &title, QWidget *parent) : QGroupBox(title, parent)
{
    auto *okresLbl = new QLabel(QStringLiteral("&Lista łączności w okresie"), this);
    EdOkres = new QComboBox(this);
    EdOkres->setObjectName(QStringLiteral("EdOkres"));
    EdOkres->addItems(PeriodPresetItems());
    EdOkres->setCurrentIndex(0);
    okresLbl->setBuddy(EdOkres);
    auto *dniLbl = new QLabel(QStringLiteral("tj. od dnia - do dnia"), this);
    EdOdDnia = new TDateTimeEdit(QMetaType::QDate, this);
    EdOdDnia->setObjectName(QStringLiteral("EdOdDnia"));
    EdDoDnia = new TDateTimeEdit(QMetaType::QDate, this);
    EdDoDnia->setObjectName(QStringLiteral("EdDoDnia"));
    for (TDateTimeEdit *e : {EdOdDnia, EdDoDnia})
        e->setCalendarPopup(true);
    dniLbl->setBuddy(EdOdDnia);

    auto *days = new QHBoxLayout;
    days->addWidget(EdOdDnia);
    days->addWidget(new QLabel(QStringLiteral("-"), this));
    days->addWidget(EdDoDnia);
    auto *grid = new QGridLayout(this);
    grid->addWidget(okresLbl, 0, 0);
    grid->addWidget(EdOkres, 0, 1);
    grid->addWidget(dniLbl, 1, 0);
    grid->addLayout(days, 1, 1);

    connect(EdOkres, &QComboBox::currentIndexChanged, this, &PeriodRangeBox::ApplyPreset);
}

void PeriodRangeBox::Activate()
{
    const QString format = DateFormatText(DateFrm);
    EdOdDnia->setDisplayFormat(format);
    EdDoDnia->setDisplayFormat(format);
    ApplyPreset();
}

bool PeriodRangeBox::ValidRange() const
{
    return EdDoDnia->date() >= EdOdDnia->date();
}

void PeriodRangeBox::ApplyPreset()
{
    QDate from = EdOdDnia->date(), to = EdDoDnia->date();
    if (ApplyPeriodPreset(EdOkres->currentIndex(), QDate::currentDate(), from, to)) {
        EdOdDnia->setDate(from);
        EdDoDnia->setDate(to);
    }
}
