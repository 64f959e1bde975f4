// Zones and continents over the award fixture, worked out by hand.

#include "awards/StatRuns.h"
#include "support/AwardsFixture.h"

namespace {

template <size_t N> std::map<int, int> Coloured(const std::array<int, N> &zones)
{
    std::map<int, int> m;
    for (size_t z = 0; z < N; ++z)
        if (zones[z])
            m[int(z)] = zones[z];
    return m;
}

} // namespace

TEST_F(AwardsLogTest, ZonesKeepTheirBestStateAndIgnoreNumbersOutOfRange)
{
    const TZoneStats z = BuildZoneStats(*dm, {});
    EXPECT_EQ(Coloured(z.Itu),
              (std::map<int, int>{{8, 2}, {27, 1}, {28, 2}, {29, 2}, {37, 1}, {45, 2}, {59, 1}, {75, 1}}));
    EXPECT_EQ(Coloured(z.Cq),
              (std::map<int, int>{{5, 2}, {14, 2}, {15, 2}, {25, 2}, {30, 1}, {33, 1}, {40, 1}}));
    EXPECT_EQ((std::array<int, 6>{z.ITULacz, z.ITUPotw, z.ITUPoz, z.CQLacz, z.CQPotw, z.CQPoz}),
              (std::array<int, 6>{8, 4, 71, 7, 4, 36}));
}

TEST_F(AwardsLogTest, ContinentsCountQsosAndLeaveUnknownCodesOutOfTheTotals)
{
    const TContinentStats c = BuildContinentStats(*dm, {});
    // AF, AN, AS, EU, NA, OC, SA
    EXPECT_EQ((std::vector<int>(c.Worked.begin() + 1, c.Worked.end())),
              (std::vector<int>{2, 0, 1, 16, 2, 1, 0}));
    EXPECT_EQ((std::vector<int>(c.Confirmed.begin() + 1, c.Confirmed.end())),
              (std::vector<int>{1, 0, 1, 8, 1, 0, 0}));
    EXPECT_EQ(c.Confirmed[0], 1); // "XX"
    EXPECT_EQ(
        (std::array<int, 4>{c.WorkedTotal, c.ConfirmedTotal, c.ContinentsWorked, c.ContinentsConfirmed}),
        (std::array<int, 4>{22, 11, 5, 4}));
}
