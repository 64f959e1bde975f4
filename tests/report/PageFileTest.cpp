#include "PageFileFixture.h"
#include "report/RpError.h"

#include <cstring>
#include <limits>

namespace {

QString Golden(const QString &name)
{
    return QStringLiteral(QUARN_SOURCE_DIR "/tests/report/golden/") + name;
}

} // namespace

using PageFile = PageFileFixture;

// QUARN_UPDATE_GOLDEN=1 writes the golden files anew (after a deliberate
// change of the picture format).
TEST_F(PageFile, GoldenFilesAreWrittenAndReadBackByteForByte)
{
    for (bool compressed : {false, true}) {
        SCOPED_TRACE(compressed ? "compressed" : "plain");
        const QString golden = Golden(compressed ? QStringLiteral("three-pages-compressed.rpp")
                                                 : QStringLiteral("three-pages-plain.rpp"));
        auto list = MakeList(3, compressed);
        const QByteArray bytes = Save(*list);
        if (qEnvironmentVariableIsSet("QUARN_UPDATE_GOLDEN")) {
            QFile f(golden);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        ASSERT_EQ(bytes, ReadFile(golden));

        TRpPageList loaded; // compression off: the file's flag decides
        loaded.LoadFromFile(golden);
        EXPECT_EQ(loaded.PageCount(), 3);
        EXPECT_EQ(loaded.Compression(), compressed);
        for (int i = 3; i >= 1; --i)
            EXPECT_EQ(loaded.GetPage(i)->bytes(), SamplePage(i, 3).bytes());
        EXPECT_FALSE(loaded.GetPage(4));
        EXPECT_EQ(Save(loaded, QStringLiteral("again.rpp")), bytes);
    }
}

TEST_F(PageFile, OnePageFileHoldsTheHeaderAndOneLinkedRecord)
{
    for (bool compressed : {false, true}) {
        SCOPED_TRACE(compressed ? "compressed" : "plain");
        const QByteArray page = SamplePage(1, 3).bytes();
        const QByteArray b = Save(*MakeList(1, compressed));
        EXPECT_EQ(qFromLittleEndian<uint16_t>(b.constData()), 3);
        EXPECT_EQ(qFromLittleEndian<uint16_t>(b.constData() + 2), 40);
        EXPECT_EQ(I32(b, 4), 0);
        EXPECT_EQ(I32(b, 8), 1);
        EXPECT_EQ(I32(b, 12), 0);
        EXPECT_EQ(qFromLittleEndian<double>(b.constData() + 16), Written().toDays());
        EXPECT_EQ(b[24], 0);
        EXPECT_EQ(b[25], compressed ? 1 : 0);
        EXPECT_EQ(b.mid(26, 100), QByteArray(100, 0x48));
        EXPECT_EQ(b.mid(126, 2), QByteArray(2, 0));
        EXPECT_EQ(I32(b, 128), 1);
        EXPECT_EQ(I32(b, 132), b.size());
        EXPECT_EQ(I32(b, b.size() - 4), 128);
        if (compressed) {
            EXPECT_EQ(I32(b, 136), page.size());
            EXPECT_LT(b.size(), 128 + 16 + page.size());
        } else {
            EXPECT_EQ(b.size(), 128 + 8 + page.size() + 4);
            EXPECT_EQ(b.mid(136, page.size()), page);
        }
    }
}

TEST_F(PageFile, SeekingWalksTheLinksFromWherever)
{
    auto list = MakeList(6, false, 1);
    const QByteArray b = Save(*list);
    QList<qint64> starts{0};
    for (qint64 at = 128; at < b.size(); at = I32(b, at + 4))
        starts << at;
    ASSERT_EQ(starts.size(), 7);

    TRpStream &stream = *list->Stream();
    stream.Seek(0, TRpStream::Origin::End);
    list->SeekToPage(1);
    EXPECT_EQ(stream.Position(), 128);
    list->SeekToPage(5);
    EXPECT_EQ(stream.Position(), starts[5]);
    list->SeekToPage(3);
    EXPECT_EQ(stream.Position(), starts[3]);
    stream.Seek(0, TRpStream::Origin::End);
    list->SeekToPage(4);
    EXPECT_EQ(stream.Position(), starts[4]);
    for (int i : {2, 6, 1, 5})
        EXPECT_EQ(list->GetPage(i)->bytes(), SamplePage(i, 1).bytes());
    EXPECT_FALSE(list->GetPage(7));
    EXPECT_FALSE(list->GetPage(0));
}

TEST_F(PageFile, AnEmptyReportIsAHeaderOnlyAndLoadsAsNoPages)
{
    auto list = MakeList(0, false);
    const QByteArray b = Save(*list);
    EXPECT_EQ(b.size(), 128);
    EXPECT_EQ(I32(b, 8), 0);
    TRpPageList loaded;
    loaded.LoadFromFile(Path("out.rpp"));
    EXPECT_EQ(loaded.PageCount(), 0);
    EXPECT_FALSE(loaded.GetPage(1));
}

TEST_F(PageFile, TheHeaderCountsEveryPageEvenWhenTheReportStopsEarly)
{
    auto list = std::make_unique<TRpPageList>();
    list->SetStream(std::make_unique<TRpStream>());
    list->AddPage(SamplePage(1, 1));
    list->AddPage(SamplePage(2, 1));
    const QByteArray b = Save(*list);
    EXPECT_EQ(I32(b, 8), 2);
    TRpPageList loaded;
    loaded.LoadFromFile(Path("out.rpp"));
    EXPECT_EQ(loaded.PageCount(), 2);
}

TEST_F(PageFile, AFileWithTheOlder124ByteHeaderIsFoundByItsFirstPicture)
{
    const QByteArray b = Save(*MakeList(2, false, 1));
    QByteArray old = b.left(12) + b.mid(16, 8) + b.mid(24, 2) + QByteArray(102, 0x48);
    ASSERT_EQ(old.size(), 124);
    QByteArray records = b.mid(128);
    for (qint64 at = 0; at < records.size(); at = I32(records, at + 4) - 124) {
        SetI32(records, at + 4, I32(records, at + 4) - 4);
        const qint64 end = I32(records, at + 4) - 124;
        SetI32(records, end - 4, I32(records, end - 4) - 4);
    }
    old += records;
    TRpPageList loaded;
    loaded.LoadFromFile(WriteFile(old));
    EXPECT_EQ(loaded.HeaderSize(), 124);
    EXPECT_EQ(loaded.PageCount(), 2);
    EXPECT_EQ(loaded.GetPage(2)->bytes(), SamplePage(2, 1).bytes());
    EXPECT_EQ(loaded.GetPage(1)->bytes(), SamplePage(1, 1).bytes());
}

TEST_F(PageFile, APageThatWouldPassTwoGigabytesIsRefusedAndTheListStaysAsItWas)
{
    auto list = MakeList(1, false, 1, 0);
    TRpStream &stream = *list->Stream();
    ASSERT_FALSE(stream.InMemory());
    stream.Seek(std::numeric_limits<int32_t>::max() - 100); // sparse: no disk space
    stream.Write("x", 1);
    try {
        list->AddPage(SamplePage(2, 1));
        ADD_FAILURE() << "accepted";
    } catch (const ERpError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("2 GB"))) << e.message().toStdString();
    }
    EXPECT_EQ(list->PageCount(), 1);
}

