#include "controls/ExDBCtrl.h"
#include "controls/SpeedButton.h"
#include "core/FDM.h"
#include "support/LogDb.h"
#include "support/TempDb.h"
#include "support/UiFixture.h"
#include "ui/FMainForm.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

DateTime fixedNow;
DateTime FixedClock()
{
    return fixedNow;
}

using MainFormStatus = UiFixture;

}

TEST(ClockPanelTexts, SummerAndWinterTimeGiveTwoAndOneHourOffsets)
{
    const DateTime t = DateTime::fromDate(2024, 7, 1, 12, 30);
    EXPECT_EQ(ClockPanelTexts(t, true).Local, QStringLiteral(" LOK: 12:30"));
    EXPECT_EQ(ClockPanelTexts(t, true).Utc, QStringLiteral(" UTC: 10:30"));
    EXPECT_EQ(ClockPanelTexts(t, false).Utc, QStringLiteral(" UTC: 11:30"));
    const DateTime night = DateTime::fromDate(2024, 1, 1, 0, 30);
    EXPECT_EQ(ClockPanelTexts(night, false).Utc, QStringLiteral(" UTC: 23:30"));
    EXPECT_EQ(ClockPanelTexts(night, true).Utc, QStringLiteral(" UTC: 22:30"));
}

TEST_F(MainFormStatus, ClockFollowsTheTimeMode)
{
    fixedNow = DateTime::fromDate(2024, 7, 1, 12, 30, 15);
    TMainForm &f = Main();
    f.ClockSource = FixedClock;
    f.CzasLetniMnu->trigger(); // the start value follows the machine's clock
    EXPECT_EQ(f.PanelText(2), QStringLiteral(" LOK: 12:30"));
    EXPECT_EQ(f.PanelText(3), QStringLiteral(" UTC: 10:30"));
    f.CzasZimowyMnu->trigger();
    EXPECT_EQ(f.PanelText(3), QStringLiteral(" UTC: 11:30"));
    EXPECT_EQ(f.PanelText(4), QString());
}

