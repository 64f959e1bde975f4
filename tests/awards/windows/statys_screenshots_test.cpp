#include "awards/windows/FStatysFrm.h"
#include "support/AwardsFixture.h"

#include <QDir>
#include <QPushButton>
#include <QTabWidget>

// Pictures of every tab after its run, for the documentation: written only
// when QUARN_SCREENSHOTS names a folder.
TEST_F(AwardsLogTest, ScreenshotsOfEveryTabAfterItsRunOverTheAwardLog)
{
    const QString dir = qEnvironmentVariable("QUARN_SCREENSHOTS");
    if (dir.isEmpty())
        GTEST_SKIP() << "QUARN_SCREENSHOTS not set";
    QDir().mkpath(dir);
    TStatysFrm frm;
    frm.show();
    for (int i = 0; i < frm.PageControl->count(); ++i) {
        frm.PageControl->setCurrentIndex(i);
        frm.ObliczBtn->click();
        const QString name = QStringLiteral("%1/statystyka-%2.png").arg(dir).arg(i + 1);
        EXPECT_TRUE(frm.grab().save(name)) << name.toStdString();
    }
}
