#include "exchange/AdifImport.h"
#include "core/Log.h"
#include "exchange/AdifExport.h"
#include "exchange/AdifWriter.h"
#include "exchange/QsoGenerator.h"
#include "platform/Cp1250.h"
#include "support/LogDb.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// Every LOGI row but its id, in date-time and call order, one text per row.
QStringList LogRows(TDM &dm)
{
    return SelectRows(dm.Baza, "select * from Logi order by Data, Stacja", "LOGID");
}

void Exec(TDM &dm, const QString &sql)
{
    FbTransaction tr(&dm.Baza);
    tr.StartTransaction();
    FbStatement s(&dm.Baza, &tr);
    s.SetSQL(sql);
    s.ExecQuery();
    tr.Commit();
}

QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An ADIF file of `n` generated QSOs.
QByteArray GeneratedFile(int n, quint32 seed = 7)
{
    QsoGenerator gen(seed);
    QByteArray bytes = AdifFileHeader();
    for (int i = 0; i < n; ++i) {
        TLog q = gen.Next();
        bytes += Cp1250::fromUnicode(q.LogToAdif()) + "\r\n";
    }
    return bytes;
}

class AdifImportTest : public DataModuleTest {};

} // namespace

TEST_F(AdifImportTest, ExportedLogImportsBackColumnForColumn)
{
    AdifImport first(*dm);
    ASSERT_TRUE(first.Run(GeneratedFile(2500)));
    EXPECT_EQ(first.Counts().added, 2500);
    EXPECT_TRUE(first.Warnings().isEmpty());
    const QStringList before = LogRows(*dm);
    ASSERT_EQ(before.size(), 2500);
    const QString withCommune = "select count(*) from Logi where Gmina <> ''";
    EXPECT_GT(SelectInteger(dm->Baza, withCommune), 100);

    QTemporaryDir dir;
    AdifExport exp(*dm);
    ASSERT_EQ(exp.Run(dir.filePath("a.adi")), AdifExport::Outcome::Written);
    EXPECT_EQ(exp.Written(), 2500);
    // The export reproduces the generated file byte for byte.
    EXPECT_EQ(ReadFile(dir.filePath("a.adi")).split('\n'), GeneratedFile(2500).split('\n'));

    Exec(*dm, "delete from Logi");
    AdifImport again(*dm);
    ASSERT_TRUE(again.Run(ReadFile(dir.filePath("a.adi"))));
    EXPECT_EQ(again.Counts().added, 2500);
    const QStringList after = LogRows(*dm);
    ASSERT_EQ(after.size(), before.size());
    for (int i = 0; i < after.size(); ++i)
        ASSERT_EQ(after[i].toStdString(), before[i].toStdString());
    EXPECT_EQ(SelectInteger(dm->Baza, "select count(distinct Gmina) from Logi where Gmina <> ''"), 5);

    // Read once more, the export adds nothing and says every QSO is in the log.
    AdifImport third(*dm);
    ASSERT_TRUE(third.Run(ReadFile(dir.filePath("a.adi"))));
    EXPECT_EQ(third.Counts().processed, 2500);
    EXPECT_EQ(third.Counts().added, 0);
    EXPECT_EQ(third.Counts().duplicates, 2500);
    EXPECT_TRUE(third.Warnings().isEmpty());
}

TEST_F(AdifImportTest, AFileWithoutAnAdifRecordSaysSoAndAddsNothing)
{
    AddQso("SP5ABC", DateTime::fromDate(2020, 5, 1, 12, 0, 0));
    const QString noRecord = QString::fromUtf8("W pliku nie znaleziono żadnej pozycji w formacie ADIF.\n"
                                               "Nic nie zostało wczytane.");
    const QByteArray files[] = {
        "", // empty
        "Gminy\r\n146501 Warszawa   Warszawa   mazowieckie\r\n",                  // text without tags
        "<html><head><title>Log</title></head><body><p>SP5ABC</p></body></html>", // tags without fields
        AdifFileHeader(),                                                         // a header alone
        "Log\n<EOH>\n<EOR>\n",                                                    // an empty record
        // a picture: its bytes hold a '<' with a ':' before the next '>'
        QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\x01<\xd3\x07\x1f:\xfe\x88\x02>\0\x9c<\x11\xee", 31),
        QByteArray("\x89PNG\r\n\x1a\n<\x01\x02\x03\x04 no end of tag \xff\xfe", 30),
    };
    for (const QByteArray &file : files) {
        SCOPED_TRACE(file.left(20).toStdString());
        AdifImport imp(*dm);
        EXPECT_FALSE(imp.Run(file));
        EXPECT_EQ(imp.Counts().added, 0);
        EXPECT_EQ(imp.Warnings(), QStringList({noRecord}));
    }
    EXPECT_EQ(dm->QsoCount(), 1);
}

