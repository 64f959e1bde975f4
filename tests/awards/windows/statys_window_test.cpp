// The statistics window driven through its widgets over the award fixture
// log (support/AwardsFixture.h): a run on every tab, the zone boxes and the
// continent table, the QSO list behind one result of each kind, and what the
// window does while a run goes on and after one fails.

#include "awards/StatTables.h"
#include "awards/windows/FPrefixDetFrm.h"
#include "awards/windows/FStatysFrm.h"
#include "controls/ButtonEdit.h"
#include "controls/ExDBCtrl.h"
#include "controls/TextBox.h"
#include "core/Geography.h"
#include "report/layout/RpPit.h"
#include "support/AwardsFixture.h"
#include "support/GridTitles.h"

#include <QApplication>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

const QString Tick = QString(QChar(0x2713));
const QString Ticks = Tick + Tick;

// What a QSO list showed: caption, the where line of its query and the calls.
struct ShownList {
    bool opened = false;
    QString caption, where;
    QStringList calls;
};

class StatysWindow : public AwardsLogTest {
protected:
    void SetUp() override
    {
        AwardsLogTest::SetUp();
        frm = std::make_unique<TStatysFrm>();
        frm->show();
    }
    void TearDown() override
    {
        frm.reset();
        AwardsLogTest::TearDown();
    }

    void Run(QWidget *page)
    {
        frm->PageControl->setCurrentWidget(page);
        QTest::mouseClick(frm->ObliczBtn, Qt::LeftButton);
    }

    // The text a grid shows in the row whose first column holds `key`, in
    // the column titled `title`; "?" when there is no such row or column.
    static QString Cell(TExDBGrid *grid, const QString &key, const QString &title)
    {
        int column = -1;
        for (int c = 0; c < grid->ColumnCount(); ++c)
            if (grid->Columns()[c].Title == title)
                column = c;
        QAbstractItemModel *m = grid->model();
        for (int row = 0; column >= 0 && row < m->rowCount(); ++row)
            if (grid->CellText(m->index(row, grid->ModelColumnOf(0))).trimmed() == key)
                return grid->CellText(m->index(row, grid->ModelColumnOf(column)));
        return QStringLiteral("?");
    }

    // Runs the action and records the QSO list it opens, closing it again.
    static ShownList Capture(const std::function<void()> &action,
                             const std::function<void(TPrefixDetFrm &)> &inspect = {})
    {
        ShownList shown;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto *list = qobject_cast<TPrefixDetFrm *>(QApplication::activeModalWidget());
            if (!list)
                return;
            shown.opened = true;
            shown.caption = list->windowTitle();
            shown.where = list->Stacje.SQL().value(2);
            for (list->Stacje.First(); !list->Stacje.Eof(); list->Stacje.Next())
                shown.calls << list->Stacje.FieldByName(QStringLiteral("Stacja"))->AsString();
            if (inspect)
                inspect(*list);
            list->ZamknijBtn->click();
        });
        watch.start(0);
        action();
        return shown;
    }

    // Enter on the grid's row whose key field holds the key.
    ShownList EnterOn(TStatGridTab &tab, const QString &keyField, const QString &key)
    {
        if (!tab.Tbl->Locate(keyField, key, LocateCaseInsensitive))
            return {};
        return Capture([&] { QTest::keyClick(tab.Grid, Qt::Key_Return); });
    }

    std::unique_ptr<TStatysFrm> frm;
};

}

