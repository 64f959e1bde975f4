// Every cell of the seven grid statistics over the award fixture, worked out
// by hand from the QSO list in support/AwardsFixture.h.

#include "awards/StatRuns.h"
#include "awards/StatsTestSupport.h"
#include "support/AwardsFixture.h"

namespace {

const QString W = QStringLiteral("x.");
const QString C = QStringLiteral("xx");

QString BandRow(const QStringList &leading, const std::map<int, QString> &cells)
{
    return Row(leading, 14, cells);
}

QString CountRow(const QStringList &leading, const std::map<int, QString> &cells)
{
    return Row(leading, 14, cells, QString());
}

class GridStats : public AwardsLogTest {
protected:
    TStatTables tables;
};

} // namespace

TEST_F(GridStats, DxccMultiBandMarksEachCountryPerBandAndCountsEveryBand)
{
    BuildDxccMultiBandStats(*dm, tables, {});
    EXPECT_EQ(TableRows(tables.PrefixTbl, 3),
              QStringList({
                  BandRow({"230", "DL", "Niemcy"}, {{1, C}, {5, C}, {10, W}}),
                  BandRow({"339", "JA", "Japonia"}, {{7, C}}),
                  BandRow({"291", "K", "Stany Zjednoczone"}, {{5, W}, {9, C}}),
                  BandRow({"503", "OK", "Czechy"}, {}),
                  BandRow({"269", "SP", "Polska"}, {{2, C}, {5, W}, {10, W}, {11, C}, {12, C}, {13, C}}),
                  BandRow({"150", "VK", "Australia"}, {{3, W}}),
                  BandRow({"1001", "ZZ", "Wyspa Testowa"}, {{6, C}, {14, W}}),
                  CountRow({"", "", "Wykonanych łączności"}, {{1, "..1"},
                                                              {2, "..1"},
                                                              {3, "..1"},
                                                              {5, "..3"},
                                                              {6, "..1"},
                                                              {7, "..1"},
                                                              {9, "..1"},
                                                              {10, "..2"},
                                                              {11, "..1"},
                                                              {12, "..1"},
                                                              {13, "..1"},
                                                              {14, "..1"}}),
                  CountRow({"", "", "Potwierdzonych łączności"}, {{1, "..1"},
                                                                  {2, "..1"},
                                                                  {5, "..1"},
                                                                  {6, "..1"},
                                                                  {7, "..1"},
                                                                  {9, "..1"},
                                                                  {11, "..1"},
                                                                  {12, "..1"},
                                                                  {13, "..1"}}),
              }));
}

TEST_F(GridStats, DxccHfMarksEachCountryOnceOverTheNineHfBands)
{
    BuildDxccHfStats(*dm, tables, {});
    EXPECT_EQ(TableRows(tables.PrefixRazTbl, 3), QStringList({
                                                     "230|DL|Niemcy|xx",
                                                     "339|JA|Japonia|xx",
                                                     "291|K|Stany Zjednoczone|xx",
                                                     "503|OK|Czechy|..",
                                                     "269|SP|Polska|xx",
                                                     "150|VK|Australia|x.",
                                                     "1001|ZZ|Wyspa Testowa|xx",
                                                     "||Podsumowanie|6/5",
                                                 }));
}

TEST_F(GridStats, IotaMatchesReferencesWithoutLetterCaseAndSkipsDashes)
{
    BuildIotaStats(*dm, tables, {});
    EXPECT_EQ(TableRows(tables.IotaTbl, 2), QStringList({
                                                "AS-007|Honsiu|xx",
                                                "EU-005|Wielka Brytania|x.",
                                                "EU-024|Sardynia|xx",
                                                "NA-046|Massachusetts Południe|xx",
                                                "OC-001|Australia|x.",
                                                "|Podsumowanie|5/3",
                                            }));
}

TEST_F(GridStats, DistrictsCountPolishQsosByTheDistrictPartOfDomena)
{
    BuildPowiatStats(*dm, tables, {});
    EXPECT_EQ(
        TableRows(tables.SpaTbl, 2),
        QStringList({
            BandRow({"AB", "wałbrzyski - Wałbrzych"}, {{2, C}, {10, W}, {12, C}, {13, W}}),
            BandRow({"AL", "kaliski - Kalisz [grodzki]"}, {{12, W}}),
            BandRow({"BB", "bielski - Bielsko Biała"}, {{11, C}}),
            BandRow({"ZY", "żarski - Żary"}, {{13, C}}),
            CountRow({"", "Wykonanych łączności"},
                     {{2, "..1"}, {10, "..1"}, {11, "..1"}, {12, "..2"}, {13, "..2"}}),
            CountRow({"", "Potwierdzonych łączności"}, {{2, "..1"}, {11, "..1"}, {12, "..1"}, {13, "..1"}}),
        }));
}

TEST_F(GridStats, CommunesMatchTheirPaddedCodesExactly)
{
    BuildGminaStats(*dm, tables, {});
    EXPECT_EQ(
        TableRows(tables.GminaTbl, 2),
        QStringList({
            BandRow({"B12011", "Żary"}, {{13, C}}),
            BandRow({"D0101", "Bolków"}, {{2, C}, {12, C}, {13, W}}),
            BandRow({"G2401", "Bielsko-Biała"}, {{10, W}, {11, C}}),
            BandRow({"W3064", "Kalisz"}, {{12, C}}),
            CountRow({"", "Wykonanych łączności"},
                     {{2, "..1"}, {10, "..1"}, {11, "..1"}, {12, "..2"}, {13, "..2"}}),
            CountRow({"", "Potwierdzonych łączności"}, {{2, "..1"}, {11, "..1"}, {12, "..2"}, {13, "..1"}}),
        }));
}

TEST_F(GridStats, CastlesMatchTrimmedSymbolsWithLetterCase)
{
    BuildZamekStats(*dm, tables, {});
    EXPECT_EQ(TableRows(tables.ZamekTbl, 2),
              QStringList({
                  BandRow({"ZM001", "Malbork"}, {{2, C}, {13, W}}),
                  BandRow({"ZM002", "Książ (Wałbrzych)"}, {{12, C}}),
                  BandRow({"ZM003", "Czersk"}, {{10, W}, {12, C}, {13, C}}),
                  CountRow({"", "Wykonanych łączności"}, {{2, "..1"}, {10, "..1"}, {12, "..2"}, {13, "..2"}}),
                  CountRow({"", "Potwierdzonych łączności"}, {{2, "..1"}, {12, "..2"}, {13, "..1"}}),
              }));
}

TEST_F(GridStats, LocatorSquaresComeFromTheVhfQsosOfTheLog)
{
    BuildLokatorStats(*dm, tables, {});
    // The square in lower case is a row of its own; the collation sorts it
    // among the upper-case ones.
    EXPECT_EQ(TableRows(tables.LokatorTbl, 1), QStringList({
                                                   "IK51|..|..|..|x.",
                                                   "JO31|x.|..|..|..",
                                                   "JO72|..|xx|..|..",
                                                   "jo72|..|xx|..|..",
                                                   "KO02|x.|..|xx|..",
                                                   "Łączność / Potwierdzenie|2/0|2/2|1/1|1/0",
                                               }));
}
