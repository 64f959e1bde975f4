#include "core/FDM.h"
#include "core/Settings.h"
#include "support/LogDb.h"
#include "support/UiFixture.h"
#include "ui/FAboutBox.h"
#include "ui/FMainForm.h"
#include "ui/FOpcjeDatFrm.h"
#include "ui/FUzytkownikFrm.h"
#include "ui/FZnakStacjiFrm.h"
#include "ui/ProgramIcon.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

// Grabs the station data, the call-sign dialog, the date options and the
// about box to PNGs named after QUARN_SCREENSHOT ("…-dane.png", "…-znak.png",
// "…-daty.png", "…-oprogramie.png").
TEST_F(UiFixture, StationDialogsScreenshot)
{
    const QString path = qEnvironmentVariable("QUARN_SCREENSHOT");
    if (path.isEmpty())
        GTEST_SKIP() << "set QUARN_SCREENSHOT to a PNG path";
    const QFileInfo info(path);
    const auto save = [&info](QWidget &w, const char *suffix) {
        w.show();
        QTest::qWait(100);
        EXPECT_TRUE(w.grab().save(info.path() + '/' + info.completeBaseName() + '-' + suffix + ".png"));
    };
    QApplication::setWindowIcon(ProgramIcon());
    OwnCallSign = QStringLiteral("SP5QRN");
    DateQSLFrm = 4;
    ExecSql(DM->Baza, "update STALE set IMIE='Józef', MIASTO='Częstochowa', WOJEW='G', POWIAT='CZ', "
                      "LOKATOR='JO90XT'");
    TUzytkownikFrm dane(*DM);
    dane.FillStationData();
    save(dane, "dane");
    TZnakStacjiFrm znak;
    save(znak, "znak");
    TOpcjeDatFrm daty;
    save(daty, "daty");
    TAboutBox about;
    save(about, "oprogramie");
}
