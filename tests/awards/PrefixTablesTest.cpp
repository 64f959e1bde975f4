#include "awards/PrefixExport.h"
#include "awards/PrefixImport.h"
#include "awards/ZoneFill.h"
#include "core/Log.h"
#include "core/PrefixData.h"
#include "platform/Cp1250.h"
#include "support/LogDb.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const char *utf8)
{
    return Cp1250::fromUnicode(QString::fromUtf8(utf8));
}

// Two countries with three prefixes, a prefix of a country the file never
// defines, and Polish letters in a name.
const char *const SmallFile = "<TABELA:7>KrajeDx<KRAJID:3>269<PREFIXDX:2>SP<NAZWAANG:6>Poland"
                              "<NAZWAPOL:6>Polska<KONTYNENT:2>EU<EOR>\r\n"
                              "<TABELA:7>KrajeDx<KRAJID:3>291<PREFIXDX:1>K<NAZWAANG:13>United States"
                              "<NAZWAPOL:20>Stany Zjednoczone ąę<KONTYNENT:2>NA<EOR>\r\n"
                              "<TABELA:10>PrefiksyDx<KRAJID:3>269<PREFIX:2>SP<EOR>\r\n"
                              "<TABELA:10>PrefiksyDx<KRAJID:3>269<PREFIX:3>SQ9<EOR>\r\n"
                              "<TABELA:10>PrefiksyDx<KRAJID:3>291<PREFIX:1>W<EOR>\r\n"
                              "<TABELA:10>PrefiksyDx<KRAJID:3>999<PREFIX:2>ZZ<EOR>\r\n";

class PrefixTables : public DataModuleTest {
protected:
    int Count(const char *table)
    {
        return SelectInteger(dm->Baza, QStringLiteral("SELECT COUNT(*) FROM ") + table);
    }
    int QsoCountry(int logId)
    {
        return SelectInteger(dm->Baza, QStringLiteral("SELECT KrajId FROM Logi WHERE LogId=%1").arg(logId));
    }
    QStringList Prefixes()
    {
        return SelectStrings(dm->Baza,
                             "SELECT KrajId || ':' || Prefix FROM PrefiksyDX ORDER BY KrajId, Prefix");
    }
};

} // namespace

TEST(PrefixFileCheck, AFileThatCannotReplaceTheTablesIsRefusedWithItsReason)
{
    struct Case {
        const char *bytes;
        const char *reason; // empty: accepted
    } cases[] = {
        // Before any table tag; a non-numeric id keeps the one read before it.
        {"<KRAJID:3>269<KRAJID:3>abc<PREFIXDX:2>SP<EOR><TABELA:10>PrefiksyDx<KRAJID:3>269<PREFIX:2>SP<EOR>",
         ""},
        {"<TABELA:7>KrajeDx<KRAJID:3>269<PREFIXDX:2>SP<EOR><TABELA:7>KrajeDx<KRAJID:3>269<EOR>",
         "Kraj o numerze 269 występuje w pliku więcej niż raz."},
        {"<CALL:5>SP5AB<QSO_DATE:8>20240101<EOR>", "Plik nie zawiera żadnego kraju"},
        {"<TABELA:7>KrajeDx<KRAJID:abc>269<EOR>", "Błędna długość pola"},
        {"<TABELA:7>KrajeDx<KRAJID:x>1<PREFIXDX:2>SP<EOR>", "Błędna długość pola"},
    };
    for (const Case &c : cases) {
        PrefixFile file;
        const QString message = ReadPrefixFile(QByteArray(c.bytes), file);
        SCOPED_TRACE(c.bytes);
        if (*c.reason == 0) {
            EXPECT_TRUE(message.isEmpty()) << message.toStdString();
            ASSERT_EQ(file.Records.size(), 2u);
            EXPECT_EQ(std::get<TKrajDX>(file.Records[0]).KrajId, 269);
            EXPECT_EQ(std::get<TPrefixDX>(file.Records[1]).Prefix, "SP");
        } else {
            EXPECT_TRUE(message.contains(QString::fromUtf8(c.reason))) << message.toStdString();
            EXPECT_TRUE(message.endsWith(QStringLiteral("Tabele prefiksów nie zostały zmienione.")));
        }
    }
}

