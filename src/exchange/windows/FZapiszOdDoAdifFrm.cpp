#include "exchange/windows/FZapiszOdDoAdifFrm.h"

#include "core/Globals.h"
#include "exchange/PeriodPreset.h"
#include "platform/Messages.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TZapiszOdDoAdifFrm::TZapiszOdDoAdifFrm(QWidget *parent) : TZapiszAdifFrm(parent) {
    auto *group = new QGroupBox(QStringLiteral("Zakres danych do eksportu "), this);
    auto *okresLbl = new QLabel(QStringLiteral("&Lista łączności w okresie"), group);
    EdOkres = new QComboBox(group);
    EdOkres->addItems(PeriodPresetItems());
    EdOkres->setCurrentIndex(0);
    okresLbl->setBuddy(EdOkres);
    auto *dniLbl = new QLabel(QStringLiteral("tj. od dnia - do dnia"), group);
    EdOdDnia = new QDateEdit(group);
    EdDoDnia = new QDateEdit(group);
    for (QDateEdit *e : {EdOdDnia, EdDoDnia})
        e->setCalendarPopup(true);
    dniLbl->setBuddy(EdOdDnia);

    auto *days = new QHBoxLayout;
    days->addWidget(EdOdDnia);
    days->addWidget(new QLabel(QStringLiteral("-"), group));
    days->addWidget(EdDoDnia);
    auto *grid = new QGridLayout(group);
    grid->addWidget(okresLbl, 0, 0);
    grid->addWidget(EdOkres, 0, 1);
    grid->addWidget(dniLbl, 1, 0);
    grid->addLayout(days, 1, 1);
    RangeArea->addWidget(group);

    connect(EdOkres, &QComboBox::currentIndexChanged, this, &TZapiszOdDoAdifFrm::EdOkresChange);
}

void TZapiszOdDoAdifFrm::FormActivate() {
    TZapiszAdifFrm::FormActivate();
    const QString format = DateFormatText(DateFrm);
    EdOdDnia->setDisplayFormat(format);
    EdDoDnia->setDisplayFormat(format);
    EdOkresChange();
}

void TZapiszOdDoAdifFrm::EdOkresChange() {
    QDate from = EdOdDnia->date(), to = EdDoDnia->date();
    if (ApplyPeriodPreset(EdOkres->currentIndex(), QDate::currentDate(), from, to)) {
        EdOdDnia->setDate(from);
        EdDoDnia->setDate(to);
    }
}

bool TZapiszOdDoAdifFrm::ExportRange(std::optional<QDate> &from, std::optional<QDate> &to) {
    if (EdDoDnia->date() < EdOdDnia->date()) {
        Messages::ShowWarning(QStringLiteral("Błędny zakres dat."));
        return false;
    }
    from = EdOdDnia->date();
    to = EdDoDnia->date();
    return true;
}
