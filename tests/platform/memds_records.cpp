#include "platform/db/ExMemDS.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 FirstId = -2147483647;

// A result table shaped like the statistics tables: a key, a name, a count.
class MemDsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        table.AddField("Symbol", FieldType::FixedChar, 4);
        table.AddField("Nazwa", FieldType::String, 30);
        table.AddField("Ilosc", FieldType::Integer);
        table.Open();
    }
    void Add(const QString &symbol, const QString &name, int count = 0)
    {
        table.Append();
        table.FieldByName("Symbol")->SetAsString(symbol);
        table.FieldByName("Nazwa")->SetAsString(name);
        table.FieldByName("Ilosc")->SetAsInteger(count);
        table.Post();
    }
    QString Current() { return table.FieldByName("Symbol")->AsString(); }
    TExMemoryData table;
};

TEST_F(MemDsTest, IdsStartAtLowestPlusOneAndAreNotReused)
{
    Add("A", "Alfa");
    EXPECT_EQ(table.GetBookmark(), FirstId);
    Add("B", "Bravo");
    Add("C", "Charlie");
    EXPECT_EQ(table.GetBookmark(), FirstId + 2);
    table.Delete(); // C
    Add("D", "Delta");
    EXPECT_EQ(table.GetBookmark(), FirstId + 3) << "a deleted record's id is not given again";

    table.EmptyMemoryTable();
    EXPECT_EQ(table.RecordCount(), 0);
    Add("E", "Echo");
    EXPECT_EQ(table.GetBookmark(), FirstId) << "emptying restarts the ids";
}

TEST_F(MemDsTest, BookmarksOfExtremeIdsCompareWithoutOverflow)
{
    Add("A", "Alfa");
    const Bookmark first = table.GetBookmark();
    EXPECT_GT(DataSet::CompareBookmarks(INT32_MAX, first), 0);
    EXPECT_LT(DataSet::CompareBookmarks(first, INT32_MAX), 0);
    EXPECT_EQ(DataSet::CompareBookmarks(NoBookmark, NoBookmark), 0);
    EXPECT_GT(DataSet::CompareBookmarks(first, NoBookmark), 0);
    EXPECT_TRUE(table.BookmarkValid(first));
    EXPECT_FALSE(table.BookmarkValid(first + 1)) << "above the last id";
    EXPECT_FALSE(table.BookmarkValid(NoBookmark));
}

TEST_F(MemDsTest, BookmarkOfDeletedRecordIsValidButGoingThereChangesNothing)
{
    Add("A", "Alfa");
    Add("B", "Bravo");
    const Bookmark b = table.GetBookmark();
    Add("C", "Charlie");
    table.GotoBookmark(b);
    EXPECT_EQ(Current(), "B");
    table.Delete();
    EXPECT_EQ(Current(), "C");
    EXPECT_TRUE(table.BookmarkValid(b));
    table.GotoBookmark(b);
    EXPECT_EQ(Current(), "C");
}

TEST_F(MemDsTest, InsertBeforeFirstAndAtCursorAppendAtEnd)
{
    table.Insert(); // empty table: the cursor stands before the first record
    table.FieldByName("Symbol")->SetAsString("B");
    table.Post();
    table.First();
    table.Insert();
    table.FieldByName("Symbol")->SetAsString("A");
    table.Post();
    EXPECT_EQ(table.RecNo(), 1);
    table.Last();
    table.Insert();
    table.FieldByName("Symbol")->SetAsString("X");
    table.Post();
    EXPECT_EQ(table.RecNo(), 2) << "insert takes the place of the current record";
    Add("Z", "Zulu");
    EXPECT_EQ(table.RecNo(), 4);
    QStringList order;
    for (table.First(); !table.Eof(); table.Next())
        order << Current();
    EXPECT_EQ(order, QStringList({"A", "X", "B", "Z"}));
}

TEST_F(MemDsTest, DeletingLastAndOnlyRecords)
{
    Add("A", "Alfa");
    Add("B", "Bravo");
    Add("C", "Charlie");
    table.Last();
    table.Delete();
    EXPECT_EQ(Current(), "B");
    EXPECT_EQ(table.RecNo(), 2);
    table.First();
    table.Delete();
    EXPECT_EQ(Current(), "B");
    table.Delete();
    EXPECT_TRUE(table.IsEmpty());
    EXPECT_EQ(table.RecNo(), 0);
    EXPECT_TRUE(table.Bof() && table.Eof());
    Add("D", "Delta");
    EXPECT_EQ(table.GetBookmark(), FirstId) << "an emptied list restarts the ids";
}

