#include "awards/ReferenceListImport.h"
#include "awards/ListFiles.h"
#include "support/LogDb.h"

namespace {

class ReferenceListImportTest : public DataModuleTest {
protected:
    QStringList Castles()
    {
        return SelectStrings(dm->Baza, "select Symbol || '=' || Nazwa from Zamki order by Symbol");
    }
    QStringList Communes()
    {
        return SelectStrings(dm->Baza, "select trim(GminaId) || '=' || Gmina || '/' || Powiat || '/' || "
                                       "trim(coalesce(WojewId, '')) from Gminy order by GminaId");
    }
};

} // namespace

TEST_F(ReferenceListImportTest, CastleListAddsAndUpdatesByTrimmedSymbolAndKeepsTheOtherRows)
{
    ExecSql(dm->Baza, "insert into Zamki (Symbol, Nazwa) values ('SP001', 'Stara nazwa')");
    ExecSql(dm->Baza, "insert into Zamki (Symbol, Nazwa) values ('SP099', 'Poza plikiem')");
    QByteArray file = ListFile({
        CastleLine("SP001", "Malbork"),
        CastleLine("SP002", QString::fromUtf8("Łańcut")),
        CastleLine(" SP02", "Zamek 'Ogrodzieniec'; --"), // quotes stay text
        CastleLine("SP003", "Za krótka", 40),
        CastleLine("", "Bez symbolu"),
        CastleLine("SP002", QString::fromUtf8("Łańcut, zamek")), // the later line wins
        CastleLine("SP004", "Bez końca linii"),
    });
    file.chop(2);
    const QStringList expected = {"SP001=Malbork", "SP002=" + QString::fromUtf8("Łańcut, zamek"),
                                  "SP004=Bez końca linii", "SP02=Zamek 'Ogrodzieniec'; --",
                                  "SP099=Poza plikiem"};

    const ListImportCounts first = ImportCastleList(*dm, file);
    EXPECT_EQ(first.Added, 3);
    EXPECT_EQ(first.Updated, 2);
    EXPECT_EQ(first.Skipped, 2);
    EXPECT_EQ(Castles(), expected);
    // The data module's table is open on the new rows.
    EXPECT_TRUE(dm->Zamki.Active());
    EXPECT_EQ(dm->CastleNameForSymbol("SP002"), QString::fromUtf8("Łańcut, zamek"));

    // A second import of the same file changes nothing.
    const ListImportCounts second = ImportCastleList(*dm, file);
    EXPECT_EQ(second.Added, 0);
    EXPECT_EQ(second.Updated, 5);
    EXPECT_EQ(Castles(), expected);
}

TEST_F(ReferenceListImportTest, CommuneListStoresTheVoivodeshipCodeAndImportsTwiceAlike)
{
    ExecSql(dm->Baza, "insert into Gminy (GminaId, Gmina, Powiat, WojewId) values ('0101', 'X', 'Y', 'Z')");
    const QByteArray file = ListFile(
        {CommuneLine("0101", QString::fromUtf8("Bolesławiec"), QString::fromUtf8("bolesławiecki"),
                     QString::fromUtf8("dolnośląskie")),
         CommuneLine("1465", "Warszawa", "Warszawa", "mazowieckie"),
         CommuneLine("1061", QString::fromUtf8("Łódź"), QString::fromUtf8("Łódź"), "lodzkie"),
         CommuneLine("1061", QString::fromUtf8("Łódź"), QString::fromUtf8("Łódź"), "lodzkie").left(70)},
        "\n");
    const QStringList expected = {QString::fromUtf8("0101=Bolesławiec/bolesławiecki/D"),
                                  QString::fromUtf8("1061=Łódź/Łódź/"), "1465=Warszawa/Warszawa/R"};
    for (int run = 0; run < 2; ++run) {
        const ListImportCounts counts = ImportCommuneList(*dm, file);
        EXPECT_EQ(counts.Added, run == 0 ? 2 : 0);
        EXPECT_EQ(counts.Updated, run == 0 ? 1 : 3);
        EXPECT_EQ(counts.Skipped, 1);
        EXPECT_EQ(Communes(), expected);
    }
    EXPECT_TRUE(dm->Gminy.Active());
}

TEST_F(ReferenceListImportTest, DatabaseErrorStoresNothingOfTheFile)
{
    ExecSql(dm->Baza, "insert into Zamki (Symbol, Nazwa) values ('SP001', 'Stara nazwa')");
    ExecSql(dm->Baza, "create exception ZLY_ZAMEK 'zly zamek'");
    ExecSql(dm->Baza, "create trigger ZAMKI_BI for Zamki before insert as begin "
                      "if (new.Symbol = 'ZLY1') then exception ZLY_ZAMEK; end");
    const QByteArray file = ListFile({CastleLine("SP001", "Malbork"), CastleLine("SP002", "Pieskowa Skała"),
                                      CastleLine("ZLY1", "Zły"), CastleLine("SP003", "Niedzica")});
    EXPECT_THROW(ImportCastleList(*dm, file), DbError);
    EXPECT_EQ(Castles(), QStringList({"SP001=Stara nazwa"}));
    EXPECT_TRUE(dm->Zamki.Active());
}

