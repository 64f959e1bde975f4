#include "platform/db/FbQuery.h"
#include "platform/db/FbStatement.h"
#include "platform/db/FbTransaction.h"
#include "support/TempDb.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class DbConnection : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.Exec({QStringLiteral("create table T (ID integer not null primary key, NAME varchar(20))"),
                 QStringLiteral("create unique index T_NAME on T(NAME)"),
                 QStringLiteral("create generator GEN_T"),
                 QStringLiteral(
                     "create procedure GETID returns (NUM integer) as begin NUM = gen_id(GEN_T, 1); end"),
                 QStringLiteral(
                     "create procedure TWICE (X integer) returns (NUM integer) as begin NUM = 2 * X; end")});
    }
    int Count(FbTransaction &tr)
    {
        FbStatement st(&db.Db(), &tr);
        st.SetSQL(QStringLiteral("select count(*) as N from T"));
        st.ExecQuery();
        const int n = int(st.ColumnByName(QStringLiteral("n"))->AsInteger());
        st.Close();
        return n;
    }
    TempDb db;
};

} // namespace

TEST_F(DbConnection, CreatesAttachesAndReattachesEmbedded)
{
    EXPECT_TRUE(db.Db().Connected());
    EXPECT_TRUE(QFileInfo::exists(db.Path()));
    EXPECT_FALSE(qEnvironmentVariableIsEmpty("FIREBIRD_LOCK"));
    db.Db().Close();
    EXPECT_FALSE(db.Db().Connected());
    db.Db().Open();
    EXPECT_TRUE(db.Db().Connected());
    EXPECT_EQ(db.Db().DatabaseName(), db.Path());
}

TEST_F(DbConnection, DatabaseCharsetIsWin1250)
{
    FbTransaction tr(&db.Db());
    tr.StartTransaction();
    FbStatement st(&db.Db(), &tr);
    st.SetSQL(QStringLiteral("select RDB$CHARACTER_SET_NAME from RDB$DATABASE"));
    st.ExecQuery();
    EXPECT_EQ(st.ResultAt(0)->AsString().trimmed(), QStringLiteral("WIN1250"));
}

TEST_F(DbConnection, OpeningAMissingFileFailsWithEngineCode)
{
    FbDatabase other;
    other.SetDatabaseName(db.Path() + QStringLiteral(".missing"));
    try {
        other.Open();
        FAIL() << "attached to a missing file";
    } catch (const FbError &e) {
        EXPECT_NE(e.GdsCode(), 0);
        EXPECT_FALSE(e.Message().isEmpty());
    }
    EXPECT_FALSE(other.Connected());
}

TEST_F(DbConnection, TableExistsIgnoresCase)
{
    EXPECT_TRUE(TableExists(db.Db(), QStringLiteral("T")));
    EXPECT_TRUE(TableExists(db.Db(), QStringLiteral("t")));
    EXPECT_FALSE(TableExists(db.Db(), QStringLiteral("STACJE")));
}

TEST_F(DbConnection, DuplicateKeyRaisesEngineCodes)
{
    db.Exec(QStringLiteral("insert into T values (1, 'A')"));
    FbTransaction tr(&db.Db());
    tr.StartTransaction();
    FbStatement st(&db.Db(), &tr);
    st.SetSQL(QStringLiteral("insert into T values (:ID, :NAME)"));
    st.ParamByName(QStringLiteral("ID"))->SetAsInteger(1);
    st.ParamByName(QStringLiteral("NAME"))->SetAsString(QStringLiteral("B"));
    try {
        st.ExecQuery();
        FAIL() << "duplicate primary key accepted";
    } catch (const FbError &e) {
        EXPECT_TRUE(e.GdsCode() == 335544665 || e.GdsCode() == 335544349) << e.GdsCode();
        EXPECT_EQ(e.SqlCode(), -803);
        EXPECT_TRUE(e.Message().contains(QStringLiteral("unique"), Qt::CaseInsensitive)) << e.what();
    }
    st.ParamByName(QStringLiteral("ID"))->SetAsInteger(2);
    st.ParamByName(QStringLiteral("NAME"))->SetAsString(QStringLiteral("A"));
    try {
        st.ExecQuery();
        FAIL() << "duplicate in a unique index accepted";
    } catch (const FbError &e) {
        EXPECT_EQ(e.GdsCode(), 335544349);
    }
    st.SetSQL(QStringLiteral("select nonsense from T"));
    EXPECT_THROW(st.ExecQuery(), FbError);
}

TEST_F(DbConnection, TwoTransactionsOnOneConnectionSeeOnlyCommittedRows)
{
    FbTransaction writer(&db.Db()), reader(&db.Db());
    writer.StartTransaction();
    reader.StartTransaction();
    FbStatement ins(&db.Db(), &writer);
    ins.SetSQL(QStringLiteral("insert into T values (5, 'X')"));
    ins.ExecQuery();
    EXPECT_EQ(Count(writer), 1);
    EXPECT_EQ(Count(reader), 0);
    writer.CommitRetaining();
    EXPECT_TRUE(writer.Active());
    EXPECT_EQ(Count(reader), 1); // read committed
    ins.SetSQL(QStringLiteral("insert into T values (6, 'Y')"));
    ins.ExecQuery();
    writer.Rollback();
    EXPECT_FALSE(writer.Active());
    EXPECT_EQ(Count(reader), 1);
}

