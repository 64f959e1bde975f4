#include "controls/ExDBCtrl.h"
#include "core/FDM.h"
#include "support/UiFixture.h"
#include "ui/FLaczStacjaFrm.h"
#include "ui/FMainForm.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace {

class LaczStacja : public UiFixture {
protected:
    // Opens the list for the main log's current station; `inspect` runs while it is shown.
    void ShowList(const std::function<void(TLaczStacjaFrm &)> &inspect)
    {
        TLaczStacjaFrm frm(Main().WindowStore(), &Main());
        bool ran = false;
        QTimer::singleShot(0, &frm, [&] {
            inspect(frm);
            ran = true;
            if (frm.isVisible())
                frm.done(1);
        });
        frm.ShowForStation(CurrentCall());
        EXPECT_TRUE(ran);
    }
    int ListLogId() { return DM->LaczStacja.FieldByName("LOGID")->AsInteger(); }
};

}

TEST_F(LaczStacja, AStationWorkedOnceHidesGoTo)
{
    QsoRow once;
    once.Data = DateTime::fromDate(2005, 3, 1, 12, 0);
    once.Stacja = "ZS6ABC";
    const std::vector<int> ids = AddQsos({once});
    AddQsos(SampleQsos(20));
    ASSERT_TRUE(DM->Logi.Locate("LogId", ids[0], 0));
    ShowList([&](TLaczStacjaFrm &frm) {
        EXPECT_EQ(frm.windowTitle(), QStringLiteral("Łączności - ZS6ABC"));
        EXPECT_FALSE(frm.IdzDoBtn->isVisible());
        EXPECT_EQ(DM->LaczStacja.RecordCount(), 1);
        EXPECT_EQ(ListLogId(), ids[0]);
    });
}

TEST_F(LaczStacja, OpensOnTheMainLogsQsoAndGoesToTheChosenOne)
{
    const std::vector<int> ids = AddQsos(SampleQsos(60));
    // Pick a QSO of a station worked several times, not its first one.
    ASSERT_TRUE(DM->Logi.Locate("LogId", ids[40], 0));
    const QString call = CurrentCall();
    ShowList([&](TLaczStacjaFrm &frm) {
        EXPECT_TRUE(frm.IdzDoBtn->isVisible());
        EXPECT_EQ(ListLogId(), ids[40]);
        EXPECT_GT(DM->LaczStacja.RecNo(), 1);
        DataSet &list = DM->LaczStacja;
        DateTime previous;
        for (list.First(); !list.Eof(); list.Next()) {
            EXPECT_EQ(list.FieldByName("STACJA")->AsString(), call);
            EXPECT_GE(list.FieldByName("DATA")->AsDateTime(), previous);
            previous = list.FieldByName("DATA")->AsDateTime();
        }
        list.First();
        frm.IdzDoBtn->click();
        EXPECT_FALSE(frm.isVisible());
    });
    DM->LaczStacja.First();
    EXPECT_EQ(CurrentCall(), call);
    EXPECT_EQ(CurrentLogId(), ListLogId());
    EXPECT_NE(CurrentLogId(), ids[40]);
    EXPECT_EQ(DM->Logi.RecordCount(), 60);
}

TEST_F(LaczStacja, PlacementIsKeptBetweenOpenings)
{
    AddQsos(SampleQsos(30));
    const QRect moved(30, 40, 500, 260);
    ShowList([&](TLaczStacjaFrm &frm) { frm.setGeometry(moved); });
    ShowList([&](TLaczStacjaFrm &frm) { EXPECT_EQ(frm.geometry(), moved); });
}

TEST_F(LaczStacja, ShowsTheDatesInTheDateTimeFormat)
{
    AddQsos(SampleQsos(3));
    Main(); // loads the stored formats
    DateTimeFormatIndex = 3;
    ShowList([&](TLaczStacjaFrm &) {
        EXPECT_EQ(DM->LaczStacja.FieldByName("DATA")->DisplayFormat(), QStringLiteral("dd-MM-yyyy HH:mm:ss"));
        EXPECT_EQ(DM->LaczStacja.FieldByName("DATA")->DisplayText(),
                  DM->LaczStacja.FieldByName("DATA")->AsDateTime().toString("dd-MM-yyyy HH:mm:ss"));
    });
}

TEST_F(LaczStacja, TheMainWindowButtonOpensTheListForTheCurrentStation)
{
    AddQsos(SampleQsos(10));
    TMainForm &f = Main();
    DM->Logi.Last();
    const QString call = CurrentCall();
    QString title;
    QTimer::singleShot(0, &f, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *frm = qobject_cast<TLaczStacjaFrm *>(w); frm && frm->isVisible()) {
                title = frm->windowTitle();
                frm->done(1);
            }
    });
    f.LacznBtn->click();
    EXPECT_EQ(title, QStringLiteral("Łączności - ") + call);
}

// No column title is shortened and a six-character locator shows whole.
TEST_F(LaczStacja, ColumnsShowTheirTitlesAndLocatorsWhole)
{
    QsoRow row;
    row.Data = DateTime::fromDate(2005, 3, 1, 12, 0);
    row.Stacja = "DL1ABC";
    row.Lokator = "JO62QX";
    AddQsos({row});
    ShowList([&](TLaczStacjaFrm &frm) {
        TExDBGrid &grid = *frm.DbGrid;
        const QFontMetrics titles(grid.TitleFont().Font);
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            const QString title = grid.Columns()[c].Title;
            // Inside the title's panel (a pixel each side) with the text's margin.
            EXPECT_LE(titles.horizontalAdvance(title) + 5, grid.ColumnWidth(c)) << title.toStdString();
        }
        EXPECT_LE(QFontMetrics(grid.font()).horizontalAdvance("JO62QX") + 5, grid.ColumnWidth(6));
    });
}
