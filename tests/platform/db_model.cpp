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

// A row being inserted shows in the cursor's row, so the view must repaint
// that row when the insert starts and when it is cancelled: otherwise the row
// keeps showing text that was never stored.
TEST_F(DbModel, StartingOrCancellingAnInsertRepaintsTheCursorsRow)
{
    q.Open();
    q.SetRecNo(2);
    QList<int> repainted;
    QObject::connect(&model, &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex &from, const QModelIndex &) { repainted << from.row(); });
    const auto callAt = [&](int row) { return model.data(model.index(row, 1)).toString(); };

    q.Insert();
    EXPECT_EQ(repainted, QList<int>{1});
    EXPECT_EQ(callAt(1), QString());
    q.FieldByName(QStringLiteral("CALL"))->SetAsString(QStringLiteral("SP9NEW"));
    EXPECT_EQ(callAt(1), QStringLiteral("SP9NEW"));

    repainted.clear();
    q.Cancel();
    EXPECT_EQ(repainted, QList<int>{1});
    EXPECT_EQ(callAt(1), QStringLiteral("SP2"));
    EXPECT_EQ(model.rowCount(), q.FetchedCount());
}