TEST_F(DbConnection, CommitAndRollbackCloseBoundDatasetsRetainingDoesNot)
{
    db.Exec(QStringLiteral("insert into T values (1, 'A')"));
    FbTransaction tr(&db.Db()), other(&db.Db());
    tr.StartTransaction();
    other.StartTransaction();
    FbQuery q1, q2, q3;
    q1.SetTransaction(&tr);
    q2.SetTransaction(&tr);
    q3.SetTransaction(&other);
    for (FbQuery *q : {&q1, &q2, &q3}) {
        q->SetSQL(QStringLiteral("select * from T"));
        q->Open();
    }
    tr.CommitRetaining();
    EXPECT_TRUE(q1.Active());
    tr.Commit();
    EXPECT_FALSE(q1.Active());
    EXPECT_FALSE(q2.Active());
    EXPECT_TRUE(q3.Active());
    other.Rollback();
    EXPECT_FALSE(q3.Active());
    // A closed query opens again in a new transaction; the statement stays prepared.
    tr.StartTransaction();
    q1.Open();
    EXPECT_EQ(q1.FieldByName(QStringLiteral("NAME"))->AsString(), QStringLiteral("A"));
    EXPECT_THROW(other.Commit(), DbError);
    // Opening a dataset starts its idle transaction.
    q3.Open();
    EXPECT_TRUE(other.Active());
}

TEST_F(DbConnection, DestroyingAnActiveTransactionRollsBack)
{
    {
        FbTransaction tr(&db.Db());
        tr.StartTransaction();
        FbStatement ins(&db.Db(), &tr);
        ins.SetSQL(QStringLiteral("insert into T values (9, 'Z')"));
        ins.ExecQuery();
    }
    FbTransaction check(&db.Db());
    check.StartTransaction();
    EXPECT_EQ(Count(check), 0);
}

TEST_F(DbConnection, StoredProcedureOutputAndInputs)
{
    FbTransaction tr(&db.Db());
    tr.StartTransaction();
    FbStoredProc proc(&db.Db(), &tr);
    proc.SetStoredProcName(QStringLiteral("GETID"));
    proc.ExecProc();
    const qint64 first = proc.ColumnByName(QStringLiteral("NUM"))->AsInteger();
    proc.ExecProc();
    EXPECT_EQ(proc.ColumnByName(QStringLiteral("Num"))->AsInteger(), first + 1);
    FbStoredProc twice(&db.Db(), &tr);
    twice.SetStoredProcName(QStringLiteral("TWICE"));
    twice.ParamByName(QStringLiteral("X"))->SetAsInteger(21);
    twice.ExecProc();
    EXPECT_EQ(twice.ColumnByName(QStringLiteral("NUM"))->AsInteger(), 42);
    tr.Commit();
}

TEST_F(DbConnection, CloseCommitsActiveTransactions)
{
    FbTransaction tr(&db.Db());
    tr.StartTransaction();
    FbStatement ins(&db.Db(), &tr);
    ins.SetSQL(QStringLiteral("insert into T values (3, 'C')"));
    ins.ExecQuery();
    db.Db().Close();
    EXPECT_FALSE(tr.Active());
    db.Db().Open();
    FbTransaction check(&db.Db());
    check.StartTransaction();
    EXPECT_EQ(Count(check), 1);
    // A statement prepared on the old attachment prepares again.
    FbStatement again(&db.Db(), &check);
    again.SetSQL(QStringLiteral("select NAME from T"));
    again.ExecQuery();
    EXPECT_EQ(again.ResultAt(0)->AsString(), QStringLiteral("C"));
}

// The client library's environment variables replace the program's own credentials.
TEST(DbCredentials, IscUserAndPasswordReplaceTheBuiltInOnes)
{
    TempDb db;
    auto currentUser = [&] {
        FbTransaction tr(&db.Db());
        tr.StartTransaction();
        FbStatement st(&db.Db(), &tr);
        st.SetSQL(QStringLiteral("select CURRENT_USER as U from RDB$DATABASE"));
        st.ExecQuery();
        const QString user = st.ColumnByName(QStringLiteral("U"))->AsString().trimmed();
        st.Close();
        tr.Commit();
        return user;
    };
    EXPECT_EQ(currentUser(), QStringLiteral("SYSDBA"));
    qputenv("ISC_USER", "operator");
    qputenv("ISC_PASSWORD", "tajne");
    db.Db().Close();
    db.Db().Open();
    const QString user = currentUser();
    qunsetenv("ISC_USER");
    qunsetenv("ISC_PASSWORD");
    EXPECT_EQ(user, QStringLiteral("OPERATOR"));
}
