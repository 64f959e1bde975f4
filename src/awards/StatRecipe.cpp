#include "awards/StatRecipe.h"

#include "awards/StatRules.h"
#include "awards/StatTables.h"
#include "core/FDM.h"
#include "core/Pasmo.h"
#include "platform/db/FbStatement.h"
#include "platform/db/FbTransaction.h"

#include <algorithm>
#include <stdexcept>

int TBandParser::Index(const QString &pasmo)
{
    const auto it = known_.constFind(pasmo);
    if (it != known_.cend())
        return it.value();
    TPasmo band;
    band.ParseBand(pasmo);
    known_.insert(pasmo, band.Index());
    return band.Index();
}

TSelectList::TSelectList(std::initializer_list<const char *> columns)
{
    for (const char *c : columns)
        columns_ << QLatin1String(c);
}

QString TSelectList::Line() const
{
    return QStringLiteral("SELECT ") + columns_.join(QLatin1String(", "));
}

QString TSelectList::DistinctLine() const
{
    return QStringLiteral("SELECT DISTINCT ") + columns_.join(QLatin1String(", "));
}

int TSelectList::operator[](const char *column) const
{
    for (int at = 0; at < columns_.size(); ++at)
        if (columns_[at].compare(QLatin1String(column), Qt::CaseInsensitive) == 0)
            return at;
    throw std::logic_error(std::string("column ") + column + " is not selected");
}

int FetchAllRows(FbStatement &query, const std::function<void(const TRowValues &row)> &onRow)
{
    TRowValues values;
    int count = 0;
    for (query.ExecQuery(); !query.Eof(); query.Next()) {
        values.resize(query.ColumnCount());
        for (int i = 0; i < query.ColumnCount(); ++i)
            values[i] = query.ResultAt(i)->Value();
        onRow(values);
        ++count;
    }
    query.Close();
    return count;
}

namespace {

enum : uint8_t { WorkedBit = 1, ConfirmedBit = 2 };

// Keeps the table's views quiet during the run and never leaves a row in
// edit or insert state, also when the run throws.
class TableRunGuard {
public:
    explicit TableRunGuard(TExMemoryData &table) : table_(table) { table_.DisableControls(); }
    ~TableRunGuard()
    {
        try {
            if (table_.State() == DataSetState::Edit || table_.State() == DataSetState::Insert)
                table_.Cancel();
            table_.EnableControls();
        } catch (...) {
        }
    }
    TableRunGuard(const TableRunGuard &) = delete;
    TableRunGuard &operator=(const TableRunGuard &) = delete;

private:
    TExMemoryData &table_;
};

class GridRun {
public:
    GridRun(TDM &dm, const TGridStatistic &s, const TProgress &progress)
        : s_(s), table_(*s.Table), progress_(progress), tr_(&dm.Baza), query_(&dm.Baza, &tr_)
    {
    }

    void Run()
    {
        TableRunGuard guard(table_);
        // Emptied first: a run that fails leaves no result of an earlier run behind.
        table_.EmptyMemoryTable();
        FbTransactionScope scope(tr_);
        for (const QString &name : s_.CellFields)
            cells_.push_back(table_.FieldByName(name));
        ListPhase();
        ScanPhase();
        WriteMarks();
        SummaryPhase();
        scope.Commit();
    }

private:
    QString HashKey(const QString &key) const { return FoldedKey(key, s_.KeyCase); }

    void ListPhase()
    {
        progress_.ShowPhase(s_.ListCaption);
        std::vector<TRowValues> rows;
        query_.SetSQL(s_.ListSql);
        FetchAllRows(query_, [&](const TRowValues &row) { rows.push_back(row); });
        progress_.SetMaximum(int(rows.size()));
        int position = 0;
        for (const TRowValues &row : rows) {
            const QString key = HashKey(s_.ListKey(row));
            const bool listed = !key.isEmpty() && rowOfKey_.contains(key);
            if (!(s_.OneRowPerKey && (key.isEmpty() || listed))) {
                table_.Append();
                s_.FillRow(row, table_);
                table_.Post();
                if (!key.isEmpty() && !listed)
                    rowOfKey_.insert(key, table_.RecordCount() - 1);
            }
            progress_.SetPosition(++position);
        }
    }

