#include "core/FDM.h"

#include "core/DisplayText.h"
#include "core/Dxcc.h"
#include "core/FUpgrade.h"
#include "core/Geography.h"
#include "core/PrefixIndex.h"
#include "core/PrefixVersion.h"
#include "core/Settings.h"
#include "platform/Messages.h"
#include "platform/db/FbError.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <exception>

TDM *DM = nullptr;

namespace {

const int DuplicateValue = 335544349; // duplicate value in a unique index
const int UniqueKeyViolation = 335544665;

QStringList Lines(std::initializer_list<const char *> lines)
{
    QStringList out;
    for (const char *l : lines)
        out << QString::fromUtf8(l);
    return out;
}

}

TDM::TDM(QObject *parent) : QObject(parent), prefixIndex_(std::make_unique<PrefixIndex>())
{
    Baza.SetPassword(QStringLiteral("drobnikas"));
    SetUpDatasets();
}

TDM::~TDM()
{
    try {
        CommitAll();
    } catch (const std::exception &) {
        // The connection may already be gone; nothing more can be saved.
    }
    if (DM == this)
        DM = nullptr;
}

void TDM::SetUpDatasets()
{
    for (FbTransaction *tr :
         {&trLogi,  &trLog,      &trLaczStacja, &trDrukLog,  &trPrefix, &trPrefStart, &trKrajDX,
          &trWyspy, &trCallBook, &trq,          &trPowiaty,  &trStale,  &trEtykiety,  &trStacje,
          &trZamki, &trGminy,    &TrFunc,       &trGetLogId, &trStacja, &trUpg,       &TrNewLogId})
        tr->SetDefaultDatabase(&Baza);

    auto bind = [this](auto &ds, FbTransaction &tr) {
        ds.SetDatabase(&Baza);
        ds.SetTransaction(&tr);
    };
    bind(Logi, trLogi);
    bind(Log, trLog);
    bind(LaczStacja, trLaczStacja);
    bind(DrukLog, trDrukLog);
    bind(Prefiksy, trPrefix);
    bind(PrefStart, trPrefStart);
    bind(KrajeDX, trKrajDX);
    bind(Wyspy, trWyspy);
    bind(Callbook, trCallBook);
    bind(q, trq);
    bind(Powiaty, trPowiaty);
    bind(Stale, trStale);
    bind(Etykiety, trEtykiety);
    bind(Stacje, trStacje);
    bind(Zamki, trZamki);
    bind(Gminy, trGminy);
    bind(LiczbaRek, TrFunc);
    bind(GenLogId, TrFunc);
    bind(GetLogId, trGetLogId);
    bind(Stacja, trStacja);
    bind(Upg, trUpg);
    bind(PrefiksyWersja, trPrefStart);
    bind(GetNewLogId, TrNewLogId);

    Logi.SetSQL(Lines({"select  *", "from Logi", "order by Data"}));
    Log.SetSQL(Lines({"select *", "from LOGI", "where LogId=:LogId"}));
    LaczStacja.SetSQL(Lines({"select *", "from Logi", "where Stacja=:Stacja", "order by Data"}));
    DrukLog.SetSQL(
        Lines({"select Data, Pasmo, Stacja, Emisja, Raport_Nad, Raport_Odb, Imie, Miasto, Lokator, "
               "QSL_Wys, QSL_Odb  ",
               "from LOGI", "where Data between :OdDnia and :DoDnia", "order by Data, Stacja "}));
    Prefiksy.SetSQL(Lines({"select Prefix, KrajId", "from PrefiksyDX", "order by Prefix"}));
    PrefStart.SetSQL(Lines({"SELECT Prefix, KrajId", "FROM PrefiksyDX", "WHERE Prefix STARTING WITH :Prefix ",
                            "ORDER BY Prefix"}));
    KrajeDX.SetSQL(
        Lines({"select KrajId, PrefixDX, NazwaPol, Kontynent ", "from KRAJEDX", "order by KrajId"}));
    Wyspy.SetSQL(Lines({"select * ", "from WYSPY", "order by IOTA"}));
    Callbook.SetSQL(Lines({"select  * from STACJE"}));
    Powiaty.SetTableName("POWIATY");
    Stale.SetTableName("STALE");
    Etykiety.SetTableName("ETYKIETY");
    Etykiety.SetIndexName("ETYKIETY_NAZWA");
    Stacje.SetTableName("STACJE");
    Zamki.SetTableName("ZAMKI");
    Zamki.SetIndexFieldNames("SYMBOL");
    Gminy.SetTableName("GMINY");
    LiczbaRek.SetSQL(Lines({"select  COUNT(*) AS Licznik, MAX(LogId) AS Ostatni", "from LOGI"}));
    GenLogId.SetSQL(Lines({"select GEN_ID(GEN_LOGID, 0) AS Num", "from RDB$DATABASE"}));
    GetLogId.SetSQL(Lines({"select LOGID", "from Logi", "where Data=:Data"}));
    Stacja.SetSQL(
        Lines({"select Imie, Miasto, Lokator, Wojew, Powiat", "from STACJE", "where Stacja=:Stacja"}));
    GetNewLogId.SetStoredProcName("GETLOGID");

    updLogi.SetModifySQL(Lines({"update Logi",
                                "set",
                                "DATA = :DATA,",
                                "PASMO = :PASMO,",
                                "PASMO_IND = :PASMO_IND,",
                                "STACJA = :STACJA,",
                                "KRAJID = :KRAJID,",
                                "EMISJA = :EMISJA,",
                                "RAPORT_NAD = :RAPORT_NAD,",
                                "RAPORT_ODB = :RAPORT_ODB,",
                                "IMIE = :IMIE,",
                                "WYSPA = :WYSPA,",
                                "DOMENA = :DOMENA,",
                                "GMINA =:GMINA,",
                                "ZAMEK=:ZAMEK,",
                                "MIASTO = :MIASTO,",
                                "LOKATOR = :LOKATOR,",
                                "NOTATKI = :NOTATKI,",
                                "QSL_MANAGER = :QSL_MANAGER,",
                                "QSL_WYS = :QSL_WYS,",
                                "QSL_ODB = :QSL_ODB,",
                                "KONTYNENT=:KONTYNENT,",
                                "ITU=:ITU,",
                                "CQ=:CQ",
                                "where",
                                "LOGID = :OLD_LOGID"}));
    updLogi.SetInsertSQL(Lines(
        {"insert into Logi",
         "(LOGID, DATA, PASMO, PASMO_IND, STACJA, KRAJID, EMISJA, RAPORT_NAD, RAPORT_ODB, IMIE, WYSPA, "
         "DOMENA, "
         "GMINA, ZAMEK, MIASTO, LOKATOR, NOTATKI, QSL_MANAGER, QSL_WYS, QSL_ODB, KONTYNENT, ITU, CQ)",
         "values",
         "(:LOGID, :DATA, :PASMO, :PASMO_IND, :STACJA, :KRAJID, :EMISJA, :RAPORT_NAD, :RAPORT_ODB, :IMIE, "
         ":WYSPA, :DOMENA, :GMINA, :ZAMEK, :MIASTO, :LOKATOR, :NOTATKI, :QSL_MANAGER, :QSL_WYS, :QSL_ODB, "
         ":KONTYNENT, :ITU, :CQ)"}));
    updLogi.SetDeleteSQL(Lines({"delete from Logi", "where", "LOGID = :OLD_LOGID"}));
    updLogi.SetRefreshSQL(Lines({"Select *", "from Logi ", "where", "LOGID = :LOGID"}));
    updLogi.SetRowLostMessage(
        FbUpdateSql::Modify,
        QStringLiteral("Nie zapisano: QSO zostało w międzyczasie zmienione lub usunięte."));
    updLogi.SetRowLostMessage(
        FbUpdateSql::Delete,
        QStringLiteral("Nie usunięto: QSO zostało w międzyczasie zmienione lub usunięte."));
    Logi.SetUpdateObject(&updLogi);
    // A QSO the user saw saved must survive a crash: every change to the log is
    // committed at once, keeping the open cursor.
    Logi.AfterPost = [this](DataSet &ds) {
        trLogi.CommitRetaining();
        if (logiInserting_) {
            const int id = int(ds.FieldByName("LOGID")->AsInteger());
            idsBeforeOpen_ = std::max(idsBeforeOpen_, id);
            if (listedTotals_) {
                ++listedTotals_->Count;
                listedTotals_->LastId = std::max(listedTotals_->LastId, id);
            }
        }
    };
    Logi.AfterDelete = [this](DataSet &) {
        trLogi.CommitRetaining();
        if (listedTotals_)
            --listedTotals_->Count;
    };
    Logi.BeforePost = [this](DataSet &ds) { logiInserting_ = ds.State() == DataSetState::Insert; };
    Logi.BeforeOpen = [this](DataSet &) {
        listedTotals_.reset();
        idsBeforeOpen_ = LogIdGeneratorValue();
    };

    UpWyspy.SetModifySQL(Lines({"update WYSPY", "set", "NAZWAANG = :NAZWAANG,", "NAZWAPOL = :NAZWAPOL",
                                "where", "IOTA = :OLD_IOTA"}));
    UpWyspy.SetInsertSQL(Lines(
        {"insert into WYSPY", "(IOTA, NAZWAANG, NAZWAPOL)", "values", "(:IOTA, :NAZWAANG, :NAZWAPOL)"}));
    UpWyspy.SetDeleteSQL(Lines({"delete from WYSPY", "where", "IOTA = :OLD_IOTA"}));
    UpWyspy.SetRefreshSQL(
        Lines({"Select ", "IOTA,", "NAZWAANG,", "NAZWAPOL", "from WYSPY ", "where", "IOTA = :IOTA"}));
    Wyspy.SetUpdateObject(&UpWyspy);

    SetUpLogiFields();
    SetUpCallbookFields();

    Etykiety.OnPostError = [this](DataSet &ds, const std::exception &e, PostErrorAction &action) {
        EtykietyPostError(ds, e, action);
    };
    DrukLog.BeforeOpen = [](DataSet &ds) {
        if (Field *f = ds.FindField("DATA"))
            f->SetDisplayFormat(DateFormatText(DateTimeFormatIndex));
    };
}

