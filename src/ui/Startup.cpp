#include "ui/Startup.h"

#include "core/FDM.h"
#include "core/OwnCallSign.h"
#include "core/Settings.h"
#include "platform/Messages.h"
#include "platform/QuitOnSignal.h"
#include "platform/gui/Guarded.h"
#include "report/RpStartup.h"
#include "ui/FMainForm.h"
#include "ui/FZnakStacjiFrm.h"
#include "ui/ProgramIcon.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void SetUpApplication()
{
    // No display name: Qt would append it to every window title ("Uwaga — Quarn").
    QApplication::setApplicationName(QStringLiteral("Quarn"));
    StartReportEngine();
    QApplication::setWindowIcon(ProgramIcon());
    ApplyProgramFont();
    LoadQtTranslations();
}

bool LoadQtTranslations()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

bool OpenLogOrWarn()
{
    bool connected = false;
    QString upgradeError;
    try {
        connected = DM->OpenDatabase();
    } catch (const std::exception &e) {
        // Connected, but the file could not be brought up to date.
        upgradeError = QString::fromUtf8(e.what());
    }
    AcceptTerminationSignals();
    if (!upgradeError.isEmpty()) {
        Messages::ShowWarning(upgradeError);
        return false;
    }
    if (connected)
        return true;
    Messages::ShowWarning(DM->ConnectionFailureMessage());
    return false;
}

void ApplyProgramFont()
{
    if (QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")))
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
}

void EnsureOwnCallSign(QWidget *parent)
{
    LoadOwnCallSign();
    if (!OwnCallSign.isEmpty())
        return;
    TZnakStacjiFrm frm(parent);
    frm.exec();
}

void ShowMainWindow(TMainForm &form)
{
    form.show();
    // Asked over the main window; a termination signal ends the question too.
    EnsureOwnCallSign(&form);
    Guarded([&form] { form.FormActivate(); });
}
