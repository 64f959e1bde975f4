// The label window's list: loading the unsent QSOs and marking them.
#include "exchange/windows/FEtykietyFrm.h"

#include "controls/ExDBCtrl.h"
#include "controls/ProgressPacer.h"
#include "platform/gui/BusyGuard.h"
#include "platform/gui/Guarded.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

void TEtykietyFrm::LoadUnsentQsls()
{
    BusyGuard busy({PrevBtn, CloseBtn, PrinterSetupBtn, DBGrid});
    ProgressBar->setRange(0, 0);
    ProgressBar->setValue(0);
    ProgressBox->show();
    ProgressPacer pace(QEventLoop::ExcludeUserInputEvents);
    TProgress progress;
    progress.Maximum = [this](int maximum) { ProgressBar->setRange(0, maximum); };
    progress.Position = [this, &pace](int position) { pace([&] { ProgressBar->setValue(position); }); };
    try {
        List.LoadUnsentQsls(dm_, progress);
    } catch (...) {
        ProgressBox->hide();
        ShowMarkedCount();
        throw;
    }
    ProgressBox->hide();
    ShowMarkedCount();
}

void TEtykietyFrm::ToggleMark()
{
    Guarded([this] {
        List.ToggleMark();
        ShowMarkedCount();
    });
}

void TEtykietyFrm::ShowMarkedCount()
{
    StatusPanel0->setText(List.MarkedCountText());
}
