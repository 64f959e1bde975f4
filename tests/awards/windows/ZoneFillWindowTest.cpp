#include "awards/windows/FWyznaczITUCQFrm.h"
#include "support/LogDb.h"
#include "support/QsoRows.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

class ZoneFillWindowTest : public DataModuleTest {
protected:
    void AddLog(std::initializer_list<const char *> calls)
    {
        std::vector<QsoRow> rows;
        for (const char *call : calls) {
            QsoRow r;
            r.Data = DateTime::fromDate(2020, 1, 1, 10, int(rows.size()));
            r.Stacja = QString::fromLatin1(call);
            r.Kontynent = QString();
            r.Itu = r.Cq = 0;
            rows.push_back(r);
        }
        InsertQsos(dm->Baza, rows);
    }
};

} // namespace

TEST_F(ZoneFillWindowTest, RunsFromStartShowsCountersAndThenCloses)
{
    AddLog({"SP5ABC", "DL1AA", "QQ1ZZ"});
    ExecSql(dm->Baza, "update Logi set Kontynent = 'EU', ITU = 28, CQ = 14 where Stacja = 'DL1AA'");
    TWyznaczITUCQFrm w;
    w.show();
    EXPECT_EQ(w.windowTitle(), "Wyznacz strefy ITU, CQ");
    EXPECT_EQ(w.InfoLbl->text().split('\n').size(), 3);
    EXPECT_EQ(w.PrzetworzoneLbl->text(), "");
    EXPECT_EQ(w.ZaktualizowaneLbl->text(), "");
    EXPECT_EQ(w.StartBtn->text(), "&Start");
    EXPECT_TRUE(w.CancelBtn->isVisible());

    bool running = false, startEnabled = true, cancelVisible = true, stillVisible = false;
    QTimer::singleShot(0, &w, [&] {
        running = w.Running();
        startEnabled = w.StartBtn->isEnabled();
        cancelVisible = w.CancelBtn->isVisible();
        w.close();
        w.reject();
        stillVisible = w.isVisible();
    });
    w.StartBtn->click();
    EXPECT_TRUE(running);
    EXPECT_FALSE(startEnabled);
    EXPECT_FALSE(cancelVisible);
    EXPECT_TRUE(stillVisible);

    EXPECT_EQ(w.PrzetworzoneLbl->text(), "3");
    EXPECT_EQ(w.ZaktualizowaneLbl->text(), "1"); // QQ1ZZ has no country: nothing to give it
    EXPECT_TRUE(w.HasUpdates());
    EXPECT_EQ(w.StartBtn->text(), "&Zamknij");
    EXPECT_TRUE(w.StartBtn->isEnabled());
    EXPECT_FALSE(w.CancelBtn->isVisible());
    EXPECT_TRUE(warnings.isEmpty());
    w.StartBtn->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_FALSE(w.isVisible());

    // Shown again it is idle, and a second run finds nothing new: no reopening of the log.
    w.show();
    EXPECT_EQ(w.StartBtn->text(), "&Start");
    EXPECT_EQ(w.PrzetworzoneLbl->text(), "");
    EXPECT_TRUE(w.CancelBtn->isVisible());
    w.StartBtn->click();
    EXPECT_EQ(w.ZaktualizowaneLbl->text(), "0");
    EXPECT_FALSE(w.HasUpdates());
}

TEST_F(ZoneFillWindowTest, CompleteLogReportsNoUpdates)
{
    TWyznaczITUCQFrm w;
    w.show();
    w.StartBtn->click();
    EXPECT_EQ(w.PrzetworzoneLbl->text(), "0");
    EXPECT_EQ(w.ZaktualizowaneLbl->text(), "0");
    EXPECT_FALSE(w.HasUpdates());
    EXPECT_EQ(w.StartBtn->text(), "&Zamknij");
}

TEST_F(ZoneFillWindowTest, ErrorIsShownAndTheWindowIsReadyAgain)
{
    ExecSql(dm->Baza, "create exception ZLA_STREFA 'zla strefa'");
    ExecSql(dm->Baza, "create trigger LOGI_BU_TEST for Logi before update as begin "
                      "if (new.Stacja = 'SP3ZLY') then exception ZLA_STREFA; end");
    AddLog({"SP5ABC", "SP3ZLY", "DL1AA"});
    TWyznaczITUCQFrm w;
    w.show();
    w.StartBtn->click();
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains("zla strefa"));
    EXPECT_EQ(w.PrzetworzoneLbl->text(), "2");
    EXPECT_EQ(w.ZaktualizowaneLbl->text(), "1");
    EXPECT_TRUE(w.HasUpdates()); // the main window shows what was filled
    EXPECT_EQ(w.StartBtn->text(), "&Start");
    EXPECT_TRUE(w.StartBtn->isEnabled());
    EXPECT_TRUE(w.CancelBtn->isVisible());
}

using ZoneFillWindowOnServer = ServerDataModuleTest;

// A connection the server ended before the run: the window tells the loss in
// Polish, once, and stays ready; a second run fails quietly.
TEST_F(ZoneFillWindowOnServer, ALostConnectionIsToldOnceAndTheWindowStaysReady)
{
    QsoRow qso;
    qso.Data = DateTime::fromDate(2020, 1, 1, 10);
    qso.Stacja = QStringLiteral("SP5ABC");
    InsertQsos(dm->Baza, {qso});
    EndConnection();
    TWyznaczITUCQFrm w;
    w.show();
    for (int run = 0; run < 2; ++run) {
        w.StartBtn->click();
        EXPECT_EQ(w.StartBtn->text(), "&Start");
        EXPECT_TRUE(w.CancelBtn->isVisible());
        EXPECT_EQ(w.ZaktualizowaneLbl->text(), "0");
    }
    ASSERT_EQ(warnings.size(), 1) << warnings.join("\n---\n").toStdString();
    EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("Połączenie z bazą dziennika zostało przerwane.\n")))
        << warnings[0].toStdString();
    EXPECT_TRUE(warnings[0].endsWith(QStringLiteral(
        "Wyznaczanie stref przerwano po 0 przetworzonych pozycjach; zaktualizowano 0 pozycji.")));
}
