#include "platform/db/FbQuery.h"
#include "platform/db/FbStatement.h"
#include "platform/db/FbTable.h"
#include "platform/db/FbUpdateSql.h"
#include "support/TempDb.h"

#include <gtest/gtest.h>

namespace {

const QString Polish = QStringLiteral("ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ");

class DbQuery : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.Exec(
            QStringLiteral("create table V (ID integer not null primary key, NAME varchar(20), CODE char(3), "
                           "SMALLV smallint, BIGV bigint, RATE double precision, PRICE numeric(9,2), "
                           "STAMP timestamp, DZIEN date, FLAG boolean, NOTE blob sub_type text)"));
        tr.StartTransaction();
        q.SetTransaction(&tr);
    }
    void Fill(int n)
    {
        FbStatement ins(&db.Db(), &tr);
        ins.SetSQL(QStringLiteral("insert into V (ID, NAME) values (:ID, :NAME)"));
        for (int i = 1; i <= n; ++i) {
            ins.ParamByName(QStringLiteral("ID"))->SetAsInteger(i);
            ins.ParamByName(QStringLiteral("NAME"))->SetAsString(QStringLiteral("N%1").arg(i));
            ins.ExecQuery();
        }
    }
    void SetUpdates()
    {
        upd.SetModifySQL({QStringLiteral("update V set ID = :ID, NAME = :NAME, CODE = :CODE"),
                          QStringLiteral("where ID = :OLD_ID")});
        upd.SetInsertSQL(
            {QStringLiteral("insert into V (ID, NAME, CODE)"), QStringLiteral("values (:ID, :NAME, :CODE)")});
        upd.SetDeleteSQL({QStringLiteral("delete from V"), QStringLiteral("where ID = :OLD_ID")});
        q.SetUpdateObject(&upd);
    }
    QString NameInDb(int id)
    {
        FbStatement st(&db.Db(), &tr);
        st.SetSQL(QStringLiteral("select NAME from V where ID = :ID"));
        st.ParamByName(QStringLiteral("ID"))->SetAsInteger(id);
        st.ExecQuery();
        return st.Eof() ? QStringLiteral("<none>") : st.ResultAt(0)->AsString();
    }
    TempDb db;
    FbTransaction tr{&db.Db()};
    FbQuery q;
    FbUpdateSql upd;
};

} // namespace

