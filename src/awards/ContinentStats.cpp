#include "awards/StatRuns.h"

#include "awards/StatRecipe.h"
#include "core/Geography.h"

TContinentStats BuildContinentStats(TDM &dm, const TStatProgress &progress)
{
    TContinentStats c;
    ScanLogiRows(dm, {"SELECT Kontynent, QSL_ODB", "FROM Logi", "WHERE Kontynent IS NOT NULL"}, progress,
                 [&](const TRowValues &row) {
                     const int k = ContinentTableIndex(ColumnText(row, 0));
                     ++c.Worked[k];
                     if (ColumnConfirmed(row, 1))
                         ++c.Confirmed[k];
                 });
    for (size_t k = 1; k < c.Worked.size(); ++k) {
        c.WorkedTotal += c.Worked[k];
        c.ConfirmedTotal += c.Confirmed[k];
        c.ContinentsWorked += c.Worked[k] > 0;
        c.ContinentsConfirmed += c.Confirmed[k] > 0;
    }
    return c;
}
