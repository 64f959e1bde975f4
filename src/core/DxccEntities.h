#pragma once

#include <cstdint>
#include <span>

// Continent and zones of one DXCC entity (numbered as in ADIF, equal to KRAJID).
// A zone of 0 means "decided by a rule over the call sign, or not known".
struct TDxccEntity {
    int Entity;
    const char *Kontynent; // "" when the table has none: the country table's then holds
    uint8_t ITU;
    uint8_t CQ;
};

inline constexpr int DxccEntityCount = 522;

// The entity with this number, nullptr outside 1..DxccEntityCount.
const TDxccEntity *DxccEntity(int entity);

// A key of a zone rule stage: one key, or with To set every key from From to
// To that differ only in the last character.
struct ZoneKey {
    const char *From;
    const char *To;
    uint8_t Zone;
};

// Length 0 compares the whole call sign exactly; length k compares the first k
// characters, upper-cased, and applies only to call signs of k or more characters.
struct ZoneStage {
    int Length;
    std::span<const ZoneKey> Keys;
};

struct ZoneRule {
    int Entity;
    std::span<const ZoneStage> Stages;
};

std::span<const ZoneRule> ItuZoneRules();
std::span<const ZoneRule> CqZoneRules();
