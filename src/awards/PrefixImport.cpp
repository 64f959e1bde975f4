#include "awards/PrefixImport.h"

#include "core/FDM.h"
#include "core/PrefixIndex.h"
#include "core/PrefixTableDb.h"
#include "core/PrefixVersion.h"
#include "platform/Messages.h"
#include "platform/db/FbError.h"

#include <QSet>

namespace {

const QString Unchanged = QStringLiteral("Tabele prefiksów nie zostały zmienione.");
const QString NothingChanged =
    QStringLiteral("Ani tabele prefiksów, ani kraje łączności nie zostały zmienione.");

// A QSO's country now and the one the new tables give it.
struct QsoCountry {
    int LogId;
    int KrajId;
    int NewKrajId;
};

// Empties both tables and inserts the file's records, inside tr.
void ReplacePrefixTables(TDM &dm, FbTransaction &tr, const PrefixFile &file)
{
    FbStatement del(&dm.Baza, &tr);
    del.SetSQL(QStringLiteral("DELETE FROM PrefiksyDX"));
    del.ExecQuery();
    del.SetSQL(QStringLiteral("DELETE FROM KrajeDX"));
    del.ExecQuery();
    TransactionPrefixTableExecutor exec(dm.Baza, tr);
    for (const auto &record : file.Records) {
        if (const auto *k = std::get_if<TKrajDX>(&record))
            k->KrajDXInsert(exec);
        else
            std::get<TPrefixDX>(record).PrefixDXInsert(exec);
    }
}

// The prefix table as tr sees it, taken in the order the data module takes
// its own, so that a QSO gets the country it will resolve to after the commit.
PrefixIndex ReadPrefixIndex(TDM &dm, FbTransaction &tr)
{
    FbStatement s(&dm.Baza, &tr);
    s.SetSQL(dm.Prefiksy.SQL());
    s.ExecQuery();
    const ResultColumn *prefix = s.ColumnByName(QStringLiteral("PREFIX"));
    const ResultColumn *krajId = s.ColumnByName(QStringLiteral("KRAJID"));
    std::vector<PrefixIndex::Entry> entries;
    for (; !s.Eof(); s.Next())
        entries.push_back({prefix->AsString(), int32_t(krajId->AsInteger())});
    s.Close();
    return PrefixIndex(entries);
}

// Every QSO with its new country; `lost` counts those that have a country and
// would have none.
std::vector<QsoCountry> ResolveQsoCountries(TDM &dm, FbTransaction &tr, const PrefixIndex &index, int &lost)
{
    FbStatement s(&dm.Baza, &tr);
    s.SetSQL(QStringList{QStringLiteral("SELECT LogId, Stacja, KrajId"), QStringLiteral("FROM Logi")});
    std::vector<QsoCountry> rows;
    s.ExecQuery();
    const ResultColumn *id = s.ColumnByName(QStringLiteral("LOGID"));
    const ResultColumn *call = s.ColumnByName(QStringLiteral("STACJA"));
    const ResultColumn *kraj = s.ColumnByName(QStringLiteral("KRAJID"));
    lost = 0;
    for (; !s.Eof(); s.Next()) {
        const QsoCountry row{int(id->AsInteger()), int(kraj->AsInteger()),
                             index.KrajIdForCall(call->AsString())};
        if (row.KrajId > 0 && row.NewKrajId == 0)
            ++lost;
        rows.push_back(row);
    }
    s.Close();
    return rows;
}

// Writes the rows whose country changes, inside tr; returns their number.
int WriteQsoCountries(TDM &dm, FbTransaction &tr, const std::vector<QsoCountry> &rows,
                      const TProgress &progress)
{
    FbStatement update(&dm.Baza, &tr);
    update.SetSQL(QStringList{QStringLiteral("UPDATE Logi"), QStringLiteral("SET KrajId=:KrajId"),
                              QStringLiteral("WHERE LogId=:LogId")});
    update.Prepare();
    Param *krajId = update.ParamByName(QStringLiteral("KrajId"));
    Param *logId = update.ParamByName(QStringLiteral("LogId"));
    int n = 0, changed = 0;
    progress.SetMaximum(qsizetype(rows.size()));
    for (const QsoCountry &row : rows) {
        ++n;
        if (n % 10 == 0)
            progress.SetPosition(n);
        if (row.NewKrajId == row.KrajId)
            continue;
        krajId->SetAsInteger(row.NewKrajId);
        logId->SetAsInteger(row.LogId);
        update.ExecQuery();
        ++changed;
    }
    return changed;
}

} // namespace