TEST_F(MemDsTest, RecNoMovesWithinRangeAndIgnoresOthers)
{
    for (const char *s : {"A", "B", "C"})
        Add(s, s);
    table.SetRecNo(2);
    EXPECT_EQ(Current(), "B");
    table.SetRecNo(0);
    table.SetRecNo(4);
    EXPECT_EQ(Current(), "B");
    EXPECT_EQ(table.RecNo(), 2);
}

TEST_F(MemDsTest, EmptyStringReadsAsNullAndLongTextIsCut)
{
    Add("", "");
    EXPECT_TRUE(table.FieldByName("Symbol")->IsNull());
    EXPECT_TRUE(table.FieldByName("Nazwa")->IsNull());
    EXPECT_FALSE(table.FieldByName("Ilosc")->IsNull());
    Add("SP5ABCDEF", "Łódź");
    EXPECT_EQ(Current(), "SP5A");
    EXPECT_EQ(table.FieldByName("Nazwa")->AsString(), QString::fromUtf8("Łódź"));
}

TEST_F(MemDsTest, ErrorsOfWrongStateAndReadOnlyField)
{
    Add("A", "Alfa");
    try {
        table.FieldByName("Nazwa")->SetAsString("x");
        FAIL() << "writing in browse state must fail";
    } catch (const DbError &e) {
        EXPECT_EQ(e.Message(), "Dataset not in edit or insert mode");
    }
    table.Close();
    table.FieldByName("Ilosc")->SetReadOnly(true);
    table.Open();
    table.Append();
    try {
        table.FieldByName("Ilosc")->SetAsInteger(3);
        FAIL() << "a read-only field must refuse a value";
    } catch (const DbError &e) {
        EXPECT_EQ(e.Message(), "Field 'Ilosc' cannot be modified");
    }
    table.Cancel();
    EXPECT_EQ(table.RecordCount(), 0) << "close frees all records";
}

TEST_F(MemDsTest, EmptyMemoryTablePostsPendingInsertAndIgnoresClosedTable)
{
    Add("A", "Alfa");
    table.Append();
    table.FieldByName("Symbol")->SetAsString("B");
    table.EmptyMemoryTable();
    EXPECT_EQ(table.State(), DataSetState::Browse);
    EXPECT_EQ(table.RecordCount(), 0);
    EXPECT_TRUE(table.Bof() && table.Eof());

    table.Close();
    table.EmptyMemoryTable();
    EXPECT_FALSE(table.Active());
}

TEST(MemDsAutoInc, ContinuesAfterEmptyingAndRestartsAfterReopen)
{
    TExMemoryData table;
    table.AddField("Nr", FieldType::AutoInc);
    table.AddField("Nazwa", FieldType::String, 10);
    table.Open();
    auto add = [&] {
        table.Append();
        table.FieldByName("Nazwa")->SetAsString("x");
        table.Post();
        return table.FieldByName("Nr")->AsInteger();
    };
    EXPECT_EQ(add(), 1);
    EXPECT_EQ(add(), 2);
    table.EmptyMemoryTable();
    EXPECT_EQ(add(), 3);
    table.Close();
    table.Open();
    EXPECT_EQ(add(), 1);
}

TEST(MemDsOpen, FieldOfUnknownTypeFailsNamingIt)
{
    TExMemoryData table;
    table.AddField("Dobre", FieldType::Integer);
    table.AddField("Znacznik", static_cast<FieldType>(99));
    try {
        table.Open();
        FAIL() << "open must fail";
    } catch (const DbError &e) {
        EXPECT_EQ(e.Message(), "Field 'Znacznik' is of an unknown type");
    }
    EXPECT_FALSE(table.Active());
}

TEST(MemDsCapacity, PresizesWithoutChangingContents)
{
    TExMemoryData table;
    table.AddField("N", FieldType::Integer);
    table.SetCapacity(500);
    EXPECT_EQ(table.Capacity(), 500);
    table.Open();
    table.Append();
    table.FieldByName("N")->SetAsInteger(7);
    table.Post();
    EXPECT_EQ(table.RecordCount(), 1);
    EXPECT_GE(table.Capacity(), 500);
}

} // namespace
