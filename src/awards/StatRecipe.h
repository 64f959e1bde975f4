#pragma once

#include "platform/Progress.h"
#include "platform/db/ExMemDS.h"
#include "platform/db/Field.h"

#include <QHash>
#include <QStringList>
#include <functional>
#include <vector>

class FbStatement;
class TDM;

// The column values of one fetched row, in the order of the query's select list.
using TRowValues = std::vector<FieldValue>;

// The run that the seven grid statistics share, written once. A statistic is
// described by a TGridStatistic and run by RunGridStatistic:
//
// 1. List phase (ListCaption): the table is emptied; ListSql is run and, once
//    its rows are fetched, each row appends one result row through FillRow
//    (the table's new-record handler blanks the mark cells first). ListKey
//    gives the key a QSO must carry to be counted in that row; an empty key
//    leaves the row unreachable. With OneRowPerKey a key already listed
//    appends nothing (the list is built from the log itself).
// 2. Scan phase ("Tworzenie statystyki "): ScanSql is run and, once its rows
//    are fetched, each QSO is read by ReadQso into a key, a cell (an index
//    into CellFields) and its confirmation. A QSO that ReadQso refuses, whose
//    key has no row or whose cell is -1 only moves the progress. The row's
//    cell gets MarkWorked, and MarkConfirmed for a confirmed QSO. Keys are
//    found through a hash (KeyCase says whether letter case counts); the first
//    row of a key wins, as a search from the top would find it. Each marked
//    row is written once, after the scan, with the same result as marking it
//    QSO by QSO.
// 3. Summary phase ("Tworzenie podsumowania "): every row's cells are read
//    back; a cell with one mark counts as worked, with two as worked and
//    confirmed. SummaryForm says which rows are appended: CountRows appends
//    "Wykonanych łączności" and "Potwierdzonych łączności" into NameField with
//    FormatCount3 of each cell's counts; Ratio appends one row with RatioName
//    in NameField and "worked/confirmed" in each cell.
//
// Everything runs in a transaction of its own on the data module's database,
// committed at the end and rolled back when the run throws. Progress goes
// through TProgress: Phase per phase, Maximum once the rows are known,
// Position after every row.
//
// To add a grid statistic: give its table's fields and new-record handler in
// TStatTables, then describe it here and call RunGridStatistic.

// A QSO as the scan phase counts it.
struct TScanHit {
    QString Key;
    int Cell = -1;
    bool Confirmed = false;
};

// Band texts of a run parsed once each (a log holds only a handful of them).
class TBandParser {
public:
    int Index(const QString &pasmo); // TPasmo index, 0 for none

private:
    QHash<QString, int> known_;
};

struct TGridStatistic {
    enum class Summary { CountRows, Ratio };

    TExMemoryData *Table = nullptr;
    QString ListCaption;
    QStringList ListSql;
    std::function<QString(const TRowValues &row)> ListKey;
    std::function<void(const TRowValues &row, TExMemoryData &table)> FillRow;
    bool OneRowPerKey = false;
    QStringList ScanSql;
    std::function<bool(const TRowValues &row, TBandParser &bands, TScanHit &hit)> ReadQso;
    Qt::CaseSensitivity KeyCase = Qt::CaseSensitive;
    QStringList CellFields;
    Summary SummaryForm = Summary::CountRows;
    QString NameField;
    QString RatioName;
};

void RunGridStatistic(TDM &dm, const TGridStatistic &statistic, const TProgress &progress);

// Runs a query to its last row, calling onRow for each row, and returns the
// number of rows.
int FetchAllRows(FbStatement &query, const std::function<void(const TRowValues &row)> &onRow);

// The frame of the zone and continent statistics: one query over LOGI in a
// transaction of its own, phase "Tworzenie statystyki ", its rows fetched and
// then counted one by one (the progress maximum is the real row count).
void ScanLogiRows(TDM &dm, const QStringList &sql, const TProgress &progress,
                  const std::function<void(const TRowValues &row)> &count);

// A select list written once: the statement's select line is made from it and
// a reader finds a column's place in it by name, so a reordered or changed
// list cannot shift what is read. Looked up once, before the rows.
class TSelectList {
public:
    TSelectList(std::initializer_list<const char *> columns);

    QString Line() const;         // "SELECT KrajId, Stacja, Pasmo, QSL_ODB"
    QString DistinctLine() const; // "SELECT DISTINCT Lokator"
    // The column's place (letter case aside); throws std::logic_error for a
    // column not in the list.
    int operator[](const char *column) const;

private:
    QStringList columns_;
};

// A text or integer column of a row at its place in the select list (NULL
// reads as "" or 0).
inline const QString &ColumnText(const TRowValues &row, int column)
{
    return row[column].s;
}
inline int ColumnInt(const TRowValues &row, int column)
{
    return row[column].null ? 0 : int(row[column].i);
}
// The QSL-received column: only "T" confirms.
inline bool ColumnConfirmed(const TRowValues &row, int column)
{
    return row[column].s == QLatin1String("T");
}
