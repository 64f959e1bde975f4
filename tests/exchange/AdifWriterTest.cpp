#include "exchange/AdifWriter.h"
#include "core/Log.h"
#include "exchange/AdifToLog.h"
#include "support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TLog SampleQso()
{
    TLog q;
    q.Data = DateTime::fromDate(2003, 7, 14, 9, 5, 0);
    q.Pasmo.SetIndex(12);
    q.Stacja = "SP5ABC";
    q.Emisja = "FM";
    return q;
}

} // namespace

TEST(AdifWriter, HeaderAndRecordBytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("log.adi");
    AdifFileWriter w(path);
    ASSERT_TRUE(w.Open());
    TLog q = SampleQso();
    ASSERT_TRUE(w.WriteQso(q));
    q.Miasto = QString::fromUtf8("Łódź");
    ASSERT_TRUE(w.WriteQso(q));
    EXPECT_FALSE(QFile::exists(path)); // nothing visible before the commit
    ASSERT_TRUE(w.Commit());

    const QByteArray bytes = ReadAll(path);
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], "ADIF Export from Quarn\r");
    EXPECT_EQ(lines[4], "\r");
    EXPECT_EQ(lines[5], "<EOH>\r");
    EXPECT_EQ(lines[6], "<QSO_DATE:8>20030714<TIME_ON:6>090500<BAND:2>2M<CALL:6>SP5ABC<MODE:2>FM"
                        "<QSL_SENT:1>N<QSL_RCVD:1>N<EOR>\r");
    EXPECT_EQ(lines[7], "<QSO_DATE:8>20030714<TIME_ON:6>090500<BAND:2>2M<CALL:6>SP5ABC<MODE:2>FM"
                        "<QSL_SENT:1>N<QSL_RCVD:1>N<QTH:4>\xA3\xF3"
                        "d\x9F<EOR>\r");
    EXPECT_EQ(lines[8], "");
    EXPECT_TRUE(bytes.startsWith(AdifFileHeader()));
    // Every header line but the first and the <EOH> line is free text without tags.
    for (int i = 1; i < 5; ++i)
        EXPECT_FALSE(lines[i].contains('<'));
}

// A missing folder and a disk that fills up part way: the message names the
// cause and nothing is left in the folder.
TEST(AdifWriter, FailureNamesTheCauseAndLeavesNoFile)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing/sub/log.adi");
    AdifFileWriter w(missing);
    EXPECT_FALSE(w.Open());
    EXPECT_EQ(w.ErrorText(),
              "Błąd zapisu pliku " + missing + ": folder " + dir.filePath("missing/sub") + " nie istnieje");
    EXPECT_FALSE(QFile::exists(missing));

    const QString path = dir.filePath("log.adi");
    AdifFileWriter full(path);
    {
        FullDisk disk(20000);
        ASSERT_TRUE(full.Open());
        bool written = true;
        for (int i = 0; i < 1000 && written; ++i)
            written = full.WriteQso(SampleQso());
        EXPECT_FALSE(written && full.Commit());
    }
    EXPECT_EQ(full.ErrorText(), "Błąd zapisu pliku " + path +
                                    ": plik przekroczył największy rozmiar, jaki system pozwala zapisać");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(AdifWriter, WrittenQsosReadBackUnchanged)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("log.adi");
    TLog a = SampleQso();
    a.RaportNad = "59";
    a.RaportOdb = "57";
    a.Imie = QString::fromUtf8("Grzegorz");
    a.Notatki = QString::fromUtf8("zażółć gęślą jaźń <EOR> a:b");
    a.Lokator = "KO02MD";
    a.QslManager = "SP5ZZ";
    a.QslWys = true;
    a.Miasto = QString::fromUtf8("Świętochłowice");
    a.Wyspa = "EU-024";
    a.Domena = "WA";
    a.Zamek = "ZW01";
    a.Kontynent = "EU";
    a.ITU = 28;
    a.CQ = 15;
    TLog b = SampleQso();
    b.Data = DateTime::fromDate(2010, 1, 2, 23, 59, 59);
    b.Pasmo.SetIndex(14);
    b.Stacja = "";

    AdifFileWriter w(path);
    ASSERT_TRUE(w.Open());
    ASSERT_TRUE(w.WriteQso(a));
    ASSERT_TRUE(w.WriteQso(b));
    ASSERT_TRUE(w.Commit());

    const AdifReadResult r = ReadAdif(ReadAll(path));
    EXPECT_TRUE(r.problems.isEmpty());
    ASSERT_EQ(r.records.size(), 2);
    TLog back;
    ASSERT_EQ(AdifRecordToLog(r.records[0], back), AdifVerdict::Accepted);
    EXPECT_EQ(back.LogToAdif(), a.LogToAdif());
    EXPECT_EQ(back.Notatki, a.Notatki);
    EXPECT_EQ(back.Data, a.Data);
    ASSERT_EQ(AdifRecordToLog(r.records[1], back), AdifVerdict::Accepted);
    EXPECT_EQ(back.LogToAdif(), b.LogToAdif());
}
