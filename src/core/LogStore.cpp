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

void Insert(TDM &dm, const TLog &log)
{
    FbQuery &l = dm.Logi;
    const int id = dm.NewLogId();
    l.Append();
    l.FieldByName("LOGID")->SetAsInteger(id);
    WriteColumns(dm, log);
    l.Post();
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
    l.Edit();
    WriteColumns(dm, *this);
    l.Post();
}

void TLog::LogAppend(TDM &dm)
{
    Insert(dm, *this);
}