TEST_F(DbQuery, ParametersOfEveryTypeRoundTrip)
{
    FbStatement ins(&db.Db(), &tr);
    ins.SetSQL(
        {QStringLiteral(
             "insert into V (ID, NAME, CODE, SMALLV, BIGV, RATE, PRICE, STAMP, DZIEN, FLAG, NOTE)"),
         QStringLiteral(
             "values (:ID, :NAME, :CODE, :SMALLV, :BIGV, :RATE, :PRICE, :STAMP, :DZIEN, :FLAG, :NOTE)")});
    const DateTime stamp = DateTime::fromDate(2024, 2, 29, 23, 59, 58).addTicks(1234);
    ins.ParamByName(QStringLiteral("ID"))->SetAsInteger(1);
    ins.ParamByName(QStringLiteral("NAME"))->SetAsString(QStringLiteral("SP5ABC"));
    ins.ParamByName(QStringLiteral("CODE"))->SetAsString(QStringLiteral("T"));
    ins.ParamByName(QStringLiteral("SMALLV"))->SetAsInteger(-28);
    ins.ParamByName(QStringLiteral("BIGV"))->SetAsInteger(9000000000LL);
    ins.ParamByName(QStringLiteral("RATE"))->SetAsFloat(14.074);
    ins.ParamByName(QStringLiteral("PRICE"))->SetAsString(QStringLiteral("12.35"));
    ins.ParamByName(QStringLiteral("STAMP"))->SetAsDateTime(stamp);
    ins.ParamByName(QStringLiteral("DZIEN"))->SetAsDateTime(stamp);
    ins.ParamByName(QStringLiteral("FLAG"))->SetAsBoolean(true);
    ins.ParamByName(QStringLiteral("NOTE"))->SetAsString(QString(70000, u'ł'));
    ins.ExecQuery();

    q.SetSQL({QStringLiteral("select * from V"), QStringLiteral("where STAMP = :STAMP and ID = :ID")});
    q.ParamByName(QStringLiteral("STAMP"))->SetAsDateTime(stamp);
    q.ParamByName(QStringLiteral("id"))->SetAsInteger(1);
    q.Open();
    ASSERT_FALSE(q.IsEmpty());
    EXPECT_EQ(q.FieldByName(QStringLiteral("NAME"))->DataType(), FieldType::String);
    EXPECT_EQ(q.FieldByName(QStringLiteral("NAME"))->Size(), 20);
    EXPECT_EQ(q.FieldByName(QStringLiteral("CODE"))->DataType(), FieldType::FixedChar);
    EXPECT_EQ(q.FieldByName(QStringLiteral("CODE"))->AsString(),
              QStringLiteral("T  ")); // engine padding kept
    EXPECT_EQ(q.FieldByName(QStringLiteral("SMALLV"))->AsInteger(), -28);
    EXPECT_EQ(q.FieldByName(QStringLiteral("BIGV"))->AsLargeInt(), 9000000000LL);
    EXPECT_DOUBLE_EQ(q.FieldByName(QStringLiteral("RATE"))->AsFloat(), 14.074);
    EXPECT_DOUBLE_EQ(q.FieldByName(QStringLiteral("PRICE"))->AsFloat(), 12.35);
    EXPECT_EQ(q.FieldByName(QStringLiteral("STAMP"))->AsDateTime(), stamp);
    EXPECT_EQ(q.FieldByName(QStringLiteral("DZIEN"))->AsDateTime(), stamp.dateOnly());
    EXPECT_EQ(q.FieldByName(QStringLiteral("DZIEN"))->DataType(), FieldType::Date);
    EXPECT_TRUE(q.FieldByName(QStringLiteral("FLAG"))->AsBoolean());
    EXPECT_EQ(q.FieldByName(QStringLiteral("NOTE"))->AsString(), QString(70000, u'ł'));
    EXPECT_EQ(q.FieldByName(QStringLiteral("NOTE"))->DataType(), FieldType::Memo);
}

TEST_F(DbQuery, NullsReadAsEmptyOrZeroAndNullParametersMatchNothing)
{
    FbStatement ins(&db.Db(), &tr);
    ins.SetSQL(QStringLiteral("insert into V (ID, NAME, STAMP) values (:ID, :NAME, :STAMP)"));
    ins.ParamByName(QStringLiteral("ID"))->SetAsInteger(1);
    ins.ParamByName(QStringLiteral("NAME"))->Clear();
    ins.ParamByName(QStringLiteral("STAMP"))->Clear();
    ins.ExecQuery();
    q.SetSQL(QStringLiteral("select * from V"));
    q.Open();
    for (const char *name : {"NAME", "CODE", "SMALLV", "BIGV", "RATE", "STAMP", "FLAG", "NOTE"}) {
        Field *f = q.FieldByName(QString::fromLatin1(name));
        EXPECT_TRUE(f->IsNull()) << name;
        EXPECT_EQ(f->AsString(), QString()) << name;
        EXPECT_EQ(f->AsInteger(), 0) << name;
        EXPECT_EQ(f->AsFloat(), 0.0) << name;
        EXPECT_FALSE(f->AsBoolean()) << name;
        EXPECT_EQ(f->DisplayText(), QString()) << name;
    }
    EXPECT_TRUE(q.FieldByName(QStringLiteral("STAMP"))->AsDateTime().isNull());
    q.Close();
    q.SetSQL(QStringLiteral("select * from V where NAME = :NAME"));
    q.ParamByName(QStringLiteral("NAME"))->Clear();
    q.Open();
    EXPECT_TRUE(q.IsEmpty());
}

