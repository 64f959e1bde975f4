#include "awards/ReferenceLists.h"
#include "awards/ListFiles.h"

#include <gtest/gtest.h>

namespace {

QStringList Symbols(const ListRead<CastleListRow> &read)
{
    QStringList out;
    for (const CastleListRow &r : read.Rows)
        out << r.Symbol + '=' + r.Nazwa;
    return out;
}

QList<qsizetype> ProblemLines(const QList<ListProblem> &problems, ListLineProblem kind)
{
    QList<qsizetype> out;
    for (const ListProblem &p : problems)
        if (p.Kind == kind)
            out << p.Line;
    return out;
}

} // namespace

TEST(CastleListReader, UsesLinesLongerThanFortyCharactersWithTrimmedColumns)
{
    const QByteArray file = ListFile({
        CastleLine("SP001", "Malbork", 40),                   // 1: exactly 40: skipped
        CastleLine("SP002", "Łańcut", 41),                    // 2: 41: used
        CastleLine(" ZA7", "  Baranów Sandomierski  ", 60),   // 3: blanks trimmed
        CastleLine("      ", "Bez symbolu", 50),              // 4: blank key
        "",                                                   // 5: empty line
        CastleLine("SP003", "Zamek Królewski na Wawelu", 80), // 6: the name stops at column 38
        CastleLine("SP004", "Ostatni bez końca linii", 41),   // 7: no line break after it
    });
    // The last line loses its line break.
    const QByteArray noFinalBreak = file.left(file.size() - 2);
    const ListRead<CastleListRow> read = ReadCastleList(noFinalBreak);
    EXPECT_EQ(
        Symbols(read),
        QStringList({QString::fromUtf8("SP002=Łańcut"), QString::fromUtf8("ZA7=Baranów Sandomierski"),
                     QString::fromUtf8("SP003=Zamek Królewski na Wawelu"), "SP004=Ostatni bez końca linii"}));
    EXPECT_EQ(ProblemLines(read.Problems, ListLineProblem::TooShort), QList<qsizetype>({1, 5}));
    EXPECT_EQ(ProblemLines(read.Problems, ListLineProblem::BadKey), QList<qsizetype>({4}));
    ASSERT_EQ(read.Rows.size(), 4);
    EXPECT_EQ(read.Rows[0].Line, 2);
    EXPECT_EQ(read.Rows[3].Line, 7);
}

TEST(CastleListReader, MeasuresLinesWithoutTheirCarriageReturn)
{
    // LF, CR LF and a lone final line give the same rows; a CR never counts
    // towards the length nor reaches a value.
    const QStringList lines = {CastleLine("SP040", "Czterdzieści", 40), CastleLine("SP041", "Krótka", 41)};
    for (const char *lineBreak : {"\n", "\r\n"}) {
        const ListRead<CastleListRow> read = ReadCastleList(ListFile(lines, lineBreak));
        EXPECT_EQ(Symbols(read), QStringList({QString::fromUtf8("SP041=Krótka")})) << lineBreak;
    }
    // A last line of 40 characters and a CR, with no LF after it.
    const QByteArray lastWithCr = Cp1250::fromUnicode(CastleLine("SP050", "Zamek", 40)) + "\r";
    EXPECT_TRUE(ReadCastleList(lastWithCr).Rows.isEmpty());
    EXPECT_EQ(Symbols(ReadCastleList(lastWithCr.chopped(1) + "x\r")), QStringList({"SP050=Zamek"}));
    EXPECT_TRUE(ReadCastleList(QByteArray()).Rows.isEmpty());
    EXPECT_TRUE(ReadCastleList("\r\n\n\r").Problems.size() == 3);
}

TEST(CommuneListReader, CutsItsColumnsAndTurnsTheVoivodeshipIntoItsCode)
{
    struct Case {
        QString wojewodztwo;
        QString wojewId;
    } cases[] = {
        {QString::fromUtf8("mazowieckie"), "R"},
        {QString::fromUtf8("  ŁÓDZKIE "), "C"}, // letter case and blanks do not matter
        {QString::fromUtf8("lubuskie"), "B"},   // a name with no diacritics of its own
        {QString::fromUtf8("lodzkie"), ""},     // diacritics left out: not in the table
        {QString::fromUtf8("świętokrzyskie"), "S"},
        {QString(), ""},
    };
    QStringList lines;
    for (const Case &c : cases)
        lines << CommuneLine("0101", QString::fromUtf8("Bolesławiec"), QString::fromUtf8("bolesławiecki"),
                             c.wojewodztwo);
    const ListRead<CommuneListRow> read = ReadCommuneList(ListFile(lines));
    ASSERT_EQ(read.Rows.size(), qsizetype(std::size(cases)));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const CommuneListRow &r = read.Rows[i];
        EXPECT_EQ(r.WojewId, cases[i].wojewId) << i;
        EXPECT_EQ(r.GminaId, "0101");
        EXPECT_EQ(r.Gmina, QString::fromUtf8("Bolesławiec"));
        EXPECT_EQ(r.Powiat, QString::fromUtf8("bolesławiecki"));
    }
}

