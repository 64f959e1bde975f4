#include "exchange/windows/LogBookPrint.h"

#include "exchange/FLogPrev.h"
#include "exchange/windows/FParamDrukLog.h"

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
    prev.Report.Preview();
}