TEST_F(DbQuery, PolishTextRoundTripsAndUnmappableBecomesQuestionMark)
{
    FbStatement ins(&db.Db(), &tr);
    ins.SetSQL(QStringLiteral("insert into V (ID, NAME) values (:ID, :NAME)"));
    ins.ParamByName(QStringLiteral("ID"))->SetAsInteger(1);
    ins.ParamByName(QStringLiteral("NAME"))->SetAsString(Polish);
    ins.ExecQuery();
    ins.ParamByName(QStringLiteral("ID"))->SetAsInteger(2);
    ins.ParamByName(QStringLiteral("NAME"))->SetAsString(QStringLiteral("a€b✓c"));
    ins.ExecQuery();
    // Literals in the SQL text are converted too.
    FbStatement lit(&db.Db(), &tr);
    lit.SetSQL(QStringLiteral("insert into V (ID, NAME) values (3, 'Łódź')"));
    lit.ExecQuery();

    EXPECT_EQ(NameInDb(1), Polish);
    EXPECT_EQ(NameInDb(2), QStringLiteral("a€b?c"));
    EXPECT_EQ(NameInDb(3), QStringLiteral("Łódź"));
    // The engine sees real Windows-1250 characters: upper() knows the Polish letters.
    FbStatement up(&db.Db(), &tr);
    up.SetSQL(QStringLiteral("select upper(NAME) from V where ID = 3"));
    up.ExecQuery();
    EXPECT_EQ(up.ResultAt(0)->AsString(), QStringLiteral("ŁÓDŹ"));
    // A colon inside a literal or a comment is no parameter.
    q.SetSQL(QStringLiteral("select ID from V where NAME <> ':NOPE' and ID = :ID -- :ALSO_NOT"));
    EXPECT_EQ(q.Params().Count(), 1);
}

TEST_F(DbQuery, StringsBeyondSizeAreCutOnAssignment)
{
    SetUpdates();
    q.SetSQL(QStringLiteral("select ID, NAME, CODE from V"));
    q.Open();
    q.Append();
    q.FieldByName(QStringLiteral("ID"))->SetAsInteger(1);
    q.FieldByName(QStringLiteral("NAME"))->SetAsString(QStringLiteral("123456789012345678901234"));
    q.FieldByName(QStringLiteral("CODE"))->SetAsString(QStringLiteral("ĄĘŁX"));
    EXPECT_EQ(q.FieldByName(QStringLiteral("NAME"))->AsString(), QStringLiteral("12345678901234567890"));
    q.Post();
    EXPECT_EQ(NameInDb(1), QStringLiteral("12345678901234567890"));
    EXPECT_EQ(q.FieldByName(QStringLiteral("CODE"))->AsString(), QStringLiteral("ĄĘŁ"));
}

TEST_F(DbQuery, RowsAreFetchedLazilyLastFetchesAllPriorWalksBack)
{
    Fill(1000);
    q.SetSQL(QStringLiteral("select * from V order by ID"));
    q.Prepare();
    q.Open();
    EXPECT_LT(q.FetchedCount(), 10);
    EXPECT_TRUE(q.CanFetchMore());
    EXPECT_TRUE(q.Bof());
    q.Next();
    q.Next();
    EXPECT_EQ(q.FieldByName(QStringLiteral("ID"))->AsInteger(), 3);
    EXPECT_EQ(q.RecNo(), 3);
    q.Last();
    EXPECT_TRUE(q.Eof());
    EXPECT_FALSE(q.CanFetchMore());
    EXPECT_EQ(q.FetchedCount(), 1000);
    EXPECT_EQ(q.FieldByName(QStringLiteral("ID"))->AsInteger(), 1000);
    q.Prior();
    EXPECT_EQ(q.FieldByName(QStringLiteral("ID"))->AsInteger(), 999);
    EXPECT_EQ(q.MoveBy(-5), -5);
    EXPECT_EQ(q.FieldByName(QStringLiteral("ID"))->AsInteger(), 994);
    int seen = 0;
    for (q.First(); !q.Eof(); q.Next())
        ++seen;
    EXPECT_EQ(seen, 1000);
    q.Next();
    EXPECT_TRUE(q.Eof());
    q.First();
    q.Prior();
    EXPECT_TRUE(q.Bof());
    EXPECT_EQ(q.RecNo(), 1);
    q.SetRecNo(500);
    EXPECT_EQ(q.FieldByName(QStringLiteral("NAME"))->AsString(), QStringLiteral("N500"));
    EXPECT_EQ(q.RecordCount(), 1000);
    // Reopening with another parameter value reuses the prepared statement.
    q.Close();
    q.SetSQL(QStringLiteral("select * from V where ID > :ID order by ID"));
    q.ParamByName(QStringLiteral("ID"))->SetAsInteger(998);
    q.Open();
    EXPECT_EQ(q.RecordCount(), 2);
    q.Close();
    q.ParamByName(QStringLiteral("ID"))->SetAsInteger(0);
    q.Open();
    EXPECT_EQ(q.RecordCount(), 1000);
    EXPECT_TRUE(q.Prepared());
}

