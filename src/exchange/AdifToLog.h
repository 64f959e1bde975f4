#pragma once

#include "exchange/AdifReader.h"

#include <QDate>
#include <QString>
#include <optional>

class TLog;

// What became of one ADIF record.
enum class AdifVerdict {
    Accepted, // the QSO record holds it
    Empty,    // a record without fields
    NoDate,   // no valid QSO_DATE: never stored with a zero date
};

// What the import tells the user of a record it took, beyond the count.
struct AdifRecordNotes {
    bool Shortened = false; // a value lost more than blanks to its column
    bool NoTime = false;    // no readable TIME_ON: the QSO is at 00:00 of its day
};

// Fills `log` (reset first; LogId untouched) from one record: the tags the
// program knows, applied in file order so that a later tag wins. A value
// longer than its column is cut to it. A long locator kept to its
// six-character square is not a shortening.
AdifVerdict AdifRecordToLog(const AdifRecord &record, TLog &log, AdifRecordNotes *notes = nullptr);

// YYYYMMDD; anything else, or a date not in the calendar, gives nothing.
std::optional<QDate> ParseAdifDate(const QString &value);
// HHMM or HHMMSS as seconds of the day; anything else gives nothing.
std::optional<int> ParseAdifTime(const QString &value);
// "Y" in any case, blanks around ignored.
bool ParseAdifFlag(const QString &value);
// MHz with '.' or ',' as the decimal point; nothing when empty or not a number.
std::optional<double> ParseAdifFrequency(const QString &value);
// Band index for a frequency in MHz; 0 outside every band the program knows.
int BandIndexForFrequency(double mhz);