void TDM::SetUpLogiFields()
{
    Field *data = Logi.AddField("DATA", FieldType::DateTime);
    data->SetDisplayFormat("yyyy-MM-dd hh:mm");
    data->SetAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Logi.AddField("QSL_WYS", FieldType::FixedChar, 1)->OnGetText = FlagFieldText;
    Logi.AddField("QSL_ODB", FieldType::FixedChar, 1)->OnGetText = FlagFieldText;
    Logi.AddField("KrajDxcc", FieldType::String, 50, FieldKind::Calculated);
    Logi.AddField("StacjaImie", FieldType::String, 30, FieldKind::Calculated);
    Logi.AddField("KontITUCQ", FieldType::String, 8, FieldKind::Calculated);
    Logi.OnCalcFields = [this](DataSet &ds) { LogiCalcFields(ds); };

    LaczStacja.AddField("DATA", FieldType::DateTime)->SetDisplayFormat("YYYY-MM-DD HH:mm");
    LaczStacja.AddField("QSL_WYS", FieldType::FixedChar, 1)->OnGetText = FlagFieldText;
    LaczStacja.AddField("QSL_ODB", FieldType::FixedChar, 1)->OnGetText = FlagFieldText;
    DrukLog.AddField("DATA", FieldType::DateTime)->SetDisplayFormat("yyyy-MM-dd hh:mm:ss");
    DrukLog.AddField("QSL_WYS", FieldType::FixedChar, 1)->OnGetText = FlagFieldText;
    DrukLog.AddField("QSL_ODB", FieldType::FixedChar, 1)->OnGetText = FlagFieldText;
}