TEST_F(PrefixTables, ExportWritesEveryCountryThenThePrefixesOfTheCountriesItWrote)
{
    ExecSql(dm->Baza, "DELETE FROM PrefiksyDX");
    ExecSql(dm->Baza, "DELETE FROM KrajeDX");
    ExecSql(dm->Baza, "INSERT INTO KrajeDX VALUES (145, 'YL', 'Latvia', 'Łotwa', 'EU')");
    ExecSql(dm->Baza, "INSERT INTO KrajeDX (KrajId, PrefixDX) VALUES (7, 'ZA')");
    ExecSql(dm->Baza, "INSERT INTO PrefiksyDX VALUES (145, 'YL')");
    ExecSql(dm->Baza, "INSERT INTO PrefiksyDX VALUES (7, 'ZA')");
    dm->OpenKrajeDX();
    // A country added after the data module read its list keeps its prefixes.
    ExecSql(dm->Baza, "INSERT INTO KrajeDX VALUES (269, 'SP', 'Poland', 'Polska', 'EU')");
    ExecSql(dm->Baza, "INSERT INTO PrefiksyDX VALUES (269, 'SQ')");

    QTemporaryDir dir;
    const QString path = dir.filePath("Prefiksy.txt");
    ASSERT_EQ(ExportPrefixTable(*dm, path), QString());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[6].isEmpty());
    QSet<QByteArray> countries(lines.begin(), lines.begin() + 3);
    QSet<QByteArray> prefixes(lines.begin() + 3, lines.begin() + 6);
    EXPECT_EQ(
        countries,
        (QSet<QByteArray>{"<TABELA:7>KrajeDx<KRAJID:3>145<PREFIXDX:2>YL<NAZWAANG:6>Latvia<NAZWAPOL:5>\xA3otwa"
                          "<KONTYNENT:2>EU<EOR>\r",
                          "<TABELA:7>KrajeDx<KRAJID:1>7<PREFIXDX:2>ZA<EOR>\r",
                          "<TABELA:7>KrajeDx<KRAJID:3>269<PREFIXDX:2>SP<NAZWAANG:6>Poland<NAZWAPOL:6>Polska"
                          "<KONTYNENT:2>EU<EOR>\r"}));
    EXPECT_EQ(prefixes, (QSet<QByteArray>{"<TABELA:10>PrefiksyDx<KRAJID:3>145<PREFIX:2>YL<EOR>\r",
                                          "<TABELA:10>PrefiksyDx<KRAJID:1>7<PREFIX:2>ZA<EOR>\r",
                                          "<TABELA:10>PrefiksyDx<KRAJID:3>269<PREFIX:2>SQ<EOR>\r"}));

    EXPECT_EQ(ExportPrefixTable(*dm, dir.filePath("no/such/folder/P.txt")),
              "Nie można zapisać pliku " + dir.filePath("no/such/folder/P.txt") + ": folder " +
                  dir.filePath("no/such/folder") + " nie istnieje");
}

TEST_F(PrefixTables, TheShippedTablesSurviveAnExportAndAnImportUnchanged)
{
    const int countries = Count("KrajeDX");
    const QStringList before = Prefixes();
    PrefixImport import(*dm);
    ASSERT_TRUE(import.Run(PrefixTableFileBytes(*dm))) << import.Message().toStdString();
    EXPECT_EQ(Count("KrajeDX"), countries);
    EXPECT_EQ(Prefixes(), before);
}

TEST_F(PrefixTables, ImportReplacesBothTablesAndRecomputesTheCountryOfEveryQso)
{
    const DateTime t0 = DateTime::fromDate(2020, 1, 1, 10, 0);
    std::vector<int> ids;
    for (int i = 0; i < 25; ++i)
        ids.push_back(AddQso(i % 3 == 0 ? "SQ9ABC" : i % 3 == 1 ? "W1AW" : "DL1AA", t0.addSecs(i * 60)));
    ASSERT_EQ(QsoCountry(ids[2]), 230); // Germany in the shipped tables
    ExecSql(dm->Baza, QStringLiteral("UPDATE Logi SET KrajId=0 WHERE LogId=%1").arg(ids[0]));

    QStringList steps;
    PrefixImport import(*dm);
    qsizetype total = 0;
    ASSERT_TRUE(
        import.Run(Bytes(SmallFile),
                   {.Phase = [&](const QString &s) { steps << s; },
                    .Maximum = [&](qsizetype m) { total = m; },
                    .Position = [&](qsizetype n) { steps << RecomputeStatusText(int(n), int(total)); }}));
    EXPECT_EQ(import.Message(), QStringLiteral("Wczytywanie zakończone. "));
    EXPECT_EQ(steps, (QStringList{"Wczytywanie danych - proszę czekać", "",
                                  "Aktualizacja baz systemu - proszę czekać",
                                  "Wyznaczanie prefisów dla łączności - proszę czekać [10 z 25]",
                                  "Wyznaczanie prefisów dla łączności - proszę czekać [20 z 25]", ""}));

    EXPECT_EQ(Count("KrajeDX"), 2);
    EXPECT_EQ(Prefixes(), (QStringList{"269:SP", "269:SQ9", "291:W"})); // ZZ of country 999 skipped
    EXPECT_EQ(SelectStrings(dm->Baza, "SELECT NazwaPol FROM KrajeDX WHERE KrajId=291"),
              QStringList{QString::fromUtf8("Stany Zjednoczone ąę")});
    EXPECT_EQ(QsoCountry(ids[0]), 269); // longest prefix SQ9
    EXPECT_EQ(QsoCountry(ids[1]), 291);
    EXPECT_EQ(QsoCountry(ids[2]), 0);       // DL is no longer listed
    EXPECT_EQ(import.ChangedQsos(), 1 + 8); // the first QSO and the eight with DL1AA
    EXPECT_EQ(dm->CountryNameForKrajId(291), QString::fromUtf8("Stany Zjednoczone ąę"));
    EXPECT_EQ(dm->KrajIdForCall("SQ9XYZ"), 269);
}

