#include "core/FDM.h"
#include "core/Log.h"
#include "core/LogRow.h"
#include "core/Settings.h"
#include "platform/db/FbError.h"
#include "platform/db/FbStatement.h"

#include <optional>

QsoChangedElsewhere::QsoChangedElsewhere()
    : DbError(
          QStringLiteral("Nie zapisano: w czasie edycji to QSO zostało zmienione w innej kopii programu."))
{
}

namespace {

void WriteColumns(TDM &dm, const TLog &log)
{
    FbQuery &l = dm.Logi;
    WriteLogRow(log,
                LogColumnsBy<LogWriteColumnCount>([&](const QString &name) { return l.FieldByName(name); }),
                dm.KrajIdForCall(log.Stacja));
}

// Writes the columns into the row the list was put in edit or insert for, and
// posts it. A failure cancels that edit, so the list's next move does not try
// the failed post again; the record keeps its values for another try.
template <typename Start> void WriteAndPost(TDM &dm, const TLog &log, Start start)
{
    FbQuery &l = dm.Logi;
    try {
        start(l);
        WriteColumns(dm, log);
        l.Post();
    } catch (const FbError &e) {
        l.Cancel();
        if (e.RowInUse())
            throw DbError(QStringLiteral("Nie zapisano: to QSO jest w tej chwili zmieniane w innej kopii "
                                         "programu. Zapis można ponowić za chwilę."));
        throw;
    } catch (...) {
        l.Cancel();
        throw;
    }
}

// The QSO's stored row as it is now, locked for the list's transaction so that
// no other copy can change it between this look and the write that follows.
std::optional<TLog> LockedStoredRow(TDM &dm, int32_t id)
{
    FbStatement row(&dm.Baza, &dm.trLogi);
    row.SetSQL(QStringList{"select * from Logi", "where LOGID = :LOGID", "with lock"});
    row.ParamByName("LOGID")->SetAsInteger(id);
    row.ExecQuery();
    std::optional<TLog> stored;
    if (!row.Eof()) {
        stored.emplace();
        stored->LogId = id;
        ReadLogRow(*stored, LogColumnsOf(row));
    }
    row.Close();
    return stored;
}

void Insert(TDM &dm, const TLog &log)
{
    dm.FollowPrefixTables();
    const int id = dm.NewLogId();
    WriteAndPost(dm, log, [id](FbQuery &l) {
        l.Append();
        l.FieldByName("LOGID")->SetAsInteger(id);
    });
}

// Writes an edited QSO over its row, wherever the list stands; given
// `loaded`, only while the row still holds it.
void SaveEdit(TDM &dm, const TLog &log, const TLog *loaded)
{
    FbQuery &l = dm.Logi;
    const int32_t id = log.LogId;
    if ((l.IsEmpty() || l.FieldByName("LOGID")->AsInteger() != id) && !l.Locate("LOGID", id, 0))
        throw DbError(QStringLiteral("Nie znaleziono w logu QSO nr %1 - mogło zostać usunięte.").arg(id));
    dm.FollowPrefixTables();
    if (!loaded)
        return WriteAndPost(dm, log, [](FbQuery &q) { q.Edit(); });
    try {
        WriteAndPost(dm, log, [&dm, loaded, id](FbQuery &q) {
            // A row deleted meanwhile is refused by the write itself.
            const std::optional<TLog> stored = LockedStoredRow(dm, id);
            if (stored && !(*stored == *loaded))
                throw QsoChangedElsewhere();
            q.Edit();
        });
    } catch (...) {
        // The lock wrote nothing; ending it at once lets the other copy go on.
        // A lost connection has ended it already.
        try {
            if (dm.trLogi.Active())
                dm.trLogi.CommitRetaining();
        } catch (const std::exception &) {
        }
        throw;
    }
}

}

void TLog::LogLoad(TDM &dm, int32_t logId)
{
    LogId = logId;
    dm.OpenLogById(logId);
    if (logId < 1) {
        LogReset();
        Data = UtcNow();
        return;
    }
    ReadLogRow(*this, LogColumnsOf(dm.Log));
}

void TLog::LogSave(TDM &dm)
{
    if (LogId == 0)
        return Insert(dm, *this);
    SaveEdit(dm, *this, nullptr);
}

void TLog::LogSave(TDM &dm, const TLog &loaded)
{
    if (LogId == 0)
        return Insert(dm, *this);
    SaveEdit(dm, *this, &loaded);
}

void TLog::LogAppend(TDM &dm)
{
    Insert(dm, *this);
}
