#include "awards/PrefixImport.h"

#include "core/FDM.h"
#include "core/PrefixTableDb.h"
#include "core/PrefixVersion.h"
#include "platform/db/FbError.h"

#include <QSet>

namespace {

const QString Unchanged = QStringLiteral("Tabele prefiksów nie zostały zmienione.");

struct QsoCountry {
    int LogId;
    QString Stacja;
    int KrajId;
};

std::vector<QsoCountry> ReadQsoCountries(TDM &dm, FbTransaction &tr)
{
    FbStatement s(&dm.Baza, &tr);
    s.SetSQL(QStringList{QStringLiteral("SELECT LogId, Stacja, KrajId"), QStringLiteral("FROM Logi")});
    std::vector<QsoCountry> rows;
    s.ExecQuery();
    const ResultColumn *id = s.ColumnByName(QStringLiteral("LOGID"));
    const ResultColumn *call = s.ColumnByName(QStringLiteral("STACJA"));
    const ResultColumn *kraj = s.ColumnByName(QStringLiteral("KRAJID"));
    for (; !s.Eof(); s.Next())
        rows.push_back({int(id->AsInteger()), call->AsString(), int(kraj->AsInteger())});
    s.Close();
    return rows;
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

void ReplacePrefixTables(TDM &dm, const PrefixFile &file)
{
    dm.Prefiksy.Close();
    dm.KrajeDX.Close();
    try {
        FbTransaction tr(&dm.Baza);
        tr.StartTransaction();
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
        // Another copy of the program on this log rereads the tables when it sees this.
        PrefixVersion::Raise(dm.Baza, tr);
        tr.Commit();
    } catch (...) {
        dm.OpenKrajeDX();
        dm.OpenPrefiksy();
        throw;
    }
    dm.OpenKrajeDX();
    dm.OpenPrefiksy();
}

QString RecomputeStatusText(int n, int total)
{
    return QStringLiteral("Wyznaczanie prefisów dla łączności - proszę czekać [%1 z %2]").arg(n).arg(total);
}

int RecomputeQsoCountries(TDM &dm, const TProgress &progress)
{
    FbTransaction tr(&dm.Baza);
    tr.StartTransaction();
    const std::vector<QsoCountry> rows = ReadQsoCountries(dm, tr);
    FbStatement update(&dm.Baza, &tr);
    update.SetSQL(QStringList{QStringLiteral("UPDATE Logi"), QStringLiteral("SET KrajId=:KrajId"),
                              QStringLiteral("WHERE LogId=:LogId")});
    update.Prepare();
    Param *krajId = update.ParamByName(QStringLiteral("KrajId"));
    Param *logId = update.ParamByName(QStringLiteral("LogId"));
    const int total = int(rows.size());
    int n = 0, changed = 0;
    progress.SetMaximum(total);
    for (const QsoCountry &row : rows) {
        ++n;
        if (n % 10 == 0)
            progress.SetPosition(n);
        const int k = dm.KrajIdForCall(row.Stacja);
        if (k == row.KrajId)
            continue;
        krajId->SetAsInteger(k);
        logId->SetAsInteger(row.LogId);
        update.ExecQuery();
        ++changed;
    }
    tr.Commit();
    return changed;
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
    try {
        ReplacePrefixTables(dm_, file);
    } catch (const std::exception &e) {
        progress.ShowPhase(QString());
        message_ = JobFailureText(e, QStringLiteral("Błąd zapisu do bazy danych: "), Unchanged, false);
        return false;
    }
    progress.ShowPhase(QString());

    progress.ShowPhase(QStringLiteral("Aktualizacja baz systemu - proszę czekać"));
    try {
        changed_ = RecomputeQsoCountries(dm_, progress);
    } catch (const std::exception &e) {
        progress.ShowPhase(QString());
        message_ = JobFailureText(e, QStringLiteral("Wyznaczanie krajów łączności przerwał błąd: "),
                                  QStringLiteral("Tabele prefiksów zostały wczytane, ale kraje łączności "
                                                 "nie zostały zmienione."));
        return false;
    }
    progress.ShowPhase(QString());
    message_ = QStringLiteral("Wczytywanie zakończone. ");
    return true;
}
