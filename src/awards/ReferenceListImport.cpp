#include "awards/ReferenceListImport.h"

#include "awards/ReferenceLists.h"
#include "core/FDM.h"

#include <QHash>
#include <QStringList>

namespace {

// One reference table: its key column first, then the columns a line sets.
struct ListTable {
    QString Name;
    QStringList Columns;
};

// Inserts or updates the rows, each given as its values in column order, the key first.
class ListUpserter {
public:
    ListUpserter(TDM &dm, FbTransaction &tr, const ListTable &table)
        : insert_(&dm.Baza, &tr), update_(&dm.Baza, &tr), columns_(table.Columns)
    {
        const QString key = columns_.first();
        const QStringList values = columns_.mid(1);
        QStringList markers, sets;
        for (const QString &c : columns_)
            markers << ':' + c;
        for (const QString &c : values)
            sets << c + "=:" + c;
        insert_.SetSQL(QStringList{"insert into " + table.Name + " (" + columns_.join(", ") + ")",
                                   "values (" + markers.join(", ") + ")"});
        update_.SetSQL(
            QStringList{"update " + table.Name, "set " + sets.join(", "), "where " + key + "=:" + key});
        insert_.Prepare();
        update_.Prepare();
        LoadKeys(dm, tr, table.Name, key);
    }

    void Store(const QStringList &row, ListImportCounts &counts)
    {
        auto found = keys_.constFind(row.first());
        const bool exists = found != keys_.constEnd();
        FbStatement &s = exists ? update_ : insert_;
        for (int i = 0; i < columns_.size(); ++i)
            s.ParamByName(columns_[i])->SetAsString(i == 0 && exists ? found.value() : row[i]);
        s.ExecQuery();
        if (exists) {
            ++counts.Updated;
        } else {
            keys_.insert(row.first(), row.first());
            ++counts.Added;
        }
    }

private:
    // The keys already stored, trimmed, each with its value as stored.
    void LoadKeys(TDM &dm, FbTransaction &tr, const QString &table, const QString &key)
    {
        FbStatement s(&dm.Baza, &tr);
        s.SetSQL(QStringList{"select " + key, "from " + table});
        s.ExecQuery();
        const ResultColumn *k = s.ResultAt(0);
        for (; !s.Eof(); s.Next())
            keys_.insert(k->AsString().trimmed(), k->AsString());
    }

    FbStatement insert_, update_;
    QStringList columns_;
    QHash<QString, QString> keys_;
};

// Runs the rows through one transaction of the table's own and reopens the table.
ListImportCounts ImportRows(TDM &dm, FbTransaction &tr, const ListTable &table,
                            const QList<QStringList> &rows, void (TDM::*reopen)(), const TProgress &progress)
{
    ListImportCounts counts;
    if (rows.isEmpty())
        return counts;
    try {
        tr.Restart();
        ListUpserter upserter(dm, tr, table);
        for (const QStringList &row : rows) {
            upserter.Store(row, counts);
            progress.SetPosition(counts.Added + counts.Updated);
        }
        tr.Commit();
    } catch (...) {
        if (tr.Active())
            tr.Rollback();
        try {
            (dm.*reopen)();
        } catch (const std::exception &) {
            // The failure that stopped the import is the one to report.
        }
        throw;
    }
    (dm.*reopen)();
    return counts;
}

} // namespace

QString ListImportMessage(const ListImportCounts &counts)
{
    if (!counts.Imported())
        return QStringLiteral("Plik nie zawiera żadnego poprawnego wiersza listy (pominięto wierszy: %1).\n"
                              "Lista nie została zmieniona.")
            .arg(counts.Skipped);
    return QStringLiteral("Wczytywanie zakończone. \nDodano wierszy: %1, zaktualizowano: %2, pominięto: %3.")
        .arg(counts.Added)
        .arg(counts.Updated)
        .arg(counts.Skipped);
}

ListImportCounts ImportCastleList(TDM &dm, const QByteArray &bytes, const TProgress &progress)
{
    const ListRead<CastleListRow> read = ReadCastleList(bytes);
    QList<QStringList> rows;
    rows.reserve(read.Rows.size());
    for (const CastleListRow &r : read.Rows)
        rows.append({r.Symbol, r.Nazwa});
    ListImportCounts counts =
        ImportRows(dm, dm.trZamki, {"ZAMKI", {"SYMBOL", "NAZWA"}}, rows, &TDM::OpenZamki, progress);
    counts.Skipped = read.Problems.size();
    return counts;
}

ListImportCounts ImportCommuneList(TDM &dm, const QByteArray &bytes, const TProgress &progress)
{
    const ListRead<CommuneListRow> read = ReadCommuneList(bytes);
    QList<QStringList> rows;
    rows.reserve(read.Rows.size());
    for (const CommuneListRow &r : read.Rows)
        rows.append({r.GminaId, r.Gmina, r.Powiat, r.WojewId});
    ListImportCounts counts = ImportRows(dm, dm.trGminy, {"GMINY", {"GMINAID", "GMINA", "POWIAT", "WOJEWID"}},
                                         rows, &TDM::OpenGminy, progress);
    counts.Skipped = read.Problems.size();
    return counts;
}