TEST_F(StatysWindow, EveryTabRunsItsStatisticAndShowsItWhenDone)
{
    const struct {
        TStatGridTab &tab;
        const char *key, *title, *shown;
    } cases[] = {
        {frm->Dxcc, "SP", "80 m", "✓✓"},
        {frm->Dxcc, "SP", "4 m", "✓✓"},
        {frm->Dxcc, "SP", "20 m", "✓ "},
        {frm->DxccRaz, "DL", "Łączność / Potwierdzenie", "✓✓"},
        {frm->Iota, "NA-046", "Łączność / Potwierdzenie", "✓✓"},
        {frm->Spa, "AB", "2 m", "✓✓"},
        {frm->Gmina, "D0101", "80 m", "✓✓"},
        {frm->Zamek, "ZM003", "6 m", "✓ "},
        {frm->Lokator, "JO72", "2 m", "✓✓"},
        {frm->Lokator, "jo72", "2 m", "✓✓"},
    };
    for (TStatGridTab *tab :
         {&frm->Dxcc, &frm->DxccRaz, &frm->Iota, &frm->Spa, &frm->Gmina, &frm->Zamek, &frm->Lokator}) {
        Run(tab->Page);
        EXPECT_EQ(tab->Grid->dataSource(), tab->DS);
        EXPECT_FALSE(tab->PostepBox->isVisible());
        EXPECT_TRUE(frm->ObliczBtn->isEnabled() && frm->ZamknijBtn->isEnabled() && tab->Ed->isEnabled());
        EXPECT_EQ(tab->Tbl->RecNo(), 1);
    }
    for (const auto &c : cases)
        EXPECT_EQ(Cell(c.tab.Grid, c.key, QString::fromUtf8(c.title)), QString::fromUtf8(c.shown))
            << c.key << " " << c.title;
    // Every district name shows whole, and so does every title.
    TExDBGrid &spa = *frm->Spa.Grid;
    const QFontMetrics cells(spa.font());
    for (const District &d : Districts())
        EXPECT_LE(cells.horizontalAdvance(QString::fromUtf16(d.Text)) + 5, spa.ColumnWidth(1));
    // The window opens wide enough for the widest table, as far as the screen allows.
    frm->PageControl->setCurrentWidget(frm->SPATab);
    EXPECT_TRUE(spa.horizontalHeader()->length() <= spa.viewport()->width() ||
                frm->width() >= frm->screen()->availableGeometry().width());
    for (int c = 0; c < spa.ColumnCount(); ++c)
        EXPECT_TRUE(TitleShownWhole(spa, c, false)) << spa.Columns()[c].Title.toStdString();
    // The other tabs keep their results while one is computed again.
    Run(frm->IotaTab);
    EXPECT_EQ(Cell(frm->Dxcc.Grid, "SP", "80 m"), Ticks);

    // Typing in lower case shows upper case and finds the first row that begins with it.
    frm->PageControl->setCurrentWidget(frm->IotaTab);
    QTest::keyClicks(frm->Iota.Ed, "eu");
    EXPECT_EQ(frm->Iota.Ed->text(), "EU");
    EXPECT_EQ(frm->Tables().IotaTbl.FieldByName("Iota")->AsString(), "EU-005");
    // Enter in a search edit starts no run (which would move to the first row).
    QTest::keyClick(frm->Iota.Ed, Qt::Key_Return);
    EXPECT_EQ(frm->Tables().IotaTbl.FieldByName("Iota")->AsString(), "EU-005");
    frm->Iota.Ed->Button()->Click();
    EXPECT_EQ(frm->Iota.Ed->text(), QString());
    // A castle symbol is searched whole.
    frm->PageControl->setCurrentWidget(frm->ZamekTab);
    QTest::keyClicks(frm->Zamek.Ed, "zm002");
    EXPECT_EQ(frm->Tables().ZamekTbl.FieldByName("Symbol")->AsString(), "ZM002");
}