TEST(CommuneListReader, UsesLinesLongerThanSeventyCharacters)
{
    const QString full = CommuneLine("123456", "Gmina", "Powiat", "opolskie");
    const QByteArray file = ListFile({
        full.left(70),          // 1: exactly 70: skipped
        full.left(71),          // 2: 71: voivodeship of one letter, not a name
        full.left(70) + "  ",   // 3: blanks count towards the length
        "      " + full.mid(6), // 4: blank code
        full,                   // 5
    });
    const ListRead<CommuneListRow> read = ReadCommuneList(file);
    ASSERT_EQ(read.Rows.size(), 3);
    EXPECT_EQ(read.Rows[0].Line, 2);
    EXPECT_EQ(read.Rows[0].WojewId, "");
    EXPECT_EQ(read.Rows[1].Line, 3);
    EXPECT_EQ(read.Rows[2].Line, 5);
    EXPECT_EQ(read.Rows[2].WojewId, "U");
    EXPECT_EQ(read.Rows[2].Gmina, "Gmina");
    EXPECT_EQ(read.Rows[2].Powiat, "Powiat");
    EXPECT_EQ(ProblemLines(read.Problems, ListLineProblem::TooShort), QList<qsizetype>({1}));
    EXPECT_EQ(ProblemLines(read.Problems, ListLineProblem::BadKey), QList<qsizetype>({4}));
}

TEST(ListReaders, AKeyIsUsedOnlyWhenItIsAWellFormedSymbolOrCode)
{
    struct Case {
        const char *key;
        bool castle, commune; // used as a castle symbol, as a commune code
    } cases[] = {
        {"SP001", true, true},    {"ZA7", true, true},      {"Żó12", true, true},    {"010101", true, true},
        {"<QSO_D", false, false}, {"SP-001", false, false}, {"SP 01", false, false}, {"ATE:8>", false, false},
        {"12.5", false, false},   {"0101a", true, true},
        // Commune codes with letters, as the editor's mask and other lists have them.
        {"D0101", true, true},    {"B12011", true, true},   {"AB12", true, true},    {"G2401", true, true},
        {"Ż1", true, true},       {"?123", false, false},
        // Title lines: a key holds a digit.
        {"KOD", false, false},    {"GMINA", false, false},  {"SYMBOL", false, false},
    };
    for (const Case &c : cases) {
        const QString key = QString::fromUtf8(c.key);
        SCOPED_TRACE(c.key);
        const ListRead<CastleListRow> castles = ReadCastleList(ListFile({CastleLine(key, "Zamek")}));
        EXPECT_EQ(castles.Rows.size(), c.castle ? 1 : 0);
        EXPECT_EQ(ProblemLines(castles.Problems, ListLineProblem::BadKey).size(), c.castle ? 0 : 1);
        const ListRead<CommuneListRow> communes =
            ReadCommuneList(ListFile({CommuneLine(key, "Gmina", "Powiat", "opolskie")}));
        EXPECT_EQ(communes.Rows.size(), c.commune ? 1 : 0);
        EXPECT_EQ(ProblemLines(communes.Problems, ListLineProblem::BadKey).size(), c.commune ? 0 : 1);
    }
}

TEST(ListReaders, UnicodeFilesAreReadAsUtf8AndOthersAsWindows1250)
{
    const QStringList communes = {
        CommuneLine("KOD", "GMINA", "POWIAT", QString::fromUtf8("WOJEWÓDZTWO")), // a title line
        CommuneLine("D0101", QString::fromUtf8("Bolesławiec"), QString::fromUtf8("bolesławiecki"),
                    QString::fromUtf8("dolnośląskie")),
        CommuneLine("C1061", QString::fromUtf8("Łódź"), QString::fromUtf8("Łódź"), QString::fromUtf8("łódzkie")),
        CommuneLine(QString::fromUtf8("Ж12"), "Gmina", "Powiat", "opolskie"), // no Windows-1250 letter
    };
    QByteArray utf8;
    for (const QString &l : communes)
        utf8 += l.toUtf8() + "\r\n";
    const QByteArray files[] = {utf8, "\xEF\xBB\xBF" + utf8, ListFile(communes)};
    for (const QByteArray &file : files) {
        SCOPED_TRACE(file.left(3).toHex().toStdString());
        const ListRead<CommuneListRow> read = ReadCommuneList(file);
        ASSERT_EQ(read.Rows.size(), 2);
        EXPECT_EQ(read.Rows[0].GminaId, "D0101");
        EXPECT_EQ(read.Rows[0].Gmina, QString::fromUtf8("Bolesławiec"));
        EXPECT_EQ(read.Rows[0].Powiat, QString::fromUtf8("bolesławiecki"));
        EXPECT_EQ(read.Rows[0].WojewId, "D");
        EXPECT_EQ(read.Rows[1].Gmina, QString::fromUtf8("Łódź"));
        EXPECT_EQ(read.Rows[1].WojewId, "C");
        EXPECT_EQ(ProblemLines(read.Problems, ListLineProblem::BadKey), QList<qsizetype>({1, 4}));
    }
    // A castle list saved as UTF-8 keeps its columns: the name stops at column 38.
    const QString castle = CastleLine(QString::fromUtf8("ŻÓ01"), QString::fromUtf8("Zamek Książąt Pomorskich w Szczecinie"));
    EXPECT_EQ(Symbols(ReadCastleList(castle.toUtf8())),
              QStringList({QString::fromUtf8("ŻÓ01=Zamek Książąt Pomorskich w Szcze")}));
    // Windows-1250 bytes that are not UTF-8 read as before.
    EXPECT_EQ(Symbols(ReadCastleList(Cp1250::fromUnicode(castle))),
              QStringList({QString::fromUtf8("ŻÓ01=Zamek Książąt Pomorskich w Szcze")}));
}