void TDM::SetUpCallbookFields()
{
    Callbook.AddField("PelnaNazwa", FieldType::String, 70, FieldKind::Calculated);
    Callbook.AddField("NazwaWojew", FieldType::String, 30, FieldKind::Calculated);
    Callbook.AddField("NazwaPowiatu", FieldType::String, 50, FieldKind::Calculated);
    Callbook.OnCalcFields = [this](DataSet &ds) { CallBookCalcFields(ds); };
}

QString TDM::DatabasePath()
{
    const QString over = qEnvironmentVariable("QUARN_DATABASE");
    if (!over.isEmpty())
        return over;
    return QDir(QCoreApplication::applicationDirPath()).filePath("Log.dat");
}

QString TDM::ConnectionFailureText(const QString &databaseName, bool fileInUse)
{
    const QChar cr('\r');
    QString text;
    if (fileInUse)
        text +=
            QStringLiteral("Dziennik jest już otwarty w innej kopii programu (albo przez serwer Firebird).") +
            cr + cr;
    text += QStringLiteral("Nie udało się połączyć z bazą: ") + databaseName + cr + cr +
            QStringLiteral("Najczęstsze przyczyny to:") + cr;
    const QString host = FbDatabase::ServerHost(databaseName);
    if (!host.isEmpty()) {
        text += QStringLiteral("1. Nie został uruchomiony serwer baz danych Firebird") + cr +
                QStringLiteral("   (Należy uruchomić serwer Firebird na komputerze ") + host +
                QLatin1Char(',') + cr +
                QStringLiteral("    np. poleceniem: sudo systemctl start firebird3.0),") + cr;
    } else {
        text += QStringLiteral("1. Dziennik jest otwarty w innej kopii programu") + cr +
                QStringLiteral("   (Należy ją zamknąć; na jednym dzienniku dwie kopie programu") + cr +
                QStringLiteral("    mogą pracować tylko przez serwer Firebird),") + cr;
    }
    return text + QStringLiteral("2. Brak pliku bazy: ") + databaseName;
}

