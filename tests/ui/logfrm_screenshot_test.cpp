#include "logfrm_fixture.h"
#include "support/WindowPicture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>

// A picture of the editor with a filled-in QSO, to the PNG file named by
// QUARN_SCREENSHOT.
TEST_F(LogFrmTest, EditorPicture)
{
    SKIP_UNLESS_PICTURES_ASKED();
    Exec("UPDATE STALE SET LOKATOR='KO02MF'");
    QPixmap picture;
    OpenNew([&] {
        frm->EdPasmo->setCurrentIndex(5);
        TypeAndLeave(frm->EdStacja, "SP9LOD");
        frm->EdEmisja->setEditText("SSB");
        frm->EdRaportNad->setText("59");
        frm->EdRaportOdb->setText("57");
        frm->EdImie->setText(QStringLiteral("Żaneta"));
        frm->EdMiasto->setText(QStringLiteral("Łódź"));
        frm->EdDomena->setText("C-LD");
        frm->EdLokator->setText("JO91QR");
        frm->EdWyspa->setText("EU-024");
        frm->EdNotatki->setText(QStringLiteral("Zażółć gęślą jaźń"));
        frm->EdQSLWys->setChecked(true);
        picture = frm->grab();
    });
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(qEnvironmentVariable("QUARN_SCREENSHOT"), "PNG"));
}