TEST_F(MainFormStatus, AnEmptyLogDisablesTheButtonsThatNeedAQso)
{
    TMainForm &f = Main();
    EXPECT_EQ(f.PanelText(0), QStringLiteral(" Liczba łączności: 0"));
    EXPECT_EQ(f.PanelText(1), QString());
    EXPECT_FALSE(f.EditBtn->isEnabled());
    EXPECT_FALSE(f.DeleteBtn->isEnabled());
    EXPECT_FALSE(f.PrintBtn->isEnabled());
    EXPECT_FALSE(f.StatysBtn->isEnabled());
    EXPECT_FALSE(f.LacznBtn->isEnabled());
    EXPECT_FALSE(f.ExportAllMnu->isEnabled());
    EXPECT_FALSE(f.ExportSelMnu->isEnabled());
    EXPECT_FALSE(f.WydrukEtykMnu->isEnabled());
    EXPECT_TRUE(f.InsertBtn->isEnabled());
    // Nothing to delete or edit: the buttons' handlers do nothing either.
    f.DeleteBtnClick();
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(MainFormStatus, CountAndLatestQsoWithTheCurrentStation)
{
    QsoRow a;
    a.Data = DateTime::fromDate(2003, 7, 5, 10, 0);
    a.Band = 9;
    a.Stacja = "SP5ABC";
    QsoRow b = a;
    b.Data = DateTime::fromDate(2004, 1, 2, 3, 4);
    b.Band = 5;
    QsoRow c = a;
    c.Stacja = "DL1AA";
    c.Data = DateTime::fromDate(2003, 8, 1, 0, 0);
    AddQsos({a, b, c});
    TMainForm &f = Main();
    EXPECT_EQ(f.PanelText(0), QStringLiteral(" Liczba łączności: 3"));
    EXPECT_TRUE(f.EditBtn->isEnabled());
    EXPECT_TRUE(f.LacznBtn->isEnabled());
    DM->Logi.First(); // SP5ABC 2003: its latest QSO is the one of 2004
    EXPECT_EQ(f.PanelText(1), QStringLiteral(" [SP5ABC] Ostatnia łączność: 2004-01-02 03:04:00 Pasmo: ") +
                                  TPasmo::BandNameOf(5));
    DM->Logi.Next(); // DL1AA
    EXPECT_EQ(f.PanelText(1), QStringLiteral(" [DL1AA] Ostatnia łączność: 2003-08-01 00:00:00 Pasmo: ") +
                                  TPasmo::BandNameOf(9));
}

TEST_F(MainFormStatus, DeleteAsksAndCommitsAtOnce)
{
    const std::vector<int> ids = AddQsos(SampleQsos(5));
    TMainForm &f = Main();
    DM->Logi.Locate("LogId", ids[2], 0);

    ConfirmAnswer = false;
    f.DeleteBtn->click();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_TRUE(Boxes[0].confirm);
    EXPECT_EQ(Boxes[0].text, QStringLiteral("Usunąć zaznaczoną łączność z wykazu?"));
    EXPECT_EQ(DM->QsoCount(), 5);

    ConfirmAnswer = true;
    f.DeleteBtn->click();
    EXPECT_EQ(f.PanelText(0), QStringLiteral(" Liczba łączności: 4"));
    EXPECT_FALSE(DM->Logi.Locate("LogId", ids[2], 0));
    // Durable before the next reopen: a rollback of the log's transaction keeps it deleted.
    DM->trLogi.Rollback();
    DM->ReopenLogiOrdered(SortOrder, 0);
    EXPECT_EQ(DM->QsoCount(), 4);
    EXPECT_FALSE(DM->Logi.Locate("LogId", ids[2], 0));
}

TEST_F(MainFormStatus, DeletingTheLastQsoDisablesTheButtons)
{
    AddQsos(SampleQsos(1));
    TMainForm &f = Main();
    EXPECT_TRUE(f.DeleteBtn->isEnabled());
    f.DeleteBtn->click();
    EXPECT_EQ(f.PanelText(0), QStringLiteral(" Liczba łączności: 0"));
    EXPECT_FALSE(f.DeleteBtn->isEnabled());
    EXPECT_FALSE(f.EditBtn->isEnabled());
    EXPECT_EQ(f.PanelText(1), QString());
}

TEST_F(MainFormStatus, TheGridFillsItsViewAndFetchesMoreAsItScrolls)
{
    AddQsos(SampleQsos(300));
    TMainForm &f = Main();
    f.resize(900, 600);
    f.show();
    QCoreApplication::processEvents();
    QAbstractItemModel *model = f.DbGrid->model();
    const int first = model->rowCount();
    EXPECT_GT(first, 5);
    EXPECT_LT(first, 300); // rows still come lazily
    f.DbGrid->verticalScrollBar()->setValue(f.DbGrid->verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    EXPECT_GT(model->rowCount(), first);
}

// Another copy of the program adds and deletes QSOs: when this copy's window
// is activated, the list, the count and the buttons follow the log.
TEST_F(MainFormStatus, ActivationFollowsTheQsosAnotherCopyAddedOrDeleted)
{
    TMainForm &f = Main();
    const auto activate = [&f] { // the user was in the other copy's window
        for (const QEvent::Type type : {QEvent::WindowDeactivate, QEvent::WindowActivate}) {
            QEvent event(type);
            QApplication::sendEvent(&f, &event);
        }
    };
    const int added = InsertQsos(DM->Baza, SampleQsos(1))[0];
    activate();
    EXPECT_EQ(f.PanelText(0), QStringLiteral(" Liczba łączności: 1"));
    EXPECT_EQ(CurrentLogId(), added);
    EXPECT_TRUE(f.EditBtn->isEnabled());
    EXPECT_TRUE(f.StatysBtn->isEnabled());

    const std::vector<int> more = InsertQsos(DM->Baza, SampleQsos(3));
    activate(); // the current QSO stays current
    EXPECT_EQ(CurrentLogId(), added);
    EXPECT_TRUE(DM->Logi.Locate("LogId", more[2], 0));

    // Added just after this copy reopened the list (a sort), before its
    // figures were read: seen all the same.
    f.GridTitleClick(2);
    const int afterSort = InsertQsos(DM->Baza, SampleQsos(1))[0];
    activate();
    EXPECT_TRUE(DM->Logi.Locate("LogId", afterSort, 0));
    EXPECT_EQ(f.PanelText(0), QStringLiteral(" Liczba łączności: 5"));

    // One deleted and one added: the count stays, the list follows all the same.
    OtherCopy other(DatabasePath());
    ExecSql(other.Db, QStringLiteral("delete from Logi where LogId=%1").arg(more[0]));
    const int replacing = InsertQsos(other.Db, SampleQsos(1))[0];
    activate();
    EXPECT_FALSE(DM->Logi.Locate("LogId", more[0], 0));
    EXPECT_TRUE(DM->Logi.Locate("LogId", replacing, 0));

    ExecSql(other.Db, QStringLiteral("delete from Logi"));
    activate();
    EXPECT_EQ(f.PanelText(0), QStringLiteral(" Liczba łączności: 0"));
    EXPECT_TRUE(DM->Logi.IsEmpty());
    EXPECT_FALSE(f.EditBtn->isEnabled());
}

// "Usuń" leaves the QSO that followed the deleted one current, in the log and
// in the grid (the one before it when the last was deleted); a second "Usuń"
// hits the QSO the user sees highlighted.
TEST_F(MainFormStatus, DeleteLeavesTheFollowingQsoCurrentInTheLogAndTheGrid)
{
    struct Case {
        const char *deleted;
        const char *current;
    };
    for (const Case c : {Case{"DL2BB", "DL3CC"}, Case{"DL5EE", "DL4DD"}, Case{"DL1AA", "DL2BB"}}) {
        SCOPED_TRACE(c.deleted);
        ExecSql(DM->Baza, QStringLiteral("delete from Logi"));
        std::vector<QsoRow> rows(5);
        const char *calls[] = {"DL1AA", "DL2BB", "DL3CC", "DL4DD", "DL5EE"};
        for (int i = 0; i < 5; ++i) {
            rows[i].Data = DateTime::fromDate(2024, 5, 1, 10, i);
            rows[i].Stacja = QString::fromLatin1(calls[i]);
        }
        AddQsos(rows);
        TMainForm &f = Main();
        f.show();
        QApplication::processEvents();
        ASSERT_TRUE(DM->Logi.Locate("STACJA", QString::fromLatin1(c.deleted), 0));
        QApplication::processEvents();
        f.DeleteBtn->click();
        QApplication::processEvents();
        EXPECT_EQ(CurrentCall(), QString::fromLatin1(c.current));
        EXPECT_EQ(f.DbGrid->currentIndex().row(), DM->Logi.CurrentIndex());
        EXPECT_EQ(DM->Logi.RecordCount(), 4);
    }
}
