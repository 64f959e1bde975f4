#include "core/PrefixIndex.h"
#include "PrefixData.h"

#include <gtest/gtest.h>

TEST(PrefixIndex, LongestPrefixWins)
{
    const PrefixIndex index({{"SP", 269}, {"SP9", 999}, {"S5", 499}, {"K", 291}, {"KH6", 110}});
    EXPECT_EQ(index.KrajIdForCall(u"SP9XYZ"), 999);
    EXPECT_EQ(index.KrajIdForCall(u"SP5ABC"), 269);
    EXPECT_EQ(index.KrajIdForCall(u"SP"), 269);
    EXPECT_EQ(index.KrajIdForCall(u"SQ5ABC"), 0); // shares only the first letter
    EXPECT_EQ(index.KrajIdForCall(u"S"), 0);
    EXPECT_EQ(index.KrajIdForCall(u"KH6ABC"), 110);
    EXPECT_EQ(index.KrajIdForCall(u"KH7ABC"), 291);
    EXPECT_EQ(index.KrajIdForCall(u""), 0);
    const PrefixIndex::Match m = index.Resolve(u"SP9XYZ");
    EXPECT_EQ(m.Prefix, "SP9");
    EXPECT_EQ(index.Resolve(u"XX1").Prefix, "");
}

TEST(PrefixIndex, IgnoresLetterCase)
{
    const PrefixIndex index({{"sp", 269}, {"DL", 230}});
    EXPECT_EQ(index.KrajIdForCall(u"sp5abc"), 269);
    EXPECT_EQ(index.KrajIdForCall(u"Dl1x"), 230);
    EXPECT_EQ(index.Resolve(u"SP5").Prefix, "sp"); // the prefix as stored
    EXPECT_EQ(index.KrajIdForCall(QString::fromUtf8("sp5żółw")), 269);
}

TEST(PrefixIndex, FirstCountryOfADuplicatePrefixAndEmptyPrefixes)
{
    const PrefixIndex index({{"", 1}, {"EA", 281}, {"ea", 21}});
    EXPECT_EQ(index.Size(), 1);
    EXPECT_EQ(index.KrajIdForCall(u"EA1ABC"), 281);
    EXPECT_EQ(index.KrajIdForCall(u"X"), 0);
}

TEST(PrefixIndex, RebuildReplacesContents)
{
    PrefixIndex index({{"SP", 269}});
    index.Build({{"DL", 230}});
    EXPECT_EQ(index.KrajIdForCall(u"SP5ABC"), 0);
    EXPECT_EQ(index.KrajIdForCall(u"DL1ABC"), 230);
    index.Clear();
    EXPECT_EQ(index.KrajIdForCall(u"DL1ABC"), 0);
}

TEST(PrefixIndex, RealPrefixTable)
{
    const PrefixFileData data = LoadPrefixFile();
    const PrefixIndex index(data.IndexEntries());
    EXPECT_EQ(index.Size(), 11543);
    EXPECT_EQ(index.KrajIdForCall(u"SP5ABC"), 269);
    EXPECT_EQ(index.KrajIdForCall(u"DL1ABC"), 230);
    EXPECT_EQ(index.KrajIdForCall(u"JA1ABC"), 339);
    EXPECT_EQ(index.KrajIdForCall(u"VK6ABC"), 150);
    EXPECT_EQ(index.KrajIdForCall(u"W1AW"), 291);
    EXPECT_EQ(index.KrajIdForCall(u"UA9ABC"), 15);
    EXPECT_EQ(index.KrajIdForCall(u"sp5abc"), 269);
}

TEST(PrefixIndex, AgreesWithRightShorteningSearch)
{
    // The rule as the database search states it: shorten the call from the
    // right until a whole prefix matches.
    const PrefixFileData data = LoadPrefixFile();
    const std::vector<PrefixIndex::Entry> entries = data.IndexEntries();
    const PrefixIndex index(entries);
    auto slow = [&](QString s) {
        s = s.toUpper();
        for (qsizetype n = s.size(); n > 0; --n)
            for (const auto &e : entries)
                if (e.Prefix.compare(s.left(n), Qt::CaseInsensitive) == 0)
                    return e.KrajId;
        return 0;
    };
    const char *calls[] = {"3B6RF", "KH6XX", "KL7AB", "VP2EAB", "VE3ABC", "R1FJ", "ZS8Z",
                           "4U1UN", "HB0X",  "OH0Z",  "CE0Y",   "FT5ZM",  "ZL9A", "3Y0J",
                           "XX9A",  "Q1A",   "9A1A",  "E51A",   "1A0KM",  "T32C"};
    for (const char *c : calls)
        EXPECT_EQ(index.KrajIdForCall(QString::fromLatin1(c)), slow(QString::fromLatin1(c))) << c;
}
