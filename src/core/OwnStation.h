#pragma once

#include <QString>

class TDM;

// The station's own data: the first row of STALE.
struct TOwnStation {
    QString Imie;
    QString Miasto;
    QString Wojew;  // one letter, a blank when none
    QString Powiat; // two letters, blanks where none
    QString Lokator;
};

// The longest name and town the STALE columns hold.
inline constexpr int StationTextLength = 30;

// The first STALE row; empty texts when the table has no row. Reads in a
// transaction of its own and ends it.
TOwnStation ReadOwnStation(TDM &dm);

// Writes the data into the first STALE row, inserting that row when the table
// has none, and commits. A failure rolls back and leaves the table as it was.
void WriteOwnStation(TDM &dm, const TOwnStation &data);

// The two extra lines printed on the QSL labels, kept in the same row.
struct TQslLabelLines {
    QString Linia1;
    QString Linia2;
};

// As ReadOwnStation and WriteOwnStation, for the label lines.
TQslLabelLines ReadQslLabelLines(TDM &dm);
void WriteQslLabelLines(TDM &dm, const TQslLabelLines &lines);

// The SPPA field's text for a stored voivodeship and district: the letter (a
// blank when empty), "-", the district (two blanks when empty).
QString SppaText(const QString &wojew, const QString &powiat);

// The voivodeship letter of an SPPA text: its first character, a blank when
// the text is empty.
QString VoivodeshipPart(const QString &sppa);

// The district of an SPPA text: characters 3-4 of a 4-character text, the
// third and a blank of a 3-character one, otherwise two blanks.
QString DistrictPart(const QString &sppa);
