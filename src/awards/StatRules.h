#pragma once

#include <QString>
#include <span>

// What a statistic counts a QSO for, written once: the counts and the QSO
// lists behind their results both follow these rules.

// Poland's KRAJEDX key: the district, commune and castle statistics read only its QSOs.
inline constexpr int PolandKrajId = 269;

// The nine HF bands (TPasmo indexes) the DXCC KF statistic counts.
inline constexpr int HfBands[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
// "Pasmo IN('160 m','80 m',...)" for the bands' names.
QString PasmoIn(std::span<const int> bands);

// The district id a QSO's Domena counts for (the text trimmed first): of three
// characters its last two, of four its characters 3 and 4, otherwise empty.
QString PowiatIdFromDomena(const QString &domena);
// The island reference a QSO's Wyspa counts for: trimmed; empty for "-" and blanks.
// It matches a WYSPY reference without regard to letter case.
QString IotaKeyFromWyspa(const QString &wyspa);
// The commune or castle symbol a QSO's Gmina or Zamek counts for: trimmed.
QString SymbolKey(const QString &text);
// The locator square a QSO counts for: the first four characters of the
// trimmed locator, empty when shorter. Matched with letter case.
QString LokatorSquare(const QString &lokator);

// A key as keys are compared: case-folded when letter case does not count.
QString FoldedKey(const QString &key, Qt::CaseSensitivity cs);

// How a statistic keys a QSO by one LOGI column. Of gives the key of the
// column's text, empty when the QSO is not counted; it is always a part of
// that text, so a query may first narrow to the texts containing a key.
struct TQsoKeyRule {
    const char *Column;
    QString (*Of)(const QString &text);
    Qt::CaseSensitivity Case;

    // Whether a QSO whose column holds the text counts for the key.
    bool Matches(const QString &text, const QString &key) const;
};

inline constexpr TQsoKeyRule PowiatKey{"Domena", PowiatIdFromDomena, Qt::CaseSensitive};
inline constexpr TQsoKeyRule IotaKey{"Wyspa", IotaKeyFromWyspa, Qt::CaseInsensitive};
inline constexpr TQsoKeyRule GminaKey{"Gmina", SymbolKey, Qt::CaseSensitive};
inline constexpr TQsoKeyRule ZamekKey{"Zamek", SymbolKey, Qt::CaseSensitive};
inline constexpr TQsoKeyRule LokatorKey{"Lokator", LokatorSquare, Qt::CaseSensitive};
