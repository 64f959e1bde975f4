#include "core/Settings.h"

namespace {

LocalClock localClock = nullptr;

} // namespace

uint8_t SettingInRange(int value, int count, uint8_t startValue)
{
    return value >= 0 && value < count ? uint8_t(value) : startValue;
}

void SetLocalClock(LocalClock clock)
{
    localClock = clock;
}

DateTime UtcNow()
{
    const DateTime local = localClock ? localClock() : DateTime::currentLocal();
    return local.addSecs(CzasLetni ? -2 * 3600 : -3600);
}

bool CzasLetniSetting(std::optional<int> stored, const QDateTime &now)
{
    return stored ? *stored != 0 : now.isDaylightTime();
}

QString DateFormatText(uint8_t index)
{
    return index < DateFormats.size() ? QString(DateFormats[index]) : QString(DateFormats[0]);
}

QString FormatDateDdMonYyyy(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1-%2-%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(MonthAbbreviations[date.month() - 1])
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}