TEST_F(ReferenceListImportTest, AFileWithoutAUsableLineIsRefusedAndTheMessageGivesTheCounts)
{
    ExecSql(dm->Baza, "insert into Zamki (Symbol, Nazwa) values ('SP001', 'Stara nazwa')");
    ExecSql(dm->Baza, "insert into Gminy (GminaId, Gmina) values ('0101', 'Stara')");
    // An ADIF log picked by mistake: long lines, but no key of either list.
    const QByteArray adif = "Quarn ADIF export\r\n<ADIF_VER:5>3.1.0 <PROGRAMID:5>Quarn <EOH>\r\n"
                            "<QSO_DATE:8>20231226<TIME_ON:6>101500<CALL:6>SP5ABC<BAND:3>20M<MODE:3>SSB"
                            "<RST_SENT:2>59<RST_RCVD:2>59<EOR>\r\n"
                            "<QSO_DATE:8>20231227<TIME_ON:6>111500<CALL:5>DL1AA<BAND:3>40M<MODE:2>CW"
                            "<RST_SENT:3>599<RST_RCVD:3>599<EOR>\r\n";
    const ListImportCounts castles = ImportCastleList(*dm, adif);
    const ListImportCounts communes = ImportCommuneList(*dm, adif);
    for (const ListImportCounts &counts : {castles, communes}) {
        EXPECT_FALSE(counts.Imported());
        EXPECT_EQ(counts.Skipped, 4);
        EXPECT_EQ(
            ListImportMessage(counts),
            QString::fromUtf8("Plik nie zawiera żadnego poprawnego wiersza listy (pominięto wierszy: 4).\n"
                              "Lista nie została zmieniona."));
    }
    EXPECT_EQ(Castles(), QStringList({"SP001=Stara nazwa"}));
    EXPECT_EQ(SelectInteger(dm->Baza, "select count(*) from Gminy"), 1);

    const ListImportCounts mixed = ImportCastleList(
        *dm, adif + ListFile({CastleLine("SP001", "Malbork"), CastleLine("SP002", "Łańcut")}));
    EXPECT_TRUE(mixed.Imported());
    EXPECT_EQ(
        ListImportMessage(mixed),
        QString::fromUtf8("Wczytywanie zakończone. \nDodano wierszy: 1, zaktualizowano: 1, pominięto: 4."));
    EXPECT_EQ(Castles(), QStringList({"SP001=Malbork", QString::fromUtf8("SP002=Łańcut")}));
}

TEST_F(ReferenceListImportTest, CommuneCodesWithLettersAndUtf8NamesAreStoredAsTheyStand)
{
    ExecSql(dm->Baza, "insert into Gminy (GminaId, Gmina) values ('AB12', 'Stara')");
    const QStringList lines = {
        CommuneLine("KOD", "GMINA", "POWIAT", QString::fromUtf8("WOJEWÓDZTWO")),
        CommuneLine("D0101", QString::fromUtf8("Bolesławiec"), QString::fromUtf8("bolesławiecki"),
                    QString::fromUtf8("dolnośląskie")),
        CommuneLine("B12011", QString::fromUtf8("Gorzów Wielkopolski"), QString::fromUtf8("Gorzów"), "lubuskie"),
        CommuneLine("AB12", QString::fromUtf8("Łódź"), QString::fromUtf8("Łódź"), QString::fromUtf8("łódzkie")),
        CommuneLine("146501", "Warszawa", "Warszawa", "mazowieckie"),
    };
    QByteArray utf8;
    for (const QString &l : lines)
        utf8 += l.toUtf8() + "\n";
    const ListImportCounts counts = ImportCommuneList(*dm, utf8);
    EXPECT_EQ(counts.Added, 3);
    EXPECT_EQ(counts.Updated, 1);
    EXPECT_EQ(counts.Skipped, 1);
    EXPECT_EQ(Communes(), QStringList({QString::fromUtf8("146501=Warszawa/Warszawa/R"),
                                       QString::fromUtf8("AB12=Łódź/Łódź/C"),
                                       QString::fromUtf8("B12011=Gorzów Wielkopolski/Gorzów/B"),
                                       QString::fromUtf8("D0101=Bolesławiec/bolesławiecki/D")}));
    // A six-character code fills the key column exactly.
    EXPECT_EQ(SelectInteger(dm->Baza, "select count(*) from Gminy where GminaId = 'B12011'"), 1);
    EXPECT_EQ(SelectStrings(dm->Baza, "select Gmina from Gminy where GminaId = 'D0101'"),
              QStringList({QString::fromUtf8("Bolesławiec")}));

    // A castle list in UTF-8 too.
    const ListImportCounts castles =
        ImportCastleList(*dm, CastleLine("SP002", QString::fromUtf8("Łańcut")).toUtf8() + "\n");
    EXPECT_EQ(castles.Added, 1);
    EXPECT_EQ(Castles(), QStringList({QString::fromUtf8("SP002=Łańcut")}));
}

TEST_F(ReferenceListImportTest, CastleSymbolsWithoutADigitAreSkippedAndCountedAsACommuneTitleIs)
{
    const struct {
        QString line;
        const char *stored; // the row it gives; null when skipped
    } lines[] = {
        {QString::fromUtf8("SYMBOL NAZWA                          WOJEWÓDZTWO"), nullptr}, // the title line
        {CastleLine("SP001", "Malbork"), "SP001=Malbork"},
        {CastleLine("ZAMEK", "Bez numeru"), nullptr},
        {CastleLine(QString::fromUtf8("Ż"), "Litera"), nullptr},
        {CastleLine("ZA7", "Krasiczyn"), "ZA7=Krasiczyn"},
        {CastleLine("7", "Sama cyfra"), "7=Sama cyfra"},
    };
    QStringList file, stored;
    for (const auto &l : lines) {
        file << l.line;
        if (l.stored)
            stored << l.stored;
    }
    stored.sort();
    const ListImportCounts counts = ImportCastleList(*dm, ListFile(file));
    EXPECT_EQ(Castles(), stored);
    EXPECT_EQ(
        ListImportMessage(counts),
        QString::fromUtf8("Wczytywanie zakończone. \nDodano wierszy: 3, zaktualizowano: 0, pominięto: 3."));
}
