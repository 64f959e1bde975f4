#include "report/pages/RpStream.h"
#include "report/RpError.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray ReadAll(TRpStream &stream)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    stream.SaveToStream(out);
    return out.data();
}

// The open files of this process that are deleted temporary page files, with
// their permission bits.
QList<int> OpenSpillFiles()
{
    QList<int> modes;
    for (const QFileInfo &fd :
         QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System | QDir::Files)) {
        const QString target = fd.symLinkTarget();
        if (QFileInfo(target).fileName().startsWith(QStringLiteral("RPP"))) {
            struct stat st;
            if (::stat(QFile::encodeName(fd.absoluteFilePath()).constData(), &st) == 0)
                modes << int(st.st_mode & 0777);
        }
    }
    return modes;
}

} // namespace

TEST(RpStream, StaysInMemoryUpToItsLimitAndSpillsEverythingWithTheNextByte)
{
    const QList<int> before = OpenSpillFiles();
    QByteArray data(1000, Qt::Uninitialized);
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(i * 7);
    {
        TRpStream stream(1000);
        EXPECT_EQ(stream.Write(data.constData(), 600), 600);
        EXPECT_EQ(stream.Write(data.constData() + 600, 400), 400);
        EXPECT_TRUE(stream.InMemory());
        EXPECT_TRUE(stream.FileName().isEmpty());

        EXPECT_EQ(stream.Write("!", 1), 1);
        EXPECT_FALSE(stream.InMemory());
        EXPECT_EQ(stream.Position(), 1001);
        EXPECT_EQ(ReadAll(stream), data + "!");

        // Owner-only, and its name is gone already: nothing to leave behind.
        EXPECT_TRUE(QFileInfo(stream.FileName()).fileName().startsWith(QStringLiteral("RPP")));
        EXPECT_FALSE(QFile::exists(stream.FileName()));
        const QList<int> during = OpenSpillFiles();
        ASSERT_EQ(during.size(), before.size() + 1);
        for (int mode : during)
            EXPECT_EQ(mode, 0600);

        // Reads, writes and seeks go on in the file where they left off.
        stream.Seek(998);
        char two[2];
        EXPECT_EQ(stream.Read(two, 2), 2);
        EXPECT_EQ(QByteArray(two, 2), data.right(2));
        stream.Seek(-1, TRpStream::Origin::End);
        stream.Write("?", 1);
        EXPECT_EQ(stream.Size(), 1001);
        EXPECT_EQ(ReadAll(stream).right(1), QByteArray("?"));
        EXPECT_THROW(stream.Seek(-1), ERpError);
    }
    EXPECT_EQ(OpenSpillFiles(), before);
}

TEST(RpStream, AStreamOverAnExistingFileReadsItAndLeavesItInPlace)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.rpp"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("page bytes");
    f.close();
    {
        auto stream = TRpStream::CreateFromFile(path);
        EXPECT_FALSE(stream->InMemory());
        EXPECT_EQ(stream->MemoryLimit(), 0);
        EXPECT_TRUE(stream->FileName().isEmpty());
        EXPECT_EQ(ReadAll(*stream), QByteArray("page bytes"));
        char c;
        stream->Seek(0, TRpStream::Origin::End);
        EXPECT_EQ(stream->Read(&c, 1), 0);
    }
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_THROW(TRpStream::CreateFromFile(dir.filePath(QStringLiteral("missing.rpp"))), ERpError);
}

TEST(RpStream, WritingPastTheEndInMemoryLeavesZerosAndTruncateCutsBack)
{
    TRpStream stream(100);
    stream.Write("ab", 2);
    stream.Seek(5);
    stream.Write("c", 1);
    EXPECT_EQ(ReadAll(stream), QByteArray("ab\0\0\0c", 6));
    stream.Truncate(2);
    EXPECT_EQ(stream.Size(), 2);
    EXPECT_EQ(ReadAll(stream), QByteArray("ab"));
}