QString TDM::ConnectionFailureMessage() const
{
    // The text separates its lines with bare carriage returns; a box needs line feeds.
    QString text = ConnectionFailureText(Baza.DatabaseName(), connectionFileInUse_);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!connectionError_.isEmpty())
        text += QLatin1Char('\n') + connectionError_;
    return text;
}

bool TDM::OpenDatabase()
{
    Baza.Close();
    connectionError_.clear();
    connectionFileInUse_ = false;
    try {
        Baza.SetDatabaseName(DatabasePath());
        Baza.Open();
    } catch (const std::exception &e) {
        // Kept for the failure box: the only way to tell a missing file from a locked one.
        connectionError_ = QString::fromUtf8(e.what()).simplified();
        const auto *fb = dynamic_cast<const FbError *>(&e);
        connectionFileInUse_ = fb && fb->FileInUse();
        return false;
    }
    const SchemaLinks schema{q, trq, Upg, trUpg};
    UpgradeLogiColumns(schema);
    if (!TableExists(Baza, "STACJE"))
        CreateStacjeTable(schema);
    if (!TableExists(Baza, "ZAMKI"))
        CreateZamkiTable(schema);
    if (!TableExists(Baza, "GMINY"))
        CreateGminyTable(schema);
    if (!TableExists(Baza, "ETYKIETY"))
        CreateEtykietyTable(schema);
    if (!TableExists(Baza, PrefixVersion::TableName))
        CreatePrefixVersionTable(schema);
    OpenKrajeDX();
    OpenPrefiksy();
    OpenPowiaty();
    OpenWyspy();
    OpenZamki();
    OpenGminy();
    if (!trPrefStart.Active())
        trPrefStart.StartTransaction();
    if (!PrefStart.Prepared())
        PrefStart.Prepare();
    if (!trLogi.Active())
        trLogi.StartTransaction();
    Logi.Open();
    return true;
}

void TDM::Reopen(DataSet &ds, FbTransaction &tr)
{
    tr.Restart();
    ds.Open();
}

void TDM::OpenLogById(int logId)
{
    trLog.Restart();
    Log.ParamByName("LogId")->SetAsInteger(logId);
    Log.Open();
}

void TDM::ReopenLogiOrdered(int sortIndex, int logId)
{
    trLogi.Restart();
    Logi.SetSQL({"SELECT *", "FROM Logi",
                 "ORDER BY " + QString(SortFieldNames[sortIndex < SortOrderCount ? sortIndex : 1])});
    Logi.Open();
    if (logId > 0)
        Logi.Locate("LOGID", logId, 0);
}

