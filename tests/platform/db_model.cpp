#include "platform/db/DataSetModel.h"
#include "platform/db/DataSource.h"
#include "platform/db/FbQuery.h"
#include "platform/db/FbStatement.h"
#include "platform/db/FbUpdateSql.h"
#include "support/TempDb.h"

#include <QSignalSpy>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

class DbModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.Exec(QStringLiteral("create table M (ID integer not null primary key, CALL varchar(14), WOJ char(1))"));
        tr.StartTransaction();
        FbStatement ins(&db.Db(), &tr);
        ins.SetSQL(QStringLiteral("insert into M values (:ID, :CALL, :WOJ)"));
        for (int i = 1; i <= 1000; ++i) {
            ins.ParamByName(QStringLiteral("ID"))->SetAsInteger(i);
            ins.ParamByName(QStringLiteral("CALL"))->SetAsString(QStringLiteral("SP%1").arg(i));
            ins.ParamByName(QStringLiteral("WOJ"))->SetAsString(i % 10 == 0 ? QStringLiteral("D") : QStringLiteral("B"));
            ins.ExecQuery();
        }
        q.SetTransaction(&tr);
        q.SetSQL(QStringLiteral("select * from M order by ID"));
        upd.SetModifySQL({QStringLiteral("update M set CALL = :CALL where ID = :OLD_ID")});
        upd.SetDeleteSQL({QStringLiteral("delete from M where ID = :OLD_ID")});
        q.SetUpdateObject(&upd);
    }
    TempDb db;
    FbTransaction tr{&db.Db()};
    FbQuery q;
    FbUpdateSql upd;
    DataSource source{&q};
    DataSetModel model{&source};
};

} // namespace

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
    EXPECT_EQ(model.data(model.index(150, 0), Qt::TextAlignmentRole).toInt() & Qt::AlignRight, Qt::AlignRight);
    q.Last();  // fetching by navigation reaches the model too
    EXPECT_EQ(model.rowCount(), 1000);
    EXPECT_FALSE(model.canFetchMore(QModelIndex()));
    q.Close();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(DbModel, ViewAndDatasetFollowEachOther)
{
    QTableView view;
    model.Attach(&view);
    q.Open();
    view.resize(400, 300);
    view.show();
    EXPECT_EQ(view.currentIndex().row(), 0);
    if (model.rowCount() < 8)
        model.fetchMore(QModelIndex());
    view.setCurrentIndex(model.index(7, 1));
    EXPECT_EQ(q.FieldByName(QStringLiteral("ID"))->AsInteger(), 8);
    ASSERT_TRUE(q.Locate(QStringLiteral("ID"), 3));
    EXPECT_EQ(view.currentIndex().row(), 2);
    EXPECT_EQ(view.currentIndex().column(), 1);
    q.Last();
    EXPECT_EQ(view.currentIndex().row(), 999);

    // A post repaints its row; a delete removes it.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    q.Edit();
    q.FieldByName(QStringLiteral("CALL"))->SetAsString(QStringLiteral("SQ9ZZZ"));
    q.Post();
    EXPECT_GE(changed.count(), 1);
    EXPECT_EQ(model.data(model.index(999, 1)).toString(), QStringLiteral("SQ9ZZZ"));
    q.Delete();
    EXPECT_EQ(model.rowCount(), 999);
    EXPECT_EQ(view.currentIndex().row(), 998);
}

TEST_F(DbModel, FilteredDatasetShowsOnlyAcceptedRows)
{
    q.OnFilterRecord = [](DataSet &ds, bool &accept) {
        accept = ds.FieldByName(QStringLiteral("WOJ"))->AsString() == u"D";
    };
    QTableView view;
    model.Attach(&view);
    q.Open();
    q.SetFiltered(true);
    EXPECT_EQ(model.rowCount(), 100);
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), QStringLiteral("SP20"));
    view.setCurrentIndex(model.index(4, 0));
    EXPECT_EQ(q.FieldByName(QStringLiteral("ID"))->AsInteger(), 50);
    q.Next();
    EXPECT_EQ(view.currentIndex().row(), 5);
    q.SetFiltered(false);
    EXPECT_EQ(model.rowCount(), 1000);
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
    tr.Commit();  // closes both
    EXPECT_EQ(model.rowCount(), 0);
}