TEST_F(PrefixTables, AFailedImportLeavesTheOldTablesAndTheQsosAsTheyWere)
{
    const int qso = AddQso("DL1AA", DateTime::fromDate(2020, 1, 1, 10, 0));
    const int countries = Count("KrajeDX");
    const QStringList before = Prefixes();
    // The same prefix twice for one country breaks the key on the second insert.
    const QByteArray duplicate = Bytes(SmallFile) + "<TABELA:10>PrefiksyDx<KRAJID:3>269<PREFIX:2>SP<EOR>\r\n";
    const QByteArray badLength = Bytes(SmallFile) + "<TABELA:10>PrefiksyDx<KRAJID:>269<EOR>";
    const QByteArray tooLong =
        Bytes(SmallFile) + "<TABELA:10>PrefiksyDx<KRAJID:3>269<PREFIX:12>SP0123456789<EOR>";
    for (const QByteArray &bytes : {duplicate, badLength, tooLong}) {
        PrefixImport import(*dm);
        EXPECT_FALSE(import.Run(bytes));
        EXPECT_TRUE(import.Message().endsWith(QStringLiteral("Tabele prefiksów nie zostały zmienione.")))
            << import.Message().toStdString();
        EXPECT_EQ(Count("KrajeDX"), countries);
        EXPECT_EQ(Prefixes(), before);
        EXPECT_EQ(QsoCountry(qso), 230);
        EXPECT_EQ(dm->KrajIdForCall("DL1AA"), 230);
        EXPECT_TRUE(dm->KrajeDX.Active());
        EXPECT_TRUE(dm->Prefiksy.Active());
    }
    // A failure while the QSOs are written takes the new tables back too.
    ExecSql(dm->Baza, "CREATE EXCEPTION ZLY_KRAJ 'zly kraj'");
    ExecSql(dm->Baza, "CREATE TRIGGER LOGI_BU FOR Logi BEFORE UPDATE AS BEGIN "
                      "IF (new.KrajId = 0) THEN EXCEPTION ZLY_KRAJ; END");
    PrefixImport import(*dm);
    EXPECT_FALSE(import.Run(Bytes(SmallFile)));
    EXPECT_TRUE(import.Message().contains("zly kraj")) << import.Message().toStdString();
    EXPECT_TRUE(import.Message().endsWith(QString::fromUtf8("Ani tabele prefiksów, ani kraje łączności nie "
                                                            "zostały zmienione.")));
    EXPECT_EQ(Prefixes(), before);
    EXPECT_EQ(QsoCountry(qso), 230);
}

