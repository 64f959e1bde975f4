// How a statistic run behaves as a whole: an empty log, a second run, the
// progress it reports, a run that fails, what it reads and what it leaves alone.

#include "awards/StatRuns.h"
#include "awards/StatsTestSupport.h"
#include "support/AwardsFixture.h"

#include <stdexcept>

namespace {

// Every grid statistic with its table and the column its cells start at.
struct GridRun {
    void (*Build)(TDM &, TStatTables &, const TProgress &);
    TExMemoryData TStatTables::*Table;
    int FirstCell;
};

const GridRun GridRuns[] = {
    {BuildDxccMultiBandStats, &TStatTables::PrefixTbl, 3},
    {BuildDxccHfStats, &TStatTables::PrefixRazTbl, 3},
    {BuildIotaStats, &TStatTables::IotaTbl, 2},
    {BuildPowiatStats, &TStatTables::SpaTbl, 2},
    {BuildGminaStats, &TStatTables::GminaTbl, 2},
    {BuildZamekStats, &TStatTables::ZamekTbl, 2},
    {BuildLokatorStats, &TStatTables::LokatorTbl, 1},
};

// The progress calls of a run, runs of positions compressed to "1..n".
struct ProgressLog {
    QStringList calls;
    int from = 0, to = 0;

    void Flush()
    {
        if (to)
            calls << QStringLiteral("%1..%2").arg(from).arg(to);
        from = to = 0;
    }
    TProgress Progress()
    {
        return {[this](const QString &c) { Flush(), calls << c; },
                [this](int m) { Flush(), calls << QStringLiteral("max %1").arg(m); },
                [this](int p) {
                    if (to && p != to + 1)
                        Flush();
                    if (!to)
                        from = p;
                    to = p;
                }};
    }
};

class EmptyLog : public DataModuleTest {};

} // namespace

TEST_F(EmptyLog, GridTablesHoldTheirListsWithBlankCellsAndEmptySummaries)
{
    ExecSql(dm->Baza, "INSERT INTO ZAMKI (SYMBOL, NAZWA) VALUES ('ZM001', 'Malbork')");
    TStatTables tables;
    for (const GridRun &run : GridRuns)
        run.Build(*dm, tables, {});

    const int countries = SelectInteger(dm->Baza, "SELECT COUNT(*) FROM KrajeDX");
    ASSERT_GT(countries, 300);
    ASSERT_EQ(tables.PrefixTbl.RecordCount(), countries + 2);
    const QStringList dxcc = TableRows(tables.PrefixTbl, 3);
    for (int r = 0; r < countries; ++r)
        ASSERT_TRUE(dxcc[r].endsWith(Row({}, 14, {}))) << qPrintable(dxcc[r]);
    EXPECT_EQ(dxcc.mid(countries), QStringList({Row({"", "", "Wykonanych łączności"}, 14, {}, ""),
                                                Row({"", "", "Potwierdzonych łączności"}, 14, {}, "")}));
    EXPECT_EQ(TableRows(tables.PrefixRazTbl, 3).last(), "||Podsumowanie|0/0");
    EXPECT_EQ(TableRows(tables.IotaTbl, 2).last(), "|Podsumowanie|0/0");
    EXPECT_EQ(tables.SpaTbl.RecordCount(), 379 + 2);
    EXPECT_EQ(tables.GminaTbl.RecordCount(), 2);
    EXPECT_EQ(TableRows(tables.ZamekTbl, 2).first(), Row({"ZM001", "Malbork"}, 14, {}));
    EXPECT_EQ(TableRows(tables.LokatorTbl, 1), QStringList({"Łączność / Potwierdzenie|0/0|0/0|0/0|0/0"}));

    const TZoneStats z = BuildZoneStats(*dm, {});
    EXPECT_EQ(std::count(z.Itu.begin(), z.Itu.end(), 0) + std::count(z.Cq.begin(), z.Cq.end(), 0), 76 + 41);
    EXPECT_EQ((std::array<int, 6>{z.ITULacz, z.ITUPotw, z.ITUPoz, z.CQLacz, z.CQPotw, z.CQPoz}),
              (std::array<int, 6>{0, 0, 75, 0, 0, 40}));
    const TContinentStats c = BuildContinentStats(*dm, {});
    EXPECT_EQ(c.WorkedTotal + c.ConfirmedTotal + c.ContinentsWorked + c.ContinentsConfirmed, 0);
}

TEST_F(AwardsLogTest, ASecondRunGivesTheSameTables)
{
    TStatTables tables;
    for (const GridRun &run : GridRuns) {
        run.Build(*dm, tables, {});
        const QStringList first = TableRows(tables.*run.Table, run.FirstCell);
        run.Build(*dm, tables, {});
        EXPECT_EQ(TableRows(tables.*run.Table, run.FirstCell), first);
        EXPECT_EQ((tables.*run.Table).State(), DataSetState::Browse);
    }
}