TEST_F(DbQuery, EmptyResultIsBofAndEof)
{
    q.SetSQL(QStringLiteral("select * from V"));
    q.Open();
    EXPECT_TRUE(q.IsEmpty());
    EXPECT_TRUE(q.Bof());
    EXPECT_TRUE(q.Eof());
    EXPECT_EQ(q.RecNo(), 0);
    EXPECT_EQ(q.RecordCount(), 0);
    q.Last();
    q.Next();
    EXPECT_TRUE(q.Eof());
    EXPECT_THROW(q.Delete(), DbError);
    EXPECT_THROW(q.Edit(), DbError); // read-only without an update object
}

TEST_F(DbQuery, UpdateObjectInsertsModifiesAndDeletesWithOldValues)
{
    Fill(3);
    SetUpdates();
    q.SetSQL(QStringLiteral("select ID, NAME, CODE from V order by ID"));
    q.Open();
    q.Append();
    q.FieldByName(QStringLiteral("ID"))->SetAsInteger(10);
    q.FieldByName(QStringLiteral("NAME"))->SetAsString(QStringLiteral("NEW"));
    q.Post();
    EXPECT_EQ(NameInDb(10), QStringLiteral("NEW"));
    EXPECT_EQ(q.FieldByName(QStringLiteral("NAME"))->AsString(), QStringLiteral("NEW"));
    EXPECT_EQ(q.RecNo(), 4);
    EXPECT_EQ(q.State(), DataSetState::Browse);

    // Changing the key itself: the where clause uses the old value.
    ASSERT_TRUE(q.Locate(QStringLiteral("ID"), 2));
    q.Edit();
    q.FieldByName(QStringLiteral("ID"))->SetAsInteger(20);
    q.FieldByName(QStringLiteral("NAME"))->SetAsString(QStringLiteral("MOVED"));
    q.Post();
    EXPECT_EQ(NameInDb(2), QStringLiteral("<none>"));
    EXPECT_EQ(NameInDb(20), QStringLiteral("MOVED"));
    // The buffered row is updated in place, without a reopen.
    EXPECT_EQ(q.FieldByName(QStringLiteral("ID"))->AsInteger(), 20);
    EXPECT_EQ(q.RecNo(), 2);

    q.First();
    q.Delete();
    EXPECT_EQ(NameInDb(1), QStringLiteral("<none>"));
    EXPECT_EQ(q.FieldByName(QStringLiteral("ID"))->AsInteger(), 20);
    EXPECT_EQ(q.RecordCount(), 3);

    // Cancel leaves the database alone.
    q.Edit();
    q.FieldByName(QStringLiteral("NAME"))->SetAsString(QStringLiteral("NOPE"));
    q.Cancel();
    EXPECT_EQ(q.FieldByName(QStringLiteral("NAME"))->AsString(), QStringLiteral("MOVED"));
    EXPECT_EQ(NameInDb(20), QStringLiteral("MOVED"));
}

