#include "grid_fixture.h"

#include "platform/Messages.h"


namespace {

// The grid with its questions answered: each one is recorded and gets `answer`.
class GridEditTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        old = Messages::setHandler([this](Messages::Kind kind, const QString &, const QString &text) {
            if (kind == Messages::Kind::Confirm)
                questions << text;
            return answer;
        });
    }
    void TearDown() override { Messages::setHandler(old); }
    void SelectRecords(std::initializer_list<int> recNos)
    {
        grid->SetMultiSelect(true);
        for (int recNo : recNos) {
            table.SetRecNo(recNo);
            grid->SelectCurrentRow(true);
        }
    }
    // The five QSOs again, nothing selected, nothing asked.
    void Refill()
    {
        table.EmptyMemoryTable();
        AddFiveQsos();
        grid->SetMultiSelect(false);
        grid->SetReadOnly(false);
        grid->SetOptions(grid->Options() | dgConfirmDelete);
        questions.clear();
    }
    QStringList Calls()
    {
        QStringList calls;
        const Bookmark here = table.GetBookmark();
        for (table.First(); !table.Eof(); table.Next())
            calls << Call();
        table.GotoBookmark(here);
        return calls;
    }
    // A grid that walks its cells: no row select, Tab moves between columns.
    void CellGrid()
    {
        grid->SetOptions(dgTitles | dgIndicator | dgColLines | dgRowLines | dgTabs | dgConfirmDelete);
        grid->setFocus();
    }

    Messages::Handler old;
    QStringList questions;
    bool answer = true;
};

