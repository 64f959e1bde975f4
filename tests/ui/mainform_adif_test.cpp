#include "controls/FileNameEdit.h"
#include "core/FDM.h"
#include "exchange/windows/FWczytajAdifFrm.h"
#include "support/UiFixture.h"
#include "ui/FMainForm.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using MainFormAdif = UiFixture;

TEST_F(MainFormAdif, ImportAddsQsosAndRefreshesTheCountAndButtons)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("log.adi");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<ADIF_VER:5>2.2.0<EOH>\n"
               "<CALL:6>SP5ABC<QSO_DATE:8>20030705<TIME_ON:4>1200<BAND:3>20m<MODE:3>SSB<RST_SENT:2>59<EOR>\n"
               "<CALL:5>DL1AA<QSO_DATE:8>20030706<TIME_ON:4>1300<BAND:3>40m<MODE:2>CW<RST_SENT:3>599<EOR>\n");
    file.close();

    TMainForm &f = Main();
    EXPECT_FALSE(f.ExportAllMnu->isEnabled());
    EXPECT_TRUE(f.ImportMnu->isEnabled());
    bool seen = false;
    QTimer::singleShot(0, &f, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *frm = qobject_cast<TWczytajAdifFrm *>(w); frm && frm->isVisible()) {
                seen = true;
                frm->EdNazwaPliku->setText(path);
                frm->WczytajBtn->click();
                frm->reject();
            }
    });
    f.ImportMnu->trigger();
    EXPECT_TRUE(seen);
    EXPECT_EQ(f.PanelText(0), QStringLiteral(" Liczba łączności: 2"));
    EXPECT_TRUE(f.EditBtn->isEnabled());
    EXPECT_TRUE(f.ExportAllMnu->isEnabled());
    EXPECT_TRUE(f.ExportSelMnu->isEnabled());
    EXPECT_EQ(DM->Logi.RecordCount(), 2);
}
