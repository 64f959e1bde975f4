#pragma once

#include <QString>
#include <cstdint>

// Continent and zones of a DXCC entity (KRAJID). The call sign decides the
// zones of the large entities whose table zone is 0. A QSO's continent is
// TDM::ContinentForKrajId's, which falls back on the country table.
QString ContinentFor(int entity);                    // empty when the table has none
uint8_t ItuZoneFor(int entity, const QString &call); // 0 when nothing decides
uint8_t CqZoneFor(int entity, const QString &call);  // 0 when nothing decides
