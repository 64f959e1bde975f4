#include "grid_fixture.h"

#include "controls/DbNavigator.h"
#include "controls/DbUtils.h"
#include "platform/Messages.h"

#include <QToolButton>
#include <QWheelEvent>

namespace {

void Wheel(QWidget *target, int delta)
{
    const QPointF pos(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

TEST_F(GridTest, ArrowAndPagingKeysMoveTheDataSetAndTheViewFollows)
{
    QTest::keyClick(grid.get(), Qt::Key_Down);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(table.RecNo(), 3);
    EXPECT_EQ(grid->currentIndex().row(), 2);
    QTest::keyClick(grid.get(), Qt::Key_Up);
    EXPECT_EQ(Call(), QString::fromUtf8("SQ9ŻÓŁ"));
    QTest::keyClick(grid.get(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(table.RecNo(), 5);
    EXPECT_EQ(grid->currentIndex().row(), 4);
    QTest::keyClick(grid.get(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(table.RecNo(), 1);
    QTest::keyClick(grid.get(), Qt::Key_PageDown);
    EXPECT_EQ(table.RecNo(), 5) << "a page holds more than the five rows";
    QTest::keyClick(grid.get(), Qt::Key_Home);
    EXPECT_EQ(table.RecNo(), 1) << "Home goes to the first record in a row-select grid";
}

TEST_F(GridTest, CtrlUpAndDownGoToTheEdgesOfThePage)
{
    QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(table.RecNo(), 5);
    QTest::keyClick(grid.get(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(table.RecNo(), 1);
}

TEST_F(GridTest, KeysWalkOnlyTheRowsAFilterLetsThrough)
{
    table.OnFilterRecord = [](DataSet &ds, bool &accept) {
        accept = ds.FieldByName("QSL_Odb")->AsString() == "T";
    };
    table.SetFiltered(true);
    EXPECT_EQ(grid->model()->rowCount(), 3);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(Call(), "KA1XYZ");
    EXPECT_EQ(grid->currentIndex().row(), 1);
    QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Call(), "SP9KRK");
    EXPECT_EQ(grid->currentIndex().row(), 2);
}

TEST_F(GridTest, FailureInAHandlerIsShownAsAWarning)
{
    QStringList shown;
    auto old = Messages::setHandler([&](Messages::Kind, const QString &, const QString &text) {
        shown << text;
        return true;
    });
    grid->OnKeyPress = [&](TExDBGrid &, QChar &key) { LocateThrough(table, "Brak", QString(key), 0); };
    grid->OnTitleClick = [](TExDBGrid &, int) { throw DbError(QString::fromUtf8("Błąd sortowania")); };
    QTest::keyClicks(grid.get(), "x");
    QTest::mouseClick(Titles()->viewport(), Qt::LeftButton, {}, TitleCentre(0));
    Messages::setHandler(old);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].contains("Brak"));
    EXPECT_EQ(shown[1], QString::fromUtf8("Błąd sortowania"));
}

// Down on the last row appends only where a record may be added; elsewhere,
// as on a query that cannot be updated, it does nothing and says nothing. Nor
// do the cell editor and the navigator offer changes to such a dataset.
TEST_F(GridTest, DownOnTheLastRowAppendsOnlyWhereTheGridAndTheDataSetMayChange)
{
    QStringList said;
    const Messages::Handler old = Messages::setHandler([&](Messages::Kind, const QString &, const QString &text) {
        said << text;
        return false;
    });
    const struct Case {
        const char *name;
        bool editing, gridReadOnly, dataSetReadOnly, appends;
    } cases[] = {
        {"editing grid", true, false, false, true},
        {"no dgEditing", false, false, false, false},
        {"read-only grid", true, true, false, false},
        {"read-only dataset", true, false, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        if (table.State() != DataSetState::Browse)
            table.Cancel();
        grid->SetOptions(c.editing ? grid->Options() | dgEditing : grid->Options() & ~TDBGridOptions(dgEditing));
        grid->SetReadOnly(c.gridReadOnly);
        table.readOnly = c.dataSetReadOnly;
        table.Last();
        QTest::keyClick(grid.get(), Qt::Key_Down);
        EXPECT_EQ(table.State(), c.appends ? DataSetState::Insert : DataSetState::Browse);
        if (!c.appends) {
            EXPECT_EQ(table.RecNo(), 5);
        }
    }
    EXPECT_TRUE(said.isEmpty()) << said.join('|').toStdString();

    table.Cancel();
    grid->SetReadOnly(false);
    grid->SetCellEditing(true);
    const QModelIndex name = grid->model()->index(1, grid->ModelColumnOf(1));
    EXPECT_FALSE(grid->model()->flags(name) & Qt::ItemIsEditable) << "no cell editor on a read-only dataset";
    TDBNavigator nav;
    nav.SetDataSet(&table);
    nav.RefreshButtons();
    for (auto b : {TDBNavigator::nbInsert, TDBNavigator::nbDelete, TDBNavigator::nbEdit})
        EXPECT_FALSE(nav.ButtonAt(b)->isEnabled()) << b;
    EXPECT_TRUE(nav.ButtonAt(TDBNavigator::nbFirst)->isEnabled());
    Messages::setHandler(old);
}

TEST_F(GridTest, CtrlDeleteDeletesNothing)
{
    QTest::keyClick(grid.get(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(table.RecordCount(), 5);
}

// Ctrl+Delete, confirmed: the record that followed the deleted one is current
// in the table and the grid; after the last one, the one before it.
TEST_F(GridTest, ConfirmedCtrlDeleteLeavesTheFollowingRecordCurrent)
{
    const auto old =
        Messages::setHandler([](Messages::Kind, const QString &, const QString &) { return true; });
    struct Case {
        int recNo;
        const char *current;
    };
    for (const Case c : {Case{2, "KA1XYZ"}, Case{4, "DL2ÄÖÜ"}, Case{1, "KA1XYZ"}}) {
        table.SetRecNo(c.recNo);
        QTest::keyClick(grid.get(), Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(Call(), QString::fromUtf8(c.current));
        EXPECT_EQ(grid->currentIndex().row(), table.RecNo() - 1);
    }
    EXPECT_EQ(table.RecordCount(), 2);
    Messages::setHandler(old);
}

TEST_F(GridTest, TypedCharacterGoesToOnKeyPressAndJumpsLikeTheMainWindow)
{
    QStringList typed;
    grid->OnKeyPress = [&](TExDBGrid &, QChar &key) {
        typed << QString(key);
        LocateThrough(table, "Stacja", QString(key), LocateCaseInsensitive | LocatePartialKey);
    };
    QTest::keyClicks(grid.get(), "k");
    EXPECT_EQ(Call(), "KA1XYZ");
    EXPECT_EQ(grid->currentIndex().row(), 2);
    QTest::keyClicks(grid.get(), "s");
    EXPECT_EQ(Call(), "SP5ABC") << "characters do not accumulate into a longer prefix";
    EXPECT_EQ(typed, QStringList({"k", "s"}));
}

TEST_F(GridTest, ConsumedKeyDownNeverReachesTheGrid)
{
    int enters = 0;
    grid->OnKeyDown = [&](TExDBGrid &, int &key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Return)
            ++enters;
        if (key == Qt::Key_Down)
            key = 0;
    };
    QTest::keyClick(grid.get(), Qt::Key_Down);
    QTest::keyClick(grid.get(), Qt::Key_Return);
    EXPECT_EQ(table.RecNo(), 1);
    EXPECT_EQ(enters, 1);
}

TEST_F(GridTest, WheelMovesOneRecordPerNotchUnlessHandled)
{
    Wheel(grid->viewport(), -120);
    Wheel(grid->viewport(), -120);
    EXPECT_EQ(table.RecNo(), 3);
    Wheel(grid->viewport(), 120);
    EXPECT_EQ(table.RecNo(), 2);
    Wheel(grid->viewport(), -60);
    EXPECT_EQ(table.RecNo(), 2) << "half a notch waits for the other half";
    Wheel(grid->viewport(), -60);
    EXPECT_EQ(table.RecNo(), 3);
    int handled = 0;
    grid->OnMouseWheelDown = [&](TExDBGrid &) { return ++handled > 0; };
    Wheel(grid->viewport(), -120);
    EXPECT_EQ(table.RecNo(), 3);
    EXPECT_EQ(handled, 1);
}

TEST_F(GridTest, ClickOnARowAndDoubleClick)
{
    int doubles = 0;
    grid->OnDblClick = [&](TExDBGrid &) { ++doubles; };
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(3, 1));
    EXPECT_EQ(table.RecNo(), 4);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(3, 1));
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(table.State(), DataSetState::Browse) << "a read-only grid starts no editor";
}

TEST_F(GridTest, MultiSelectionWithShiftAndCtrlClick)
{
    grid->SetMultiSelect(true);
    QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->SelectedRows().size(), 3);
    QTest::keyClick(grid.get(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(grid->SelectedRows().size(), 2) << "moving back towards the anchor deselects";
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_TRUE(grid->SelectedRows().isEmpty());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(4, 0));
    EXPECT_EQ(grid->SelectedRows().size(), 1);
    grid->SetMultiSelect(false);
    EXPECT_TRUE(grid->SelectedRows().isEmpty());
}

} // namespace
