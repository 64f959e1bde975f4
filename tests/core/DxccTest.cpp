#include "core/Dxcc.h"
#include "core/DxccEntities.h"

#include <QStringList>
#include <cstring>
#include <gtest/gtest.h>

TEST(Dxcc, EntityTableIsWholeAndWithinRange)
{
    int withContinent = 0;
    for (int i = 1; i <= DxccEntityCount; ++i) {
        const TDxccEntity *e = DxccEntity(i);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->Entity, i);
        EXPECT_LE(e->ITU, 90);
        EXPECT_LE(e->CQ, 40);
        const QString c = QString::fromLatin1(e->Kontynent);
        EXPECT_TRUE(c.isEmpty() || QStringList({"AF", "AN", "AS", "EU", "NA", "OC", "SA"}).contains(c)) << i;
        withContinent += !c.isEmpty();
    }
    EXPECT_GT(withContinent, 300);
    EXPECT_EQ(DxccEntity(0), nullptr);
    EXPECT_EQ(DxccEntity(523), nullptr);
}

TEST(Dxcc, TableValues)
{
    EXPECT_EQ(ContinentFor(269), "EU");
    EXPECT_EQ(ItuZoneFor(269, "SP5ABC"), 28);
    EXPECT_EQ(CqZoneFor(269, "SP5ABC"), 15);
    EXPECT_EQ(ItuZoneFor(76, "TG9ABC"), 11); // Guatemala lies in ITU 11 with its neighbours
    EXPECT_EQ(CqZoneFor(76, "TG9ABC"), 7);
    EXPECT_EQ(ItuZoneFor(177, "JD1ABC"), 90);
    EXPECT_EQ(ContinentFor(159), "");
    EXPECT_EQ(ItuZoneFor(159, ""), 41);
    EXPECT_EQ(ContinentFor(514), "EU");
    EXPECT_EQ(ContinentFor(0), "");
    EXPECT_EQ(ContinentFor(523), "");
    EXPECT_EQ(ItuZoneFor(0, "W1AW"), 0);
    EXPECT_EQ(CqZoneFor(523, "W1AW"), 0);
    EXPECT_EQ(ContinentFor(-1), "");
}

TEST(Dxcc, RulesDecideZeroZones)
{
    EXPECT_EQ(ItuZoneFor(291, "W6XYZ"), 6);
    EXPECT_EQ(ItuZoneFor(291, "W7XYZ"), 0);
    EXPECT_EQ(ItuZoneFor(291, "w1aw"), 8);
    EXPECT_EQ(CqZoneFor(291, "W1AW"), 5);
    EXPECT_EQ(CqZoneFor(291, "W4ABC"), 0);
    EXPECT_EQ(ItuZoneFor(150, "VK6ABC"), 58);
    EXPECT_EQ(CqZoneFor(150, "VK6ABC"), 29);
    EXPECT_EQ(ItuZoneFor(150, "VK4ABC"), 55);
    EXPECT_EQ(CqZoneFor(150, "VK4ABC"), 30);
    EXPECT_EQ(ItuZoneFor(112, "CE3ABC"), 14);
    EXPECT_EQ(ItuZoneFor(112, "CE8ABC"), 16);
    EXPECT_EQ(CqZoneFor(112, "CE3ABC"), 12); // table value
    EXPECT_EQ(ItuZoneFor(1, "VE3ABC"), 4);
    EXPECT_EQ(CqZoneFor(1, "VE3ABC"), 4);
    EXPECT_EQ(CqZoneFor(1, "VE7ABC"), 3);
    EXPECT_EQ(ItuZoneFor(1, "VE8ABC"), 1);
    EXPECT_EQ(ItuZoneFor(15, "UA9ABC"), 30);
    EXPECT_EQ(CqZoneFor(15, "UA9ABC"), 17);
    EXPECT_EQ(ItuZoneFor(15, "UA0ZZ"), 35);
    EXPECT_EQ(CqZoneFor(15, "UA0YA"), 23);
    EXPECT_EQ(ItuZoneFor(54, "UA3ABC"), 29);
    EXPECT_EQ(ItuZoneFor(54, "UA3KAB"), 0); // UA3K is left out of the range
    EXPECT_EQ(ItuZoneFor(54, "UA1PAB"), 20);
    EXPECT_EQ(CqZoneFor(54, "UA3ABC"), 16); // table value
    EXPECT_EQ(CqZoneFor(318, "BY1AA"), 24);
    EXPECT_EQ(CqZoneFor(318, "BY3GA"), 23);
    EXPECT_EQ(CqZoneFor(318, "BY3ZA"), 24);
    EXPECT_EQ(CqZoneFor(318, "BY9TA"), 23);
    EXPECT_EQ(CqZoneFor(318, "BY0"), 23);
    EXPECT_EQ(CqZoneFor(318, "B3H"), 23);
    EXPECT_EQ(CqZoneFor(318, "BY9"), 0);
    EXPECT_EQ(CqZoneFor(13, "CE9XX"), 13);
    EXPECT_EQ(CqZoneFor(13, "DP0GVN"), 36);
    EXPECT_EQ(ItuZoneFor(13, "DP0GVN"), 0);
}

