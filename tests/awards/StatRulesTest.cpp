// The key rules a count and the QSO list behind its result share, and the
// select lists the statistics read their rows through.

#include "awards/StatRules.h"
#include "awards/StatRecipe.h"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(StatRules, AKeyMatchesAsTheCountLooksItUpAndAnEmptyKeyNever)
{
    const struct {
        const TQsoKeyRule &rule;
        const char *text, *key;
        bool matches;
    } cases[] = {
        {IotaKey, " eu-024", "EU-024", true},
        {IotaKey, "-", "-", false},
        {IotaKey, "", "", false},
        {PowiatKey, "D-AB", "AB", true},
        {PowiatKey, "Dab", "AB", false},
        {PowiatKey, "AB", "", false},
        {GminaKey, " ABC ", "ABC", true},
        {GminaKey, "ABCD", "ABC", false},
        {ZamekKey, "z01", "Z01", false},
        {LokatorKey, "JO91AB", "JO91", true},
        {LokatorKey, "jo91ab", "JO91", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.rule.Matches(QString::fromLatin1(c.text), QString::fromLatin1(c.key)), c.matches)
            << c.rule.Column << " '" << c.text << "' '" << c.key << "'";
    EXPECT_EQ(PasmoIn(HfBands), "Pasmo IN('160 m','80 m','40 m','30 m','20 m','17 m','15 m','12 m','10 m')");
}

TEST(StatRules, ASelectListWritesTheLineAndFindsItsColumnsByName)
{
    const TSelectList list{"KrajId", "Stacja", "QSL_ODB"};
    EXPECT_EQ(list.Line(), "SELECT KrajId, Stacja, QSL_ODB");
    EXPECT_EQ(TSelectList{"Lokator"}.DistinctLine(), "SELECT DISTINCT Lokator");
    EXPECT_EQ(list["krajid"], 0);
    EXPECT_EQ(list["QSL_ODB"], 2);
    EXPECT_THROW(list["Pasmo"], std::logic_error);
}
