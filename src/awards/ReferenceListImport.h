#pragma once

#include "platform/Progress.h"

#include <QByteArray>
#include <QString>

class TDM;

struct ListImportCounts {
    qsizetype Added = 0;   // rows new to the table
    qsizetype Updated = 0; // rows already there, given the values of the file
    qsizetype Skipped = 0; // lines too short or without a well-formed key

    // False when the file gave no usable line: it was refused and nothing changed.
    bool Imported() const { return Added + Updated > 0; }
};

// What the window says when the import ends: the rows added, updated and
// skipped, or that the file was refused.
QString ListImportMessage(const ListImportCounts &counts);

// Adds or updates a row of ZAMKI (GMINY) for every usable line of a castle
// (commune) list; rows missing from the file stay. A file without any usable
// line (another file picked by mistake) is refused before the table is
// touched. A key already in the table, compared trimmed and exactly, updates
// that row; a key given twice in the file leaves the later line's values. The
// whole list goes in one transaction of the table's own (trZamki, trGminy),
// committed at the end; the data module's table is reopened afterwards. A
// database error rolls everything back, reopens the table and is thrown on.
// Progress gets the number of rows stored so far.
ListImportCounts ImportCastleList(TDM &dm, const QByteArray &bytes, const TProgress &progress = {});
ListImportCounts ImportCommuneList(TDM &dm, const QByteArray &bytes, const TProgress &progress = {});
