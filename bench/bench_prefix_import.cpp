// The prefix-table update on a log of 100,000 QSOs: the import of the shipped
// Prefiksy.txt and the recompute of every QSO's country (all in one
// transaction), next to the floor of a bare prepared UPDATE of as many
// rows in one transaction, timed in the same run. The floor runs on a second,
// identical log: a row updated once costs more the next time (its old version
// must go), so both jobs must start from rows in the same state.
#include "BenchApp.h"
#include "SampleLog.h"
#include "UpdateFloor.h"
#include "awards/PrefixImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int Qsos = 100000;

double FloorSeconds(const QString &dir)
{
    TDM dm;
    QDir(dir).mkpath(QStringLiteral("floor"));
    if (!OpenSampleLog(dm, dir + QStringLiteral("/floor"), Qsos))
        throw DbError(QStringLiteral("the floor's log does not open"));
    const std::vector<int> ids = AllLogIds(dm.Baza);
    return UpdateFloorSeconds(dm.Baza, "update Logi set KrajId = ? where LogId = ?", ids,
                              [](size_t row, std::vector<ISC_LONG> &p) { p[0] = ISC_LONG(row % 500 + 1); });
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    PrintBoxesToStderr();
    QTemporaryDir dir;
    try {
        const double floor = FloorSeconds(dir.path());

        TDM dm;
        if (!OpenSampleLog(dm, dir.path(), Qsos)) {
            std::fprintf(stderr, "bench_prefix_import: the log does not open\n");
            return 1;
        }
        QFile file(QDir(DefaultSeedDataDir()).filePath(QStringLiteral("Prefiksy.txt")));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "bench_prefix_import: no Prefiksy.txt\n");
            return 1;
        }
        const QByteArray bytes = file.readAll();

        // The import's phases split its time: the file read and the tables
        // replaced, then the countries resolved and written, all in one transaction.
        QElapsedTimer timer;
        timer.start();
        double import = 0;
        bool replaced = false;
        const TProgress progress{.Phase = [&](const QString &caption) {
            if (!replaced && caption.startsWith(QStringLiteral("Aktualizacja"))) {
                replaced = true;
                import = Seconds(timer);
                timer.restart();
            }
        }};
        PrefixImport run(dm);
        if (!run.Run(bytes, progress)) {
            std::fprintf(stderr, "bench_prefix_import: %s\n", qPrintable(run.Message()));
            return 1;
        }
        const double recompute = Seconds(timer);
        // The sample QSOs carry country 0: every one of them changes.
        const int changed = run.ChangedQsos();
        PrefixFile prefixes;
        ReadPrefixFile(bytes, prefixes);

        std::printf("prefix records read:            %zu\n", prefixes.Records.size());
        std::printf("import of Prefiksy.txt:         %.2f s\n", import);
        std::printf("recompute of %d QSOs:       %.2f s (%d changed)\n", Qsos, recompute, changed);
        std::printf("floor, bare UPDATE of %d rows: %.2f s\n", Qsos, floor);
        std::printf("import + recompute / floor:     %.2f (goal <= 3)\n", (import + recompute) / floor);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_prefix_import: %s\n", e.what());
        return 1;
    }
    return 0;
}
