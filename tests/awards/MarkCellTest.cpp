// The cell and key rules the statistics share, as tables of cases.

#include "awards/StatRuns.h"

#include <gtest/gtest.h>

namespace {

const QString M = QString(MarkChar);

} // namespace

TEST(MarkCell, MarksChangeOnlyCellsOfExactlyTwoCharacters)
{
    struct Case {
        QString cell, worked, confirmed;
    };
    const Case cases[] = {
        {"  ", M + " ", " " + M},
        {M + " ", M + " ", M + M},
        {M + M, M + M, M + M},
        {" " + M, M + M, " " + M},
        {"", "", ""},
        {" ", " ", " "},
        {"   ", "   ", "   "},
        {M, M, M},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(MarkWorked(c.cell), c.worked) << qPrintable(c.cell);
        EXPECT_EQ(MarkConfirmed(c.cell), c.confirmed) << qPrintable(c.cell);
        EXPECT_EQ(MarkConfirmed(MarkWorked(c.cell)).size(), c.cell.size());
    }
}

TEST(MarkCell, CellsReadBackAfterTrimming)
{
    EXPECT_EQ(MarkStateOf("  "), TMarkState::None);
    EXPECT_EQ(MarkStateOf(""), TMarkState::None);
    EXPECT_EQ(MarkStateOf(M + " "), TMarkState::Worked);
    EXPECT_EQ(MarkStateOf(" " + M), TMarkState::Worked);
    EXPECT_EQ(MarkStateOf(M + M), TMarkState::Confirmed);
    EXPECT_EQ(MarkStateOf("  7"), TMarkState::None);
    EXPECT_EQ(MarkStateOf("2/1"), TMarkState::None);
    EXPECT_TRUE(MarkInCells({"  ", " " + M, "  "}));
    EXPECT_FALSE(MarkInCells({"  ", "  3", ""}));
}

TEST(MarkCell, CountsArePaddedToThreeAndNeverCut)
{
    const std::pair<int, QString> cases[] = {{-1, ""},    {0, ""},      {1, "  1"},     {7, "  7"},
                                             {42, " 42"}, {999, "999"}, {1234, "1234"}, {25000, "25000"}};
    for (const auto &[n, text] : cases)
        EXPECT_EQ(FormatCount3(n), text) << n;
    EXPECT_EQ(MarkIfPositive(3), M);
    EXPECT_EQ(MarkIfPositive(0), "");
    EXPECT_EQ(MarkIfPositive(-2), "");
}

TEST(MarkCell, KeysOfDistrictsIslandsAndSquares)
{
    const std::pair<QString, QString> domena[] = {{"DAB", "AB"}, {"D_AB", "AB"}, {" DAB ", "AB"}, {"AB", ""},
                                                  {"DABCD", ""}, {"", ""},       {"d01", "01"}};
    for (const auto &[in, out] : domena)
        EXPECT_EQ(PowiatIdFromDomena(in), out) << qPrintable(in);
    const std::pair<QString, QString> wyspa[] = {
        {"EU-024", "EU-024"}, {" eu-024", "eu-024"}, {"-", ""}, {" - ", ""}, {"  ", ""}};
    for (const auto &[in, out] : wyspa)
        EXPECT_EQ(IotaKeyFromWyspa(in), out) << qPrintable(in);
    const std::pair<QString, QString> lokator[] = {
        {"JO72AB", "JO72"}, {" jo72", "jo72"}, {"JO7", ""}, {"JO7 ", ""}, {"", ""}};
    for (const auto &[in, out] : lokator)
        EXPECT_EQ(LokatorSquare(in), out) << qPrintable(in);
}

TEST(MarkCell, BandCellNamesFollowTheBandIndex)
{
    EXPECT_EQ(BandCellName(1), "P160m");
    EXPECT_EQ(BandCellName(11), "P4m");
    EXPECT_EQ(BandCellName(14), "P23cm");
    EXPECT_EQ(BandCellName(0), "");
    EXPECT_EQ(PrefixTblBandCellName(13), "PrefixTblP70cm");
    const QStringList prefixed = BandCellFields(QStringLiteral("PrefixTbl"));
    ASSERT_EQ(prefixed.size(), BandCellCount);
    for (int band = 1; band <= BandCellCount; ++band)
        EXPECT_EQ(prefixed[band - 1], PrefixTblBandCellName(band));
    EXPECT_EQ(BandCellFields().first(), "P160m");
    EXPECT_EQ(LokatorCellFields(), QStringList({"P6m", "P2m", "P70cm", "P23cm"}));
    EXPECT_EQ(LokatorCellForBand(10), 0);
    EXPECT_EQ(LokatorCellForBand(14), 3);
    EXPECT_EQ(LokatorCellForBand(11), -1);
    EXPECT_EQ(LokatorCellForBand(5), -1);
}
