// Call-sign resolution through the in-memory prefix index over the real
// prefix table: calls per second (goal: at least 1,000,000).

#include "core/PrefixData.h"
#include "core/PrefixIndex.h"

#include <QElapsedTimer>
#include <QStringList>
#include <cstdio>

int main()
{
    const PrefixFileData data = LoadPrefixFile();
    QElapsedTimer timer;
    timer.start();
    const PrefixIndex index(data.IndexEntries());
    const double buildMs = timer.nsecsElapsed() / 1e6;

    // Realistic calls: every prefix with a digit and a suffix, in file order.
    QStringList calls;
    const char *suffixes[] = {"1ABC", "5XY", "9Z", "0AA"};
    int n = 0;
    for (const TPrefixDX &p : data.Prefixes)
        calls << p.Prefix + QString::fromLatin1(suffixes[n++ % 4]);

    const int rounds = 100;
    long long sum = 0;
    timer.restart();
    for (int r = 0; r < rounds; ++r)
        for (const QString &c : calls)
            sum += index.KrajIdForCall(c);
    const double secs = timer.nsecsElapsed() / 1e9;
    const double total = double(rounds) * calls.size();

    timer.restart();
    for (const QString &c : calls)
        sum += index.Resolve(c).KrajId;
    const double resolveSecs = timer.nsecsElapsed() / 1e9;

    std::printf("prefixes: %d, index built in %.2f ms\n", index.Size(), buildMs);
    std::printf("KrajIdForCall: %.0f calls in %.3f s = %.0f calls/s\n", total, secs, total / secs);
    std::printf("Resolve (with prefix): %.0f calls/s\n", calls.size() / resolveSecs);
    std::printf("checksum %lld\n", sum);
    return 0;
}