// What a message quotes from a broken ADIF file is a short excerpt of printable
// characters, whatever bytes the file holds there.
TEST_F(AdifImportTest, AMessageQuotesOnlyAShortPrintableExcerptOfTheFile)
{
    QByteArray file = "<EOH><QSO_DATE:8>20200501<TIME_ON:4>1200<CALL:4>DL1A<EOR><NA\x01\xe9ME:x";
    file += QByteArray(200, '\x90') + ">Jan<EOR>";
    AdifImport imp(*dm);
    EXPECT_FALSE(imp.Run(file));
    EXPECT_EQ(imp.Counts().added, 1);
    ASSERT_EQ(imp.Warnings().size(), 1);
    const QString text = imp.Warnings()[0];
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("Błędna długość pola w znaczniku <NA??ME:X???"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("\u2026> ("))) << text.toStdString();
    for (const QChar c : text)
        EXPECT_TRUE(c.isPrint() || c == u'\n') << int(c.unicode());
    EXPECT_LT(text.size(), 200);
}

TEST_F(AdifImportTest, DuplicatesBySecondAndCallInAnyCase)
{
    AddQso("SP5ABC", DateTime::fromDate(2020, 5, 1, 12, 0, 0, 500));
    const QByteArray file =
        "<EOH>"
        "<QSO_DATE:8>20200501<TIME_ON:6>120000<CALL:6>sp5abc<EOR>" // in the log
        "<QSO_DATE:8>20200501<TIME_ON:6>120000<CALL:4>DL1A<EOR>"   // same second, other call
        "<QSO_DATE:8>20200501<TIME_ON:6>120000<CALL:4>dl1a<EOR>"   // added just before
        "<QSO_DATE:8>20200501<TIME_ON:6>120001<CALL:6>SP5ABC<EOR>" // next second
        "<CALL:4>K1AB<EOR>"                                        // no date
        "<EOR>";                                                   // empty
    AdifImport imp(*dm);
    ASSERT_TRUE(imp.Run(file));
    EXPECT_EQ(imp.Counts().processed, 6);
    EXPECT_EQ(imp.Counts().added, 2);
    EXPECT_EQ(imp.Counts().duplicates, 2);
    EXPECT_EQ(imp.Counts().rejected, 2);
    ASSERT_EQ(imp.Warnings().size(), 1);
    EXPECT_TRUE(imp.Warnings()[0].contains("2"));
    EXPECT_EQ(dm->QsoCount(), 3);

    // The same file a second time adds nothing.
    AdifImport twice(*dm);
    ASSERT_TRUE(twice.Run(file));
    EXPECT_EQ(twice.Counts().added, 0);
    EXPECT_EQ(dm->QsoCount(), 3);
}

TEST_F(AdifImportTest, CountryComesFromTheCallSign)
{
    AdifImport imp(*dm);
    ASSERT_TRUE(imp.Run("<QSO_DATE:8>20200501<TIME_ON:4>1200<CALL:6>sp5abc<QTH:4>\xA3\xF3"
                        "d\x9F<EOR>"
                        "<QSO_DATE:8>20200501<TIME_ON:4>1201<CALL:0><EOR>"));
    const QStringList rows = LogRows(*dm);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].contains("KRAJID=269")) << rows[0].toStdString();
    EXPECT_TRUE(rows[0].contains(QString::fromUtf8("MIASTO=Łódź"))) << rows[0].toStdString();
    EXPECT_TRUE(rows[0].contains("STACJA=SP5ABC")) << "stored upper case, as the editor types it";
    EXPECT_TRUE(rows[0].contains("QSL_WYS=N"));
    EXPECT_TRUE(rows[1].contains("KRAJID=0"));
}

