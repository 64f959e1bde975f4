#include "core/Pasmo.h"

#include <gtest/gtest.h>

namespace {

int parsed(const QString &text)
{
    TPasmo p;
    p.SetIndex(5);
    p.ParseBand(text);
    return p.Index();
}

} // namespace

TEST(Pasmo, NamesWavelengthsAndPositions)
{
    TPasmo p;
    EXPECT_EQ(p.Index(), 0);
    EXPECT_EQ(p.BandName(), " ");
    EXPECT_EQ(p.BandWavelength(), 0);
    p.SetIndex(1);
    EXPECT_EQ(p.BandName(), "160 m");
    EXPECT_EQ(p.BandWavelength(), 16000);
    p.SetIndex(13);
    EXPECT_EQ(p.BandName(), "70 cm");
    EXPECT_EQ(p.BandWavelength(), 70);
    EXPECT_EQ(p.BandItemIndex(), 13);
    p.SetIndex(14);
    EXPECT_EQ(p.BandName(), "23 cm");
    EXPECT_EQ(p.BandWavelength(), 23);
}

TEST(Pasmo, IndexOutsideTableIsRefused)
{
    TPasmo p;
    p.SetIndex(12);
    p.SetIndex(15);
    p.SetIndex(-1);
    EXPECT_EQ(p.Index(), 12);
    EXPECT_EQ(TPasmo::BandNameOf(200), "");
    EXPECT_EQ(TPasmo::BandWavelengthOf(15), 0);
}

TEST(Pasmo, ParsesTheThreeFormsInAnyCase)
{
    EXPECT_EQ(parsed("160 m"), 1);
    EXPECT_EQ(parsed("160m"), 1);
    EXPECT_EQ(parsed("160"), 1);
    EXPECT_EQ(parsed("10 M"), 9);
    EXPECT_EQ(parsed("2 m"), 12);
    EXPECT_EQ(parsed("6"), 10);
    EXPECT_EQ(parsed("4M"), 11);
    EXPECT_EQ(parsed("70 cm"), 13);
    EXPECT_EQ(parsed("70CM"), 13);
    EXPECT_EQ(parsed("23"), 14);
    EXPECT_EQ(parsed("20M"), 5);
}

TEST(Pasmo, RejectsOtherTexts)
{
    EXPECT_EQ(parsed(" 20 m"), 0);
    EXPECT_EQ(parsed("20 meters"), 0);
    EXPECT_EQ(parsed("20 m "), 0);
    EXPECT_EQ(parsed("60"), 0);
    EXPECT_EQ(parsed("70 m"), 0);
    EXPECT_EQ(parsed("2 cm"), 0);
    EXPECT_EQ(parsed("20  m"), 0);
    EXPECT_EQ(parsed(""), 0);
    EXPECT_EQ(parsed(" "), 0);
}

TEST(Pasmo, EveryNameParsesBackToItsIndex)
{
    for (int i = 1; i < TPasmo::BandCount; ++i)
        EXPECT_EQ(parsed(TPasmo::BandNameOf(i)), i) << i;
}
