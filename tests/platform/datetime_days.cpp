#include "platform/DateTime.h"

#include <gtest/gtest.h>

#include <limits>

// A floating day count comes from float fields and report expressions, which
// can compute anything: what is no date in years 1..9999 gives the null date.
TEST(DateTimeDays, CountsOutsideTheCalendarGiveTheNullDate)
{
    constexpr double inf = std::numeric_limits<double>::infinity(),
                     nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, const char *> cases[] = {
        {45658.5, "2025-01-01 12:00:00"},
        {-693593, "0001-01-01 00:00:00"},
        {2958465.99999, "9999-12-31 23:59:59"},
        {-0.25, "1899-12-29 18:00:00"},
        {2958466, nullptr},
        {-693594, nullptr},
        {1e300, nullptr},
        {-inf, nullptr},
        {inf, nullptr},
        {nan, nullptr},
    };
    for (const auto &[days, text] : cases) {
        const DateTime d = DateTime::fromDays(days);
        EXPECT_EQ(d.isNull() ? QString() : d.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                  QLatin1String(text))
            << days;
    }
}