// Call signs and QSL managers go in upper case; a QSO without a readable time
// goes in at 00:00 and is counted as such.
TEST_F(AdifImportTest, CallsGoInUpperCaseAndQsosWithoutATimeAreCounted)
{
    AdifImport imp(*dm);
    ASSERT_TRUE(imp.Run("<QSO_DATE:8>20200501<TIME_ON:4>1200<CALL:6>sp2zaz<QSL_VIA:5>dl1ab<EOR>"
                        "<QSO_DATE:8>20200502<CALL:6>Sp3Aaa<EOR>"                 // no time
                        "<QSO_DATE:8>20200503<TIME_ON:4>2500<CALL:4>k1ab<EOR>"    // unreadable
                        "<QSO_DATE:8>20200504<TIME_ON:4>0000<CALL:4>K1CD<EOR>")); // midnight given
    EXPECT_EQ(imp.Counts().added, 4);
    EXPECT_EQ(imp.Counts().untimed, 2);
    EXPECT_EQ(SelectStrings(dm->Baza,
                            "SELECT STACJA || ' ' || COALESCE(NULLIF(QSL_MANAGER, ''), '-') || ' ' || "
                            "CAST(DATA AS VARCHAR(24)) FROM LOGI ORDER BY DATA"),
              QStringList({"SP2ZAZ DL1AB 2020-05-01 12:00:00.0000", "SP3AAA - 2020-05-02 00:00:00.0000",
                           "K1AB - 2020-05-03 00:00:00.0000", "K1CD - 2020-05-04 00:00:00.0000"}));
}

TEST_F(AdifImportTest, DatabaseErrorKeepsWhatWasAddedAndSaysHowFar)
{
    Exec(*dm, "CREATE EXCEPTION QUARN_TEST_BOOM 'boom'");
    Exec(*dm, "CREATE TRIGGER LOGI_TEST_BOOM FOR LOGI BEFORE INSERT AS BEGIN "
              "IF (NEW.STACJA = 'FAIL') THEN EXCEPTION QUARN_TEST_BOOM; END");
    QByteArray file;
    for (int i = 0; i < 1500; ++i) {
        const QString call = i == 1234 ? QStringLiteral("FAIL") : QStringLiteral("SP%1A").arg(i);
        file += QStringLiteral("<QSO_DATE:8>20200501<TIME_ON:6>%1<CALL:%2>%3<EOR>\n")
                    .arg(QTime(0, 0).addSecs(i).toString("HHmmss"))
                    .arg(call.size())
                    .arg(call)
                    .toLatin1();
    }
    AdifImport imp(*dm);
    EXPECT_FALSE(imp.Run(file));
    EXPECT_EQ(imp.Counts().processed, 1235);
    EXPECT_EQ(imp.Counts().added, 1234);
    EXPECT_EQ(dm->QsoCount(), 1234);
    ASSERT_EQ(imp.Warnings().size(), 1);
    EXPECT_TRUE(imp.Warnings()[0].contains("1235"));
    EXPECT_TRUE(imp.Warnings()[0].contains("1234"));
}

TEST_F(AdifImportTest, DamagedFileKeepsTheRecordsBeforeTheDamage)
{
    AdifImport imp(*dm);
    EXPECT_FALSE(imp.Run("<QSO_DATE:8>20200501<CALL:3>K1A<EOR><QSO_DATE:8>20200502<CALL:3>K1B<EOR>"
                         "<QSO_DATE:8>20200503<CALL:X>K1C<EOR><QSO_DATE:8>20200504<CALL:3>K1D<EOR>"));
    EXPECT_EQ(imp.Counts().processed, 2);
    EXPECT_EQ(imp.Counts().added, 2);
    EXPECT_EQ(dm->QsoCount(), 2);
    ASSERT_EQ(imp.Warnings().size(), 1);
    EXPECT_TRUE(imp.Warnings()[0].contains("CALL:X"));
}

