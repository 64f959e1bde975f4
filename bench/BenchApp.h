#pragma once

#include "platform/Messages.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

inline double Seconds(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e9;
}

// The fastest of a few runs of a job, in seconds: the least disturbed by the
// rest of the machine.
template <typename Job> double Best(Job &&job, int rounds = 3)
{
    double best = 1e9;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer t;
        t.start();
        job();
        best = std::min(best, Seconds(t));
    }
    return best;
}

// Message boxes print their text to stderr and answer at once, so a run
// never waits for a click.
inline void PrintBoxesToStderr()
{
    Messages::setHandler([](Messages::Kind, const QString &, const QString &text) {
        std::fprintf(stderr, "box: %s\n", qPrintable(text));
        return true;
    });
}
