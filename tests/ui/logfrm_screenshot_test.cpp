#include "logfrm_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>

// Writes a picture of the editor with a filled-in QSO when QUARN_SCREENSHOT
// names a PNG file; otherwise only checks that the dialog paints.
TEST_F(LogFrmTest, EditorPicture)
{
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
    const QString path = qEnvironmentVariable("QUARN_SCREENSHOT");
    if (!path.isEmpty()) {
        EXPECT_TRUE(picture.save(path, "PNG"));
    }
}
