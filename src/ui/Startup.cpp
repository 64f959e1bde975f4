#include "ui/Startup.h"

#include "core/FDM.h"
#include "platform/gui/Messages.h"

bool OpenLogOrWarn()
{
    if (DM->OpenDatabase())
        return true;
    // The text separates its lines with bare carriage returns; a Linux box needs line feeds.
    QString text = TDM::ConnectionFailureText(DM->Baza.DatabaseName());
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Messages::ShowWarning(text);
    return false;
}
