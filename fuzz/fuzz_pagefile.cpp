// libFuzzer target over the page-file loader: any bytes must load or be
// refused with a message, without crash, hang or leak; a file that loads must
// give every one of its pages, in any order, with its texts.
#include "report/RpError.h"
#include "report/pages/RpPageList.h"

#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

// The loader reads files: each input goes through one of our own, removed at
// exit, in memory-backed /dev/shm where there is one (a disk would flush it
// on every truncation).
struct InputFile {
    QString path =
        (QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath()) +
        QStringLiteral("/fuzz_pagefile_%1.rpp").arg(::getpid());
    ~InputFile() { QFile::remove(path); }
};

const QString &InputPath()
{
    static const InputFile file;
    return file.path;
}

void ReadAllPages(TRpPageList &list)
{
    const int32_t count = list.PageCount();
    for (int32_t i : {count, int32_t(1), count / 2 + 1, count - 1, count + 1})
        if (auto page = list.GetPage(i))
            page->texts();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        QFile file(InputPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    TRpPageList list;
    try {
        list.LoadFromFile(InputPath());
    } catch (const ERpError &e) {
        if (e.message().isEmpty() || list.PageCount() != 0 || list.Stream())
            std::abort();
        return 0;
    }
    try {
        ReadAllPages(list);
    } catch (const ERpError &) {
        std::abort(); // the loader accepted a page that cannot be read
    }
    return 0;
}