TEST_F(AwardsLogTest, ProgressNamesEachPhaseAndCountsEveryRow)
{
    TStatTables tables;
    ProgressLog log;
    BuildIotaStats(*dm, tables, log.Progress());
    log.Flush();
    EXPECT_EQ(log.calls, QStringList({"Tworzenie listy wysp ", "max 5", "1..5", "Tworzenie statystyki ",
                                      "max 24", "1..24", "Tworzenie podsumowania ", "max 5", "1..5"}));

    log = {};
    BuildLokatorStats(*dm, tables, log.Progress());
    log.Flush();
    // Nine distinct VHF locators make five squares; 20 QSOs have a locator
    // (empty ones count too: they are not NULL).
    EXPECT_EQ(log.calls.mid(0, 3), QStringList({"Tworzenie listy lokatorów ", "max 9", "1..9"}));
    EXPECT_EQ(log.calls.mid(6), QStringList({"Tworzenie podsumowania ", "max 5", "1..5"}));

    log = {};
    BuildZoneStats(*dm, log.Progress());
    log.Flush();
    EXPECT_EQ(log.calls, QStringList({"Tworzenie statystyki ", "max 23", "1..23", "Tworzenie podsumowania ",
                                      "max 115", "1..115"}));
}

TEST_F(AwardsLogTest, ARunThatFailsLeavesNoRowInEditAndTheNextRunSucceeds)
{
    TStatTables tables;
    BuildDxccMultiBandStats(*dm, tables, {});
    for (const char *failIn :
         {"Tworzenie listy krajów ", "Tworzenie statystyki ", "Tworzenie podsumowania "}) {
        TProgress failing;
        failing.Phase = [failIn](const QString &caption) {
            if (caption == QString::fromUtf8(failIn))
                throw std::runtime_error("stopped");
        };
        EXPECT_THROW(BuildDxccMultiBandStats(*dm, tables, failing), std::runtime_error) << failIn;
        EXPECT_EQ(tables.PrefixTbl.State(), DataSetState::Browse);
        EXPECT_LT(tables.PrefixTbl.RecordCount(), 7 + 2) << failIn;
    }
    BuildDxccMultiBandStats(*dm, tables, {});
    EXPECT_EQ(tables.PrefixTbl.RecordCount(), 7 + 2);
}

TEST_F(AwardsLogTest, ARunReadsCommittedQsosOnlyAndLeavesTheScratchQueryAlone)
{
    dm->q.SetSQL({"SELECT LogId", "FROM Logi", "ORDER BY LogId"});
    dm->q.Open();
    dm->q.MoveBy(3);
    FbTransaction pending(&dm->Baza);
    pending.StartTransaction();
    FbStatement ins(&dm->Baza, &pending);
    ins.SetSQL("INSERT INTO LOGI (LOGID, DATA, PASMO, STACJA, KRAJID, QSL_WYS, QSL_ODB) "
               "VALUES (9999, '2024-06-01', '20 m', 'OK1AA', 503, 'N', 'T')");
    ins.ExecQuery();

    TStatTables tables;
    BuildDxccHfStats(*dm, tables, {});
    EXPECT_EQ(TableRows(tables.PrefixRazTbl, 3)[3], "503|OK|Czechy|..");
    EXPECT_TRUE(dm->q.Active());
    EXPECT_EQ(dm->q.RecNo(), 4);

    pending.Commit();
    BuildDxccHfStats(*dm, tables, {});
    EXPECT_EQ(TableRows(tables.PrefixRazTbl, 3)[3], "503|OK|Czechy|xx");
}

TEST_F(DataModuleTest, CountsOfFourDigitsFitTheDistrictCommuneAndCastleCells)
{
    FbTransaction tr(&dm->Baza);
    tr.StartTransaction();
    FbStatement ins(&dm->Baza, &tr);
    ins.SetSQL("INSERT INTO GMINY (GMINAID, GMINA) VALUES (:ID, :ID)");
    std::vector<QsoRow> rows(1234);
    for (int i = 0; i < 1234; ++i) {
        const QString id = QStringLiteral("G%1").arg(i, 5, 10, QLatin1Char('0'));
        ins.ParamByName("ID")->SetAsString(id);
        ins.ExecQuery();
        rows[i].Data = DateTime::fromDate(2024, 1, 1, 0, 0).addSecs(i * 60);
        rows[i].Band = 5;
        rows[i].KrajId = PolandKrajId;
        rows[i].Gmina = id;
        rows[i].QslOdb = i < 1001 ? "T" : "N";
    }
    tr.Commit();
    InsertQsos(dm->Baza, rows);

    TStatTables tables;
    BuildGminaStats(*dm, tables, {});
    const QStringList result = TableRows(tables.GminaTbl, 2);
    ASSERT_EQ(result.size(), 1234 + 2);
    EXPECT_EQ(result[0], Row({"G00000", "G00000"}, 14, {{5, "xx"}}));
    EXPECT_EQ(result[1233], Row({"G01233", "G01233"}, 14, {{5, "x."}}));
    EXPECT_EQ(result[1234], Row({"", "Wykonanych łączności"}, 14, {{5, "1234"}}, ""));
    EXPECT_EQ(result[1235], Row({"", "Potwierdzonych łączności"}, 14, {{5, "1001"}}, ""));
}
