#include "awards/ZoneFill.h"
#include "core/DxccEntities.h"
#include "core/Log.h"
#include "support/CountryZones.h"
#include "support/LogDb.h"
#include "support/QsoRows.h"

namespace {

class ZoneFillTest : public DataModuleTest {
protected:
    // LogId order: call, continent, ITU and CQ as stored.
    QStringList Zones()
    {
        return SelectStrings(dm->Baza,
                             "select Stacja || ' ' || coalesce(Kontynent, '-') || ' ' || "
                             "coalesce(ITU, -1) || ' ' || coalesce(CQ, -1) from Logi order by LogId");
    }

    std::vector<int> AddRows(const std::vector<std::tuple<QString, QString, int, int>> &qsos)
    {
        std::vector<QsoRow> rows;
        for (const auto &[call, kontynent, itu, cq] : qsos) {
            QsoRow r;
            r.Data = DateTime::fromDate(2020, 5, 1, 12, int(rows.size()));
            r.Stacja = call;
            r.Kontynent = kontynent;
            r.Itu = itu;
            r.Cq = cq;
            rows.push_back(r);
        }
        return InsertQsos(dm->Baza, rows);
    }
};

} // namespace

TEST_F(ZoneFillTest, FillsWhatIsMissingAndCountsQsosWithoutCountryAgain)
{
    ASSERT_EQ(dm->KrajIdForCall("QQ1ZZ"), 0);
    AddRows({
        {"SP5ABC", "", 0, 0},   // all three from Poland's entry
        {"DL1AA", "EU", 0, 0},  // zones only; the continent written back as it was
        {"QQ1ZZ", "", 0, 0},    // no country: empty and zero, still an update
        {"OK2PBQ", "AS", 1, 2}, // complete, even if odd: left alone
        {"VK6ABC", "OC", 0, 0}, // zones from the call-sign rule of Australia
        {"W7XYZ", "", 5, 0},    // the rule finds no CQ zone for W7
        {"G3XYZ", " ", 27, 14}, // a blank continent is missing too
    });
    ZoneFill fill(*dm);
    std::vector<qsizetype> processedSeen;
    EXPECT_TRUE(fill.Run({.Position = [&](qsizetype processed) { processedSeen.push_back(processed); }}));
    EXPECT_TRUE(fill.Error().isEmpty());
    EXPECT_EQ(fill.Counts().ProcessedCount, 7);
    EXPECT_EQ(fill.Counts().UpdatedCount, 5); // QQ1ZZ gains nothing
    EXPECT_EQ(processedSeen.back(), 7);
    const QStringList filled = {"SP5ABC EU 28 15", "DL1AA EU 28 14", "QQ1ZZ  0 0",    "OK2PBQ AS 1 2",
                                "VK6ABC OC 58 29", "W7XYZ NA 5 0",   "G3XYZ EU 27 14"};
    EXPECT_EQ(Zones(), filled);

    // A second run finds nothing new for the QSOs still lacking values
    // (QQ1ZZ, W7XYZ's CQ zone): it neither writes nor counts them.
    const auto versions = [this] {
        return SelectStrings(dm->Baza, "select LogId || ':' || rdb$record_version from Logi order by LogId");
    };
    const QStringList before = versions();
    ZoneFill again(*dm);
    EXPECT_TRUE(again.Run());
    EXPECT_EQ(again.Counts().ProcessedCount, 7);
    EXPECT_EQ(again.Counts().UpdatedCount, 0);
    EXPECT_EQ(Zones(), filled);
    EXPECT_EQ(versions(), before);
}

