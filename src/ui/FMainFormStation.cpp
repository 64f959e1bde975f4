// The main window's entries to the station data, the date options and the about box.
#include "ui/FMainForm.h"

#include "core/FDM.h"
#include "ui/FAboutBox.h"
#include "ui/FOpcjeDatFrm.h"
#include "ui/FUzytkownikFrm.h"

void TMainForm::DaneStacjiMnuClick()
{
    {
        TUzytkownikFrm frm(*DM, this);
        frm.LoadStationData();
    }
    // The call sign may have changed there; no activation may follow on
    // every platform.
    FormActivate();
}

void TMainForm::DataMnuClick()
{
    TOpcjeDatFrm frm(this);
    if (frm.exec() == QDialog::Accepted && frm.GeneralFormatChanged) {
        ApplyDateFormats();
        ShowLastQso(); // its date in the new format at once
    }
}

void TMainForm::OProgramieMnuClick()
{
    TAboutBox box(this);
    box.exec();
}