QString ReadPrefixFile(const QByteArray &bytes, PrefixFile &file)
{
    file.Records.clear();
    QSet<int> countries;
    int repeated = 0;
    qsizetype prefixes = 0; // those whose country comes before them, as the insert needs
    const QString fault = ReadPrefixRecords(
        bytes,
        [&](const TKrajDX &k) {
            if (k.KrajId > 0 && !countries.contains(k.KrajId))
                countries.insert(k.KrajId);
            else if (k.KrajId > 0 && repeated == 0)
                repeated = k.KrajId;
            file.Records.emplace_back(k);
        },
        [&](const TPrefixDX &p) {
            if (countries.contains(p.KrajId) && !p.Prefix.isEmpty())
                ++prefixes;
            file.Records.emplace_back(p);
        });
    if (!fault.isEmpty())
        return fault + u'\n' + Unchanged;
    if (countries.isEmpty())
        return QStringLiteral("Plik nie zawiera żadnego kraju: to nie jest plik prefiksów.\n") + Unchanged;
    if (repeated > 0)
        return QStringLiteral("Kraj o numerze %1 występuje w pliku więcej niż raz.\n").arg(repeated) +
               Unchanged;
    // Without prefixes every QSO would lose its country.
    if (prefixes == 0)
        return QStringLiteral("Plik nie zawiera żadnego prefiksu kraju z tego pliku.\n") + Unchanged;
    return QString();
}

QString RecomputeStatusText(int n, int total)
{
    return QStringLiteral("Wyznaczanie prefisów dla łączności - proszę czekać [%1 z %2]").arg(n).arg(total);
}

QString LostCountriesQuestion(int qsos)
{
    const int tens = qsos % 100, ones = qsos % 10;
    const QString text = qsos == 1 ? QStringLiteral("Po wczytaniu pliku %1 łączność nie będzie miała kraju. ")
                         : ones >= 2 && ones <= 4 && (tens < 12 || tens > 14)
                             ? QStringLiteral("Po wczytaniu pliku %1 łączności nie będą miały kraju. ")
                             : QStringLiteral("Po wczytaniu pliku %1 łączności nie będzie miało kraju. ");
    return text.arg(qsos) + QStringLiteral("Czy mimo to wczytać?");
}

bool PrefixImport::Run(const QByteArray &bytes, const TProgress &progress)
{
    changed_ = 0;
    PrefixFile file;
    progress.ShowPhase(QStringLiteral("Wczytywanie danych - proszę czekać"));
    message_ = ReadPrefixFile(bytes, file);
    if (!message_.isEmpty()) {
        progress.ShowPhase(QString());
        return false;
    }
    // The tables and the QSOs change in one transaction, kept only at its end:
    // a file that reads well may still lack prefixes (one cut at a line's end),
    // and that shows only in what it does to the log. Its destructor rolls back.
    FbTransaction tr(&dm_.Baza);
    bool replaced = false;
    try {
        tr.StartTransaction();
        ReplacePrefixTables(dm_, tr, file);
        replaced = true;
        progress.ShowPhase(QString());
        progress.ShowPhase(QStringLiteral("Aktualizacja baz systemu - proszę czekać"));
        int lost = 0;
        const std::vector<QsoCountry> qsos = ResolveQsoCountries(dm_, tr, ReadPrefixIndex(dm_, tr), lost);
        if (lost > 0 && !Messages::AskConfirm(LostCountriesQuestion(lost))) {
            tr.Rollback();
            progress.ShowPhase(QString());
            message_ = QStringLiteral("Wczytywanie anulowane.\n") + NothingChanged;
            return false;
        }
        changed_ = WriteQsoCountries(dm_, tr, qsos, progress);
        // Another copy of the program on this log rereads the tables when it sees this.
        PrefixVersion::Raise(dm_.Baza, tr);
        tr.Commit();
    } catch (const std::exception &e) {
        changed_ = 0;
        progress.ShowPhase(QString());
        message_ = replaced
                       ? JobFailureText(e, QStringLiteral("Wyznaczanie krajów łączności przerwał błąd: "),
                                        NothingChanged, false)
                       : JobFailureText(e, QStringLiteral("Błąd zapisu do bazy danych: "), Unchanged, false);
        return false;
    }
    progress.ShowPhase(QString());
    // The data module read the old tables; from now on it resolves by the new ones.
    try {
        dm_.OpenKrajeDX();
        dm_.OpenPrefiksy();
    } catch (const std::exception &e) {
        message_ = JobFailureText(e, QStringLiteral("Odczyt nowych tabel prefiksów przerwał błąd: "),
                                  QStringLiteral("Tabele prefiksów i kraje łączności zostały zmienione."));
        return true;
    }
    message_ = QStringLiteral("Wczytywanie zakończone. ");
    return true;
}