TEST_F(ZoneFillTest, CountriesWithoutABuiltInContinentTakeTheCountryTables)
{
    std::vector<std::tuple<QString, QString, int, int>> qsos;
    QStringList expected;
    for (const CountryZoneSample &c : ContinentFromCountryTable) {
        qsos.emplace_back(c.Call, "", 0, 0);
        expected << QStringLiteral("%1 %2 %3 %4").arg(c.Call, c.Kontynent).arg(c.Itu).arg(c.Cq);
    }
    AddRows(qsos);
    ZoneFill fill(*dm);
    EXPECT_TRUE(fill.Run());
    EXPECT_EQ(fill.Counts().UpdatedCount, qsizetype(qsos.size()));
    EXPECT_EQ(Zones(), expected);

    // Every country the shipped table holds has a built-in entry and a continent.
    for (const QString &id : SelectStrings(dm->Baza, "select KrajId from KrajeDX")) {
        EXPECT_NE(DxccEntity(id.toInt()), nullptr) << id.toStdString();
        EXPECT_FALSE(dm->ContinentForKrajId(id.toInt()).isEmpty()) << id.toStdString();
    }
    // The country table is the user's: only a continent code is taken from it.
    ExecSql(dm->Baza, "update KrajeDX set Kontynent='eu' where KrajId=522");
    ExecSql(dm->Baza, "update KrajeDX set Kontynent='X' where KrajId=521");
    ExecSql(dm->Baza, "update KrajeDX set Kontynent='AF' where KrajId=269");
    dm->OpenKrajeDX();
    EXPECT_EQ(dm->ContinentForKrajId(522), "EU");
    EXPECT_EQ(dm->ContinentForKrajId(521), "");
    EXPECT_EQ(dm->ContinentForKrajId(269), "EU"); // the built-in continent comes first
    EXPECT_EQ(dm->ContinentForKrajId(0), "");
}

TEST_F(ZoneFillTest, CompleteLogNeedsNoUpdate)
{
    AddRows({{"SP5ABC", "EU", 28, 15}, {"DL1AA", "EU", 28, 14}});
    ZoneFill fill(*dm);
    EXPECT_TRUE(fill.Run());
    EXPECT_EQ(fill.Counts().ProcessedCount, 2);
    EXPECT_EQ(fill.Counts().UpdatedCount, 0);

    ZoneFill empty(*dm);
    ExecSql(dm->Baza, "delete from Logi");
    EXPECT_TRUE(empty.Run());
    EXPECT_EQ(empty.Counts().ProcessedCount, 0);
}

TEST_F(ZoneFillTest, QsoStillPendingInTheLogIsCommittedAndFilled)
{
    dm->ReopenLogiOrdered(1, 0);
    TLog qso;
    qso.Data = DateTime::fromDate(2021, 3, 4, 5, 6);
    qso.Pasmo.SetIndex(5);
    qso.LogSetStacja("SP9LOD");
    qso.LogSetEmisja("CW");
    qso.LogAppend(*dm);
    ASSERT_TRUE(dm->trLogi.Active());

    ZoneFill fill(*dm);
    EXPECT_TRUE(fill.Run());
    EXPECT_EQ(fill.Counts().UpdatedCount, 1);
    EXPECT_EQ(Zones(), QStringList({"SP9LOD EU 28 15"}));
    EXPECT_TRUE(dm->Logi.Active());
}

TEST_F(ZoneFillTest, ErrorKeepsTheUpdatesDoneAndSaysHowFarItGot)
{
    ExecSql(dm->Baza, "create exception ZLA_STREFA 'zla strefa'");
    ExecSql(dm->Baza, "create trigger LOGI_BU_TEST for Logi before update as begin "
                      "if (new.Stacja = 'SP3ZLY') then exception ZLA_STREFA; end");
    AddRows({{"SP5ABC", "", 0, 0}, {"DL1AA", "", 0, 0}, {"SP3ZLY", "", 0, 0}, {"G3XYZ", "", 0, 0}});
    ZoneFill fill(*dm);
    EXPECT_FALSE(fill.Run());
    EXPECT_EQ(fill.Counts().ProcessedCount, 3);
    EXPECT_EQ(fill.Counts().UpdatedCount, 2);
    EXPECT_TRUE(fill.Error().contains("zla strefa")) << fill.Error().toStdString();
    EXPECT_TRUE(
        fill.Error().contains(QString::fromUtf8("przerwano po 3 przetworzonych pozycjach; zaktualizowano 2")))
        << fill.Error().toStdString();
    EXPECT_EQ(Zones(), QStringList({"SP5ABC EU 28 15", "DL1AA EU 28 14", "SP3ZLY  0 0", "G3XYZ  0 0"}));
}

