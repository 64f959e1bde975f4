#pragma once

#include "platform/DateTime.h"
#include "platform/db/FbDatabase.h"
#include "platform/db/FbQuery.h"
#include "platform/db/FbStatement.h"
#include "platform/db/FbTable.h"
#include "platform/db/FbTransaction.h"
#include "platform/db/FbUpdateSql.h"

#include <QObject>
#include <memory>
#include <optional>
#include <vector>

class PrefixIndex;

// The latest QSO with one station.
struct LastQso {
    DateTime Data;
    QString Pasmo;
};

// The data module: owns the connection, every shared dataset with its own
// transaction, and the lookups the windows call. One instance, DM, lives from
// start-up to the end of the program.
class TDM : public QObject {
    Q_OBJECT
public:
    explicit TDM(QObject *parent = nullptr);
    ~TDM() override;

    // "Log.dat" beside the program, or QUARN_DATABASE when set.
    static QString DatabasePath();
    // Connects and brings the schema up to date; false when the connection fails.
    bool OpenDatabase();
    // The engine's message of the last failed connection, on one line.
    const QString &ConnectionError() const { return connectionError_; }
    // The last failed connection found the file held by another process:
    // another copy of the program has the log open.
    bool ConnectionFileInUse() const { return connectionFileInUse_; }
    // The connection-failure text for a database name (lines ended by '\r'):
    // the likely causes, with advice for a server ("host:/path") or a file
    // opened by the embedded engine; first, when the file is held by another
    // process, that the log is open in another copy of the program.
    static QString ConnectionFailureText(const QString &databaseName, bool fileInUse = false);
    // The box of the last failed connection: that text in lines, and the
    // engine's own message last.
    QString ConnectionFailureMessage() const;
    // The connection of the open log was lost (the server ended it, or the
    // network failed): nothing asks the database any more.
    bool ConnectionLost() const { return Baza.Lost(); }

    void OpenLogById(int logId);
    void ReopenLogiOrdered(int sortIndex, int logId);
    // The LOGID of the log's current row; 0 when the log is closed or empty.
    int CurrentLogId();
    void OpenLaczStacja(const QString &call);
    void OpenDrukLog(const DateTime &from, const DateTime &to);
    void OpenStale();
    void OpenKrajeDX();
    void OpenPrefiksy();
    void OpenPowiaty();
    void OpenGminy();
    void OpenWyspy();
    void OpenEtykiety();
    void OpenZamki();
    void CommitEtykiety();
    void CommitZamki();
    void CommitGminy();

    QString CountryNameForCall(const QString &call);
    int KrajIdForCall(const QString &call) const; // in memory, no query
    int KrajIdForCallSql(const QString &call);    // the same through PrefStart
    QString CountryNameForKrajId(int krajId);
    // The continent of a country: the built-in table's, else the country
    // table's when that is a continent code; empty when neither has one.
    QString ContinentForKrajId(int krajId);
    QString PrefixForCall(const QString &call);
    QString IslandNameForIota(const QString &iota);
    QString CastleNameForSymbol(const QString &symbol);
    int LogIdForDateTime(const DateTime &dt);
    LastQso LastQsoWith(const QString &call);
    // Records the QSL card of these QSOs as sent, in one transaction.
    void MarkQslSent(const std::vector<int> &logIds);
    int NewLogId();
    // The log's QSO count and its highest LogId, in one pass: another copy's
    // additions and deletions change one or the other.
    struct LogTotals {
        int Count = 0;
        int LastId = 0;
        bool operator==(const LogTotals &) const = default;
    };
    LogTotals QsoTotals(); // a full scan of LOGI
    int QsoCount() { return QsoTotals().Count; }
    // Whether the list Logi misses QSOs another copy added or deleted, judged
    // by figures just read with QsoTotals. Opening the list reads no figures
    // of its own (that would be a second scan): the first figures read after
    // the open become the list's, unless a QSO has come in since with a LogId
    // drawn after the open. The list's own inserts and deletes keep them.
    bool ListMisses(const LogTotals &read);
    // The list was reopened after `read` was taken: they are its figures (a
    // QSO committed in between only makes the next comparison reopen it).
    void SetListedTotals(const LogTotals &read) { listedTotals_ = read; }

    // Rebuilds the in-memory prefix index from PREFIKSYDX (after a prefix import).
    void ReloadPrefixIndex();
    // Reopens KrajeDX and Prefiksy when another copy of the program on the
    // same log replaced the prefix tables since they were read: one small
    // query. Called once per QSO saved and per run that resolves call signs,
    // never per call sign.
    void FollowPrefixTables();

    // Commits every active transaction (program end). Goes on past a failure,
    // rolling that transaction back, and throws the first failure at the end.
    void CommitAll();

    FbDatabase Baza;

    FbTransaction trLogi, trLog, trLaczStacja, trDrukLog, trPrefix, trPrefStart, trKrajDX, trWyspy,
        trCallBook, trq, trPowiaty, trStale, trEtykiety, trStacje, trZamki, trGminy, TrFunc, trGetLogId,
        trStacja, trUpg, TrNewLogId;

    FbQuery Logi, Log, LaczStacja, DrukLog, Prefiksy, PrefStart, KrajeDX, Wyspy, Callbook, q;
    FbUpdateSql updLogi, UpWyspy;
    FbTable Powiaty, Stale, Etykiety, Stacje, Zamki, Gminy;
    FbStatement LiczbaRek, GenLogId, GetLogId, Stacja, Upg, PrefiksyWersja;
    FbStoredProc GetNewLogId;

private:
    QString connectionError_;
    bool connectionFileInUse_ = false;

    void SetUpDatasets();
    void SetUpLogiFields();
    void SetUpCallbookFields();
    void Reopen(DataSet &ds, FbTransaction &tr);
    void LogiCalcFields(DataSet &ds);
    void CallBookCalcFields(DataSet &ds);
    void EtykietyPostError(DataSet &ds, const std::exception &e, PostErrorAction &action);

    int64_t ReadPrefixVersion();
    int LogIdGeneratorValue(); // one small query, no scan

    std::unique_ptr<PrefixIndex> prefixIndex_;
    int64_t prefixVersion_ = 0; // of the tables KrajeDX and Prefiksy were read from
    std::optional<LogTotals> listedTotals_; // none from an open until figures are read
    int idsBeforeOpen_ = 0; // the LogId generator just before the list was opened, raised by its inserts
    bool logiInserting_ = false;
};

// Shows the message of a duplicate-key failure and cancels the post; other
// errors keep the default action.
void PostError(DataSet &ds, const std::exception &e, const QString &message, PostErrorAction &action);

// The zone text used in the continent/ITU/CQ column: two blanks for 0, a blank
// and the digit for 1..9, the number from 10 on.
QString ZoneColumnText(int zone);

extern TDM *DM;
