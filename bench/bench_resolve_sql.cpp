// Call sign to country: the in-memory index of the data module against the
// query path over PREFIKSYDX, on a new Log.dat. Checks that both agree for a
// call built on every prefix of the seed table, then times both.
#include "core/FDM.h"
#include "core/NewDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("Log.dat");
    CreateLogDatabase(path, QStringLiteral(QUARN_BENCH_DATA_DIR));
    qputenv("QUARN_DATABASE", path.toLocal8Bit());
    TDM dm;
    DM = &dm;
    if (!dm.OpenDatabase()) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
        return 1;
    }

    QStringList calls;
    for (dm.Prefiksy.First(); !dm.Prefiksy.Eof(); dm.Prefiksy.Next())
        calls << dm.Prefiksy.FieldByName("PREFIX")->AsString() + "1ABC";

    QElapsedTimer t;
    t.start();
    int mismatches = 0;
    for (const QString &call : calls)
        if (dm.KrajIdForCallSql(call) != dm.KrajIdForCall(call))
            ++mismatches;
    const double sqlSeconds = t.nsecsElapsed() / 1e9;

    const int rounds = 200;
    long long sum = 0;
    t.restart();
    for (int r = 0; r < rounds; ++r)
        for (const QString &call : calls)
            sum += dm.KrajIdForCall(call);
    const double memSeconds = t.nsecsElapsed() / 1e9;

    std::printf("prefixes checked:        %lld\n", (long long)calls.size());
    std::printf("mismatches memory/SQL:   %d\n", mismatches);
    std::printf("SQL path (with memory):  %.0f calls/s\n", calls.size() / sqlSeconds);
    std::printf("in memory:               %.0f calls/s (checksum %lld)\n",
                calls.size() * double(rounds) / memSeconds, sum);
    return mismatches == 0 ? 0 : 1;
}
