#include "core/FDM.h"
#include "exchange/windows/FEtykietyFrm.h"
#include "support/TempDb.h"
#include "support/UiFixture.h"
#include "ui/FMainForm.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>

TEST_F(UiFixture, BothLabelMenuEntriesOpenTheLabelWindowOnALogWithQsos)
{
    std::vector<QsoRow> rows = SampleQsos(3);
    for (QsoRow &r : rows)
        r.QslWys = QStringLiteral("N");
    AddQsos(rows);
    TMainForm &f = Main();
    f.RefreshButtons();
    for (QAction *entry : {f.WydrukEtykMnu, f.EtykietyDrukMnu}) {
        ASSERT_TRUE(entry->isEnabled());
        QString status;
        QTimer::singleShot(0, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *labels = qobject_cast<TEtykietyFrm *>(w); labels && labels->isVisible()) {
                    status = labels->StatusPanel0->text();
                    labels->done(1);
                }
        });
        entry->trigger();
        EXPECT_EQ(status, " Zaznaczono 0 z 3");
    }
}

// Cards the label window recorded as sent show in the main list at once, on
// the QSO that was current.
TEST_F(UiFixture, CardsMarkedSentByTheLabelPrintShowInTheList)
{
    std::vector<QsoRow> rows = SampleQsos(3);
    for (QsoRow &r : rows)
        r.QslWys = QStringLiteral("N");
    const std::vector<int> ids = AddQsos(rows);
    TMainForm &f = Main();
    ASSERT_TRUE(DM->Logi.Locate("LogId", ids[1], 0));
    QTimer::singleShot(0, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *labels = qobject_cast<TEtykietyFrm *>(w); labels && labels->isVisible()) {
                labels->List.MarkPrintedSent(*DM, {ids[1], ids[2]});
                labels->done(1);
            }
    });
    f.WydrukEtykMnu->trigger();
    EXPECT_EQ(CurrentLogId(), ids[1]);
    EXPECT_EQ(DM->Logi.FieldByName("QSL_WYS")->AsString(), QStringLiteral("T"));
}
