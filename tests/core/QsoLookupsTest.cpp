#include "core/QsoLookups.h"
#include "core/SqlText.h"
#include "core/ZapisCB.h"
#include "platform/db/FbError.h"
#include "support/LogDb.h"

using QsoLookups = DataModuleTest;

TEST_F(QsoLookups, AStationWorkedBeforeGivesItsDataAndAnUnknownOneNothing)
{
    ExecSql(dm->Baza,
            "insert into LOGI (LOGID, DATA, STACJA, IMIE, MIASTO, DOMENA, LOKATOR, QSL_MANAGER, QSL_WYS, "
            "QSL_ODB, KRAJID) values (1, '2022-01-02 03:04:05', 'SP9ABC', 'Józef', 'Kraków', 'K-KR', "
            "'KN09AB', 'SP9ZZZ', 'N', 'N', 269)");
    const std::optional<StationData> found = FindStationData(*dm, "SP9ABC");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Imie, QStringLiteral("Józef"));
    EXPECT_EQ(found->Miasto, QStringLiteral("Kraków"));
    EXPECT_EQ(found->Domena, QStringLiteral("K-KR"));
    EXPECT_EQ(found->Lokator, QStringLiteral("KN09AB"));
    EXPECT_EQ(found->QslManager, QStringLiteral("SP9ZZZ"));
    EXPECT_FALSE(FindStationData(*dm, "SP9AB"));
    EXPECT_FALSE(FindStationData(*dm, "sp9abc")) << "the call sign is compared as typed";
}

TEST_F(QsoLookups, LeavingTheCallFillsFromTheLogFirstThenFromTheCallbook)
{
    ExecSql(dm->Baza,
            "insert into LOGI (LOGID, DATA, STACJA, IMIE, MIASTO, DOMENA, LOKATOR, QSL_MANAGER, QSL_WYS, "
            "QSL_ODB, KRAJID) values (1, '2022-01-02 03:04:05', 'SP9ABC', 'Józef', 'Kraków', 'K-KR', "
            "'KN09AB', 'SP9ZZZ', 'N', 'N', 269)");
    for (const char *call : {"SP9ABC", "SP7ABC"})
        ExecSql(dm->Baza, QStringLiteral("insert into STACJE (STACJA, IMIE, MIASTO, LOKATOR, WOJEW, POWIAT) "
                                         "values ('%1', 'Zbigniew', 'Kielce', 'KO00', 'S', 'KI')")
                              .arg(call));
    const StationData fromLog{"Józef", "Kraków", "K-KR", "KN09AB", "SP9ZZZ"};
    const StationData fromCallbook{"Zbigniew", "Kielce", "S-KI", "KO00", ""};
    const struct {
        const char *name;
        const char *call;
        StationData typed;
        bool fill, fillManager;
        StationData expected;
    } cases[] = {
        {"worked before: the log, not the callbook", "SP9ABC", {}, true, true, fromLog},
        {"never worked: the callbook, manager emptied", "SP7ABC", {}, true, true, fromCallbook},
        {"a typed manager skips the log only", "SP9ABC", {"", "", "", "", "SP1X"}, true, false, fromCallbook},
        {"blanks count as empty", "SP9ABC", {" ", " ", "", "", ""}, true, true, fromLog},
        {"a typed name prevents both", "SP9ABC", {"Ewa", "", "", "", ""}, false, false, {}},
        {"a typed locator prevents both", "SP7ABC", {"", "", "", "KO01", ""}, false, false, {}},
        {"found nowhere: the fields are emptied", "SP6NEW", {}, true, true, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TZapisCB callbook;
        const StationFill fill = StationFillFor(*dm, callbook, c.call, c.typed);
        EXPECT_EQ(fill.Fill, c.fill);
        EXPECT_EQ(fill.FillManager, c.fillManager);
        EXPECT_EQ(fill.Data.Imie, c.expected.Imie);
        EXPECT_EQ(fill.Data.Miasto, c.expected.Miasto);
        EXPECT_EQ(fill.Data.Domena, c.expected.Domena);
        EXPECT_EQ(fill.Data.Lokator, c.expected.Lokator);
        EXPECT_EQ(fill.Data.QslManager, c.expected.QslManager);
    }
}

TEST_F(QsoLookups, TheModeListStartsWithCwSsbFmAndAddsTheLogsOthersOnce)
{
    EXPECT_EQ(EmissionList(*dm), (QStringList{"CW", "SSB", "FM"}));
    int id = 0;
    for (const char *mode : {"rtty", "SSB", "PSK31", "RTTY", "cw"})
        ExecSql(dm->Baza,
                QStringLiteral("insert into LOGI (LOGID, DATA, STACJA, EMISJA, QSL_WYS, QSL_ODB, KRAJID) "
                               "values (%1, '2022-01-02 03:04:05', 'SP9ABC', '%2', 'N', 'N', 269)")
                    .arg(++id)
                    .arg(mode));
    EXPECT_EQ(EmissionList(*dm), (QStringList{"CW", "SSB", "FM", "PSK31", "RTTY"}));
}

TEST_F(QsoLookups, AFailedLookupOnTheScratchQueryLeavesNoTransactionOpen)
{
    // A call sign longer than the column cannot be compared: the engine refuses it.
    EXPECT_THROW(dm->LastQsoWith(QString(40, u'W')), DbError);
    EXPECT_FALSE(dm->trq.Active());
    AddQso("SP5ABC", DateTime::fromDate(2024, 1, 2, 3, 4, 5));
    EXPECT_EQ(dm->LastQsoWith("SP5ABC").Pasmo, QStringLiteral("20 m"));
    EXPECT_FALSE(dm->trq.Active());
}

TEST_F(QsoLookups, QuotedTextComesBackFromTheEngineUnchanged)
{
    for (const QString &text : {QStringLiteral("SP5ABC"), QStringLiteral("O'Brien"), QStringLiteral("''"),
                                QStringLiteral("x' OR '1'='1"), QStringLiteral("Łódź'")}) {
        EXPECT_EQ(SelectStrings(dm->Baza, "select " + QuoteSqlText(text) + " from RDB$DATABASE"),
                  QStringList{text});
    }
}

TEST_F(QsoLookups, TheOwnLocatorComesFromTheStationDataInUpperCase)
{
    EXPECT_EQ(OwnLocator(*dm), QString());
    ExecSql(dm->Baza, "update STALE set LOKATOR = 'ko02md'");
    EXPECT_EQ(OwnLocator(*dm), QStringLiteral("KO02MD"));
    EXPECT_FALSE(dm->trStale.Active());
    EXPECT_FALSE(dm->Stale.Active());
}
