#include "platform/db/FbQuery.h"
#include "platform/db/FbStatement.h"
#include "platform/db/FbUpdateSql.h"
#include "support/TempDb.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// A dataset with no backend: rows exist only in memory, fields are declared.
class MemTable : public DataSet {
public:
    MemTable()
    {
        AddField(QStringLiteral("NAME"), FieldType::String, 10);
        AddField(QStringLiteral("N"), FieldType::Integer);
    }
    void Add(const QString &name, int n)
    {
        Append();
        FieldByName(QStringLiteral("NAME"))->SetAsString(name);
        FieldByName(QStringLiteral("N"))->SetAsInteger(n);
        Post();
    }

protected:
    void InternalOpen() override { BindDeclaredFields(); }
};

class DbDataSet : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.Exec(QStringLiteral("create table S (ID integer not null primary key, CALL varchar(14), "
                               "FLAG char(1), STAMP timestamp)"));
        db.Exec(QStringLiteral("insert into S values (1, 'SP5ABC', 'T', '2024-01-02 03:04:05')"));
        db.Exec(QStringLiteral("insert into S values (2, 'DL1XYZ', 'N', '2024-05-06 07:08:09')"));
        db.Exec(QStringLiteral("insert into S values (3, 'sp9kkk', 'T', null)"));
        db.Exec(QStringLiteral("insert into S values (4, 'OK1AAA', 'N', null)"));
        tr.StartTransaction();
        q.SetTransaction(&tr);
        q.SetSQL(QStringLiteral("select * from S order by ID"));
        upd.SetModifySQL({QStringLiteral("update S set CALL = :CALL where ID = :OLD_ID")});
        upd.SetInsertSQL({QStringLiteral("insert into S (ID, CALL, FLAG) values (:ID, :CALL, :FLAG)")});
        upd.SetDeleteSQL({QStringLiteral("delete from S where ID = :OLD_ID")});
        q.SetUpdateObject(&upd);
    }
    int Id() { return q.FieldByName(QStringLiteral("ID"))->AsInteger(); }
    TempDb db;
    FbTransaction tr{&db.Db()};
    FbQuery q;
    FbUpdateSql upd;
};

} // namespace

TEST_F(DbDataSet, LocateOptionsOnStringAndFixedCharFields)
{
    q.Open();
    EXPECT_TRUE(
        q.Locate(QStringLiteral("CALL"), QStringLiteral("SP9"), LocateCaseInsensitive | LocatePartialKey));
    EXPECT_EQ(Id(), 3);
    EXPECT_FALSE(q.Locate(QStringLiteral("CALL"), QStringLiteral("SP9"), LocatePartialKey));
    EXPECT_EQ(Id(), 3); // a failed search leaves the cursor where it was
    EXPECT_FALSE(q.Locate(QStringLiteral("CALL"), QStringLiteral("dl1xyz"), 0));
    EXPECT_TRUE(q.Locate(QStringLiteral("call"), QStringLiteral("dl1xyz"), LocateCaseInsensitive));
    EXPECT_EQ(Id(), 2);
    // The current row is tried first, even when an earlier row also matches.
    q.Last();
    EXPECT_TRUE(q.Locate(QStringLiteral("FLAG"), QStringLiteral("N"), 0));
    EXPECT_EQ(Id(), 4);
    // Fixed-character fields take the case and partial options like other text.
    EXPECT_FALSE(q.Locate(QStringLiteral("FLAG"), QStringLiteral("t"), 0));
    EXPECT_TRUE(
        q.Locate(QStringLiteral("FLAG"), QStringLiteral("t"), LocateCaseInsensitive | LocatePartialKey));
    EXPECT_EQ(Id(), 1);
    EXPECT_TRUE(q.Locate(QStringLiteral("ID;FLAG"), QVariantList{1, QStringLiteral("T")}, 0));
    EXPECT_EQ(Id(), 1);
    EXPECT_FALSE(q.Locate(QStringLiteral("ID;FLAG"), QVariantList{2, QStringLiteral("T")}, 0));
    EXPECT_TRUE(
        q.Locate(QStringLiteral("STAMP"), QVariant::fromValue(DateTime::fromDate(2024, 5, 6, 7, 8, 9)), 0));
    EXPECT_EQ(Id(), 2);
    EXPECT_TRUE(q.Locate(QStringLiteral("STAMP"), QVariant(), 0));
    EXPECT_EQ(Id(), 3);
    EXPECT_THROW(q.Locate(QStringLiteral("NOPE"), 1, 0), DbError);
}

