#include "core/Settings.h"

#include <QTimeZone>
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

// With no stored choice summer time follows the clock's own daylight-saving
// time; a stored choice wins either way.
TEST(Settings, SummerTimeFollowsTheClockUntilAChoiceIsStored)
{
    const QTimeZone warsaw("Europe/Warsaw");
    ASSERT_TRUE(warsaw.isValid());
    const auto at = [](int y, int mo, int d, int h, int mi, const QTimeZone &zone) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi), zone);
    };
    struct Case {
        QDateTime now;
        std::optional<int> stored;
        bool summer;
    };
    const Case cases[] = {
        {at(2026, 12, 7, 17, 39, warsaw), std::nullopt, false},
        {at(2026, 7, 14, 12, 0, warsaw), std::nullopt, true},
        {at(2026, 3, 29, 1, 59, warsaw), std::nullopt, false}, // the last minute of winter time
        {at(2026, 3, 29, 3, 0, warsaw), std::nullopt, true},
        {at(2026, 10, 25, 3, 0, warsaw), std::nullopt, false},
        {at(2026, 7, 14, 12, 0, QTimeZone::utc()), std::nullopt, false}, // a clock without summer time
        {at(2026, 7, 14, 12, 0, warsaw), 0, false},
        {at(2026, 12, 7, 17, 39, warsaw), 1, true},
        {at(2026, 12, 7, 17, 39, warsaw), -3, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CzasLetniSetting(c.stored, c.now), c.summer)
            << c.now.toString(Qt::ISODate).toStdString() << " stored " << c.stored.value_or(99);

    // A first start on a winter evening in Poland stamps the real UTC hour.
    ClockGuard guard;
    SetLocalClock(fixedClock);
    fixedLocal = DateTime::fromDate(2026, 12, 7, 17, 39, 0);
    CzasLetni = CzasLetniSetting(std::nullopt, at(2026, 12, 7, 17, 39, warsaw));
    EXPECT_EQ(UtcNow(), DateTime::fromDate(2026, 12, 7, 16, 39, 0));
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
