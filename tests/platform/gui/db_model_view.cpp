#include "platform/db_model_fixture.h"
#include "platform/gui/DataSetView.h"

#include <QSignalSpy>
#include <QTableView>

TEST_F(DbModel, ViewAndDatasetFollowEachOther)
{
    QTableView view;
    AttachView(model, view);
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
    AttachView(model, view);
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

TEST_F(DbModel, ViewScrollsToARowNotYetFetchedAlsoWithItsFirstColumnHidden)
{
    QTableView view;
    AttachView(model, view);
    q.Open();
    view.setColumnHidden(0, true);
    view.resize(400, 300);
    view.show();
    ASSERT_LT(model.rowCount(), 900);
    ASSERT_TRUE(q.Locate(QStringLiteral("ID"), 900));
    const QModelIndex current = view.currentIndex();
    EXPECT_EQ(current.row(), 899);
    EXPECT_EQ(current.column(), 1);
    EXPECT_TRUE(view.selectionModel()->isSelected(current));
    EXPECT_TRUE(view.viewport()->rect().contains(view.visualRect(current)));
}