TEST_F(ZoneFillTest, ValuesAnotherCopyTypesDuringTheRunStay)
{
    const std::vector<int> ids = AddRows({{"SP5ABC", "", 0, 0},
                                          {"DL1AA", "", 0, 0},
                                          {"VK6ABC", "", 0, 0},
                                          {"W7XYZ", "", 0, 0},
                                          {"G3XYZ", "", 0, 0}});
    OtherCopy other(db->Path()); // a second copy of the program on the same log
    ZoneFill fill(*dm);
    EXPECT_TRUE(fill.Run({.Position = [&](qsizetype processed) {
        if (processed != 1)
            return;
        // While the fill works on the first QSO the other copy is saving the
        // third, and has saved all three values of the fifth and only the ITU
        // zone of the fourth.
        other.Hold(QStringLiteral("update Logi set Kontynent='OC', ITU=4, CQ=5 where LogId=%1").arg(ids[2]));
        ExecSql(other.Db,
                QStringLiteral("update Logi set Kontynent='EU', ITU=1, CQ=2 where LogId=%1").arg(ids[4]));
        ExecSql(other.Db, QStringLiteral("update Logi set ITU=3 where LogId=%1").arg(ids[3]));
    }})) << fill.Error().toStdString();
    other.Commit();
    EXPECT_EQ(Zones(), QStringList({"SP5ABC EU 28 15", "DL1AA EU 28 14", "VK6ABC OC 4 5", "W7XYZ NA 3 0",
                                    "G3XYZ EU 1 2"}));
    EXPECT_EQ(fill.Counts().UpdatedCount, 3);
}

using ZoneFillOnServer = ServerDataModuleTest;

// The server ends the connection in the middle of the fill (batches of 10, the
// attachment ended after 15 QSOs): the fill returns its failure instead of
// throwing, tells the loss in Polish with how far it got, and counts only the
// batch that was committed, which is what the log holds.
TEST_F(ZoneFillOnServer, ALostConnectionIsToldWithTheCountTheLogHolds)
{
    std::vector<QsoRow> rows(30);
    for (int i = 0; i < int(rows.size()); ++i) {
        rows[i].Data = DateTime::fromDate(2020, 5, 1, 12, i);
        rows[i].Stacja = QStringLiteral("SP%1ABC").arg(i % 10);
    }
    InsertQsos(dm->Baza, rows);
    ZoneFill fill(*dm, 10);
    bool ended = false, completed = true;
    EXPECT_NO_THROW(completed = fill.Run({.Position = [&](qsizetype processed) {
        if (processed == 15 && !ended) {
            ended = true;
            EndConnection();
        }
    }}));
    EXPECT_FALSE(completed);
    const ZoneFillCounts &counts = fill.Counts();
    EXPECT_GE(counts.ProcessedCount, 15); // the next row may already have been fetched
    EXPECT_EQ(counts.UpdatedCount, 10);
    EXPECT_EQ(SelectOnServer("select count(*) from Logi where Kontynent = 'EU' and ITU = 28 and CQ = 15"),
              10);
    const QStringList lines = fill.Error().split(u'\n');
    EXPECT_EQ(lines.front(), QStringLiteral("Połączenie z bazą dziennika zostało przerwane."))
        << fill.Error().toStdString();
    EXPECT_EQ(lines.back(), QStringLiteral("Wyznaczanie stref przerwano po %1 przetworzonych pozycjach; "
                                           "zaktualizowano 10 pozycji.")
                                .arg(counts.ProcessedCount));
}
