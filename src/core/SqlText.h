#pragma once

#include <QString>

// The stored form of the QSL flags: "T" or "N".
QString FlagToTN(bool flag);
bool IsFlagT(const QString &text);

// A text as an SQL string literal, inner apostrophes doubled.
QString QuoteSqlText(const QString &text);
QString RemoveBlanks(const QString &text);
// Callbook search inputs go in without apostrophes.
QString StripApostrophes(const QString &text);
