#pragma once

#include <QString>

// Small text routines shared by the controls. Positions count from 1.

int Max(int a, int b);
int Min(int a, int b);

// Every occurrence of search replaced, left to right; inserted text is never
// scanned again. An empty search leaves the text unchanged.
QString ReplaceAll(const QString &text, const QString &search, const QString &replacement);
QString DeleteChar(QString text, QChar c);
// Only the blank (32) counts, not tabs or other white space.
QString TrimLeftBlanks(const QString &text);
QString TrimRightBlanks(const QString &text);
QString TrimBlanks(const QString &text);
QString FillString(QChar c, int count);

// A word is a maximal run of characters outside delimiters.
int NthWordPos(int n, const QString &text, const QString &delimiters);
QString NthWord(int n, const QString &text, const QString &delimiters);
