#include "core/FDM.h"
#include "support/UiFixture.h"
#include "ui/FMainForm.h"

#include <QApplication>
#include <QFileInfo>
#include <QTabWidget>
#include <QTest>

// Grabs the main window with a few hundred QSOs to the PNG named by
// QUARN_SCREENSHOT (and the record view to the same name with "-formularz").
TEST_F(UiFixture, MainWindowScreenshot)
{
    const QString path = qEnvironmentVariable("QUARN_SCREENSHOT");
    if (path.isEmpty())
        GTEST_SKIP() << "set QUARN_SCREENSHOT to a PNG path";
    std::vector<QsoRow> rows = SampleQsos(300);
    AddQsos(rows);
    OwnCallSign = QStringLiteral("SP5QRN");
    TMainForm &f = Main();
    f.resize(1100, 650);
    f.show();
    f.FormActivate();
    DM->Logi.MoveBy(5);
    QTest::qWait(200);
    ASSERT_TRUE(f.grab().save(path));

    f.PageControl->setCurrentIndex(1);
    QTest::qWait(200);
    const QFileInfo info(path);
    ASSERT_TRUE(f.grab().save(info.path() + '/' + info.completeBaseName() + "-formularz.png"));
}
