#include "grid_fixture.h"

#include "core/DisplayText.h"
#include "platform/Messages.h"
#include "support/GridTitles.h"

#include <QScreen>
#include <algorithm>

namespace {

TEST_F(GridTest, DefaultColumnsShowEveryVisibleField)
{
    EXPECT_EQ(grid->ColumnCount(), 4);
    EXPECT_EQ(grid->ColumnField(2)->FieldName(), "Miasto");
    EXPECT_EQ(grid->CellText(grid->model()->index(1, 2)), QString::fromUtf8("Gdańsk"));
}

TEST_F(GridTest, ProgramColumnsChooseOrderTitlesAndWidths)
{
    grid->SetColumns({Col("MIASTO", QString::fromUtf8("Miejscowość"), 120), Col("Stacja", "Stacja", 70),
                      Col("QSL_ODB", "QSL O", 40, Qt::AlignHCenter, true)});
    EXPECT_EQ(grid->ColumnCount(), 3);
    EXPECT_EQ(grid->ColumnField(0)->FieldName(), "Miasto");
    EXPECT_EQ(grid->ColumnWidth(0), 120);
    EXPECT_EQ(grid->ColumnWidth(2), 40);
    EXPECT_TRUE(Titles()->isSectionHidden(1)) << "Imie is not a column";
    EXPECT_EQ(Titles()->visualIndex(grid->ModelColumnOf(0)), 0);
    EXPECT_LT(Titles()->sectionViewportPosition(grid->ModelColumnOf(0)),
              Titles()->sectionViewportPosition(grid->ModelColumnOf(1)));

    Titles()->resizeSection(grid->ModelColumnOf(1), 90);
    EXPECT_EQ(grid->Columns()[1].Width, 90) << "a resized width is kept, e.g. for the registry";
    table.Close();
    table.Open();
    EXPECT_EQ(grid->ColumnWidth(1), 90) << "reopening keeps the layout";
    EXPECT_TRUE(Titles()->isSectionHidden(grid->model()->columnCount() > 1 ? 1 : 0));
    EXPECT_EQ(grid->ColumnField(0)->FieldName(), "Miasto");
}

// A dataset not opened yet has no fields: the program's columns show their
// titles all the same, as they will once it opens.
TEST_F(GridTest, ProgramColumnsShowTheirTitlesBeforeTheDataSetIsFirstOpened)
{
    TExMemoryData later;
    later.AddField("Stacja", FieldType::String, 12);
    later.AddField("Miasto", FieldType::String, 30);
    DataSource laterSource(&later);
    TExDBGrid g;
    g.SetColumns({Col("MIASTO", QString::fromUtf8("Miejscowość"), 120), Col("Stacja", "Stacja", 70)});
    g.SetDataSource(&laterSource);
    g.resize(400, 150);
    g.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
    EXPECT_FALSE(g.LinkActive());
    std::vector<QImage> before;
    for (int c = 0; c < 2; ++c) {
        ASSERT_GE(g.ModelColumnOf(c), 0);
        EXPECT_EQ(g.ColumnWidth(c), g.Columns()[size_t(c)].Width);
        before.push_back(TitlePicture(g, c));
    }
    later.Open();
    EXPECT_EQ(g.ColumnField(0), later.FieldByName("Miasto"));
    for (int c = 0; c < 2; ++c)
        EXPECT_EQ(TitlePicture(g, c), before[size_t(c)]) << c;
}

TEST_F(GridTest, CheckMarkColumnsShowTheTick)
{
    const QString tick = QString(QChar(CheckMarkChar));
    grid->SetColumns({Col("Stacja"), Col("Imie"), Col("QSL_Odb", "QSL O", 40, Qt::AlignHCenter, true)});
    Field *qsl = table.FieldByName("QSL_Odb");
    qsl->OnGetText = [](Field &f, QString &text, bool) { text = CheckMarkForFlag(f.AsString()); };
    const QModelIndex first = grid->model()->index(0, grid->ModelColumnOf(2));
    const QModelIndex second = grid->model()->index(1, grid->ModelColumnOf(2));
    EXPECT_EQ(grid->CellText(first), tick);
    EXPECT_EQ(grid->CellText(second).trimmed(), "");
    // The statistics write the old mark character; a check-mark column shows it as the tick too.
    qsl->OnGetText = [](Field &, QString &text, bool) { text = QString(QChar(0xD6)) + QChar(0xD6); };
    EXPECT_EQ(grid->CellText(first), tick + tick);
    const QModelIndex name = grid->model()->index(0, grid->ModelColumnOf(1));
    table.Edit();
    table.FieldByName("Imie")->SetAsString(QString::fromUtf8("Östen"));
    table.Post();
    EXPECT_EQ(grid->CellText(name), QString::fromUtf8("Östen")) << "other columns keep their letters";
}

TEST_F(GridTest, CellEventsSetColoursAndKeepTheHighlightTextColour)
{
    QStringList fields;
    grid->OnGetCellProps = [&](TExDBGrid &, Field *field, TGridFont &font, QColor &background) {
        fields << field->FieldName();
        font.Color = Qt::red;
        background = Qt::yellow;
    };
    grid->viewport()->grab();
    EXPECT_TRUE(fields.contains("Miasto"));
    TGridFont font{grid->font(), Qt::white};
    QColor background = Qt::blue;
    grid->GetCellProps(table.FieldByName("Stacja"), font, background, true);
    EXPECT_EQ(font.Color, QColor(Qt::white)) << "a highlighted cell keeps its text colour";
    EXPECT_EQ(background, QColor(Qt::yellow));
    bool params = false;
    grid->OnGetCellParams = [&](TExDBGrid &, Field *, TGridFont &f, QColor &, bool highlight) {
        params = highlight;
        f.Color = Qt::green;
    };
    grid->GetCellProps(table.FieldByName("Stacja"), font, background, true);
    EXPECT_TRUE(params);
    EXPECT_EQ(font.Color, QColor(Qt::green)) << "OnGetCellParams alone decides";
}

// Rows in the multiselection paint highlighted, the cell events hear so, and
// the indicator marks them: a dot, and on the current row a mark of its own.
TEST_F(GridTest, MultiSelectedRowsPaintHighlightedAndCarryTheIndicatorMarks)
{
    grid->SetMultiSelect(true);
    for (int recNo : {2, 4}) {
        table.SetRecNo(recNo);
        grid->SelectCurrentRow(true);
    }
    table.SetRecNo(1);
    std::vector<bool> heard;
    grid->OnGetCellParams = [&](TExDBGrid &, Field *, TGridFont &, QColor &, bool highlight) {
        heard.push_back(highlight);
    };
    const QImage cells = grid->viewport()->grab().toImage();
    const int call = grid->ModelColumnOf(0);
    std::vector<bool> painted;
    for (int row = 0; row < 5; ++row) {
        const QPoint inside(grid->columnViewportPosition(call) + 1, grid->rowViewportPosition(row) + 1);
        painted.push_back(cells.pixelColor(inside) == grid->palette().color(QPalette::Highlight));
    }
    EXPECT_EQ(painted, std::vector<bool>({true, true, false, true, false})) << "the current row, then rows 2 and 4";
    ASSERT_EQ(heard.size() % 5, 0u);
    EXPECT_EQ(std::count(heard.begin(), heard.end(), true), 3 * heard.size() / 5) << "of " << heard.size();

    const auto indicators = [&] {
        QHeaderView *indicator = grid->verticalHeader();
        const QImage all = indicator->viewport()->grab().toImage();
        std::vector<QImage> rows;
        for (int row = 0; row < 5; ++row)
            rows.push_back(all.copy(0, indicator->sectionViewportPosition(row), all.width(),
                                    indicator->sectionSize(row)));
        return rows;
    };
    const std::vector<QImage> marks = indicators();
    EXPECT_EQ(marks[1], marks[3]) << "both selected rows show the dot";
    EXPECT_EQ(marks[2], marks[4]) << "rows outside the selection show nothing";
    EXPECT_NE(marks[1], marks[2]);
    EXPECT_NE(marks[0], marks[1]) << "the current row shows the arrow";
    grid->SelectCurrentRow(true);
    const QImage selectedCurrent = indicators()[0];
    EXPECT_NE(selectedCurrent, marks[0]) << "a selected current row has its own mark";
    EXPECT_NE(selectedCurrent, marks[1]);
}

// The focus frame of a row-select grid spans the row beyond its last column;
// moving and scrolling leave none of it behind on other rows of the screen.
TEST_F(GridTest, TheRowFocusFrameLeavesNoTrailWhenTheRowMovesOrTheGridScrolls)
{
    for (int i = 0; i < 6; ++i)
        AddFiveQsos();
    table.First();
    grid->SetColumns({Col("Stacja", {}, 80), Col("Imie", {}, 80)});
    grid->activateWindow();
    grid->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(grid.get()));
    grid->setAttribute(Qt::WA_KeyboardFocusChange); // the style draws focus frames after keyboard use
    const auto framedRows = [&] {
        QCoreApplication::processEvents();
        const QImage shown = grid->screen()->grabWindow(grid->winId()).toImage();
        const QPoint origin = grid->viewport()->mapTo(grid.get(), QPoint(0, 0));
        const QColor base = grid->palette().color(QPalette::Base);
        const int x = origin.x() + grid->columnViewportPosition(grid->ModelColumnOf(1)) +
                      grid->columnWidth(grid->ModelColumnOf(1)) + 20; // beyond the last column
        QList<int> rows;
        for (int y = 0; y < grid->viewport()->height(); ++y)
            if (shown.pixelColor(x, origin.y() + y) != base) {
                const int row = grid->rowAt(y);
                if (!rows.contains(row))
                    rows << row;
            }
        return rows;
    };
    // Two rows down, to the end, a page up (the current row at the top), then
    // up twice, each scrolling by a row.
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Down, {}}, {Qt::Key_Down, {}}, {Qt::Key_End, Qt::ControlModifier},
        {Qt::Key_PageUp, {}}, {Qt::Key_Up, {}}, {Qt::Key_Up, {}}};
    for (auto [key, modifiers] : keys) {
        QTest::keyClick(grid.get(), key, modifiers);
        EXPECT_EQ(framedRows(), QList<int>{grid->currentIndex().row()}) << key;
    }
}

TEST_F(GridTest, RowsAndTitlesFollowTheGridFontUntilSetThemselves)
{
    QFont big = grid->font();
    big.setPixelSize(30);
    grid->setFont(big);
    EXPECT_GE(grid->RowsHeight(), 30);
    EXPECT_EQ(grid->TitleFont().Font.pixelSize(), 30);
    grid->SetRowsHeight(18);
    QFont small = big;
    small.setPixelSize(10);
    grid->setFont(small);
    EXPECT_EQ(grid->RowsHeight(), 18);
}

TEST_F(GridTest, DetachingAndAttachingTheDataSource)
{
    grid->SetDataSource(nullptr);
    EXPECT_FALSE(grid->LinkActive());
    table.Last();
    QTest::keyClick(grid.get(), Qt::Key_Up);
    EXPECT_EQ(table.RecNo(), 5) << "a detached grid moves nothing";
    grid->SetDataSource(&source);
    EXPECT_TRUE(grid->LinkActive());
    EXPECT_EQ(grid->currentIndex().row(), 4);
}

} // namespace
