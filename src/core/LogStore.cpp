#include "core/FDM.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "platform/db/FbError.h"

namespace {

void WriteColumns(const TLog &log)
{
    FbQuery &l = DM->Logi;
    l.FieldByName("DATA")->SetAsDateTime(log.Data);
    l.FieldByName("PASMO")->SetAsString(log.Pasmo.BandName());
    l.FieldByName("PASMO_IND")->SetAsInteger(log.Pasmo.BandWavelength());
    l.FieldByName("STACJA")->SetAsString(log.Stacja);
    l.FieldByName("KRAJID")->SetAsInteger(DM->KrajIdForCall(log.Stacja));
    l.FieldByName("EMISJA")->SetAsString(log.Emisja);
    l.FieldByName("RAPORT_NAD")->SetAsString(log.RaportNad);
    l.FieldByName("RAPORT_ODB")->SetAsString(log.RaportOdb);
    l.FieldByName("IMIE")->SetAsString(log.Imie);
    l.FieldByName("NOTATKI")->SetAsString(log.Notatki);
    l.FieldByName("LOKATOR")->SetAsString(log.LogGetLokator());
    l.FieldByName("QSL_MANAGER")->SetAsString(log.QslManager);
    l.FieldByName("QSL_WYS")->SetAsString(FlagToTN(log.QslWys));
    l.FieldByName("QSL_ODB")->SetAsString(FlagToTN(log.QslOdb));
    l.FieldByName("MIASTO")->SetAsString(log.Miasto);
    l.FieldByName("WYSPA")->SetAsString(log.Wyspa);
    l.FieldByName("DOMENA")->SetAsString(log.Domena);
    l.FieldByName("GMINA")->SetAsString(log.Gmina);
    l.FieldByName("ZAMEK")->SetAsString(log.Zamek);
    l.FieldByName("KONTYNENT")->SetAsString(log.Kontynent);
    l.FieldByName("ITU")->SetAsInteger(log.ITU);
    l.FieldByName("CQ")->SetAsInteger(log.CQ);
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
    FbQuery &r = DM->Log;
    log.Data = r.FieldByName("DATA")->AsDateTime();
    log.Pasmo.ParseBand(r.FieldByName("PASMO")->AsString());
    log.LogSetStacja(r.FieldByName("STACJA")->AsString());
    log.LogSetEmisja(r.FieldByName("EMISJA")->AsString());
    log.RaportNad = r.FieldByName("RAPORT_NAD")->AsString();
    log.RaportOdb = r.FieldByName("RAPORT_ODB")->AsString();
    log.Lokator = r.FieldByName("LOKATOR")->AsString();
    log.Imie = r.FieldByName("IMIE")->AsString();
    log.Notatki = r.FieldByName("NOTATKI")->AsString();
    log.QslManager = r.FieldByName("QSL_MANAGER")->AsString();
    log.QslWys = r.FieldByName("QSL_WYS")->AsString() == QLatin1String("T");
    log.QslOdb = r.FieldByName("QSL_ODB")->AsString() == QLatin1String("T");
    log.Miasto = r.FieldByName("MIASTO")->AsString();
    log.Wyspa = r.FieldByName("WYSPA")->AsString();
    log.Domena = r.FieldByName("DOMENA")->AsString();
    log.Gmina = r.FieldByName("GMINA")->AsString();
    log.Zamek = r.FieldByName("ZAMEK")->AsString();
    log.LogSetKontynent(r.FieldByName("KONTYNENT")->AsString());
    log.LogSetItu(r.FieldByName("ITU")->AsInteger());
    log.LogSetCq(r.FieldByName("CQ")->AsInteger());
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
