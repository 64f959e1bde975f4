#include "platform/DateTime.h"

#include <QLocale>
#include <cmath>

namespace {
const QDate Epoch(1899, 12, 30);
}

DateTime DateTime::fromDate(int year, int month, int day, int hour, int minute, int second, int msec)
{
    const QDate d(year, month, day);
    if (!d.isValid())
        return DateTime();
    const int64_t ticks = ((int64_t(hour) * 60 + minute) * 60 + second) * TicksPerSecond + int64_t(msec) * 10;
    return DateTime(int32_t(Epoch.daysTo(d)), ticks);
}

DateTime DateTime::fromQDate(const QDate &date)
{
    return date.isValid() ? DateTime(int32_t(Epoch.daysTo(date)), 0) : DateTime();
}

DateTime DateTime::fromQDateTime(const QDateTime &dt)
{
    if (!dt.isValid())
        return DateTime();
    const QTime t = dt.time();
    return DateTime(int32_t(Epoch.daysTo(dt.date())), int64_t(t.msecsSinceStartOfDay()) * 10);
}

DateTime DateTime::fromDays(double days)
{
    // Round the whole value to ticks first, so that 0.5 s steps never drift a tick.
    const double total = std::round(days * double(TicksPerDay));
    const int64_t t = int64_t(total);
    int64_t d = t / TicksPerDay;
    int64_t rest = t % TicksPerDay;
    if (rest < 0) {
        rest += TicksPerDay;
        --d;
    }
    return DateTime(int32_t(d), rest);
}

DateTime DateTime::currentLocal()
{
    return fromQDateTime(QDateTime::currentDateTime());
}

QDate DateTime::date() const
{
    return Epoch.addDays(days_);
}

QTime DateTime::time() const
{
    return QTime::fromMSecsSinceStartOfDay(int(ticks_ / 10));
}

QDateTime DateTime::toQDateTime() const
{
    return QDateTime(date(), time());
}

QString DateTime::toString(const QString &format) const
{
    return QLocale::c().toString(toQDateTime(), format);
}