TEST_F(DbDataSet, BookmarksReturnToRowsAndCompare)
{
    q.Open();
    q.Next();
    const Bookmark second = q.GetBookmark();
    q.Last();
    const Bookmark last = q.GetBookmark();
    EXPECT_TRUE(q.BookmarkValid(second));
    EXPECT_FALSE(q.BookmarkValid(NoBookmark));
    EXPECT_LT(DataSet::CompareBookmarks(second, last), 0);
    EXPECT_GT(DataSet::CompareBookmarks(last, second), 0);
    EXPECT_EQ(DataSet::CompareBookmarks(NoBookmark, NoBookmark), 0);
    EXPECT_GT(DataSet::CompareBookmarks(second, NoBookmark), 0);
    q.GotoBookmark(second);
    EXPECT_EQ(Id(), 2);
    q.Delete();
    q.Last();
    q.GotoBookmark(second); // a deleted row: nothing happens
    EXPECT_EQ(Id(), 4);
    q.Close();
    EXPECT_FALSE(q.BookmarkValid(second));
}

TEST_F(DbDataSet, CalculatedFieldsAndDisplaySettingsSurviveReopen)
{
    Field *calc = q.AddField(QStringLiteral("CallAndId"), FieldType::String, 30, FieldKind::Calculated);
    int calcRuns = 0;
    q.OnCalcFields = [&](DataSet &ds) {
        ++calcRuns;
        ds.FieldByName(QStringLiteral("CallAndId"))
            ->SetAsString(ds.FieldByName(QStringLiteral("CALL"))->AsString() + u'/' +
                          ds.FieldByName(QStringLiteral("ID"))->AsString());
    };
    q.Open();
    EXPECT_EQ(calc->AsString(), QStringLiteral("SP5ABC/1"));
    EXPECT_EQ(q.Fields().back(), calc);
    EXPECT_THROW(calc->SetAsString(QStringLiteral("x")), DbError); // only inside OnCalcFields
    Field *stamp = q.FieldByName(QStringLiteral("STAMP"));
    stamp->SetDisplayFormat(QStringLiteral("yyyy-MM-dd hh:mm"));
    EXPECT_EQ(stamp->DisplayText(), QStringLiteral("2024-01-02 03:04"));
    stamp->SetDisplayFormat(QStringLiteral("YYYY-MM-DD HH:mm"));
    EXPECT_EQ(stamp->DisplayText(), QStringLiteral("2024-01-02 03:04"));
    Field *flag = q.FieldByName(QStringLiteral("FLAG"));
    flag->OnGetText = [](Field &f, QString &text, bool) {
        text = f.AsString().trimmed().toUpper() == u"T" ? QStringLiteral("✓") : QStringLiteral(" ");
    };
    flag->SetAlignment(Qt::AlignCenter);
    EXPECT_EQ(flag->DisplayText(), QStringLiteral("✓"));
    EXPECT_EQ(q.DisplayTextAt(1, flag), QStringLiteral(" "));
    EXPECT_EQ(q.DisplayTextAt(2, calc), QStringLiteral("sp9kkk/3"));
    EXPECT_EQ(calc->AsString(), QStringLiteral("SP5ABC/1")); // reading another row left the current one alone

    // Edits are seen by the calculated field at once.
    q.Edit();
    q.FieldByName(QStringLiteral("CALL"))->SetAsString(QStringLiteral("SQ5ABC"));
    EXPECT_EQ(calc->AsString(), QStringLiteral("SQ5ABC/1"));
    q.Post();

    tr.Commit();
    EXPECT_FALSE(q.Active());
    tr.StartTransaction();
    q.SetSQL(QStringLiteral("select * from S order by ID desc"));
    q.Open();
    EXPECT_EQ(q.FieldByName(QStringLiteral("STAMP")), stamp);
    EXPECT_EQ(stamp->DisplayFormat(), QStringLiteral("YYYY-MM-DD HH:mm"));
    EXPECT_EQ(flag->Alignment(), Qt::AlignCenter);
    EXPECT_EQ(flag->DisplayText(), QStringLiteral(" "));
    EXPECT_EQ(calc->AsString(), QStringLiteral("OK1AAA/4"));
    q.Last();
    EXPECT_EQ(calc->AsString(), QStringLiteral("SQ5ABC/1"));
    EXPECT_GT(calcRuns, 0);
}

TEST_F(DbDataSet, FieldLookupAndWrongStateErrors)
{
    q.Open();
    EXPECT_EQ(q.FindField(QStringLiteral("nope")), nullptr);
    EXPECT_EQ(q.FindField(QStringLiteral("call")), q.FieldByName(QStringLiteral("CALL")));
    try {
        q.FieldByName(QStringLiteral("NOPE"));
        FAIL();
    } catch (const DbError &e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("NOPE")));
    }
    try {
        q.FieldByName(QStringLiteral("CALL"))->SetAsString(QStringLiteral("X"));
        FAIL();
    } catch (const DbError &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Dataset not in edit or insert mode"));
    }
    q.Edit();
    q.FieldByName(QStringLiteral("ID"))->SetReadOnly(true);
    EXPECT_THROW(q.FieldByName(QStringLiteral("ID"))->SetAsInteger(9), DbError);
    EXPECT_THROW(q.FieldByName(QStringLiteral("ID"))->SetAsString(QStringLiteral("abc")), DbError);
    q.Cancel();
}

