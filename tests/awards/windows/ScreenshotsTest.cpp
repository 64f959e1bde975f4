#include "awards/windows/FPrefixEditFrm.h"
#include "awards/windows/FWczytajGminyFrm.h"
#include "awards/windows/FWczytajPrefixFrm.h"
#include "awards/windows/FWczytajZamkiFrm.h"
#include "awards/windows/FWyznaczITUCQFrm.h"
#include "awards/windows/FZapiszPrefiksFrm.h"
#include "controls/ButtonEdit.h"
#include "support/LogDb.h"
#include "support/QsoRows.h"
#include "support/WindowPicture.h"

#include <QPixmap>
#include <QPushButton>
#include <QTest>

// Pictures of the two list imports as opened and of the zone fill after a run.
// With QUARN_SCREENSHOT naming a PNG file X.png they are written as X-zamki.png,
// X-gminy.png and X-strefy.png.
TEST_F(DataModuleTest, ReferenceToolWindowsPicture)
{
    SKIP_UNLESS_PICTURES_ASKED();
    std::vector<QsoRow> rows = SampleQsos(40);
    for (size_t i = 0; i < rows.size(); i += 3)
        rows[i].Itu = 0;
    InsertQsos(dm->Baza, rows);

    TWczytajZamkiFrm zamki;
    zamki.show();
    TWczytajGminyFrm gminy;
    gminy.show();
    TWyznaczITUCQFrm strefy;
    strefy.show();
    strefy.StartBtn->click();

    SaveWindowPicture(zamki, "zamki");
    SaveWindowPicture(gminy, "gminy");
    SaveWindowPicture(strefy, "strefy");
}

// The prefix editor on Poland, the export and the update window, written as
// X-prefiksy-edycja.png, X-prefiksy-eksport.png and X-prefiksy-import.png.
TEST_F(DataModuleTest, PrefixToolWindowsPicture)
{
    SKIP_UNLESS_PICTURES_ASKED();
    TPrefixEditFrm editor;
    editor.show();
    QTest::keyClicks(editor.EdNazwaAng, "pola");
    SaveWindowPicture(editor, "prefiksy-edycja");
    TZapiszPrefiksFrm export_;
    SaveWindowPicture(export_, "prefiksy-eksport");
    TWczytajPrefixFrm import;
    SaveWindowPicture(import, "prefiksy-import");
}