    void ScanPhase()
    {
        progress_.ShowPhase(QStringLiteral("Tworzenie statystyki "));
        std::vector<TScanHit> hits;
        TBandParser bands;
        query_.SetSQL(s_.ScanSql);
        FetchAllRows(query_, [&](const TRowValues &row) {
            TScanHit hit;
            if (!s_.ReadQso(row, bands, hit))
                hit.Cell = -1;
            hits.push_back(std::move(hit));
        });
        progress_.SetMaximum(int(hits.size()));
        const int cellCount = int(cells_.size());
        marks_.assign(size_t(table_.RecordCount()) * cellCount, 0);
        int position = 0;
        for (const TScanHit &hit : hits) {
            if (hit.Cell >= 0 && hit.Cell < cellCount) {
                const auto it = rowOfKey_.constFind(HashKey(hit.Key));
                if (it != rowOfKey_.cend())
                    marks_[size_t(it.value()) * cellCount + hit.Cell] |=
                        WorkedBit | (hit.Confirmed ? ConfirmedBit : 0);
            }
            progress_.SetPosition(++position);
        }
    }

    void WriteMarks()
    {
        const int cellCount = int(cells_.size());
        for (int row = 0; row < table_.RecordCount(); ++row) {
            const uint8_t *m = marks_.data() + size_t(row) * cellCount;
            if (std::all_of(m, m + cellCount, [](uint8_t b) { return b == 0; }))
                continue;
            table_.SetRecNo(row + 1);
            table_.Edit();
            for (int c = 0; c < cellCount; ++c) {
                if (!m[c])
                    continue;
                QString cell = MarkWorked(cells_[c]->AsString());
                if (m[c] & ConfirmedBit)
                    cell = MarkConfirmed(cell);
                cells_[c]->SetAsString(cell);
            }
            table_.Post();
        }
    }

    void SummaryPhase()
    {
        progress_.ShowPhase(QStringLiteral("Tworzenie podsumowania "));
        const int rows = table_.RecordCount();
        progress_.SetMaximum(rows);
        std::vector<int> worked(cells_.size()), confirmed(cells_.size());
        for (int row = 0; row < rows; ++row) {
            for (size_t c = 0; c < cells_.size(); ++c) {
                const TMarkState state = MarkStateOf(table_.ValueAt(row, cells_[c]).s);
                worked[c] += state != TMarkState::None;
                confirmed[c] += state == TMarkState::Confirmed;
            }
            progress_.SetPosition(row + 1);
        }
        if (s_.SummaryForm == TGridStatistic::Summary::CountRows) {
            AppendSummaryRow(QStringLiteral("Wykonanych łączności"),
                             [&](size_t c) { return FormatCount3(worked[c]); });
            AppendSummaryRow(QStringLiteral("Potwierdzonych łączności"),
                             [&](size_t c) { return FormatCount3(confirmed[c]); });
        } else {
            AppendSummaryRow(s_.RatioName, [&](size_t c) {
                return QString::number(worked[c]) + u'/' + QString::number(confirmed[c]);
            });
        }
    }

    void AppendSummaryRow(const QString &name, const std::function<QString(size_t cell)> &text)
    {
        table_.Append();
        table_.FieldByName(s_.NameField)->SetAsString(name);
        for (size_t c = 0; c < cells_.size(); ++c)
            cells_[c]->SetAsString(text(c));
        table_.Post();
    }

    const TGridStatistic &s_;
    TExMemoryData &table_;
    const TProgress &progress_;
    FbTransaction tr_;
    FbStatement query_;
    std::vector<Field *> cells_;
    QHash<QString, int> rowOfKey_;
    std::vector<uint8_t> marks_;
};

} // namespace

void RunGridStatistic(TDM &dm, const TGridStatistic &statistic, const TProgress &progress)
{
    GridRun(dm, statistic, progress).Run();
}

// One query over LOGI in a transaction of its own, its rows fetched before
// they are counted (the progress maximum is the real row count).
void ScanLogiRows(TDM &dm, const QStringList &sql, const TProgress &progress,
                  const std::function<void(const TRowValues &row)> &count)
{
    FbTransaction tr(&dm.Baza);
    FbTransactionScope scope(tr);
    FbStatement query(&dm.Baza, &tr);
    query.SetSQL(sql);
    progress.ShowPhase(QStringLiteral("Tworzenie statystyki "));
    std::vector<TRowValues> rows;
    FetchAllRows(query, [&](const TRowValues &row) { rows.push_back(row); });
    progress.SetMaximum(int(rows.size()));
    int position = 0;
    for (const TRowValues &row : rows) {
        count(row);
        progress.SetPosition(++position);
    }
    scope.Commit();
}
