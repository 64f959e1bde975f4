#pragma once

#include <QByteArray>
#include <QString>

class TDM;

// The prefix file of both tables: every country record first, then the
// record of every prefix whose country was just written (a prefix of a
// missing country is left out), one record per line ended by CR LF, as
// Windows-1250 bytes. Reads in a transaction of its own; throws DbError.
QByteArray PrefixTableFileBytes(TDM &dm);

// Writes that file; the target is replaced only once the whole file is
// written. Returns an empty text on success, else the message for the user;
// throws the failure of a lost connection, which the caller tells.
QString ExportPrefixTable(TDM &dm, const QString &fileName);
