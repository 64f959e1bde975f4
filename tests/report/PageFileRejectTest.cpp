#include "PageFileFixture.h"
#include "report/RpError.h"

#include <functional>

namespace {

// Offset of the first record of the given type in the picture that starts at
// `at` (a plain page's data).
qsizetype PictureRecord(const QByteArray &b, qsizetype at, uint32_t type)
{
    for (qsizetype r = at + PagePicture::HeaderSize; r < b.size();
         r += qFromLittleEndian<uint32_t>(b.constData() + r + 4))
        if (qFromLittleEndian<uint32_t>(b.constData() + r) == type)
            return r;
    return -1;
}

} // namespace

using PageFileRejects = PageFileFixture;

// Each damaged file is refused with a message naming the fault, and the pages
// shown before stay as they were.
TEST_F(PageFileRejects, EveryDamagedFileWithItsReason)
{
    const QByteArray plain = Save(*MakeList(2, false), QStringLiteral("plain.rpp"));
    const QByteArray packed = Save(*MakeList(2, true), QStringLiteral("packed.rpp"));
    const qsizetype second = I32(plain, 132);
    const qsizetype secondPacked = I32(packed, 132);
    const qsizetype text = PictureRecord(plain, 136, 9);
    ASSERT_GT(text, 0);

    struct Case {
        const char *what;
        bool compressed;
        std::function<void(QByteArray &)> damage;
        const char *message;
    } cases[] = {
        {"first version word", false, [](QByteArray &b) { b[0] = 4; }, "nieznana wersja pliku (4, 40)"},
        {"second version word", false, [](QByteArray &b) { b[2] = 41; }, "nieznana wersja pliku (3, 41)"},
        {"negative page count", false, [](QByteArray &b) { SetI32(b, 8, -1); }, "ujemna liczba stron (-1)"},
        {"more pages than records", false, [](QByteArray &b) { SetI32(b, 8, 3); },
         "strona 3: plik kończy się przed końcem strony"},
        {"fewer pages than records", false, [](QByteArray &b) { SetI32(b, 8, 1); },
         "dane za ostatnią stroną"},
        {"unknown compression flag", false, [](QByteArray &b) { b[25] = 2; },
         "nieznany znacznik kompresji (2)"},
        {"next link beyond the file", false, [](QByteArray &b) { SetI32(b, 132, b.size() + 1); },
         "strona 1: odnośnik do następnej strony wskazuje poza stronę"},
        {"next link backwards", false, [](QByteArray &b) { SetI32(b, 132, 100); },
         "strona 1: odnośnik do następnej strony wskazuje poza stronę"},
        {"next link not increasing", false,
         [second](QByteArray &b) { SetI32(b, second + 4, int32_t(second)); },
         "strona 2: odnośnik do następnej strony wskazuje poza stronę"},
        {"back link", false, [second](QByteArray &b) { SetI32(b, second - 4, 0); },
         "strona 1: odnośnik wstecz nie wskazuje początku strony"},
        {"page number", false, [second](QByteArray &b) { SetI32(b, second, 7); },
         "strona 2: zapis ma numer 7"},
        {"picture size", false, [](QByteArray &b) { SetI32(b, 136 + 8, I32(b, 136 + 8) - 4); },
         "strona 1: rozmiar obrazu strony nie zgadza się z nagłówkiem"},
        {"text offset outside its record", false,
         [text](QByteArray &b) { SetI32(b, text + 8 + 44, I32(b, text + 4) - 2); },
         "strona 1: zapis 2: tekst poza swoim zapisem"},
        {"text length outside its record", false,
         [text](QByteArray &b) { SetI32(b, text + 8 + 40, 1 << 30); },
         "strona 1: zapis 2: tekst poza swoim zapisem"},
        {"compressed length above eight times the code", true,
         [secondPacked](QByteArray &b) { SetI32(b, 136, int32_t((secondPacked - 136 - 8) * 8 + 1)); },
         "strona 1: długość danych"},
        {"negative compressed length", true, [](QByteArray &b) { SetI32(b, 136, -5); },
         "strona 1: długość danych (-5)"},
        {"code shorter than its data", true, [](QByteArray &b) { SetI32(b, 136, I32(b, 136) + 1); },
         "strona 1: Uszkodzone skompresowane dane strony: kod kończy się przed końcem danych"},
        {"plain pages under a compressed flag", false, [](QByteArray &b) { b[25] = 1; }, "strona 1:"},
        {"cut short", false, [](QByteArray &b) { b.chop(1); }, "strona 2:"},
        {"shorter than a header", false, [](QByteArray &b) { b.truncate(50); }, "za krótki na nagłówek"},
    };

    auto shown = MakeList(1, false);
    shown->SaveToFile(Path("shown.rpp"));
    shown->LoadFromFile(Path("shown.rpp"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray bad = c.compressed ? packed : plain;
        c.damage(bad);
        const QString path = WriteFile(bad);
        try {
            shown->LoadFromFile(path);
            ADD_FAILURE() << "accepted";
        } catch (const ERpError &e) {
            EXPECT_TRUE(
                e.message().startsWith(QStringLiteral("Nie można wczytać pliku raportu ") + path + ": "))
                << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.message))) << e.message().toStdString();
        }
        EXPECT_EQ(shown->PageCount(), 1);
        EXPECT_FALSE(shown->Compression());
        EXPECT_EQ(shown->GetPage(1)->bytes(), SamplePage(1, 3).bytes());
    }
}

// A compressed file is checked a batch of pages at a time, the pages of a
// batch side by side: whatever else is damaged, the message names the first
// damaged page.
TEST_F(PageFileRejects, TheFirstDamagedPageOfALongFileIsNamed)
{
    const QByteArray packed = Save(*MakeList(150, true), QStringLiteral("long.rpp"));
    std::vector<qsizetype> record = {0, 128}; // record[n]: where page n starts
    while (record.size() <= 150)
        record.push_back(I32(packed, record.back() + 4));
    auto lengthUp = [&](QByteArray &b, int page) { SetI32(b, record[page] + 8, I32(b, record[page] + 8) + 1); };
    auto linkOut = [&](QByteArray &b, int page) { SetI32(b, record[page] + 4, b.size() + 1); };

    struct Case {
        const char *what;
        std::function<void(QByteArray &)> damage;
        const char *message;
    } cases[] = {
        {"two pages of the second batch", [&](QByteArray &b) { lengthUp(b, 130); lengthUp(b, 100); },
         "strona 100: "},
        {"a page, then the link of the next", [&](QByteArray &b) { lengthUp(b, 70); linkOut(b, 71); },
         "strona 70: "},
        {"a link, then a page further on", [&](QByteArray &b) { linkOut(b, 20); lengthUp(b, 30); },
         "strona 20: odnośnik do następnej strony"},
        {"the last page", [&](QByteArray &b) { lengthUp(b, 150); },
         "strona 150: "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray bad = packed;
        c.damage(bad);
        TRpPageList list;
        try {
            list.LoadFromFile(WriteFile(bad));
            ADD_FAILURE() << "accepted";
        } catch (const ERpError &e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.message))) << e.message().toStdString();
        }
    }
    TRpPageList sound;
    sound.LoadFromFile(WriteFile(packed));
    EXPECT_EQ(sound.PageCount(), 150);
}