void TDM::OpenLaczStacja(const QString &call)
{
    trLaczStacja.Restart();
    LaczStacja.ParamByName("Stacja")->SetAsString(call);
    LaczStacja.Open();
}

void TDM::OpenDrukLog(const DateTime &from, const DateTime &to)
{
    trDrukLog.Restart();
    DrukLog.ParamByName("OdDnia")->SetAsDateTime(from);
    DrukLog.ParamByName("DoDnia")->SetAsDateTime(to);
    DrukLog.Open();
}

void TDM::OpenStale()
{
    Reopen(Stale, trStale);
}
void TDM::OpenKrajeDX()
{
    Reopen(KrajeDX, trKrajDX);
}
void TDM::OpenPowiaty()
{
    Reopen(Powiaty, trPowiaty);
}
void TDM::OpenGminy()
{
    Reopen(Gminy, trGminy);
}
void TDM::OpenWyspy()
{
    Reopen(Wyspy, trWyspy);
}
void TDM::OpenEtykiety()
{
    Reopen(Etykiety, trEtykiety);
}
void TDM::OpenZamki()
{
    Reopen(Zamki, trZamki);
}

void TDM::OpenPrefiksy()
{
    // The version before the rows: tables replaced in between are read again
    // at the next check, never taken for the new ones.
    prefixVersion_ = ReadPrefixVersion();
    Reopen(Prefiksy, trPrefix);
    ReloadPrefixIndex();
}

int64_t TDM::ReadPrefixVersion()
{
    // trPrefStart stays open, read committed: each run sees the latest commit.
    if (!trPrefStart.Active())
        trPrefStart.StartTransaction();
    if (!PrefiksyWersja.Prepared())
        PrefixVersion::PrepareRead(PrefiksyWersja);
    return PrefixVersion::Read(PrefiksyWersja);
}

void TDM::FollowPrefixTables()
{
    if (ReadPrefixVersion() == prefixVersion_)
        return;
    OpenKrajeDX();
    OpenPrefiksy();
}

void TDM::ReloadPrefixIndex()
{
    // Read through the open Prefiksy dataset, then return it to its first row.
    std::vector<PrefixIndex::Entry> entries;
    const ControlsStill still(Prefiksy); // a failed fetch leaves no view frozen
    Prefiksy.First();
    Field *prefix = Prefiksy.FieldByName("PREFIX");
    Field *krajId = Prefiksy.FieldByName("KRAJID");
    while (!Prefiksy.Eof()) {
        entries.push_back({prefix->AsString(), krajId->AsInteger()});
        Prefiksy.Next();
    }
    Prefiksy.First();
    prefixIndex_->Build(entries);
}

void TDM::CommitEtykiety()
{
    if (trEtykiety.Active())
        trEtykiety.Commit();
}

void TDM::CommitZamki()
{
    if (trZamki.Active())
        trZamki.Commit();
}

void TDM::CommitGminy()
{
    if (trGminy.Active())
        trGminy.Commit();
}

int TDM::KrajIdForCall(const QString &call) const
{
    return prefixIndex_->KrajIdForCall(call);
}

int TDM::KrajIdForCallSql(const QString &call)
{
    QString s = call.toUpper();
    if (s.isEmpty())
        return 0;
    PrefStart.Close();
    PrefStart.ParamByName("Prefix")->SetAsString(s.left(1));
    PrefStart.Open();
    for (int n = s.size(); n > 0; --n) {
        if (PrefStart.Locate("PREFIX", s.left(n), LocateCaseInsensitive))
            return PrefStart.FieldByName("KRAJID")->AsInteger();
    }
    return 0;
}

QString TDM::PrefixForCall(const QString &call)
{
    const QString s = call.toUpper();
    for (int n = s.size(); n > 0; --n)
        if (Prefiksy.Locate("PREFIX", s.left(n), LocateCaseInsensitive))
            return Prefiksy.FieldByName("PREFIX")->AsString();
    return QString();
}

