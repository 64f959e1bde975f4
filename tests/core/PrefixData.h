#pragma once

// The real prefix table of data/Prefiksy.txt, for tests and benchmarks.

#include "core/PrefiksyExpImp.h"
#include "core/PrefixIndex.h"

#include <QFile>
#include <QFileInfo>
#include <stdexcept>
#include <vector>

struct PrefixFileData {
    QByteArray Bytes;
    std::vector<TKrajDX> Countries;
    std::vector<TPrefixDX> Prefixes;

    std::vector<PrefixIndex::Entry> IndexEntries() const
    {
        std::vector<PrefixIndex::Entry> entries;
        entries.reserve(Prefixes.size());
        for (const TPrefixDX &p : Prefixes)
            entries.push_back({p.Prefix, p.KrajId});
        return entries;
    }
};

// A file of the repository's data folder. Tests know the source folder; from
// __FILE__ alone a compiler cache may hand over a relative path.
inline QString RepoDataFile(const QString &name)
{
#ifdef QUARN_SOURCE_DIR
    return QStringLiteral(QUARN_SOURCE_DIR "/data/") + name;
#else
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../data/") + name;
#endif
}

inline PrefixFileData LoadPrefixFile()
{
    PrefixFileData d;
    QFile f(RepoDataFile(QStringLiteral("Prefiksy.txt")));
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("data/Prefiksy.txt not found");
    d.Bytes = f.readAll();
    const QString error = ReadPrefixRecords(
        d.Bytes, [&](const TKrajDX &c) { d.Countries.push_back(c); },
        [&](const TPrefixDX &p) { d.Prefixes.push_back(p); });
    if (!error.isEmpty())
        throw std::runtime_error(error.toStdString());
    return d;
}
