#include "grid_fixture.h"

#include "controls/DrawUtils.h"
#include "support/GridTitles.h"

namespace {

// Records the title events in the order they arrive.
class GridTitleTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        grid->OnTitleBtnClick = [this](TExDBGrid &, int column, Field *field) {
            log << QStringLiteral("btn %1 %2").arg(column).arg(field ? field->FieldName() : "-");
        };
        grid->OnTitleClick = [this](TExDBGrid &, int column) {
            log << QStringLiteral("title %1").arg(column);
        };
    }
    QWidget *Area() { return Titles()->viewport(); }
    QStringList log;
};

TEST_F(GridTitleTest, ClickOnTitleRaisesButtonClickThenTitleClick)
{
    QTest::mouseClick(Area(), Qt::LeftButton, {}, TitleCentre(1));
    EXPECT_EQ(log, QStringList({"btn 1 Imie", "title 1"}));
    EXPECT_FALSE(grid->Tracking());
    EXPECT_FALSE(grid->Pressed());
}

TEST_F(GridTitleTest, ReleaseOverAnotherTitleGivesOnlyTheBaseTitleClick)
{
    QTest::mousePress(Area(), Qt::LeftButton, {}, TitleCentre(0));
    EXPECT_TRUE(grid->Pressed());
    QTest::mouseMove(Area(), TitleCentre(2));
    EXPECT_FALSE(grid->Pressed()) << "the button comes up as soon as the pointer leaves it";
    EXPECT_TRUE(grid->Tracking());
    QTest::mouseRelease(Area(), Qt::LeftButton, {}, TitleCentre(2));
    EXPECT_EQ(log, QStringList({"title 2"}));
}

TEST_F(GridTitleTest, MovingBackOverThePressedTitlePressesItAgain)
{
    QTest::mousePress(Area(), Qt::LeftButton, {}, TitleCentre(0));
    QTest::mouseMove(Area(), TitleCentre(1));
    QTest::mouseMove(Area(), TitleCentre(0));
    EXPECT_TRUE(grid->Pressed());
    QTest::mouseRelease(Area(), Qt::LeftButton, {}, TitleCentre(0));
    EXPECT_EQ(log, QStringList({"btn 0 Stacja", "title 0"}));
}

TEST_F(GridTitleTest, DisabledTitleButtonBeepsAndDoesNothing)
{
    int beeps = 0;
    auto old = SetBeepHandler([&] { ++beeps; });
    grid->OnCheckButton = [](TExDBGrid &, int column, Field *, bool &enabled) { enabled = column != 1; };
    QTest::mousePress(Area(), Qt::LeftButton, {}, TitleCentre(1));
    EXPECT_EQ(beeps, 1);
    EXPECT_FALSE(grid->Tracking());
    QTest::mouseRelease(Area(), Qt::LeftButton, {}, TitleCentre(1));
    SetBeepHandler(old);
    EXPECT_FALSE(log.contains("btn 1 Imie"));
    EXPECT_EQ(table.RecNo(), 1);
}

TEST_F(GridTitleTest, WithoutTitleButtonsOnlyTheTitleClickFires)
{
    grid->SetTitleButtons(false);
    QTest::mouseClick(Area(), Qt::LeftButton, {}, TitleCentre(2));
    EXPECT_EQ(log, QStringList({"title 2"}));
}

TEST_F(GridTitleTest, RightButtonIsTakenAsLeftForTheTitleClickOnly)
{
    QTest::mouseClick(Area(), Qt::RightButton, {}, TitleCentre(1));
    EXPECT_EQ(log, QStringList({"title 1"}));
}

// Dark pixels in the right end of a title, where the marker goes.
int MarkerInk(QHeaderView *header, int logical)
{
    const QImage image = header->viewport()->grab().toImage();
    const int right = header->sectionViewportPosition(logical) + header->sectionSize(logical);
    int ink = 0;
    for (int x = right - 16; x < right - 2; ++x)
        for (int y = 2; y < image.height() - 2; ++y)
            ink += qGray(image.pixel(x, y)) < 110;
    return ink;
}