TEST_F(StatysWindow, ZoneBoxesTakeTheirColoursAndTheCountersTheirCounts)
{
    EXPECT_EQ(frm->CqBoxes[8]->toolTip(), "Sterfa Indii wschodnich");
    EXPECT_EQ(frm->CqBoxes[1]->toolTip(), "Północno-zachodnia część\nAmeryki Północnej");
    Run(frm->StrefaTab);
    const QColor white(255, 255, 255), yellow(255, 255, 0), lime(0, 255, 0);
    const struct {
        TTextBox *box;
        QColor colour;
    } boxes[] = {{frm->ItuBoxes[28], lime},   {frm->ItuBoxes[8], lime},   {frm->ItuBoxes[27], yellow},
                 {frm->ItuBoxes[75], yellow}, {frm->ItuBoxes[1], white},  {frm->CqBoxes[15], lime},
                 {frm->CqBoxes[30], yellow},  {frm->CqBoxes[33], yellow}, {frm->CqBoxes[1], white}};
    for (const auto &b : boxes)
        EXPECT_EQ(b.box->Brush().color(), b.colour) << b.box->objectName().toStdString();
    const std::pair<TRpIntBox *, int> counters[] = {{frm->ITULacz, 8}, {frm->ITUPotw, 4}, {frm->ITUPoz, 71},
                                                    {frm->CQLacz, 7},  {frm->CQPotw, 4},  {frm->CQPoz, 36}};
    for (const auto &[box, value] : counters)
        EXPECT_EQ(box->FormattedText(), QString::number(value));
    EXPECT_FALSE(frm->PostepZoneBox->isVisible());

    const ShownList itu = Capture([&] { QTest::mouseClick(frm->ItuBoxes[27], Qt::LeftButton); });
    EXPECT_EQ(itu.caption, "Łączności - [Strefa ITU: 27]");
    EXPECT_EQ(itu.where, "Where ITU=:Strefa");
    EXPECT_EQ(itu.calls, QStringList({"GB1AA"}));
    EXPECT_EQ(Capture([&] { QTest::mouseClick(frm->CqBoxes[30], Qt::LeftButton); }).calls,
              QStringList({"VK2AAA"}));
    EXPECT_FALSE(Capture([&] { QTest::mouseClick(frm->ItuBoxes[1], Qt::LeftButton); }).opened);
}

TEST_F(StatysWindow, ContinentTableShowsCountsMarksAndGauges)
{
    Run(frm->KontTab);
    const struct {
        int row, worked, confirmed;
        const char *lacz, *potw;
    } rows[] = {{0, 2, 1, "✓", "✓"}, {1, 0, 0, "", ""}, {3, 16, 8, "✓", "✓"},
                {5, 1, 0, "✓", ""},  {6, 0, 0, "", ""}, {7, 22, 11, "5", "4"}};
    for (const auto &r : rows) {
        const TContinentRow &k = frm->Kont[r.row];
        EXPECT_EQ(k.LiczLacz->FormattedText(), QString::number(r.worked)) << r.row;
        EXPECT_EQ(k.LiczPotw->FormattedText(), QString::number(r.confirmed)) << r.row;
        EXPECT_EQ(k.Lacz->Caption(), QString::fromUtf8(r.lacz)) << r.row;
        EXPECT_EQ(k.Potw->Caption(), QString::fromUtf8(r.potw)) << r.row;
        EXPECT_EQ(k.BarLacz->maximum(), 22);
        EXPECT_EQ(k.BarLacz->value(), r.worked);
        EXPECT_EQ(k.BarPotw->value(), r.confirmed);
    }
}

