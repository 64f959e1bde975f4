#pragma once

#include <QFile>

// A "Vm...:" line of /proc/self/status in kB (-1 when unreadable).
inline long ProcStatusKb(const char *field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const qsizetype width = qstrlen(field);
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(width).trimmed().split(' ').first().toLong();
    return -1;
}

// The process's resident memory in kB, from /proc (-1 when unreadable).
inline long ResidentKb()
{
    return ProcStatusKb("VmRSS:");
}

// The process's peak resident memory in kB, from /proc (-1 when unreadable).
inline long PeakResidentKb()
{
    return ProcStatusKb("VmHWM:");
}
