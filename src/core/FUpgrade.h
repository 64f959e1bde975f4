#pragma once

class TDM;

// Schema upgrade run on every start: adds what an older Log.dat lacks, never
// drops or renames anything. Each step is guarded by its probe, so running it
// again on an up-to-date file costs one probe query and three existence tests.
void UpgradeLogiColumns(TDM &dm);
void CreateStacjeTable(TDM &dm);
void CreateZamkiTable(TDM &dm);
void CreateGminyTable(TDM &dm);
