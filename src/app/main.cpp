#include "core/FDM.h"
#include "ui/FLogFrm.h"
#include "ui/FMainForm.h"
#include "ui/Startup.h"
#include "platform/QuitOnSignal.h"
#include "platform/gui/MessageBoxes.h"

#include <QApplication>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarn"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quarn"));
    ApplyProgramFont();
    InstallMessageBoxes();

    // The data module first, then the windows; none of them touches the
    // database before it is open.
    auto dm = std::make_unique<TDM>();
    DM = dm.get();
    auto mainForm = std::make_unique<TMainForm>();
    MainForm = mainForm.get();
    LogFrm = new TLogFrm(mainForm.get());

    if (!OpenLogOrWarn())
        return 1;
    QuitOnTerminationSignals();

    mainForm->show();
    const int result = app.exec();
    mainForm.reset();
    DM->CommitAll();
    return result;
}