// What the README says the operator fills in: for each country spread over
// several zones, calls whose zone stays empty (0), and where the README says a
// zone is found, a call that gets it.
TEST(Dxcc, ZonesTheReadmeLeavesToTheOperator)
{
    struct Case {
        int Entity;
        const char *Call;
        int Itu, Cq;
    };
    // clang-format off
    const Case cases[] = {
        // No ITU zone at all; the CQ zone from the table (China's below).
        {6, "KL7ABC", 0, 1},      {6, "AL7AB", 0, 1},       {48, "T32AB", 0, 31},    {100, "LU1ABC", 0, 13},
        {100, "L21ABC", 0, 13},   {104, "CP5AB", 0, 10},    {108, "PY1ABC", 0, 11},  {108, "PP5AB", 0, 11},
        {130, "UN7AB", 0, 17},    {135, "EX8AB", 0, 17},    {197, "KH5AB", 0, 31},   {237, "OX3AB", 0, 40},
        {327, "YB1AB", 0, 28},    {327, "YC9AB", 0, 28},    {363, "JT1AB", 0, 23},
        // Antarctica: a CQ zone for CE9 calls only.
        {13, "KC4AAA", 0, 0},     {13, "RI1ANC", 0, 0},     {13, "CE9XX", 0, 13},
        // China: a CQ zone for BY calls and the few areas listed, no ITU zone.
        {318, "BH4AA", 0, 0},     {318, "BA4AA", 0, 0},     {318, "BY1AA", 0, 24},   {318, "BA3GA", 0, 23},
        // An ITU zone only in the call areas listed.
        {112, "CA3ABC", 0, 12},   {112, "XQ3ABC", 0, 12},   {112, "3G5AB", 0, 12},   {112, "CE3ABC", 14, 12},
        {112, "CE8ABC", 16, 12},  {54, "R3ABC", 0, 16},     {54, "RA1ABC", 0, 16},   {54, "UA3KAB", 0, 16},
        {54, "UA4KAB", 0, 16},    {54, "UA3ABC", 29, 16},   {54, "UA1PAB", 20, 16},
        // Neither zone outside the call areas listed.
        {1, "CF3ABC", 0, 0},      {1, "VA1ABC", 0, 0},      {1, "VE0ABC", 0, 0},     {1, "VY9AB", 0, 0},
        {1, "XM3AB", 0, 0},       {1, "VE3ABC", 4, 4},      {1, "VO1AB", 9, 5},      {1, "CY2AB", 9, 2},
        {15, "R9ABC", 0, 0},      {15, "RA0ABC", 0, 0},     {15, "UA0GAB", 0, 0},    {15, "UA9ABC", 30, 17},
        {15, "UA0ZZ", 35, 19},
        {150, "VK0ABC", 0, 0},    {150, "AX2ABC", 0, 0},    {150, "VH3AB", 0, 0},    {150, "VK6ABC", 58, 29},
        {291, "K1ABC", 0, 0},     {291, "N2ABC", 0, 0},     {291, "AA1AA", 0, 0},    {291, "W7ABC", 0, 0},
        {291, "W4ABC", 8, 0},     {291, "W8ABC", 8, 0},     {291, "W1AW", 8, 5},     {291, "W6XYZ", 6, 3},
    };
    // clang-format on
    for (const Case &c : cases) {
        EXPECT_EQ(ItuZoneFor(c.Entity, c.Call), c.Itu) << c.Call;
        EXPECT_EQ(CqZoneFor(c.Entity, c.Call), c.Cq) << c.Call;
    }
}

TEST(Dxcc, ShortCallsNeverMatchLongerStages)
{
    EXPECT_EQ(ItuZoneFor(150, "VK"), 0);
    EXPECT_EQ(ItuZoneFor(15, "UA9"), 0);
    EXPECT_EQ(ItuZoneFor(291, "W"), 0);
    EXPECT_EQ(ItuZoneFor(291, ""), 0);
    EXPECT_EQ(CqZoneFor(6, "KL7ABC"), 1);
    EXPECT_EQ(CqZoneFor(6, ""), 1);
    EXPECT_EQ(ItuZoneFor(6, "KL7ABC"), 0);
}

TEST(Dxcc, RuleKeysAreWellFormed)
{
    for (auto rules : {ItuZoneRules(), CqZoneRules()})
        for (const ZoneRule &rule : rules) {
            ASSERT_NE(DxccEntity(rule.Entity), nullptr);
            for (const ZoneStage &stage : rule.Stages)
                for (const ZoneKey &key : stage.Keys) {
                    EXPECT_EQ(int(std::strlen(key.From)), stage.Length) << key.From;
                    if (key.To) {
                        EXPECT_EQ(std::strncmp(key.From, key.To, stage.Length - 1), 0) << key.From;
                        EXPECT_LT(key.From[stage.Length - 1], key.To[stage.Length - 1]) << key.From;
                    }
                }
        }
}
