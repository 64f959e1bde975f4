#include "exchange/PeriodPreset.h"

#include <gtest/gtest.h>

TEST(PeriodPreset, MonthsAndYears)
{
    QDate from, to;
    ASSERT_TRUE(ApplyPeriodPreset(0, QDate(2024, 2, 10), from, to));
    EXPECT_EQ(from, QDate(2024, 2, 1));
    EXPECT_EQ(to, QDate(2024, 2, 29));

    // January's previous month is December of the previous year.
    ASSERT_TRUE(ApplyPeriodPreset(1, QDate(2024, 1, 31), from, to));
    EXPECT_EQ(from, QDate(2023, 12, 1));
    EXPECT_EQ(to, QDate(2023, 12, 31));
    ASSERT_TRUE(ApplyPeriodPreset(1, QDate(2023, 3, 31), from, to));
    EXPECT_EQ(from, QDate(2023, 2, 1));
    EXPECT_EQ(to, QDate(2023, 2, 28));

    ASSERT_TRUE(ApplyPeriodPreset(2, QDate(2024, 7, 4), from, to));
    EXPECT_EQ(from, QDate(2024, 1, 1));
    EXPECT_EQ(to, QDate(2024, 12, 31));
    ASSERT_TRUE(ApplyPeriodPreset(3, QDate(2024, 7, 4), from, to));
    EXPECT_EQ(from, QDate(2023, 1, 1));
    EXPECT_EQ(to, QDate(2023, 12, 31));
}

TEST(PeriodPreset, BlankItemKeepsThePickedDays)
{
    QDate from(2020, 5, 5), to(2020, 6, 6);
    EXPECT_FALSE(ApplyPeriodPreset(4, QDate(2024, 7, 4), from, to));
    EXPECT_EQ(from, QDate(2020, 5, 5));
    EXPECT_EQ(to, QDate(2020, 6, 6));
    const QStringList items = PeriodPresetItems();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[1], QString::fromUtf8("Poprzedni miesiąc"));
    EXPECT_EQ(items[4], "  ");
}
