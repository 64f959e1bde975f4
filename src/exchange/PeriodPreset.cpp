#include "exchange/PeriodPreset.h"

QStringList PeriodPresetItems()
{
    return {QStringLiteral("Bieżący miesiąc"), QStringLiteral("Poprzedni miesiąc"),
            QStringLiteral("Bieżący rok"), QStringLiteral("Poprzedni rok"), QStringLiteral("  ")};
}

bool ApplyPeriodPreset(int item, const QDate &today, QDate &from, QDate &to)
{
    switch (item) {
    case 0:
        from = QDate(today.year(), today.month(), 1);
        to = from.addMonths(1).addDays(-1);
        return true;
    case 1:
        from = QDate(today.year(), today.month(), 1).addMonths(-1);
        to = from.addMonths(1).addDays(-1);
        return true;
    case 2:
        from = QDate(today.year(), 1, 1);
        to = QDate(today.year(), 12, 31);
        return true;
    case 3:
        from = QDate(today.year() - 1, 1, 1);
        to = QDate(today.year() - 1, 12, 31);
        return true;
    default: return false;
    }
}
