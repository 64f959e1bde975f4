#include "exchange/windows/LogBookPrint.h"

#include "exchange/FLogPrev.h"
#include "exchange/windows/FParamDrukLog.h"
#include "platform/gui/Guarded.h"

void DrukujLog(TDM &dm, TWindow &placement, QWidget *parent)
{
    QDate first, last;
    {
        TParamDrukLog dialog(placement, parent);
        if (dialog.exec() != QDialog::Accepted)
            return;
        first = dialog.FirstDay();
        last = dialog.LastDay();
    }
    TLogPrev::OpenRange(dm, first, last);
    TLogPrev prev(dm);
    // A report that cannot be made (no room for its pages) is told, and the log goes on.
    Guarded([&] { prev.Report.Preview(); });
}
