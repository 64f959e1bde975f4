#include "core/FDM.h"
#include "core/Log.h"
#include "core/LogRow.h"
#include "core/Settings.h"
#include "platform/db/FbError.h"

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

void Insert(TDM &dm, const TLog &log)
{
    dm.FollowPrefixTables();
    const int id = dm.NewLogId();
    WriteAndPost(dm, log, [id](FbQuery &l) {
        l.Append();
        l.FieldByName("LOGID")->SetAsInteger(id);
    });
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
    if (LogId == 0) {
        Insert(dm, *this);
        return;
    }
    // Change exactly the QSO that was loaded, wherever the list stands.
    FbQuery &l = dm.Logi;
    if (l.IsEmpty() || l.FieldByName("LOGID")->AsInteger() != LogId) {
        if (!l.Locate("LOGID", LogId, 0))
            throw DbError(
                QStringLiteral("Nie znaleziono w logu QSO nr %1 - mogło zostać usunięte.").arg(LogId));
    }
    dm.FollowPrefixTables();
    WriteAndPost(dm, *this, [](FbQuery &q) { q.Edit(); });
}

void TLog::LogAppend(TDM &dm)
{
    Insert(dm, *this);
}
