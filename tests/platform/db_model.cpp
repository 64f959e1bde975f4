#include "platform/db_model_fixture.h"

TEST_F(DbModel, ColumnsAreVisibleFieldsAndRowsComeLazily)
{
    EXPECT_EQ(model.rowCount(), 0);
    q.Open();
    q.FieldByName(QStringLiteral("WOJ"))->SetVisible(false);
    q.FieldByName(QStringLiteral("CALL"))->SetDisplayLabel(QStringLiteral("Znak"));
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Znak"));
    EXPECT_LT(model.rowCount(), 100);
    EXPECT_TRUE(model.canFetchMore(QModelIndex()));
    const int before = model.rowCount();
    model.fetchMore(QModelIndex());
    EXPECT_GT(model.rowCount(), before);
    EXPECT_EQ(model.data(model.index(150, 1)).toString(), QStringLiteral("SP151"));
    EXPECT_EQ(model.data(model.index(150, 0), Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
              Qt::AlignRight);
    q.Last(); // fetching by navigation reaches the model too
    EXPECT_EQ(model.rowCount(), 1000);
    EXPECT_FALSE(model.canFetchMore(QModelIndex()));
    q.Close();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(DbModel, ReplacingTheDatasetOfTheSourceResetsTheModel)
{
    q.Open();
    FbQuery other;
    other.SetTransaction(&tr);
    other.SetSQL(QStringLiteral("select CALL from M where ID <= 3"));
    other.Open();
    source.SetDataSet(&other);
    EXPECT_EQ(model.columnCount(), 1);
    EXPECT_EQ(model.rowCount(), other.FetchedCount());
    EXPECT_EQ(other.RecordCount(), 3);
    EXPECT_EQ(model.rowCount(), 3);
    tr.Commit(); // closes both
    EXPECT_EQ(model.rowCount(), 0);
}
