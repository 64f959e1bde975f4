#pragma once

#include "awards/StatRules.h"
#include "awards/StatTables.h"
#include "platform/Progress.h"

#include <QString>
#include <array>

class TDM;

// The award statistics. Each run reads LOGI and its reference table through a
// query and a transaction of its own on the data module's database (never the
// shared scratch query), so a drill-down or another lookup during the run
// cannot disturb it; it sees committed data only. A run empties its table,
// fills it, commits at the end and rolls back on error; it throws FbError (or
// another std::exception) on failure, leaving its table empty or partly
// filled but never a row in edit state.
void BuildDxccMultiBandStats(TDM &dm, TStatTables &tables, const TProgress &progress);
void BuildDxccHfStats(TDM &dm, TStatTables &tables, const TProgress &progress);
void BuildIotaStats(TDM &dm, TStatTables &tables, const TProgress &progress);
void BuildPowiatStats(TDM &dm, TStatTables &tables, const TProgress &progress);
void BuildGminaStats(TDM &dm, TStatTables &tables, const TProgress &progress);
void BuildZamekStats(TDM &dm, TStatTables &tables, const TProgress &progress);
void BuildLokatorStats(TDM &dm, TStatTables &tables, const TProgress &progress);

// Zone states: 0 not worked, 1 worked, 2 confirmed; index = zone number
// (index 0 unused). The six counters are the zones worked, confirmed and still
// to confirm of each kind.
struct TZoneStats {
    std::array<int, 76> Itu{};
    std::array<int, 41> Cq{};
    int ITULacz = 0, ITUPotw = 0, ITUPoz = 75;
    int CQLacz = 0, CQPotw = 0, CQPoz = 40;
};
TZoneStats BuildZoneStats(TDM &dm, const TProgress &progress);

// QSOs per continent, worked and confirmed, indexed like ContinentTable
// (0 = no continent code: counted, never shown, left out of the totals).
struct TContinentStats {
    std::array<int, 8> Worked{};
    std::array<int, 8> Confirmed{};
    int WorkedTotal = 0, ConfirmedTotal = 0;           // over continents 1..7
    int ContinentsWorked = 0, ContinentsConfirmed = 0; // continents 1..7 with a count above 0
};
TContinentStats BuildContinentStats(TDM &dm, const TProgress &progress);
