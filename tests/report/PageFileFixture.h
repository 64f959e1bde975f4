#pragma once

#include "SamplePages.h"
#include "report/pages/RpPageList.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

// Page lists written to and read from files in a folder of the test's own,
// with the header clock fixed.
class PageFileFixture : public ::testing::Test {
protected:
    static DateTime Written() { return DateTime::fromDate(2026, 12, 7, 9, 30); }

    // A list in memory holding SamplePage(1..pages), `lines` rows each.
    static std::unique_ptr<TRpPageList> MakeList(int pages, bool compression, int lines = 3,
                                                 int32_t memoryLimit = TRpStream::DefaultMemoryLimit)
    {
        auto list = std::make_unique<TRpPageList>();
        list->Now = &Written;
        list->SetCompression(compression);
        list->SetStream(std::make_unique<TRpStream>(memoryLimit));
        for (int i = 1; i <= pages; ++i)
            list->AddPage(SamplePage(i, lines));
        list->WriteFileHeader();
        return list;
    }

    QString Path(const QString &name) const { return dir_.filePath(name); }

    QByteArray Save(TRpPageList &list, const QString &name = QStringLiteral("out.rpp"))
    {
        list.SaveToFile(Path(name));
        return ReadFile(Path(name));
    }

    static QByteArray ReadFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QString WriteFile(const QByteArray &bytes, const QString &name = QStringLiteral("in.rpp"))
    {
        QFile f(Path(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return Path(name);
    }

    static int32_t I32(const QByteArray &b, qsizetype at)
    {
        return qFromLittleEndian<int32_t>(b.constData() + at);
    }
    static void SetI32(QByteArray &b, qsizetype at, int32_t v) { qToLittleEndian(v, b.data() + at); }

    QTemporaryDir dir_;
};