TEST_F(PageFile, SavingOrLoadingWhereNoFileCanBeGivesAMessage)
{
    auto list = MakeList(1, false, 1);
    EXPECT_THROW(list->SaveToFile(Path("no/such/folder/x.rpp")), ERpError);
    try {
        list->LoadFromFile(Path("missing.rpp"));
        ADD_FAILURE() << "accepted";
    } catch (const ERpError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("nie istnieje")));
    }
    EXPECT_EQ(list->PageCount(), 1);
    TRpPageList empty;
    EXPECT_THROW(empty.AddPage(SamplePage(1, 1)), ERpError);
}

// Compressed pages are coded on other threads; whatever reads the list sees
// them written in the order they came, and the file is the one a list that
// wrote each page at once gives.
TEST_F(PageFile, CompressedPagesCodedAheadAreWrittenInOrderBeforeAnythingReadsThem)
{
    constexpr int pages = 23;
    auto ahead = MakeList(0, true);
    auto atOnce = MakeList(0, true);
    for (int i = 1; i <= pages; ++i) {
        ahead->AddPage(SamplePage(i, 40));
        EXPECT_EQ(ahead->PageCount(), i);
        atOnce->AddPage(SamplePage(i, 40));
        ASSERT_EQ(atOnce->GetPage(i)->bytes(), SamplePage(i, 40).bytes());
        if (i == 9)
            EXPECT_EQ(ahead->GetPage(9)->bytes(), SamplePage(9, 40).bytes());
    }
    ahead->WriteFileHeader();
    atOnce->WriteFileHeader();
    EXPECT_EQ(Save(*ahead, QStringLiteral("ahead.rpp")), Save(*atOnce, QStringLiteral("at-once.rpp")));
    for (int i = pages; i >= 1; --i)
        EXPECT_EQ(ahead->GetPage(i)->bytes(), SamplePage(i, 40).bytes());
}

// A compressed page is written once it is coded, so a page that would pass
// the 2 GB limit is refused at the next read of the list, and the pages after
// it are left out with it.
TEST_F(PageFile, ACompressedPagePastTwoGigabytesIsRefusedAtTheNextReadWithThePagesAfterIt)
{
    auto list = MakeList(1, true, 1, 0);
    TRpStream &stream = *list->Stream();
    ASSERT_FALSE(stream.InMemory());
    stream.Seek(std::numeric_limits<int32_t>::max() - 100);
    stream.Write("x", 1);
    list->AddPage(SamplePage(2, 1));
    list->AddPage(SamplePage(3, 1));
    try {
        list->GetPage(1);
        ADD_FAILURE() << "accepted";
    } catch (const ERpError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("strona 2"))) << e.message().toStdString();
    }
    EXPECT_EQ(list->PageCount(), 1);
}
