#pragma once

// The machine's clock in Poland for one test: TZ is set to Europe/Warsaw while
// the object lives and restored after. Qt reads TZ again at each local-time
// conversion, so the change takes effect in the running process.
#include "platform/DateTime.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <ctime>

class WarsawTime {
public:
    WarsawTime() : had_(qEnvironmentVariableIsSet("TZ")), old_(qgetenv("TZ"))
    {
        qputenv("TZ", "Europe/Warsaw");
        tzset();
    }
    ~WarsawTime()
    {
        if (had_)
            qputenv("TZ", old_);
        else
            qunsetenv("TZ");
        tzset();
    }
    WarsawTime(const WarsawTime &) = delete;
    WarsawTime &operator=(const WarsawTime &) = delete;

    // True when Qt follows the zone: one hour ahead of UTC in winter, two in summer.
    static bool FollowedByQt()
    {
        return QDateTime(QDate(2025, 1, 15), QTime(12, 0)).offsetFromUtc() == 3600 &&
               QDateTime(QDate(2025, 7, 15), QTime(12, 0)).offsetFromUtc() == 7200;
    }

private:
    bool had_;
    QByteArray old_;
};

// UTC times of QSOs at the changes of the Polish clock: one in the hour the
// clock skips in spring, one in the hour it repeats in autumn.
struct ClockChangeQso {
    DateTime Data;
    QString Text; // as "yyyy-MM-dd HH:mm:ss" shows it
};

inline ClockChangeQso SpringGapQso()
{
    return {DateTime::fromDate(2025, 3, 30, 2, 11, 19), QStringLiteral("2025-03-30 02:11:19")};
}
inline ClockChangeQso AutumnRepeatQso()
{
    return {DateTime::fromDate(2025, 10, 26, 2, 30), QStringLiteral("2025-10-26 02:30:00")};
}
