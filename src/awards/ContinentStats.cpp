#include "awards/StatRuns.h"

#include "awards/StatRecipe.h"
#include "core/Geography.h"

TContinentStats BuildContinentStats(TDM &dm, const TProgress &progress)
{
    TContinentStats c;
    const TSelectList scan{"Kontynent", "QSL_ODB"};
    ScanLogiRows(dm, {scan.Line(), "FROM Logi", "WHERE Kontynent IS NOT NULL"}, progress,
                 [&, kontynent = scan["Kontynent"], qsl = scan["QSL_ODB"]](const TRowValues &row) {
                     const int k = ContinentTableIndex(ColumnText(row, kontynent));
                     ++c.Worked[k];
                     if (ColumnConfirmed(row, qsl))
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