TEST_F(DbQuery, FailedPostKeepsTheEditAndPostErrorCanAbortOrRetry)
{
    Fill(2);
    SetUpdates();
    q.SetSQL(QStringLiteral("select ID, NAME, CODE from V order by ID"));
    q.Open();
    q.Append();
    q.FieldByName(QStringLiteral("ID"))->SetAsInteger(1);
    try {
        q.Post();
        FAIL() << "duplicate key posted";
    } catch (const FbError &e) {
        EXPECT_TRUE(e.GdsCode() == 335544665 || e.GdsCode() == 335544349);
    }
    EXPECT_EQ(q.State(), DataSetState::Insert);
    q.FieldByName(QStringLiteral("ID"))->SetAsInteger(3);
    q.Post();
    EXPECT_EQ(q.RecordCount(), 3);

    long seenCode = 0;
    q.OnPostError = [&](DataSet &ds, const std::exception &e, PostErrorAction &action) {
        if (auto *fb = dynamic_cast<const FbError *>(&e))
            seenCode = fb->GdsCode();
        ds.Cancel();
        action = PostErrorAction::Abort;
    };
    q.Append();
    q.FieldByName(QStringLiteral("ID"))->SetAsInteger(2);
    EXPECT_THROW(q.Post(), DataSetAbort);
    EXPECT_NE(seenCode, 0);
    EXPECT_EQ(q.State(), DataSetState::Browse);
    EXPECT_EQ(q.RecordCount(), 3);

    int tries = 0;
    q.OnPostError = [&](DataSet &ds, const std::exception &, PostErrorAction &action) {
        ++tries;
        ds.FieldByName(QStringLiteral("ID"))->SetAsInteger(50);
        action = PostErrorAction::Retry;
    };
    q.Append();
    q.FieldByName(QStringLiteral("ID"))->SetAsInteger(1);
    q.Post();
    EXPECT_EQ(tries, 1);
    EXPECT_EQ(NameInDb(50), QString());
}

TEST_F(DbQuery, ExecSqlRunsStatementsWithoutRows)
{
    Fill(3);
    q.SetSQL(
        {QStringLiteral("update V"), QStringLiteral("set NAME = :NAME"), QStringLiteral("where ID = :ID")});
    q.ParamByName(QStringLiteral("NAME"))->SetAsString(QStringLiteral("ZMIANA"));
    q.ParamByName(QStringLiteral("ID"))->SetAsInteger(2);
    q.ExecSQL();
    EXPECT_EQ(NameInDb(2), QStringLiteral("ZMIANA"));
    q.Clear();
    q.AddLine(QStringLiteral("delete from V"));
    q.AddLine(QStringLiteral("where ID = 3"));
    q.ExecSQL();
    EXPECT_EQ(NameInDb(3), QStringLiteral("<none>"));
    EXPECT_THROW(q.Open(), DbError); // not a select
}

TEST_F(DbQuery, TableIsEditableByKeyAndOrderedByIndexFields)
{
    Fill(3);
    FbTable t;
    t.SetTransaction(&tr);
    t.SetTableName(QStringLiteral("v"));
    t.SetIndexFieldNames(QStringLiteral("NAME"));
    t.Open();
    t.Last();
    EXPECT_EQ(t.FieldByName(QStringLiteral("NAME"))->AsString(), QStringLiteral("N3"));
    t.Edit();
    t.FieldByName(QStringLiteral("NAME"))->SetAsString(QStringLiteral("A0"));
    t.FieldByName(QStringLiteral("NOTE"))->SetAsString(QStringLiteral("notatka"));
    t.Post();
    EXPECT_EQ(NameInDb(3), QStringLiteral("A0"));
    t.Append();
    t.FieldByName(QStringLiteral("ID"))->SetAsInteger(7);
    t.FieldByName(QStringLiteral("NAME"))->SetAsString(QStringLiteral("Z7"));
    t.Post();
    EXPECT_EQ(NameInDb(7), QStringLiteral("Z7"));
    t.Close();
    t.Open();
    EXPECT_EQ(t.FieldByName(QStringLiteral("NAME"))->AsString(), QStringLiteral("A0"));
    EXPECT_EQ(t.FieldByName(QStringLiteral("NOTE"))->AsString(), QStringLiteral("notatka"));
    t.Delete();
    EXPECT_EQ(NameInDb(3), QStringLiteral("<none>"));
    EXPECT_EQ(t.RecordCount(), 3);
}

