#include "controls/DbUtils.h"
#include "platform/db/ExMemDS.h"

#include <gtest/gtest.h>

namespace {

class MemDsLocateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        table.AddField("Stacja", FieldType::String, 10);
        table.AddField("Powiat", FieldType::FixedChar, 2);
        table.AddField("Pasmo", FieldType::Integer);
        table.Open();
        Add("SP5ABC", "WA", 5);
        Add("sq9xyz", "KR", 7);
        Add("SP5ABD", "WA", 7);
        Add("DL1AA", "", 9);
    }
    void Add(const QString &call, const QString &powiat, int pasmo)
    {
        table.Append();
        table.FieldByName("Stacja")->SetAsString(call);
        table.FieldByName("Powiat")->SetAsString(powiat);
        table.FieldByName("Pasmo")->SetAsInteger(pasmo);
        table.Post();
    }
    QString Call() { return table.FieldByName("Stacja")->AsString(); }
    TExMemoryData table;
};

TEST_F(MemDsLocateTest, PartialCaseInsensitiveKeyOnTextField)
{
    table.First();
    EXPECT_TRUE(LocateThrough(table, "Stacja", "SQ", LocateCaseInsensitive | LocatePartialKey));
    EXPECT_EQ(Call(), "sq9xyz");
    EXPECT_FALSE(LocateThrough(table, "Stacja", "SQ", LocatePartialKey)) << "case counts without the option";
    EXPECT_EQ(Call(), "sq9xyz");
    EXPECT_FALSE(LocateThrough(table, "Stacja", "sq9", LocateCaseInsensitive))
        << "whole text without partial key";
}

TEST_F(MemDsLocateTest, FixedWidthTextFieldTakesTheOptionsToo)
{
    table.First();
    EXPECT_TRUE(LocateThrough(table, "Powiat", "k", LocateCaseInsensitive | LocatePartialKey));
    EXPECT_EQ(Call(), "sq9xyz");
    EXPECT_FALSE(LocateThrough(table, "Powiat", "w", LocatePartialKey));
    EXPECT_EQ(Call(), "sq9xyz");
}

TEST_F(MemDsLocateTest, CurrentRecordIsTriedFirstThenFromTheTop)
{
    table.SetRecNo(3);
    EXPECT_TRUE(LocateThrough(table, "Powiat", "WA", 0));
    EXPECT_EQ(table.RecNo(), 3) << "the current record matches: no move";
    table.Last();
    EXPECT_TRUE(LocateThrough(table, "Powiat", "WA", 0));
    EXPECT_EQ(table.RecNo(), 1);
}

TEST_F(MemDsLocateTest, SeveralKeyFieldsAllMustMatch)
{
    table.First();
    EXPECT_TRUE(LocateThrough(table, "Powiat;Pasmo", QVariantList{"WA", 7}, 0));
    EXPECT_EQ(Call(), "SP5ABD");
    EXPECT_FALSE(LocateThrough(table, "Powiat;Pasmo", QVariantList{"KR", 5}, 0));
    EXPECT_EQ(Call(), "SP5ABD") << "a failed search leaves the cursor where it was";
}

TEST_F(MemDsLocateTest, PendingEditIsPostedBeforeTheSearch)
{
    table.First();
    table.Edit();
    table.FieldByName("Stacja")->SetAsString("SN0HQ");
    EXPECT_TRUE(LocateThrough(table, "Stacja", "DL1AA", 0));
    EXPECT_EQ(table.State(), DataSetState::Browse);
    EXPECT_TRUE(LocateThrough(table, "Stacja", "SN0HQ", 0));
    EXPECT_EQ(table.RecNo(), 1);
}

TEST(MemDsLocateEmpty, EmptyOrClosedTableFindsNothing)
{
    TExMemoryData table;
    table.AddField("Stacja", FieldType::String, 10);
    EXPECT_TRUE(DataSetHasNoRows(&table));
    EXPECT_TRUE(DataSetHasNoRows(nullptr));
    table.Open();
    EXPECT_TRUE(DataSetHasNoRows(&table));
    EXPECT_FALSE(LocateThrough(table, "Stacja", "SP", LocatePartialKey));
    table.Append();
    table.FieldByName("Stacja")->SetAsString("SP1A");
    table.Post();
    EXPECT_FALSE(DataSetHasNoRows(&table));
}

TEST_F(MemDsLocateTest, FilterHidesRecordsButNotFromTheCount)
{
    Add("SP6XYZ", "", 7);
    table.OnFilterRecord = [](DataSet &ds, bool &accept) {
        accept = ds.FieldByName("Pasmo")->AsInteger() == 7;
    };
    table.SetFiltered(true);
    EXPECT_EQ(Call(), "sq9xyz") << "setting the filter moves to the first accepted record";
    EXPECT_EQ(table.RecordCount(), 5);
    QStringList seen;
    for (table.First(); !table.Eof(); table.Next())
        seen << Call();
    EXPECT_EQ(seen, QStringList({"sq9xyz", "SP5ABD", "SP6XYZ"}));
    EXPECT_FALSE(LocateThrough(table, "Stacja", "DL1AA", 0)) << "a hidden record is not found";
    table.First();
    try {
        table.SetRecNo(1);
        FAIL() << "a hidden record cannot be made current";
    } catch (const DbError &e) {
        EXPECT_EQ(e.Message(), "No data found");
    }
    EXPECT_EQ(Call(), "sq9xyz");
    ASSERT_TRUE(LocateThrough(table, "Stacja", "SP5ABD", 0));
    table.Delete();
    EXPECT_EQ(Call(), "SP6XYZ") << "the accepted record that followed, past a hidden one";
    table.Delete();
    EXPECT_EQ(Call(), "sq9xyz") << "after the last, the accepted record before it";
    table.SetFiltered(false);
    EXPECT_EQ(Call(), "SP5ABC");
    EXPECT_EQ(table.RecordCount(), 3);
}

} // namespace