QString TDM::CountryNameForCall(const QString &call)
{
    const QString s = call.toUpper();
    for (int n = s.size(); n > 0; --n)
        if (Prefiksy.Locate("PREFIX", s.left(n), LocateCaseInsensitive))
            return CountryNameForKrajId(Prefiksy.FieldByName("KRAJID")->AsInteger());
    return QString();
}

QString TDM::CountryNameForKrajId(int krajId)
{
    if (KrajeDX.Active() && KrajeDX.Locate("KRAJID", krajId, 0))
        return KrajeDX.FieldByName("NAZWAPOL")->AsString();
    return QString();
}

QString TDM::ContinentForKrajId(int krajId)
{
    const QString builtIn = ContinentFor(krajId);
    if (!builtIn.isEmpty() || krajId <= 0 || !KrajeDX.Active() || !KrajeDX.Locate("KRAJID", krajId, 0))
        return builtIn;
    // The country table is the user's to edit: only a continent code goes into a QSO.
    const QString code = KrajeDX.FieldByName("KONTYNENT")->AsString().trimmed().toUpper();
    return ContinentIndex(code) > 0 ? code : QString();
}

// The lookups below take their values as parameters: a quote in a call sign
// or reference must never change the statement.
QString TDM::IslandNameForIota(const QString &iota)
{
    FbTransactionScope scope(trq);
    q.SetSQL({"SELECT NazwaPol AS Nazwa", "FROM Wyspy", "WHERE IOTA=:IOTA"});
    q.ParamByName("IOTA")->SetAsString(iota.toUpper());
    q.Open();
    return q.IsEmpty() ? QString() : q.FieldByName("NAZWA")->AsString().trimmed();
}

QString TDM::CastleNameForSymbol(const QString &symbol)
{
    FbTransactionScope scope(trq);
    q.SetSQL({"SELECT Nazwa", "FROM Zamki", "WHERE Symbol=:Symbol"});
    q.ParamByName("Symbol")->SetAsString(symbol.trimmed().toUpper());
    q.Open();
    return q.IsEmpty() ? QString() : q.FieldByName("NAZWA")->AsString().trimmed();
}

int TDM::LogIdForDateTime(const DateTime &dt)
{
    FbTransactionScope scope(trGetLogId);
    GetLogId.ParamByName("Data")->SetAsDateTime(dt);
    GetLogId.ExecQuery();
    return GetLogId.Eof() ? 0 : GetLogId.ColumnByName("LOGID")->AsInteger();
}

LastQso TDM::LastQsoWith(const QString &call)
{
    FbTransactionScope scope(trq);
    q.SetSQL({"SELECT Data, Pasmo", "FROM Logi", "WHERE Stacja=:Stacja", "ORDER BY Data"});
    q.ParamByName("Stacja")->SetAsString(call);
    q.Open();
    LastQso result;
    q.Last();
    if (!q.IsEmpty()) {
        result.Data = q.FieldByName("DATA")->AsDateTime();
        result.Pasmo = q.FieldByName("PASMO")->AsString();
    }
    return result;
}

int TDM::CurrentLogId()
{
    if (!Logi.Active() || Logi.IsEmpty())
        return 0;
    return int(Logi.FieldByName(QStringLiteral("LOGID"))->AsInteger());
}

void TDM::MarkQslSent(const std::vector<int> &logIds)
{
    if (logIds.empty())
        return;
    FbTransactionScope scope(trq);
    q.SetSQL({"UPDATE Logi", "SET QSL_WYS='T'", "WHERE LogId=:LogId"});
    for (int id : logIds) {
        q.ParamByName("LogId")->SetAsInteger(id);
        q.ExecSQL();
    }
    scope.Commit();
}

int TDM::NewLogId()
{
    FbTransactionScope scope(TrNewLogId);
    GetNewLogId.ExecProc();
    return GetNewLogId.ColumnByName("NUM")->AsInteger();
}

TDM::LogTotals TDM::QsoTotals()
{
    FbTransactionScope scope(TrFunc);
    LiczbaRek.ExecQuery();
    return {int(LiczbaRek.ColumnByName("LICZNIK")->AsInteger()),
            int(LiczbaRek.ColumnByName("OSTATNI")->AsInteger())};
}

