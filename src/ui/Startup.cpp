#include "ui/Startup.h"

#include "core/FDM.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QFontDatabase>

bool OpenLogOrWarn()
{
    bool connected = false;
    try {
        connected = DM->OpenDatabase();
    } catch (const std::exception &e) {
        // Connected, but the file could not be brought up to date: say why and end.
        Messages::ShowWarning(QString::fromUtf8(e.what()));
        return false;
    }
    if (connected)
        return true;
    // The text separates its lines with bare carriage returns; a Linux box needs line feeds.
    QString text = TDM::ConnectionFailureText(DM->Baza.DatabaseName());
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Messages::ShowWarning(text);
    return false;
}

void ApplyProgramFont()
{
    if (QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")))
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
}
