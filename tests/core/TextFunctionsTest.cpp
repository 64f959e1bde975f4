#include "core/DisplayText.h"
#include "core/SqlText.h"

#include <gtest/gtest.h>

TEST(TextFunctions, TextFunctions)
{
    EXPECT_EQ(FlagToTN(true), "T");
    EXPECT_EQ(FlagToTN(false), "N");
    EXPECT_TRUE(IsFlagT("T"));
    EXPECT_FALSE(IsFlagT("t"));
    EXPECT_FALSE(IsFlagT(" T"));
    EXPECT_EQ(ZoneNumberText(0), "");
    EXPECT_EQ(ZoneNumberText(28), "28");
    EXPECT_EQ(QuoteSqlText("SP5ABC"), "'SP5ABC'");
    EXPECT_EQ(QuoteSqlText("O'Brien"), "'O''Brien'");
    EXPECT_EQ(QuoteSqlText(""), "''");
    EXPECT_EQ(RemoveBlanks(" 70 cm "), "70cm");
    EXPECT_EQ(StripApostrophes("O'Bri'en"), "OBrien");
    EXPECT_EQ(CheckMarkForFlag(" t "), QChar(0x2713));
    EXPECT_EQ(CheckMarkForFlag("N"), QChar(u' '));
    EXPECT_EQ(CheckMarkForFlag(""), QChar(u' '));
}

TEST(TextFunctions, DegreesToDmsText)
{
    EXPECT_EQ(DegreesToDmsText(12.5L), QString::fromUtf8("12° 30' 0\""));
    EXPECT_EQ(DegreesToDmsText(0), QString::fromUtf8("0° 0' 0\""));
    EXPECT_EQ(DegreesToDmsText(359.75L), QString::fromUtf8("359° 45' 0\""));
    EXPECT_EQ(DegreesToDmsText(45.2625L), QString::fromUtf8("45° 15' 45\""));
}