TEST_F(GridTitleTest, SortMarkerShowsOnlyOnTheColumnTheWindowMarks)
{
    QStringList asked;
    bool sawDown = false;
    grid->OnGetBtnParams = [&](TExDBGrid &, Field *field, TGridFont &, QColor &, TSortMarker &marker,
                               bool isDown) {
        asked << field->FieldName();
        sawDown = sawDown || isDown;
        if (field->FieldName().compare("MIASTO", Qt::CaseInsensitive) == 0)
            marker = smUp;
    };
    const int miasto = grid->ModelColumnOf(2);
    const int imie = grid->ModelColumnOf(1);
    EXPECT_GT(MarkerInk(Titles(), miasto), 6);
    EXPECT_EQ(MarkerInk(Titles(), imie), 0);
    EXPECT_TRUE(asked.contains("Stacja"));
    QTest::mousePress(Area(), Qt::LeftButton, {}, TitleCentre(2));
    Titles()->viewport()->grab();
    EXPECT_TRUE(sawDown) << "the pressed title is drawn down";
    QTest::mouseRelease(Area(), Qt::LeftButton, {}, TitleCentre(2));
}

TEST_F(GridTitleTest, NarrowTitleDropsTheMarkerThatDoesNotFit)
{
    TSortMarker wanted = smDown;
    // The caption is written in the background colour so that only the marker shows.
    grid->OnGetBtnParams = [&](TExDBGrid &, Field *, TGridFont &font, QColor &background, TSortMarker &marker,
                               bool) {
        font.Color = background;
        marker = wanted;
    };
    const int imie = grid->ModelColumnOf(1);
    auto section = [&] {
        const QRect r(Titles()->sectionViewportPosition(imie), 0, Titles()->sectionSize(imie),
                      Titles()->height());
        return Titles()->viewport()->grab(r).toImage();
    };
    Titles()->setMinimumSectionSize(1);
    Titles()->resizeSection(imie, 14);
    ASSERT_EQ(Titles()->sectionSize(imie), 14);
    const QImage narrowWithMarker = section();
    wanted = smNone;
    EXPECT_EQ(section(), narrowWithMarker);
    Titles()->resizeSection(imie, 80);
    const QImage wideWithout = section();
    wanted = smDown;
    EXPECT_NE(section(), wideWithout);
}

// A fitted width shows the title whole as the title row paints it, with or
// without the sort marker, and a pixel less shortens it; sizing a column to
// its contents gives the title that width, with room for the marker on a
// grid whose window marks columns.
TEST_F(GridTitleTest, FittedWidthsShowTheTitleWholeAsPainted)
{
    bool marked = false;
    grid->OnGetBtnParams = [&](TExDBGrid &, Field *, TGridFont &, QColor &, TSortMarker &marker, bool) {
        if (marked)
            marker = smUp;
    };
    grid->SetColumns({Col("Stacja", QString::fromUtf8("Raport odebrany")), Col("Imie", "Typ emisji"),
                      Col("Miasto", "QSL W")});
    for (bool withMarker : {false, true}) {
        marked = withMarker;
        for (int c = 0; c < 3; ++c) {
            const QString title = grid->Columns()[size_t(c)].Title;
            const int fitted = grid->FitColumnWidth(8, title, QString(), withMarker);
            grid->SetColumnWidth(c, fitted);
            EXPECT_TRUE(TitleShownWhole(*grid, c, withMarker)) << title.toStdString() << withMarker;
            grid->SetColumnWidth(c, fitted - 1);
            EXPECT_FALSE(TitleShownWhole(*grid, c, withMarker)) << title.toStdString() << withMarker;
            EXPECT_EQ(Titles()->sectionSizeHint(grid->ModelColumnOf(c)),
                      grid->FitColumnWidth(0, title, QString(), true));
        }
    }
    // A wider value or a wider given width wins.
    EXPECT_GT(grid->FitColumnWidth(0, "QSL W", QString(40, u'W')), grid->FitColumnWidth(0, "QSL W"));
    EXPECT_EQ(grid->FitColumnWidth(500, "QSL W", "SP5ABC", true), 500);
}

TEST_F(GridTest, OptionsReportMultiSelectAndRowsHeightWidensTitleRow)
{
    grid->SetMultiSelect(true);
    EXPECT_TRUE(grid->Options() & dgMultiSelect);
    grid->SetOptions(grid->Options() & ~TDBGridOptions(dgMultiSelect));
    EXPECT_FALSE(grid->MultiSelect());
    grid->SetRowsHeight(20);
    EXPECT_EQ(grid->RowsHeight(), 20);
    EXPECT_EQ(grid->horizontalHeader()->height(), 22);
}

} // namespace
