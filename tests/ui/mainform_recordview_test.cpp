#include "core/FDM.h"
#include "platform/db/DataSetModel.h"
#include "support/UiFixture.h"
#include "ui/FMainForm.h"
#include "ui/RecordView.h"

#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using MainFormRecordView = UiFixture;

TEST_F(MainFormRecordView, APanelShowsTheQsoBehindDottedCaptions)
{
    QsoRow r;
    r.Data = DateTime::fromDate(2004, 2, 29, 23, 59);
    r.Band = 5;
    r.Stacja = "SP9XYZ";
    r.Imie = "Łucja";
    r.Miasto = "Żywiec";
    r.Kontynent = "EU";
    r.Itu = 5;
    r.Cq = 15;
    r.QslOdb = "T";
    r.Domena = "GZY";
    r.Notatki = "pierwsza";
    AddQsos({r});
    TMainForm &f = Main();
    const TRecordPanelDelegate *d = f.RecordView->Delegate();
    EXPECT_EQ(d->Heading(0), QStringLiteral("SP9XYZ Łucja"));
    const auto left = d->LeftLines(0);
    ASSERT_EQ(left.size(), 8);
    EXPECT_EQ(left[0].caption, QStringLiteral("Data godz. [UTC]..."));
    EXPECT_EQ(left[0].text, QStringLiteral("2004-02-29 23:59:00"));
    EXPECT_EQ(left[1].text, TPasmo::BandNameOf(5));
    EXPECT_EQ(left[5].text, QStringLiteral("pierwsza"));
    EXPECT_EQ(left[6].caption, QStringLiteral("Miejscowość..."));
    EXPECT_EQ(left[6].text, QStringLiteral("Żywiec"));
    EXPECT_EQ(left[7].text, QStringLiteral("GZY"));
    const auto right = d->RightLines(0);
    ASSERT_EQ(right.size(), 7);
    EXPECT_EQ(right[2].text, QStringLiteral("EU/ 5/15"));
    EXPECT_EQ(right[4].text, QStringLiteral(" ")); // QSL sent: no
    EXPECT_EQ(right[5].caption, QStringLiteral("QSL O..................."));
    EXPECT_EQ(right[5].text, QString(QChar(0x2713)));
}

TEST_F(MainFormRecordView, TheSelectedPanelAndTheLogMoveTogether)
{
    const std::vector<int> ids = AddQsos(SampleQsos(20));
    TMainForm &f = Main();
    f.show();
    f.PageControl->setCurrentIndex(1);
    QTest::qWait(50);
    DM->Logi.MoveBy(3);
    EXPECT_EQ(f.RecordView->currentIndex().row(), 3);
    f.RecordView->setCurrentIndex(f.RecordView->Model()->index(7, 0));
    EXPECT_EQ(CurrentLogId(), ids[7]);
}

TEST_F(MainFormRecordView, TheNavigatorMovesThroughTheLog)
{
    const std::vector<int> ids = AddQsos(SampleQsos(10));
    TMainForm &f = Main();
    EXPECT_FALSE(f.Navigator[0]->isEnabled());
    EXPECT_FALSE(f.Navigator[1]->isEnabled());
    EXPECT_TRUE(f.Navigator[2]->isEnabled());
    f.Navigator[2]->click();
    EXPECT_EQ(CurrentLogId(), ids[1]);
    f.Navigator[3]->click();
    EXPECT_EQ(CurrentLogId(), ids[9]);
    EXPECT_FALSE(f.Navigator[3]->isEnabled());
    EXPECT_FALSE(f.Navigator[2]->isEnabled());
    f.Navigator[1]->click();
    EXPECT_EQ(CurrentLogId(), ids[8]);
    f.Navigator[0]->click();
    EXPECT_EQ(CurrentLogId(), ids[0]);
    EXPECT_FALSE(f.Navigator[0]->isEnabled());
}
