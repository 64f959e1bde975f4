#include "support/LogDb.h"

namespace {

QStringList LogiIndexes(FbDatabase &db)
{
    QStringList names =
        SelectStrings(db, "SELECT RDB$INDEX_NAME FROM RDB$INDICES WHERE RDB$RELATION_NAME='LOGI'");
    names.sort();
    return names;
}

}

TEST(Upgrade, DatabaseLackingOnlyGminaGetsOneColumnAndOneIndex)
{
    TempLogDb file;
    {
        FbDatabase db;
        db.SetDatabaseName(file.Path());
        db.Open();
        ExecSql(
            db,
            "ALTER TABLE LOGI ADD Kontynent VARCHAR(2) COLLATE PXW_PLK, ADD ITU SMALLINT, ADD CQ SMALLINT, "
            "ADD IARU SMALLINT, ADD ZAMEK VARCHAR(6)");
        db.Close();
    }
    FbDatabase before;
    before.SetDatabaseName(file.Path());
    before.Open();
    const QStringList indexesBefore = LogiIndexes(before);
    before.Close();

    qputenv("QUARN_DATABASE", file.Path().toLocal8Bit());
    {
        TDM dm;
        ASSERT_TRUE(dm.OpenDatabase());
        QStringList expected = indexesBefore;
        expected << "LOGI_GMINA";
        expected.sort();
        EXPECT_EQ(LogiIndexes(dm.Baza), expected);
        EXPECT_NE(dm.Logi.FindField("GMINA"), nullptr);
    }
    qunsetenv("QUARN_DATABASE");
}

TEST(Upgrade, CreatedCastleTableHasItsKeyAndNoOtherIndex)
{
    TempLogDb file;
    qputenv("QUARN_DATABASE", file.Path().toLocal8Bit());
    {
        TDM dm;
        ASSERT_TRUE(dm.OpenDatabase());
        const QStringList idx =
            SelectStrings(dm.Baza, "SELECT RDB$INDEX_NAME FROM RDB$INDICES WHERE RDB$RELATION_NAME='ZAMKI'");
        ASSERT_EQ(idx.size(), 1);
        const QStringList pk =
            SelectStrings(dm.Baza, "SELECT RDB$CONSTRAINT_NAME FROM RDB$RELATION_CONSTRAINTS "
                                   "WHERE RDB$RELATION_NAME='ZAMKI' AND RDB$CONSTRAINT_TYPE='PRIMARY KEY'");
        EXPECT_EQ(pk, QStringList{"PK_ZAMKI"});
    }
    qunsetenv("QUARN_DATABASE");
}

TEST(Upgrade, UpToDateDatabaseIsLeftAlone)
{
    TempLogDb file;
    qputenv("QUARN_DATABASE", file.Path().toLocal8Bit());
    QStringList first;
    {
        TDM dm;
        ASSERT_TRUE(dm.OpenDatabase());
        first = LogiIndexes(dm.Baza);
    }
    {
        TDM dm;
        ASSERT_TRUE(dm.OpenDatabase());
        EXPECT_EQ(LogiIndexes(dm.Baza), first);
    }
    qunsetenv("QUARN_DATABASE");
}

TEST(Upgrade, FailingStepIsRolledBackAndRetriedOnTheNextStart)
{
    TempLogDb file;
    {
        // An index name already taken makes the CQ step fail after its column was added.
        FbDatabase db;
        db.SetDatabaseName(file.Path());
        db.Open();
        ExecSql(db, "CREATE INDEX Logi_CQ ON LOGI(STACJA)");
        db.Close();
    }
    qputenv("QUARN_DATABASE", file.Path().toLocal8Bit());
    {
        TDM dm;
        EXPECT_THROW(dm.OpenDatabase(), DbError);
    }
    {
        FbDatabase db;
        db.SetDatabaseName(file.Path());
        db.Open();
        // The steps before stay done; the failed one left no column behind.
        const QStringList cols = SelectStrings(
            db, "SELECT RDB$FIELD_NAME FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME='LOGI'");
        EXPECT_TRUE(cols.contains("ITU"));
        EXPECT_FALSE(cols.contains("CQ"));
        ExecSql(db, "DROP INDEX Logi_CQ");
        db.Close();
    }
    {
        TDM dm;
        EXPECT_TRUE(dm.OpenDatabase());
        EXPECT_NE(dm.Logi.FindField("CQ"), nullptr);
    }
    qunsetenv("QUARN_DATABASE");
}

TEST(Upgrade, MissingLabelTableIsCreatedWithWhatItsIdsNeed)
{
    // A file without the table but with its id procedure, and one without either.
    const std::vector<QStringList> removals = {
        {"DROP TABLE ETYKIETY"},
        {"DROP TABLE ETYKIETY", "DROP PROCEDURE GETETYKIETAID", "DROP GENERATOR GEN_ETYKIETAID"},
    };
    for (const QStringList &drops : removals) {
        SCOPED_TRACE(drops.join("; ").toStdString());
        TempLogDb file;
        {
            FbDatabase db;
            db.SetDatabaseName(file.Path());
            db.Open();
            for (const QString &sql : drops)
                ExecSql(db, sql);
            ASSERT_FALSE(TableExists(db, "ETYKIETY"));
            db.Close();
        }
        qputenv("QUARN_DATABASE", file.Path().toLocal8Bit());
        {
            TDM dm;
            ASSERT_TRUE(dm.OpenDatabase());
            EXPECT_EQ(SelectStrings(dm.Baza, "SELECT RDB$INDEX_NAME FROM RDB$INDICES "
                                             "WHERE RDB$RELATION_NAME='ETYKIETY' AND RDB$UNIQUE_FLAG=1 "
                                             "ORDER BY 1"),
                      QStringList({"ETYKIETY_NAZWA", "PK_ETYKIETY"}));
            const auto newId = [&dm] {
                FbTransactionScope scope(dm.trUpg);
                FbStoredProc proc(&dm.Baza, &dm.trUpg);
                proc.SetStoredProcName("GETETYKIETAID");
                proc.ExecProc();
                return proc.ColumnByName("NUM")->AsInteger();
            };
            const int first = newId();
            EXPECT_GT(newId(), first);
            ExecSql(dm.Baza, "INSERT INTO ETYKIETY (ETYKIETAID, NAZWA) VALUES (1, 'A4 3x8')");
            EXPECT_THROW(ExecSql(dm.Baza, "INSERT INTO ETYKIETY (ETYKIETAID, NAZWA) VALUES (2, 'A4 3x8')"),
                         FbError);
        }
        {
            // The next start finds the table and changes nothing.
            TDM dm;
            ASSERT_TRUE(dm.OpenDatabase());
            EXPECT_EQ(SelectInteger(dm.Baza, "SELECT COUNT(*) FROM ETYKIETY"), 1);
        }
        qunsetenv("QUARN_DATABASE");
    }
}
