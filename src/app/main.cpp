#include "awards/windows/FStatysFrm.h"
#include "core/FDM.h"
#include "platform/QuitOnSignal.h"
#include "platform/gui/Guarded.h"
#include "platform/gui/GuardedApplication.h"
#include "platform/gui/MessageBoxes.h"
#include "report/windows/RpReportWindows.h"
#include "ui/FCallbookSkrFrm.h"
#include "ui/FCallbookTblFrm.h"
#include "ui/FLogFrm.h"
#include "ui/FMainForm.h"
#include "ui/FSzukajRozFrm.h"
#include "ui/Startup.h"

#include <memory>

int main(int argc, char *argv[])
{
    // Before anything slow and before any thread exists: a termination signal
    // from now on ends the program in order.
    CatchTerminationSignals();
    GuardedApplication app(argc, argv);
    SetUpApplication();
    InstallMessageBoxes();
    QuitOnTerminationSignals();
    RegisterReportWindows();

    // The data module first, then the windows; none of them touches the
    // database before it is open.
    auto dm = std::make_unique<TDM>();
    DM = dm.get();
    auto mainForm = std::make_unique<TMainForm>();
    MainForm = mainForm.get();
    LogFrm = new TLogFrm(mainForm.get());
    CallbookTblFrm = new TCallbookTblFrm(mainForm.get());
    CallbookSkrFrm = new TCallbookSkrFrm(mainForm.get());
    SzukajRozFrm = new TSzukajRozFrm(CallbookTblFrm);
    StatisticsWindow(mainForm.get());

    if (TerminationRequested())
        return 0;
    if (!OpenLogOrWarn())
        return TerminationRequested() ? 0 : 1;

    int result = 0;
    if (!TerminationRequested())
        ShowMainWindow(*mainForm);
    if (!TerminationRequested())
        result = app.exec();
    mainForm.reset();
    // Nothing thrown on the way out: a commit that fails is told (a lost
    // connection only when it was not told yet), unless a termination signal
    // ends the program, which waits for nobody.
    const auto failure = FailureOf([] { DM->CommitAll(); });
    if (!TerminationRequested())
        ReportFailure(failure);
    return result;
}
