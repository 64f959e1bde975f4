#include "exchange/windows/FEtykietyFrm.h"
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
