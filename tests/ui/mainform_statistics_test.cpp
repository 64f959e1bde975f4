#include "awards/windows/FStatysFrm.h"
#include "support/UiFixture.h"
#include "ui/FMainForm.h"

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using MainFormStatistics = UiFixture;

// The button shows the one statistics window modally, again and again, and
// the window keeps the tab it was left on.
TEST_F(MainFormStatistics, TheStatisticsButtonShowsTheKeptWindowOnceTheLogHasAQso)
{
    QsoRow r;
    r.Data = DateTime::fromDate(2024, 5, 1, 10, 0);
    r.Band = 5;
    r.Stacja = "SP5ABC";
    AddQsos({r});
    TMainForm &f = Main();
    ASSERT_TRUE(f.StatysBtn->isEnabled());
    QList<QWidget *> shown;
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(0, [&] {
            auto *w = qobject_cast<TStatysFrm *>(QApplication::activeModalWidget());
            shown << w;
            if (w) {
                w->PageControl->setCurrentIndex(3);
                w->ZamknijBtn->click();
            }
        });
        QTest::mouseClick(f.StatysBtn, Qt::LeftButton);
    }
    ASSERT_EQ(shown.size(), 2);
    EXPECT_NE(shown[0], nullptr);
    EXPECT_EQ(shown[0], shown[1]);
    EXPECT_EQ(StatysFrm->windowTitle(), "Statystyka");
    EXPECT_EQ(StatysFrm->PageControl->currentIndex(), 3);
}
