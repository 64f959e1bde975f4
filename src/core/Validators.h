#pragma once

#include <QString>

// The checks of the QSO editor's fields.
bool IsValidLocator(const QString &text);
bool IsValidReport(const QString &text);
bool IsValidIota(const QString &text);
