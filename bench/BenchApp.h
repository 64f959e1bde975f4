#pragma once

#include "platform/Messages.h"

#include <QElapsedTimer>
#include <cstdio>

inline double Seconds(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e9;
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
