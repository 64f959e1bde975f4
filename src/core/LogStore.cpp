#include "core/FDM.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/LogRow.h"
#include "platform/db/FbError.h"

namespace {

void WriteColumns(const TLog &log)
{
    FbQuery &l = DM->Logi;
    WriteLogRow(log, LogColumnsBy<LogWriteColumnCount>([&](const QString &name) { return l.FieldByName(name); }),
                DM->KrajIdForCall(log.Stacja));
}

void Insert(const TLog &log)
{
    FbQuery &l = DM->Logi;
    const int id = DM->NewLogId();
    l.Append();
    l.FieldByName("LOGID")->SetAsInteger(id);
    WriteColumns(log);
    l.Post();
}

}

void TLog::LogLoad(int32_t logId)
{
    TLog &log = *this;
    log.LogId = logId;
    DM->OpenLogById(logId);
    if (logId < 1) {
        log.LogReset();
        log.Data = UtcNow();
        return;
    }
    ReadLogRow(log, LogColumnsOf(DM->Log));
}

void TLog::LogSave()
{
    TLog &log = *this;
    if (log.LogId == 0) {
        Insert(log);
        return;
    }
    // Change exactly the QSO that was loaded, wherever the list stands.
    FbQuery &l = DM->Logi;
    if (l.IsEmpty() || l.FieldByName("LOGID")->AsInteger() != log.LogId) {
        if (!l.Locate("LOGID", log.LogId, 0))
            throw DbError(QStringLiteral("Nie znaleziono w logu QSO nr %1 - mogło zostać usunięte.").arg(log.LogId));
    }
    l.Edit();
    WriteColumns(log);
    l.Post();
}

void TLog::LogAppend()
{
    TLog &log = *this;
    Insert(log);
}
