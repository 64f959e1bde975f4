#include "platform/DateTime.h"

#include <QLocale>
#include <cmath>

namespace {
// 1899-12-30, constant-initialised: DateTime values made while other files'
// statics are set up must not see an epoch that is not built yet.
constexpr QDate Epoch = QDate::fromJulianDay(2415019);
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
    // The fields as written, whatever the zone: a value made on a local clock
    // in the hour it skips is invalid to Qt but still holds its date and time.
    const QDate d = dt.date();
    const QTime t = dt.time();
    if (!d.isValid() || !t.isValid())
        return DateTime();
    return DateTime(int32_t(Epoch.daysTo(d)), int64_t(t.msecsSinceStartOfDay()) * 10);
}

DateTime DateTime::fromDays(double days)
{
    // Only the calendar years 1..9999 make a date; anything else (NaN, an
    // infinity, a count past them) is no date rather than an integer overflow.
    constexpr double FirstDay = -693593; // 0001-01-01
    constexpr double PastLastDay = 2958466; // 10000-01-01
    if (!(days >= FirstDay && days < PastLastDay))
        return DateTime();
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
    // UTC has no skipped or repeated hours, so every value has its date-time.
    return QDateTime(date(), time(), Qt::UTC);
}

QString DateTime::toString(const QString &format) const
{
    return QLocale::c().toString(toQDateTime(), format);
}
