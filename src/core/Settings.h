#pragma once

#include "platform/DateTime.h"

#include <QDate>
#include <QDateTime>
#include <QLatin1String>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

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

inline constexpr std::array<QLatin1String, 12> MonthAbbreviations = {
    QLatin1String("Jan"), QLatin1String("Feb"), QLatin1String("Mar"), QLatin1String("Apr"),
    QLatin1String("May"), QLatin1String("Jun"), QLatin1String("Jul"), QLatin1String("Aug"),
    QLatin1String("Sep"), QLatin1String("Oct"), QLatin1String("Nov"), QLatin1String("Dec")};

// The clock UtcNow reads; tests replace it. nullptr restores the system clock.
using LocalClock = DateTime (*)();
void SetLocalClock(LocalClock clock);

DateTime UtcNow();
// The summer-time setting from its stored value (non-zero: summer). With none
// stored yet it is on exactly when the clock (now, in its own time zone) is in
// daylight-saving time, so that a first start in winter does not stamp QSOs an
// hour early.
bool CzasLetniSetting(std::optional<int> stored, const QDateTime &now);
QString DateFormatText(uint8_t index);
QString FormatDateDdMonYyyy(const QDate &date);
