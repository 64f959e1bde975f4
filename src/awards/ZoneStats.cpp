#include "awards/StatRuns.h"

#include "awards/StatRecipe.h"
#include "core/FDM.h"

namespace {

// A zone keeps its best state: a confirmed QSO makes it confirmed whatever
// came before, an unconfirmed one only turns a zone not yet worked to worked.
template <size_t N> void MarkZone(std::array<int, N> &zones, int zone, bool confirmed)
{
    if (zone < 1 || zone >= int(N))
        return;
    if (confirmed)
        zones[zone] = 2;
    else if (zones[zone] == 0)
        zones[zone] = 1;
}

} // namespace

TZoneStats BuildZoneStats(TDM &dm, const TProgress &progress)
{
    TZoneStats z;
    const TSelectList scan{"ITU", "CQ", "QSL_ODB"};
    ScanLogiRows(dm, {scan.Line(), "FROM Logi", "WHERE (ITU<>0) or (CQ<>0)"}, progress,
                 [&, itu = scan["ITU"], cq = scan["CQ"], qsl = scan["QSL_ODB"]](const TRowValues &row) {
                     const bool confirmed = ColumnConfirmed(row, qsl);
                     MarkZone(z.Itu, ColumnInt(row, itu), confirmed);
                     MarkZone(z.Cq, ColumnInt(row, cq), confirmed);
                 });

    progress.ShowPhase(QStringLiteral("Tworzenie podsumowania "));
    progress.SetMaximum(75 + 40);
    int position = 0;
    auto summarize = [&](auto &zones, int &worked, int &confirmed) {
        for (size_t zone = 1; zone < zones.size(); ++zone) {
            worked += zones[zone] > 0;
            confirmed += zones[zone] == 2;
            progress.SetPosition(++position);
        }
    };
    summarize(z.Itu, z.ITULacz, z.ITUPotw);
    summarize(z.Cq, z.CQLacz, z.CQPotw);
    z.ITUPoz = 75 - z.ITUPotw;
    z.CQPoz = 40 - z.CQPotw;
    return z;
}
