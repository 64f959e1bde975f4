#include "core/Settings.h"

#include <gtest/gtest.h>

namespace {

DateTime fixedLocal;
DateTime fixedClock()
{
    return fixedLocal;
}

struct ClockGuard {
    ~ClockGuard()
    {
        SetLocalClock(nullptr);
        CzasLetni = true;
    }
};

} // namespace

TEST(Settings, UtcNowSubtractsOneOrTwoHours)
{
    ClockGuard guard;
    SetLocalClock(fixedClock);

    fixedLocal = DateTime::fromDate(2003, 7, 14, 12, 0, 0);
    CzasLetni = false;
    EXPECT_EQ(UtcNow(), DateTime::fromDate(2003, 7, 14, 11, 0, 0));
    CzasLetni = true;
    EXPECT_EQ(UtcNow(), DateTime::fromDate(2003, 7, 14, 10, 0, 0));

    fixedLocal = DateTime::fromDate(2004, 3, 1, 0, 30, 0);
    CzasLetni = false;
    EXPECT_EQ(UtcNow(), DateTime::fromDate(2004, 2, 29, 23, 30, 0));
    CzasLetni = true;
    EXPECT_EQ(UtcNow(), DateTime::fromDate(2004, 2, 29, 22, 30, 0));
}

TEST(Settings, SettingsOutOfRangeFallBack)
{
    EXPECT_EQ(SettingInRange(11, SortOrderCount, 1), 11);
    EXPECT_EQ(SettingInRange(12, SortOrderCount, 1), 1);
    EXPECT_EQ(SettingInRange(-1, SortOrderCount, 1), 1);
    EXPECT_EQ(SettingInRange(4, DateFormatCount, 0), 4);
    EXPECT_EQ(SettingInRange(5, DateFormatCount, 0), 0);
    EXPECT_EQ(SettingInRange(256 + 2, DateFormatCount, 0), 0);
}

TEST(Settings, DateFormats)
{
    EXPECT_EQ(DateFormatText(0), "yyyy-MM-dd");
    EXPECT_EQ(DateFormatText(4), "dd-MMM-yyyy");
    EXPECT_EQ(FormatDateDdMonYyyy(QDate(2003, 7, 5)), "05-Jul-2003");
    EXPECT_EQ(FormatDateDdMonYyyy(QDate(1999, 12, 31)), "31-Dec-1999");
    EXPECT_EQ(SortFieldNames[2], QLatin1String("Pasmo_Ind"));
}
