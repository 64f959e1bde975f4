#pragma once

#include "platform/DateTime.h"

#include <QChar>
#include <QDate>
#include <QLatin1String>
#include <QString>
#include <array>
#include <cstdint>
#include <span>

// Process-wide settings; the main window loads and stores the persistent ones.
inline uint8_t SortOrder = 1; // index into SortFieldNames
inline bool CzasLetni = true; // summer time: UTC = local - 2 h, else local - 1 h
inline QString OwnCallSign;
inline uint8_t DateFrm = 0;             // index into the date-format table
inline uint8_t DateTimeFormatIndex = 1; // index into the date-format table
inline uint8_t DateQSLFrm = 0;          // index into the date-format table

inline constexpr int SortOrderCount = 12;
inline constexpr int DateFormatCount = 5;

// A setting read from storage: used when within 0..count-1, else the start value.
uint8_t SettingInRange(int value, int count, uint8_t startValue);

inline constexpr std::array<QLatin1String, DateFormatCount> DateFormats = {
    QLatin1String("yyyy-MM-dd"), QLatin1String("yyyy-MM-dd HH:mm:ss"), QLatin1String("dd-MM-yyyy"),
    QLatin1String("dd-MM-yyyy HH:mm:ss"), QLatin1String("dd-MMM-yyyy")};

inline constexpr std::array<QLatin1String, SortOrderCount> SortFieldNames = {
    QLatin1String("LogId"),      QLatin1String("Data"),    QLatin1String("Pasmo_Ind"),
    QLatin1String("Stacja"),     QLatin1String("Emisja"),  QLatin1String("Raport_Nad"),
    QLatin1String("Raport_Odb"), QLatin1String("Imie"),    QLatin1String("Miasto"),
    QLatin1String("Lokator"),    QLatin1String("QSL_WYS"), QLatin1String("QSL_ODB")};

inline constexpr std::array<QLatin1String, 8> CallbookColumnNames = {
    QLatin1String("Stacja"), QLatin1String("Imie"),    QLatin1String("Nazwisko"), QLatin1String("Nazwa"),
    QLatin1String("Miasto"), QLatin1String("Lokator"), QLatin1String("Wojew"),    QLatin1String("Powiat")};

inline constexpr std::array<QLatin1String, 8> ContinentTable = {
    QLatin1String(""),   QLatin1String("AF"), QLatin1String("AN"), QLatin1String("AS"),
    QLatin1String("EU"), QLatin1String("NA"), QLatin1String("OC"), QLatin1String("SA")};

inline constexpr std::array<QLatin1String, 12> MonthAbbreviations = {
    QLatin1String("Jan"), QLatin1String("Feb"), QLatin1String("Mar"), QLatin1String("Apr"),
    QLatin1String("May"), QLatin1String("Jun"), QLatin1String("Jul"), QLatin1String("Aug"),
    QLatin1String("Sep"), QLatin1String("Oct"), QLatin1String("Nov"), QLatin1String("Dec")};

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

// The clock UtcNow reads; tests replace it. nullptr restores the system clock.
using LocalClock = DateTime (*)();
void SetLocalClock(LocalClock clock);

DateTime UtcNow();
QString DateFormatText(uint8_t index);
QString FormatDateDdMonYyyy(const QDate &date);

bool IsValidLocator(const QString &text);
bool IsValidReport(const QString &text);
bool IsValidIota(const QString &text);

QString FlagToTN(bool flag);
bool IsFlagT(const QString &text);
QString ZoneNumberText(uint8_t zone);
QString QuoteSqlText(const QString &text);
QString RemoveBlanks(const QString &text);
QString StripApostrophes(const QString &text);
QChar CheckMarkForFlag(const QString &text);
QString DegreesToDmsText(long double degrees);

QString VoivodeshipNameForCode(const QString &code);
QString VoivodeshipCodeForName(const QString &name);
QString DistrictNameForCode(const QString &code);
int ContinentIndex(const QString &code);
int ContinentTableIndex(const QString &code);