TEST_F(DbDataSet, EventsFireInOrder)
{
    QStringList log;
    q.BeforeOpen = [&](DataSet &) { log << "BeforeOpen"; };
    q.AfterOpen = [&](DataSet &) { log << "AfterOpen"; };
    q.BeforeScroll = [&](DataSet &) { log << "BeforeScroll"; };
    q.AfterScroll = [&](DataSet &) { log << "AfterScroll"; };
    q.OnNewRecord = [&](DataSet &ds) {
        log << "OnNewRecord";
        ds.FieldByName(QStringLiteral("FLAG"))->SetAsString(QStringLiteral("N"));
    };
    q.BeforePost = [&](DataSet &) { log << "BeforePost"; };
    q.AfterPost = [&](DataSet &) { log << "AfterPost"; };
    q.BeforeDelete = [&](DataSet &) { log << "BeforeDelete"; };
    q.AfterDelete = [&](DataSet &) { log << "AfterDelete"; };
    q.BeforeClose = [&](DataSet &) { log << "BeforeClose"; };
    q.Open();
    q.Next();
    q.Append();
    EXPECT_FALSE(q.Modified()); // values set by OnNewRecord do not count as changes
    q.FieldByName(QStringLiteral("ID"))->SetAsInteger(5);
    EXPECT_TRUE(q.Modified());
    q.CheckBrowseMode(); // posts the pending insert
    EXPECT_EQ(q.FieldByName(QStringLiteral("FLAG"))->AsString(), QStringLiteral("N"));
    q.Delete();
    q.Close();
    EXPECT_EQ(log.join(u','), QStringLiteral("BeforeOpen,AfterOpen,AfterScroll,BeforeScroll,AfterScroll,"
                                             "OnNewRecord,BeforePost,AfterPost,BeforeDelete,AfterDelete,"
                                             "AfterScroll,BeforeClose"));
    EXPECT_EQ(q.RecordCount(), 0);
}

TEST_F(DbDataSet, FilterHidesRowsFromNavigationNotFromTheCount)
{
    q.OnFilterRecord = [](DataSet &ds, bool &accept) {
        accept = ds.FieldByName(QStringLiteral("FLAG"))->AsString() == u"T";
    };
    q.Open();
    q.SetFiltered(true);
    EXPECT_EQ(Id(), 1);
    q.Next();
    EXPECT_EQ(Id(), 3);
    q.Next();
    EXPECT_TRUE(q.Eof());
    EXPECT_EQ(Id(), 3);
    EXPECT_FALSE(q.Locate(QStringLiteral("ID"), 2, 0));
    EXPECT_EQ(q.RecordCount(), 4);
    q.SetFiltered(false);
    q.Last();
    EXPECT_EQ(Id(), 4);
}

TEST_F(DbDataSet, DisabledControlsHoldSignalsUntilEnabled)
{
    q.Open();
    QSignalSpy changed(&q, &DataSet::dataSetChanged);
    QSignalSpy scrolled(&q, &DataSet::scrolled);
    q.DisableControls();
    q.DisableControls();
    q.Next();
    q.Last();
    q.EnableControls();
    EXPECT_EQ(scrolled.count(), 0);
    q.EnableControls();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(scrolled.count(), 1);
    EXPECT_EQ(scrolled.takeFirst().at(0).toInt(), 3);
    q.Prior();
    EXPECT_EQ(scrolled.count(), 1);
}

TEST(DataSetBase, MemoryRowsInsertAtPositionAndKeepIds)
{
    MemTable t;
    t.Open();
    EXPECT_TRUE(t.IsEmpty());
    t.Add(QStringLiteral("B"), 2);
    const Bookmark first = t.GetBookmark();
    EXPECT_EQ(first, qint64(INT32_MIN) + 1);
    t.Add(QStringLiteral("C"), 3);
    t.First();
    t.Insert();
    t.FieldByName(QStringLiteral("NAME"))->SetAsString(QStringLiteral("A-too-long-name"));
    t.Post();
    EXPECT_EQ(t.RecNo(), 1);
    EXPECT_EQ(t.FieldByName(QStringLiteral("NAME"))->AsString(), QStringLiteral("A-too-lon"
                                                                                "g"));
    EXPECT_EQ(t.RecordCount(), 3);
    t.Next();
    EXPECT_EQ(t.GetBookmark(), first);
    t.Last();
    t.Delete();
    EXPECT_EQ(t.FieldByName(QStringLiteral("N"))->AsInteger(), 2); // the new last row
    t.Delete();
    t.Delete();
    EXPECT_TRUE(t.IsEmpty());
    EXPECT_FALSE(t.BookmarkValid(first)); // ids restart once the table is empty
    t.Add(QStringLiteral("D"), 4);
    EXPECT_EQ(t.GetBookmark(), first);
}
