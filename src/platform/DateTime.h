#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <compare>
#include <cstdint>

// The program's date-time: whole days since 1899-12-30 plus the time of day in
// ticks of 1/10000 s (the resolution of a Firebird TIMESTAMP). Keeping integers
// instead of a floating day count makes equality lookups by date-time exact.
// The zero value (1899-12-30 00:00) stands for "no date".
class DateTime {
public:
    static constexpr int64_t TicksPerSecond = 10000;
    static constexpr int64_t TicksPerDay = 86400 * TicksPerSecond;

    constexpr DateTime() = default;
    constexpr DateTime(int32_t days, int64_t ticks) : days_(days), ticks_(ticks) { normalize(); }

    static DateTime fromDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                             int msec = 0);
    static DateTime fromQDate(const QDate &date);
    static DateTime fromQDateTime(const QDateTime &dt); // wall-clock fields, no zone conversion
    // From a floating day count (days since 1899-12-30, the time of day as the
    // fraction, as a float field or expression holds it); rounds to whole ticks.
    static DateTime fromDays(double days);
    static DateTime currentLocal();

    int32_t days() const { return days_; }
    int64_t ticks() const { return ticks_; }
    double toDays() const { return days_ + double(ticks_) / TicksPerDay; }
    bool isNull() const { return days_ == 0 && ticks_ == 0; }

    QDate date() const;
    QTime time() const; // milliseconds precision
    // The same wall-clock fields in a zone-free form (UTC): the log's times
    // never pass through the machine's time zone.
    QDateTime toQDateTime() const;
    DateTime dateOnly() const { return DateTime(days_, 0); }

    DateTime addTicks(int64_t ticks) const { return DateTime(days_, ticks_ + ticks); }
    DateTime addSecs(int64_t secs) const { return addTicks(secs * TicksPerSecond); }
    DateTime addDays(int32_t days) const { return DateTime(days_ + days, ticks_); }

    // Qt date-time format ("yyyy-MM-dd HH:mm"); English month names regardless of locale.
    QString toString(const QString &format) const;

    auto operator<=>(const DateTime &) const = default;

private:
    constexpr void normalize()
    {
        while (ticks_ < 0) {
            ticks_ += TicksPerDay;
            --days_;
        }
        while (ticks_ >= TicksPerDay) {
            ticks_ -= TicksPerDay;
            ++days_;
        }
    }
    int32_t days_ = 0;
    int64_t ticks_ = 0;
};