TEST_F(GridEditTest, CtrlDeleteAsksAndDeletesTheSelectedRowsOrTheCurrentOne)
{
    const QString one = QString::fromUtf8("Usunąć rekord?");
    const QString all = QString::fromUtf8("Usunąć wszystkie zaznaczone rekordy?");
    struct Case {
        const char *name;
        std::vector<int> selected; // record numbers
        int current;
        bool answer;
        bool readOnly;
        bool confirm;
        QString question; // empty: none asked
        QStringList left;
    } cases[] = {
        {"current row", {}, 2, true, false, true, one, {"SP5ABC", "KA1XYZ", "DL2ÄÖÜ", "SP9KRK"}},
        {"one selected row, not the current", {4}, 1, true, false, true, one,
         {"SP5ABC", "SQ9ŻÓŁ", "KA1XYZ", "SP9KRK"}},
        {"three selected", {1, 3, 5}, 2, true, false, true, all, {"SQ9ŻÓŁ", "DL2ÄÖÜ"}},
        {"answered No", {1, 3, 5}, 2, false, false, true, all,
         {"SP5ABC", "SQ9ŻÓŁ", "KA1XYZ", "DL2ÄÖÜ", "SP9KRK"}},
        {"read-only grid", {}, 2, true, true, true, {}, {"SP5ABC", "SQ9ŻÓŁ", "KA1XYZ", "DL2ÄÖÜ", "SP9KRK"}},
        {"no confirmation", {2, 3}, 1, false, false, false, {}, {"SP5ABC", "DL2ÄÖÜ", "SP9KRK"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Refill();
        for (int recNo : c.selected)
            SelectRecords({recNo});
        table.SetRecNo(c.current);
        grid->SetReadOnly(c.readOnly);
        if (!c.confirm)
            grid->SetOptions(grid->Options() & ~TDBGridOptions(dgConfirmDelete));
        answer = c.answer;
        QTest::keyClick(grid.get(), Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(questions, c.question.isEmpty() ? QStringList() : QStringList{c.question});
        EXPECT_EQ(Calls(), c.left);
        EXPECT_EQ(table.State(), DataSetState::Browse);
    }
}

TEST_F(GridEditTest, CtrlDeleteSkipsASelectedRowThatIsGoneAndOnEmptyTableAsksNothing)
{
    SelectRecords({2, 4});
    table.SetRecNo(4);
    table.Delete(); // the program removes a selected row behind the grid's back
    table.SetRecNo(1);
    QTest::keyClick(grid.get(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Calls(), QStringList({"SP5ABC", "KA1XYZ", "SP9KRK"}));
    questions.clear();
    table.EmptyMemoryTable();
    QTest::keyClick(grid.get(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(questions.isEmpty());
}

TEST_F(GridEditTest, FrozenColumnsAreNeverCurrentAndTheKeysStopAtThem)
{
    CellGrid();
    grid->SetFixedCols(10);
    EXPECT_EQ(grid->FixedCols(), 3) << "one column stays free";
    grid->SetFixedCols(-2);
    EXPECT_EQ(grid->FixedCols(), 0);
    QTest::keyClick(grid.get(), Qt::Key_Home);
    ASSERT_EQ(grid->currentIndex().column(), grid->ModelColumnOf(0));
    grid->SetFixedCols(1);
    EXPECT_EQ(grid->FixedCols(), 1);
    EXPECT_EQ(grid->currentIndex().column(), grid->ModelColumnOf(1)) << "the current column leaves the frozen one";
    auto column = [&] { return grid->GridColumnOf(grid->currentIndex().column()); };
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int column;
        int recNo;
    } steps[] = {
        {Qt::Key_Left, {}, 1, 1},
        {Qt::Key_Right, {}, 2, 1},
        {Qt::Key_Home, {}, 1, 1},
        {Qt::Key_Right, {}, 2, 1},
        {Qt::Key_Right, {}, 3, 1},
        {Qt::Key_Left, Qt::ControlModifier, 1, 1},
        {Qt::Key_Tab, {}, 2, 1},
        {Qt::Key_Tab, {}, 3, 1},
        {Qt::Key_Tab, {}, 1, 2}, // wraps past the frozen column
        {Qt::Key_Backtab, Qt::ShiftModifier, 3, 1},
        {Qt::Key_Backtab, Qt::ShiftModifier, 2, 1},
        {Qt::Key_Backtab, Qt::ShiftModifier, 1, 1},
        {Qt::Key_Backtab, Qt::ShiftModifier, 1, 1}, // nothing before the first row
    };
    int n = 0;
    for (const Step &s : steps) {
        SCOPED_TRACE(n++);
        QTest::keyClick(grid.get(), s.key, s.modifiers);
        EXPECT_EQ(column(), s.column);
        EXPECT_EQ(table.RecNo(), s.recNo);
    }
    EXPECT_TRUE(grid->hasFocus()) << "Tab stays in a grid with dgTabs";
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(3, 0));
    EXPECT_EQ(table.RecNo(), 4);
    EXPECT_EQ(column(), 1) << "a press on a frozen cell picks only the row";
}

// Columns wider than the grid, the first one frozen: whatever scrolls, the
// frozen column stays at the cells' left edge and a layout change keeps the
// column shown beside it.
TEST_F(GridEditTest, AFrozenColumnStaysInSightAndTheLeftColumnIsKept)
{
    CellGrid();
    grid->SetColumns({Col("Stacja", {}, 150), Col("Imie", {}, 200), Col("Miasto", {}, 200), Col("QSL_Odb", {}, 400)});
    grid->SetFixedCols(1);
    QCoreApplication::processEvents();
    const auto leftCol = [&] { return grid->GridColumnOf(grid->columnAt(grid->ColumnWidth(0))); };
    const auto column = [&] { return grid->GridColumnOf(grid->currentIndex().column()); };
    // The grid column painted at the cells' left edge, in the given row.
    const auto columnAtLeftEdge = [&](int row) {
        const QPoint at = grid->viewport()->geometry().topLeft() + QPoint(2, grid->rowViewportPosition(row) + 3);
        QWidget *w = grid->childAt(at);
        auto *view = w ? qobject_cast<QTableView *>(w->parentWidget()) : nullptr;
        if (!view || view == grid.get())
            return -1;
        return grid->GridColumnOf(view->indexAt(view->viewport()->mapFrom(grid.get(), at)).column());
    };
    struct Step {
        Qt::Key key;
        int column;
        int left;
    } steps[] = {
        {Qt::Key_Right, 2, 2}, {Qt::Key_Right, 3, 3}, {Qt::Key_Left, 2, 2}, {Qt::Key_Home, 1, 1},
        {Qt::Key_End, 3, 3},
    };
    int n = 0;
    for (const Step &s : steps) {
        SCOPED_TRACE(n++);
        QTest::keyClick(grid.get(), s.key);
        QCoreApplication::processEvents();
        EXPECT_EQ(column(), s.column);
        EXPECT_EQ(leftCol(), s.left);
        EXPECT_EQ(columnAtLeftEdge(0), 0);
    }
    grid->SetColumnWidth(2, 260); // a column scrolled out of sight on the left
    QCoreApplication::processEvents();
    EXPECT_EQ(leftCol(), 3) << "a width change keeps the left column";
    EXPECT_EQ(columnAtLeftEdge(0), 0);
    grid->SetColumnWidth(0, 180);
    QCoreApplication::processEvents();
    EXPECT_EQ(leftCol(), 3) << "a wider frozen column keeps the left column";
    EXPECT_EQ(columnAtLeftEdge(1), 0);
    table.DisableControls(); // reopened and fetched again, as a query is
    table.Close();
    table.Open();
    Refill();
    table.First();
    table.EnableControls();
    QCoreApplication::processEvents();
    EXPECT_EQ(column(), 3) << "a reopen keeps the current column off the frozen one";
    EXPECT_EQ(leftCol(), 3) << "and keeps the left column";
    EXPECT_EQ(columnAtLeftEdge(0), 0);
    table.SetRecNo(4);
    QTest::mouseClick(grid->childAt(grid->viewport()->geometry().topLeft() + QPoint(2, 2)), Qt::LeftButton, {},
                      QPoint(5, grid->rowViewportPosition(1) + 3));
    EXPECT_EQ(table.RecNo(), 2) << "a press on the frozen column picks the row";
    EXPECT_EQ(column(), 3);
    EXPECT_EQ(leftCol(), 3);
    grid->SetFixedCols(0);
    QTest::keyClick(grid.get(), Qt::Key_Home);
    QCoreApplication::processEvents();
    EXPECT_EQ(columnAtLeftEdge(0), -1) << "without frozen columns the grid shows its own cells only";
}

// A grid of one column never freezes it; the count asked for waits until
// the grid has columns to spare.
TEST_F(GridEditTest, OneColumnIsNeverFrozen)
{
    CellGrid();
    grid->SetColumns({Col("Stacja")});
    grid->SetFixedCols(1);
    EXPECT_EQ(grid->FixedCols(), 0);
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_Right, Qt::Key_Left, Qt::Key_Tab, Qt::Key_Down})
        QTest::keyClick(grid.get(), key);
    EXPECT_EQ(grid->GridColumnOf(grid->currentIndex().column()), 0);
    EXPECT_EQ(table.RecNo(), 3) << "Tab wrapped to the next row, Down went one further";
    grid->SetColumns({Col("Stacja"), Col("Imie"), Col("Miasto")});
    EXPECT_EQ(grid->FixedCols(), 1);
    EXPECT_EQ(grid->GridColumnOf(grid->currentIndex().column()), 1) << "the current column left the frozen one";
}

TEST_F(GridEditTest, TabEndsARangeSelectionOnlyWhenItWrapsToAnotherRow)
{
    CellGrid();
    grid->SetMultiSelect(true);
    QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_EQ(grid->SelectedRows().size(), 3);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(grid.get(), Qt::Key_Tab);
    EXPECT_EQ(grid->SelectedRows().size(), 3) << "moves within the row keep the range";
    EXPECT_EQ(table.RecNo(), 3);
    QTest::keyClick(grid.get(), Qt::Key_Tab);
    EXPECT_EQ(table.RecNo(), 4);
    EXPECT_TRUE(grid->SelectedRows().isEmpty());
    QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->SelectedRows().size(), 2) << "a new range starts at the row the Tab reached";
}

// A dataset that takes fields of any kind.
class AnyFields : public DataSet {
protected:
    void InternalOpen() override { BindDeclaredFields(); }
};

TEST(GridGlyphs, BlobLikeFieldsShowTheGlyphOfTheirKind)
{
    const struct {
        FieldType type;
        int glyph;
    } kinds[] = {
        {FieldType::String, -1},      {FieldType::Integer, -1},    {FieldType::DateTime, -1},
        {FieldType::Bytes, 0},        {FieldType::VarBytes, 0},    {FieldType::Blob, 0},
        {FieldType::TypedBinary, 0},  {FieldType::OraBlob, 0},     {FieldType::Memo, 1},
        {FieldType::FmtMemo, 1},      {FieldType::OraClob, 1},     {FieldType::Graphic, 2},
        {FieldType::ParadoxOle, 3},   {FieldType::DBaseOle, 3},    {FieldType::Cursor, 5},
        {FieldType::Reference, 5},    {FieldType::NestedTable, 5},
    };
    AnyFields table;
    int n = 0;
    for (const auto &k : kinds)
        table.AddField(QStringLiteral("F%1").arg(n++), k.type);
    table.Open();
    DataSource source;
    source.SetDataSet(&table);
    TExDBGrid grid;
    grid.SetDataSource(&source);
    for (const auto &k : kinds) {
        const Field *field = table.Fields()[&k - kinds];
        EXPECT_EQ(grid.GetImageIndex(field), k.glyph) << field->FieldName().toStdString();
    }
    grid.SetShowGlyphs(false);
    EXPECT_EQ(grid.GetImageIndex(table.FieldByName("F5")), -1);
}

TEST_F(GridEditTest, AGlyphCellIsPaintedWithItsBitmap)
{
    TExMemoryData pictures;
    pictures.AddField("Nazwa", FieldType::String, 10);
    pictures.AddField("Obraz", FieldType::Graphic);
    pictures.Open();
    pictures.Append();
    pictures.FieldByName("Nazwa")->SetAsString("mapa");
    pictures.FieldByName("Obraz")->SetAsString(QStringLiteral("\x89PNG"));
    pictures.Post();
    EXPECT_EQ(pictures.FieldByName("Obraz")->AsString(), QStringLiteral("\x89PNG")) << "a memory table keeps the bytes";
    source.SetDataSet(&pictures);
    grid->SetOptions(DefaultGridOptions);
    grid->SetColumns({Col("Nazwa", {}, 60), Col("Obraz", {}, 60)});
    const QModelIndex cell = grid->model()->index(0, grid->ModelColumnOf(1));
    const QRect r = grid->visualRect(cell);
    const QImage shot = grid->viewport()->grab().toImage();
    const QImage &glyph = GetGridBitmap(2);
    const QPoint at(r.x() + (r.width() - glyph.width()) / 2, r.y() + (r.height() - glyph.height()) / 2);
    int same = 0;
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x)
            same += qAlpha(glyph.pixel(x, y)) == 255 && shot.pixel(at + QPoint(x, y)) == glyph.pixel(x, y);
    EXPECT_GT(same, 60) << "the picture glyph stands in the middle of the cell";
    source.SetDataSet(&table);
}

} // namespace