TEST_F(StatysWindow, EachResultOpensExactlyTheQsosItCounted)
{
    for (QWidget *page : {frm->PrefixTab, frm->DxccRazTab, frm->IotaTab, frm->SPATab, frm->GminaTab,
                          frm->ZamekTab, frm->LokatorTab})
        Run(page);
    const struct {
        ShownList shown;
        const char *caption;
        QStringList calls;
    } cases[] = {
        {EnterOn(frm->Dxcc, "PrefixTblPrefix", "SP"),
         "Łączności - [Prefiks: SP] Polska",
         {"SP1AAA", "SP2BBB", "SP3CCC", "SP4DDD", "SP5EEE", "SP6FFF", "SP8HHH", "SP9III", "SP0JJJ", "SP1KKK",
          "SP2LLL"}},
        {EnterOn(frm->DxccRaz, "Prefix", "DL"),
         "Łączności KF - [Prefiks: DL] Niemcy",
         {"DL1AAA", "DL2BBB", "DL4DDD"}},
        {EnterOn(frm->Iota, "Iota", "NA-046"),
         "Łączności - [IOTA: NA-046] Massachusetts Południe",
         {"K1AAA", "K2BBB"}},
        {EnterOn(frm->Spa, "PowiatId", "AB"),
         "Łączności - [Powiat: AB] wałbrzyski - Wałbrzych",
         {"SP1AAA", "SP2BBB", "SP8HHH", "SP9III", "SP0JJJ", "SP1KKK"}},
        {EnterOn(frm->Gmina, "Symbol", "D0101"),
         "Łączności - [Gmina: D0101] Bolków",
         {"SP1AAA", "SP2BBB", "SP8HHH", "SP9III"}},
        {EnterOn(frm->Zamek, "Symbol", "ZM003"),
         "Łączności - [Zamek: ZM003] Czersk",
         {"SP5EEE", "SP0JJJ", "SP1KKK"}},
        {EnterOn(frm->Lokator, "Lokator", "JO72"), "Łączności - [Lokator: JO72]", {"SP3CCC", "SP1KKK"}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.shown.caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(c.shown.calls, c.calls) << c.caption;
    }
    // A row without any mark and the summary rows open nothing.
    EXPECT_FALSE(EnterOn(frm->Dxcc, "PrefixTblPrefix", "OK").opened);
    frm->Tables().PrefixTbl.Last();
    EXPECT_FALSE(Capture([&] { QTest::keyClick(frm->Dxcc.Grid, Qt::Key_Return); }).opened);

    // A double-click opens the list as Enter does.
    frm->PageControl->setCurrentWidget(frm->IotaTab);
    frm->Tables().IotaTbl.Locate("Iota", "NA-046", 0);
    QAbstractItemModel *m = frm->Iota.Grid->model();
    const QPoint at = frm->Iota.Grid->visualRect(m->index(frm->Tables().IotaTbl.RecNo() - 1, 1)).center();
    // The list opens wide enough for all its columns, each title whole. In
    // it, a call typed in lower case finds its QSO; Enter keeps the list open.
    QString found;
    bool stillOpen = false, allColumnsShown = false, titlesWhole = true;
    const auto search = [&](TPrefixDetFrm &list) {
        TExDBGrid &grid = *list.DbGrid;
        allColumnsShown = grid.horizontalHeader()->length() <= grid.viewport()->width() ||
                          list.width() >= list.screen()->availableGeometry().width();
        for (int c = 0; c < grid.ColumnCount(); ++c)
            titlesWhole = TitleShownWhole(grid, c, false) && titlesWhole;
        QTest::keyClicks(list.EdStacja, "k2");
        QTest::keyClick(list.EdStacja, Qt::Key_Return);
        found = list.Stacje.FieldByName("Stacja")->AsString();
        stillOpen = list.isVisible();
    };
    EXPECT_EQ(Capture([&] { QTest::mouseDClick(frm->Iota.Grid->viewport(), Qt::LeftButton, {}, at); }, search)
                  .calls,
              QStringList({"K1AAA", "K2BBB"}));
    EXPECT_EQ(found, "K2BBB");
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(allColumnsShown);
    EXPECT_TRUE(titlesWhole);
}

TEST_F(StatysWindow, NoListOpensAndTheWindowStaysWhileAStatisticRuns)
{
    Run(frm->PrefixTab);
    frm->Tables().PrefixTbl.Locate("PrefixTblPrefix", "SP", 0);
    bool sawRun = false;
    ShownList during;
    QTimer::singleShot(0, [&] {
        sawRun = frm->Running() && !frm->ObliczBtn->isEnabled() && frm->Iota.PostepBox->isVisible();
        during = Capture([&] { QTest::keyClick(frm->Dxcc.Grid, Qt::Key_Return); });
        QTest::keyClick(frm.get(), Qt::Key_Escape);
    });
    Run(frm->IotaTab);
    EXPECT_TRUE(sawRun);
    EXPECT_FALSE(during.opened);
    EXPECT_TRUE(frm->isVisible());
    EXPECT_FALSE(frm->Running());
    EXPECT_TRUE(Capture([&] { QTest::keyClick(frm->Dxcc.Grid, Qt::Key_Return); }).opened);
}

TEST_F(StatysWindow, AFailedRunWarnsAndLeavesTheWindowUsable)
{
    Run(frm->IotaTab);
    dm->Baza.Close();
    Run(frm->IotaTab);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(frm->Iota.Grid->dataSource(), frm->Iota.DS);
    EXPECT_FALSE(frm->Iota.PostepBox->isVisible());
    EXPECT_TRUE(frm->ObliczBtn->isEnabled() && frm->ZamknijBtn->isEnabled() && frm->Iota.Ed->isEnabled());
    ASSERT_TRUE(dm->OpenDatabase());
    Run(frm->PrefixTab);
    EXPECT_EQ(Cell(frm->Dxcc.Grid, "SP", "80 m"), Ticks);
}
