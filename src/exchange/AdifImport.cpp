#include "exchange/AdifImport.h"

#include "core/FDM.h"
#include "core/Log.h"
#include "core/LogRow.h"
#include "exchange/AdifReader.h"
#include "exchange/AdifToLog.h"
#include "platform/db/FbError.h"

#include <QSet>
#include <array>
#include <utility>

namespace {

using QsoKey = std::pair<qint64, QString>;

QsoKey KeyOf(const DateTime &data, const QString &call)
{
    return {qint64(data.days()) * 86400 + data.ticks() / DateTime::TicksPerSecond, call.toUpper()};
}

class QsoInserter {
public:
    QsoInserter(TDM &dm, FbTransaction &tr) : insert_(&dm.Baza, &tr), newId_(&dm.Baza, &tr), dm_(dm)
    {
        // The insert of the log's own update object, run directly: one prepared
        // statement in the import's transaction instead of a dataset row per QSO.
        insert_.SetSQL(dm.updLogi.SQL(FbUpdateSql::Insert));
        insert_.Prepare();
        logId_ = insert_.ParamByName("LOGID");
        p_ = LogColumnsBy<LogWriteColumnCount>(
            [this](const QString &name) { return insert_.ParamByName(name); });
        newId_.SetStoredProcName("GETLOGID");
    }

    void Insert(const TLog &q)
    {
        newId_.ExecProc();
        logId_->SetAsInteger(newId_.ColumnByName("NUM")->AsInteger());
        WriteLogRow(q, p_, dm_.KrajIdForCall(q.Stacja));
        insert_.ExecQuery();
    }

private:
    FbStatement insert_;
    FbStoredProc newId_;
    TDM &dm_;
    Param *logId_ = nullptr;
    std::array<Param *, LogWriteColumnCount> p_{};
};

QSet<QsoKey> LoggedQsos(TDM &dm, FbTransaction &tr)
{
    FbStatement s(&dm.Baza, &tr);
    s.SetSQL(QStringList{"select Data, Stacja", "from Logi"});
    s.ExecQuery();
    QSet<QsoKey> keys;
    const ResultColumn *data = s.ColumnByName("DATA");
    const ResultColumn *call = s.ColumnByName("STACJA");
    for (; !s.Eof(); s.Next())
        keys.insert(KeyOf(data->AsDateTime(), call->AsString()));
    return keys;
}

} // namespace

bool AdifImport::Run(const QByteArray &bytes, const TProgress &progress)
{
    counts_ = {};
    warnings_.clear();

    AdifReader reader(bytes);
    FbTransaction tr(&dm_.Baza);
    AdifImportCounts committed; // the counts the last commit made permanent
    bool stored = true;
    bool dbFailed = false;
    try {
        dm_.FollowPrefixTables();
        tr.StartTransaction();
        QSet<QsoKey> logged = LoggedQsos(dm_, tr);
        QsoInserter inserter(dm_, tr);
        AdifRecord record;
        TLog qso;
        AdifRecordNotes notes;
        while (reader.next(record)) {
            ++counts_.processed;
            if (AdifRecordToLog(record, qso, &notes) != AdifVerdict::Accepted) {
                ++counts_.rejected;
            } else if (!logged.contains(KeyOf(qso.Data, qso.Stacja))) {
                inserter.Insert(qso);
                logged.insert(KeyOf(qso.Data, qso.Stacja));
                ++counts_.added;
                counts_.shortened += notes.Shortened;
                counts_.untimed += notes.NoTime;
                if (counts_.added - committed.added == batchSize_) {
                    tr.CommitRetaining();
                    committed = counts_;
                }
            } else {
                ++counts_.duplicates;
            }
            progress.SetPosition(counts_.processed);
        }
        tr.Commit();
    } catch (const DbError &e) {
        stored = false;
        dbFailed = true;
        // Keep what went in before the failure: one failed statement does not
        // spoil the transaction. When that cannot be committed (the connection
        // is lost), only the batches committed before stay.
        if (!tr.CommitOrRollback()) {
            counts_.added = committed.added;
            counts_.shortened = committed.shortened;
            counts_.untimed = committed.untimed;
        }
        const QString text = JobFailureText(e, QStringLiteral("Błąd zapisu do bazy danych: "),
                                            QStringLiteral("Wczytywanie przerwano przy pozycji %1 pliku; "
                                                           "dodano %2 nowych łączności.")
                                                .arg(counts_.processed)
                                                .arg(counts_.added),
                                            counts_.processed > 0);
        if (!text.isEmpty())
            warnings_ << text;
    }

    // Another kind of file picked by mistake (a picture, say) reads without a
    // single field: that is what the user is told, not what the reader tripped
    // over in it. A run that found nothing to import did not succeed.
    if (!dbFailed && reader.fieldsRead() == 0 && reader.skippedRecords() == 0) {
        warnings_ << QStringLiteral("W pliku nie znaleziono żadnej pozycji w formacie ADIF.\n"
                                    "Nic nie zostało wczytane.");
        return false;
    }
    if (counts_.rejected > 0)
        warnings_.prepend(
            QStringLiteral("Pominięto pozycje bez poprawnej daty QSO_DATE: %1.").arg(counts_.rejected));
    for (const AdifProblem &problem : reader.problems()) {
        // Skipped records are reported; the rest of the file was read all the same.
        if (problem.kind == AdifProblemKind::LengthPastRecord) {
            warnings_ << AdifProblemText(problem);
            continue;
        }
        stored = false;
        warnings_ << QStringLiteral("%1\nPrzetworzono %2 pozycji; dodano %3 nowych łączności.")
                         .arg(AdifProblemText(problem))
                         .arg(counts_.processed)
                         .arg(counts_.added);
    }
    return stored;
}
