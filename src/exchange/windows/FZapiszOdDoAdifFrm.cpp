#include "exchange/windows/FZapiszOdDoAdifFrm.h"

#include "controls/DateTimeEdit.h"
#include "exchange/windows/PeriodRangeBox.h"
#include "platform/Messages.h"

#include <QVBoxLayout>

TZapiszOdDoAdifFrm::TZapiszOdDoAdifFrm(QWidget *parent) : TZapiszAdifFrm(parent)
{
    Range = new PeriodRangeBox(QStringLiteral("Zakres danych do eksportu "), this);
    EdOkres = Range->EdOkres;
    EdOdDnia = Range->EdOdDnia;
    EdDoDnia = Range->EdDoDnia;
    RangeArea->addWidget(Range);
}

void TZapiszOdDoAdifFrm::FormActivate()
{
    TZapiszAdifFrm::FormActivate();
    Range->Activate();
}

bool TZapiszOdDoAdifFrm::ExportRange(std::optional<QDate> &from, std::optional<QDate> &to)
{
    if (!Range->ValidRange()) {
        Messages::ShowWarning(QStringLiteral("Błędny zakres dat."));
        return false;
    }
    from = EdOdDnia->date();
    to = EdDoDnia->date();
    return true;
}