TEST_F(PrefixTables, AShippedFileCutShortOrWithAValuePastItsRecordIsRefusedAndChangesNothing)
{
    const QByteArray whole = LoadPrefixFile().Bytes; // the file mkdb seeded the tables from
    const qsizetype poland = whole.indexOf("<KRAJID:3>269<PREFIXDX:2>SP");
    const qsizetype lastPrefix = whole.lastIndexOf("<PREFIX:");
    ASSERT_GT(poland, 0);
    const qsizetype polandName = whole.indexOf("Polska", poland);
    const qsizetype polandEnd = whole.indexOf("<EOR>", poland);
    const qsizetype lastCountryEnd = whole.lastIndexOf("KrajeDx");
    struct Cut {
        const char *where;
        QByteArray bytes;
    } cuts[] = {
        {"inside Poland's name", whole.left(polandName + 3)},
        {"inside a tag of Poland's record", whole.left(polandName - 5)},
        {"between two fields", whole.left(polandName + 6)},
        {"inside Poland's end tag", whole.left(polandEnd + 3)},
        {"after the countries", whole.left(whole.indexOf('\n', lastCountryEnd) + 1)},
        {"inside the last prefix", whole.left(lastPrefix + 11)},
        {"before the last end tag", whole.left(whole.lastIndexOf("<EOR>"))},
        {"a length past the end of the file", whole.left(lastPrefix) + "<PREFIX:90>Z6<EOR>\r\n"},
        {"a value past its end tag", QByteArray(whole).replace("<NAZWAPOL:6>Polska", "<NAZWAPOL:26>Polska")},
    };
    const int qso = AddQso("SP5ABC", DateTime::fromDate(2020, 1, 1, 10, 0));
    const int countries = Count("KrajeDX"), prefixes = Count("PrefiksyDX");
    const QStringList before = Prefixes();
    for (const Cut &cut : cuts) {
        SCOPED_TRACE(cut.where);
        PrefixImport import(*dm);
        EXPECT_FALSE(import.Run(cut.bytes));
        EXPECT_TRUE(import.Message().startsWith(QStringLiteral("Plik "))) << import.Message().toStdString();
        EXPECT_TRUE(import.Message().endsWith(QStringLiteral("Tabele prefiksów nie zostały zmienione.")));
        EXPECT_EQ(Count("KrajeDX"), countries);
        EXPECT_EQ(Count("PrefiksyDX"), prefixes);
        EXPECT_EQ(QsoCountry(qso), 269);
        EXPECT_EQ(dm->KrajIdForCall("SP5ABC"), 269);
    }
    EXPECT_EQ(Prefixes(), before);
}

TEST_F(PrefixTables, AnotherCopyOnTheLogResolvesWithTheTablesThisCopyImported)
{
    TDM b; // a second copy of the program, started before the update
    ASSERT_TRUE(b.OpenDatabase());
    b.ReopenLogiOrdered(1, 0);
    ASSERT_EQ(b.KrajIdForCall("DL1AA"), 230);
    const int unfilled = AddQso("DL2BB", DateTime::fromDate(2020, 1, 1, 10, 0));

    PrefixImport import(*dm);
    ASSERT_TRUE(import.Run(Bytes(SmallFile))) << import.Message().toStdString();

    // Every QSO the other copy saves afterwards gets its country from the new tables.
    const DateTime t0 = DateTime::fromDate(2024, 1, 1, 12, 0);
    const QString calls[] = {"DL1AA", "SQ9ABC", "W1AW"};
    for (int i = 0; i < 3; ++i) {
        TLog qso;
        qso.Data = t0.addSecs(i * 60);
        qso.LogSetStacja(calls[i]);
        qso.LogSave(b);
    }
    EXPECT_EQ(SelectStrings(dm->Baza, "select Stacja || ' ' || KrajId from Logi where Data >= '2024-01-01' "
                                      "order by Data"),
              (QStringList{"DL1AA 0", "SQ9ABC 269", "W1AW 291"}));
    EXPECT_EQ(b.CountryNameForKrajId(291), QString::fromUtf8("Stany Zjednoczone ąę"));
    // So does a run over the log there: DL is no country any more, so the
    // QSO gets nothing and is left as it was.
    const QString unfilledRow = QStringLiteral("select '[' || coalesce(Kontynent, '-') || '] ' || "
                                               "coalesce(ITU, -1) || ' ' || coalesce(CQ, -1) || ' ' || "
                                               "rdb$record_version from Logi where LogId=%1")
                                    .arg(unfilled);
    const QStringList before = SelectStrings(dm->Baza, unfilledRow);
    ZoneFill fill(b);
    ASSERT_TRUE(fill.Run());
    EXPECT_EQ(SelectStrings(dm->Baza, unfilledRow), before);
    EXPECT_TRUE(before.value(0).startsWith("[-] -1 -1 ")) << before.value(0).toStdString();

    // The next update is followed as well.
    ASSERT_TRUE(import.Run(LoadPrefixFile().Bytes)) << import.Message().toStdString();
    TLog qso;
    qso.Data = t0.addSecs(600);
    qso.LogSetStacja("DL3CC");
    qso.LogSave(b);
    EXPECT_EQ(SelectInteger(dm->Baza, "select KrajId from Logi where Stacja='DL3CC'"), 230);
}
