#pragma once

// One call sign of each country the built-in zone table gives no continent,
// with what the QSO editor and the zone fill give it from the shipped tables:
// the continent from the country table, the zones from the built-in one.
struct CountryZoneSample {
    const char *Call;
    const char *Kontynent;
    int Itu;
    int Cq;
};

inline constexpr CountryZoneSample ContinentFromCountryTable[] = {
    {"P51AB", "AS", 44, 25},  // North Korea
    {"KH8SI", "OC", 62, 32},  // Swains Island
    {"FJ5AB", "NA", 11, 8},   // Saint-Barthélemy
    {"PJ2T", "SA", 11, 9},    // Curaçao
    {"PJ7AB", "NA", 11, 8},   // Sint Maarten
    {"PJ6AB", "NA", 11, 8},   // Saba and St. Eustatius
    {"PJ4AB", "SA", 11, 9},   // Bonaire
    {"Z81AB", "AF", 48, 34},  // South Sudan
    {"Z61AB", "EU", 28, 15},  // Kosovo
    {"8Q7AB", "AS", 41, 22},  // Maldives
    {"TA1ABC", "AS", 39, 20}, // Turkey
};
