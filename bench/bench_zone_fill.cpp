// The continent and zone fill over a log of 100,000 QSOs whose zones are all
// empty, next to the floor of a bare prepared UPDATE of the same rows in one
// transaction, timed in the same run.
#include "BenchApp.h"
#include "SampleLog.h"
#include "UpdateFloor.h"
#include "awards/ZoneFill.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void Exec(TDM &dm, const QString &sql)
{
    FbTransaction tr(&dm.Baza);
    tr.StartTransaction();
    FbStatement s(&dm.Baza, &tr);
    s.SetSQL(sql);
    s.ExecQuery();
    s.Close();
    tr.Commit();
}

// Reads every row once, so that the engine collects the old record versions
// an update left behind before the next timed job meets them.
void Sweep(TDM &dm)
{
    Exec(dm, QStringLiteral("select count(*) from Logi where Stacja <> ''"));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    PrintBoxesToStderr();
    constexpr int Qsos = 100000;
    QTemporaryDir dir;
    try {
        TDM dm;
        if (!OpenSampleLog(dm, dir.path(), Qsos)) {
            std::fprintf(stderr, "bench_zone_fill: the log does not open\n");
            return 1;
        }
        Exec(dm, QStringLiteral("update Logi set Kontynent = null"));
        Sweep(dm);
        const std::vector<int> ids = AllLogIds(dm.Baza);
        // The floor empties the zones, which leaves every row for the fill.
        const double floor =
            UpdateFloorSeconds(dm.Baza, "update Logi set ITU = ?, CQ = ? where LogId = ?", ids,
                               [](size_t, std::vector<ISC_LONG> &p) { p[0] = p[1] = 0; });
        Sweep(dm);

        QElapsedTimer timer;
        timer.start();
        ZoneFill fill(dm);
        qsizetype calls = 0;
        const bool ok = fill.Run({.Position = [&](qsizetype) { ++calls; }});
        const double seconds = Seconds(timer);
        if (!ok) {
            std::fprintf(stderr, "bench_zone_fill: %s\n", qPrintable(fill.Error()));
            return 1;
        }
        std::printf("zone fill of %d QSOs:      %.2f s (%lld updated, %lld progress calls)\n", Qsos, seconds,
                    static_cast<long long>(fill.Counts().UpdatedCount), static_cast<long long>(calls));
        std::printf("floor, bare UPDATE of %zu rows in one transaction: %.2f s\n", ids.size(), floor);
        std::printf("zone fill / floor:             %.2f (goal <= 2)\n", seconds / floor);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_zone_fill: %s\n", e.what());
        return 1;
    }
    return 0;
}
