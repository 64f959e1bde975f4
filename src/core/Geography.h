#pragma once

#include <QLatin1String>
#include <QString>
#include <array>
#include <span>

// Continent codes, and the Polish voivodeships and districts of the SPPA codes.
inline constexpr std::array<QLatin1String, 8> ContinentTable = {
    QLatin1String(""),   QLatin1String("AF"), QLatin1String("AN"), QLatin1String("AS"),
    QLatin1String("EU"), QLatin1String("NA"), QLatin1String("OC"), QLatin1String("SA")};

struct Voivodeship {
    char16_t Code;
    const char16_t *Name;
};

struct District {
    const char16_t *Code;
    char16_t Voivodeship; // 0 when not known
    const char16_t *Text; // may be empty
};

std::span<const Voivodeship> Voivodeships();
std::span<const District> Districts();

QString VoivodeshipNameForCode(const QString &code);
QString VoivodeshipCodeForName(const QString &name);
QString DistrictNameForCode(const QString &code);
int ContinentIndex(const QString &code);
int ContinentTableIndex(const QString &code);