TEST_F(DbQuery, TableOrderedByIndexName)
{
    db.Exec(QStringLiteral("create descending index V_ID_DESC on V(ID)"));
    Fill(3);
    FbTable t;
    t.SetTransaction(&tr);
    t.SetTableName(QStringLiteral("V"));
    t.SetIndexName(QStringLiteral("V_ID_DESC"));
    t.Open();
    EXPECT_EQ(t.FieldByName(QStringLiteral("ID"))->AsInteger(), 1); // the index's columns, ascending
    t.Last();
    EXPECT_EQ(t.FieldByName(QStringLiteral("ID"))->AsInteger(), 3);
}

TEST_F(DbQuery, TableWithoutKeyFindsRowsByAllValuesIncludingNulls)
{
    db.Exec(QStringLiteral("create table NOKEY (A integer, B varchar(5))"));
    db.Exec(QStringLiteral("insert into NOKEY values (1, null)"));
    db.Exec(QStringLiteral("insert into NOKEY values (2, 'x')"));
    FbTable t;
    t.SetTransaction(&tr);
    t.SetTableName(QStringLiteral("NOKEY"));
    t.SetIndexFieldNames(QStringLiteral("A"));
    t.Open();
    t.Edit();
    t.FieldByName(QStringLiteral("B"))->SetAsString(QStringLiteral("y"));
    t.Post();
    t.Next();
    t.Delete();
    t.Close();
    t.Open();
    EXPECT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(t.FieldByName(QStringLiteral("B"))->AsString(), QStringLiteral("y"));
}

TEST_F(DbQuery, RefreshRecordRereadsTheCurrentRow)
{
    Fill(2);
    SetUpdates();
    upd.SetRefreshSQL({QStringLiteral("select ID, NAME from V"), QStringLiteral("where ID = :ID")});
    q.SetSQL(QStringLiteral("select ID, NAME, CODE from V order by ID"));
    q.Open();
    q.Next();
    FbStatement change(&db.Db(), &tr);
    change.SetSQL(QStringLiteral("update V set NAME = 'ZMIENIONE' where ID = 2"));
    change.ExecQuery();
    EXPECT_EQ(q.FieldByName(QStringLiteral("NAME"))->AsString(), QStringLiteral("N2"));
    q.RefreshRecord();
    EXPECT_EQ(q.FieldByName(QStringLiteral("NAME"))->AsString(), QStringLiteral("ZMIENIONE"));
    EXPECT_EQ(q.RecNo(), 2);
}

TEST_F(DbQuery, ModifyOrDeleteThatReachesNoRowFailsAndKeepsTheEdit)
{
    Fill(3);
    SetUpdates();
    upd.SetRowLostMessage(FbUpdateSql::Modify, QStringLiteral("zmieniony"));
    q.SetSQL(QStringLiteral("select ID, NAME, CODE from V order by ID"));
    q.Open();
    ASSERT_TRUE(q.Locate(QStringLiteral("ID"), 2));
    FbStatement gone(&db.Db(), &tr);
    gone.SetSQL(QStringLiteral("delete from V where ID = 2"));
    gone.ExecQuery();

    q.Edit();
    q.FieldByName(QStringLiteral("NAME"))->SetAsString(QStringLiteral("LOST"));
    try {
        q.Post();
        ADD_FAILURE() << "an update of no row was taken as saved";
    } catch (const DbError &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("zmieniony"));
    }
    EXPECT_EQ(q.State(), DataSetState::Edit);
    EXPECT_EQ(q.FieldByName(QStringLiteral("NAME"))->AsString(), QStringLiteral("LOST"));
    q.Cancel();
    try {
        q.Delete();
        ADD_FAILURE() << "a delete of no row was taken as done";
    } catch (const DbError &e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("Nie usunięto: pozycja została w międzyczasie zmieniona lub usunięta."));
    }
    EXPECT_EQ(q.RecordCount(), 3);

    // Rows still there are changed as before.
    q.First();
    q.Edit();
    q.FieldByName(QStringLiteral("NAME"))->SetAsString(QStringLiteral("OK"));
    q.Post();
    EXPECT_EQ(NameInDb(1), QStringLiteral("OK"));
}