TEST_F(AdifImportTest, MixedEncodingsAndBadLengthsLoseOnlyTheDamagedRecords)
{
    // A UTF-8 log merged with Windows-1250 records, one of them "GÓŁKOWO",
    // Cyrillic names, and two records whose lengths run past their end.
    const QByteArray ivan = QString::fromUtf8("Иван").toUtf8();
    const QByteArray file = QByteArray("<EOH>\n<QSO_DATE:8>20200501<TIME_ON:4>1200<CALL:5>SP5AA<QTH:7>") +
                            QString::fromUtf8("Łódź").toUtf8() +
                            "<EOR>\n"
                            "<QSO_DATE:8>20200501<TIME_ON:4>1201<CALL:5>SP5AB<QTH:7>G\xD3\xA3KOWO<EOR>\n"
                            "<QSO_DATE:8>20200501<TIME_ON:4>1202<CALL:999999999>SP5AC<EOR>\n"
                            "<QSO_DATE:8>20200501<TIME_ON:4>1203<CALL:5>UA3AA<NAME:8>" +
                            ivan +
                            "<EOR>\n"
                            "<QSO_DATE:8>20200501<TIME_ON:4>1204<CALL:5>SP5AD<NAME:40>Jan<EOR>\n"
                            "<QSO_DATE:8>20200501<TIME_ON:4>1205<CALL:5>SP5AE<NAME:5>Pawe\xB3<EOR>\n";
    AdifImport imp(*dm);
    EXPECT_TRUE(imp.Run(file));
    EXPECT_EQ(imp.Counts().added, 4);
    EXPECT_EQ(SelectStrings(dm->Baza, "select Miasto from Logi where Miasto <> '' order by Data"),
              (QStringList{QString::fromUtf8("Łódź"), QString::fromUtf8("GÓŁKOWO")}));
    EXPECT_EQ(SelectStrings(dm->Baza, "select Imie from Logi where Imie <> '' order by Data"),
              (QStringList{"????", QString::fromUtf8("Paweł")}));
    ASSERT_EQ(imp.Warnings().size(), 1);
    EXPECT_TRUE(imp.Warnings()[0].contains(": 2.")) << imp.Warnings()[0].toStdString();
    EXPECT_TRUE(imp.Warnings()[0].contains("<CALL:999999999> w pozycji nr 3 "))
        << imp.Warnings()[0].toStdString();
}

TEST_F(AdifImportTest, RangeExportTakesWholeDays)
{
    AddQso("SP1AA", DateTime::fromDate(2021, 3, 9, 23, 59, 59));
    AddQso("SP1AB", DateTime::fromDate(2021, 3, 10, 0, 0, 0));
    AddQso("SP1AC", DateTime::fromDate(2021, 3, 10, 23, 59, 59, 999).addTicks(9));
    AddQso("SP1AD", DateTime::fromDate(2021, 3, 11, 0, 0, 0));
    QTemporaryDir dir;
    AdifExport exp(*dm);
    ASSERT_EQ(exp.Run(dir.filePath("day.adi"), QDate(2021, 3, 10), QDate(2021, 3, 10)),
              AdifExport::Outcome::Written);
    EXPECT_EQ(exp.Written(), 2);
    const QByteArray day = ReadFile(dir.filePath("day.adi"));
    EXPECT_TRUE(day.contains("SP1AB") && day.contains("SP1AC"));
    EXPECT_FALSE(day.contains("SP1AA") || day.contains("SP1AD"));

    // The same range twice gives identical files.
    ASSERT_EQ(exp.Run(dir.filePath("day2.adi"), QDate(2021, 3, 10), QDate(2021, 3, 10)),
              AdifExport::Outcome::Written);
    EXPECT_EQ(ReadFile(dir.filePath("day2.adi")), day);

    // A range without QSOs writes no file.
    EXPECT_EQ(exp.Run(dir.filePath("none.adi"), QDate(2022, 1, 1), QDate(2022, 1, 31)),
              AdifExport::Outcome::NoRows);
    EXPECT_FALSE(QFile::exists(dir.filePath("none.adi")));
}

using AdifImportOnServer = ServerDataModuleTest;

// The server ends the connection in the middle of the import (batches of 10,
// the attachment ended after 15 records): the run returns its failure instead
// of throwing, tells the loss in Polish, and the added count is what the log
// then holds.
TEST_F(AdifImportOnServer, ALostConnectionCountsWhatTheLogHolds)
{
    AdifImport import(*dm, 10);
    bool ended = false, stored = true;
    EXPECT_NO_THROW(stored = import.Run(GeneratedFile(30), {.Position = [&](qsizetype processed) {
                                            if (processed == 15 && !ended) {
                                                ended = true;
                                                EndConnection();
                                            }
                                        }}));
    EXPECT_FALSE(stored);
    EXPECT_EQ(import.Counts().processed, 16);
    EXPECT_EQ(import.Counts().added, 10);
    EXPECT_EQ(SelectOnServer("select count(*) from Logi"), import.Counts().added);
    ASSERT_EQ(import.Warnings().size(), 1);
    const QStringList lines = import.Warnings()[0].split(u'\n');
    EXPECT_EQ(lines.front(), QStringLiteral("Połączenie z bazą dziennika zostało przerwane."));
    EXPECT_EQ(lines.back(),
              QStringLiteral("Wczytywanie przerwano przy pozycji 16 pliku; dodano 10 nowych łączności."));
}