int TDM::LogIdGeneratorValue()
{
    FbTransactionScope scope(TrFunc);
    GenLogId.ExecQuery();
    return int(GenLogId.ColumnByName("NUM")->AsInteger());
}

bool TDM::ListMisses(const LogTotals &read)
{
    if (!listedTotals_) {
        // A LogId above the generator's value at the open was drawn after
        // it: another copy's QSO, which the list may lack.
        if (read.LastId > idsBeforeOpen_)
            return true;
        listedTotals_ = read;
        return false;
    }
    return read != *listedTotals_;
}

void TDM::CommitAll()
{
    std::exception_ptr first;
    for (FbTransaction *tr :
         {&trLogi,  &trLog,      &trLaczStacja, &trDrukLog,  &trPrefix, &trPrefStart, &trKrajDX,
          &trWyspy, &trCallBook, &trq,          &trPowiaty,  &trStale,  &trEtykiety,  &trStacje,
          &trZamki, &trGminy,    &TrFunc,       &trGetLogId, &trStacja, &trUpg,       &TrNewLogId}) {
        if (!tr->Active())
            continue;
        try {
            tr->Commit();
        } catch (const std::exception &) {
            if (!first)
                first = std::current_exception();
            try {
                if (tr->Active())
                    tr->Rollback();
            } catch (const std::exception &) {
            }
        }
    }
    if (first)
        std::rethrow_exception(first);
}

QString ZoneColumnText(int zone)
{
    if (zone == 0)
        return QStringLiteral("  ");
    if (zone < 10)
        return QStringLiteral(" ") + QString::number(zone);
    return QString::number(zone);
}

void TDM::LogiCalcFields(DataSet &ds)
{
    ds.FieldByName("StacjaImie")
        ->SetAsString(ds.FieldByName("STACJA")->AsString() + " " + ds.FieldByName("IMIE")->AsString());
    QString cont = ds.FieldByName("KONTYNENT")->AsString().trimmed();
    if (cont.isEmpty())
        cont = QStringLiteral("  ");
    ds.FieldByName("KontITUCQ")
        ->SetAsString(cont + "/" + ZoneColumnText(ds.FieldByName("ITU")->AsInteger()) + "/" +
                      ZoneColumnText(ds.FieldByName("CQ")->AsInteger()));
    // Last: the only one that may need the server. Once the connection is lost
    // the name stays empty and the row's other values still show; the loss
    // itself is told by the next action that needs the server.
    try {
        ds.FieldByName("KrajDxcc")->SetAsString(CountryNameForKrajId(ds.FieldByName("KRAJID")->AsInteger()));
    } catch (const FbError &e) {
        if (!e.ConnectionLost())
            throw;
    }
}

void TDM::CallBookCalcFields(DataSet &ds)
{
    ds.FieldByName("PelnaNazwa")
        ->SetAsString(ds.FieldByName("STACJA")->AsString() + "  " + ds.FieldByName("NAZWA")->AsString());
    ds.FieldByName("NazwaPowiatu")->SetAsString(DistrictNameForCode(ds.FieldByName("POWIAT")->AsString()));
    ds.FieldByName("NazwaWojew")->SetAsString(VoivodeshipNameForCode(ds.FieldByName("WOJEW")->AsString()));
}

void TDM::EtykietyPostError(DataSet &ds, const std::exception &e, PostErrorAction &action)
{
    PostError(ds, e, QStringLiteral("Etykieta o podanej nazwie jest już w wykazie!"), action);
}

void PostError(DataSet &ds, const std::exception &e, const QString &message, PostErrorAction &action)
{
    // Both engine codes a duplicate in a unique index can come with.
    const auto *fb = dynamic_cast<const FbError *>(&e);
    if (!fb || (fb->GdsCode() != DuplicateValue && fb->GdsCode() != UniqueKeyViolation))
        return;
    Messages::ShowWarning(message);
    ds.Cancel();
    action = PostErrorAction::Abort;
}
