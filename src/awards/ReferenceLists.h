#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The fixed-column reference lists of the castle and commune awards: Zamki.txt
// and Gminy.txt, one entry a line, in Windows-1250 or UTF-8 (a file that is
// valid UTF-8 with multi-byte characters is read as UTF-8).

// Castle list: the symbol in columns 1-6, the name (place) in 7-38; a line is
// used when it is longer than 40 characters and its symbol is made of letters
// and digits with at least one digit, so a title line is never a castle.
struct CastleListRow {
    QString Symbol;
    QString Nazwa;
    qsizetype Line = 0; // 1-based line number in the file
};

// Commune list: the code in columns 1-6, the commune in 8-40, the district in
// 41-70, the voivodeship name in 71-100 (stored as its one-letter code, empty
// when the name is not known); a line is used when it is longer than 70 characters
// and its code is made of letters and digits with at least one digit. Column 7
// is not read, so a code never outgrows the six characters of GMINAID.
struct CommuneListRow {
    QString GminaId;
    QString Gmina;
    QString Powiat;
    QString WojewId;
    qsizetype Line = 0;
};

inline constexpr int CastleLineMinimum = 41;
inline constexpr int CommuneLineMinimum = 71;

enum class ListLineProblem {
    TooShort, // not longer than the list's limit (blank lines too)
    BadKey,   // long enough, but its key is blank or not a well-formed symbol or code
};

struct ListProblem {
    ListLineProblem Kind;
    qsizetype Line;
};

template <typename Row> struct ListRead {
    QList<Row> Rows;
    QList<ListProblem> Problems; // the skipped lines, in file order
};

// Every line is read, the last one without a line break too; a CR before the
// line break is not part of the line. Values are trimmed of blanks.
ListRead<CastleListRow> ReadCastleList(const QByteArray &bytes);
ListRead<CommuneListRow> ReadCommuneList(const QByteArray &bytes);
