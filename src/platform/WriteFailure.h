#pragma once

#include <QString>

// Why a file could not be written, in Polish, to follow a colon in a message
// ("Błąd zapisu pliku X: brak miejsca na dysku"). `errorNumber` is the
// system's error seen at the failure; 0 when it is not known, and then the
// folder is looked at (missing, not writable, no room) before `fallback`,
// the library's own text, is taken.
QString WriteFailureCause(int errorNumber, const QString &fileName, const QString &fallback = QString());
