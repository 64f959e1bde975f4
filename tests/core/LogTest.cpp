#include "core/Log.h"

#include <gtest/gtest.h>

TEST(Log, NewRecordIsEmpty)
{
    const TLog log;
    EXPECT_EQ(log.LogId, 0);
    EXPECT_TRUE(log.Data.isNull());
    EXPECT_EQ(log.Pasmo.Index(), 0);
    EXPECT_TRUE(log.Stacja.isEmpty());
    EXPECT_FALSE(log.QslWys);
    EXPECT_EQ(log.ITU, 0);
    EXPECT_EQ(log.CQ, 0);
}

TEST(Log, StacjaAndEmisja)
{
    TLog log;
    log.LogSetStacja(" sp5abc ");
    EXPECT_EQ(log.Stacja, " sp5abc ");
    log.LogSetEmisja("ssb");
    EXPECT_EQ(log.Emisja, "SSB");
    log.LogSetEmisja(QString::fromUtf8("łącze"));
    EXPECT_EQ(log.Emisja, QString::fromUtf8("ŁĄCZE"));
}

TEST(Log, LokatorLengthRule)
{
    TLog log;
    log.LogSetLokator("JO91");
    EXPECT_EQ(log.Lokator, "JO91");
    log.LogSetLokator("JO91RG");
    EXPECT_EQ(log.Lokator, "JO91RG");
    log.LogSetLokator("JO9");
    log.LogSetLokator("JO91R");
    log.LogSetLokator("JO91RGA");
    log.LogSetLokator(QString::fromUtf8("OC-0\xF0\xA2\x88\xA2")); // five characters in six UTF-16 units
    EXPECT_EQ(log.Lokator, "JO91RG");
    log.LogSetLokator("");
    EXPECT_EQ(log.Lokator, "");
    log.LogSetLokator("-   ");
    EXPECT_EQ(log.Lokator, "-   ");
    EXPECT_EQ(log.LogGetLokator(), "");
    log.Lokator = "  KO02  ";
    EXPECT_EQ(log.LogGetLokator(), "KO02");
}

TEST(Log, WyspaIsTrimmedAndDashIsEmpty)
{
    TLog log;
    log.LogSetWyspa("  EU-024 ");
    EXPECT_EQ(log.Wyspa, "EU-024");
    log.LogSetWyspa(" - ");
    EXPECT_EQ(log.Wyspa, "");
}

TEST(Log, KontynentAcceptsOnlyExactCodes)
{
    TLog log;
    log.LogSetKontynent("EU");
    EXPECT_EQ(log.Kontynent, "EU");
    log.LogSetKontynent("eu");
    log.LogSetKontynent("EUR");
    log.LogSetKontynent(" EU");
    EXPECT_EQ(log.Kontynent, "EU");
    EXPECT_EQ(log.LogContinentIndex(), 4);
    log.LogSetKontynent("  ");
    EXPECT_EQ(log.Kontynent, "  ");
    EXPECT_EQ(log.LogContinentIndex(), 0);
    log.LogSetKontynent("SA");
    EXPECT_EQ(log.LogContinentIndex(), 7);
}

TEST(Log, ZonesAreRangeChecked)
{
    TLog log;
    log.LogSetItu(75);
    log.LogSetCq(40);
    EXPECT_EQ(log.ITU, 75);
    EXPECT_EQ(log.CQ, 40);
    log.LogSetItu(76);
    log.LogSetCq(41);
    EXPECT_EQ(log.ITU, 75);
    EXPECT_EQ(log.CQ, 40);
    // A database integer that would wrap into range as a byte is refused.
    log.LogSetItu(256 + 5);
    log.LogSetCq(256 + 5);
    log.LogSetItu(-1);
    EXPECT_EQ(log.ITU, 75);
    EXPECT_EQ(log.CQ, 40);
    log.LogSetItu(0);
    log.LogSetCq(0);
    EXPECT_EQ(log.ITU, 0);
    EXPECT_EQ(log.CQ, 0);
}

TEST(Log, ResetKeepsIdAndDate)
{
    TLog log;
    log.LogId = 17;
    log.Data = DateTime::fromDate(2003, 7, 14, 9, 5, 0);
    log.Pasmo.SetIndex(12);
    log.LogSetStacja("SP5ABC");
    log.LogSetEmisja("FM");
    log.RaportNad = "59";
    log.Lokator = "KO02";
    log.QslManager = "DL1X";
    log.QslWys = log.QslOdb = true;
    log.Miasto = "Warszawa";
    log.LogSetWyspa("EU-024");
    log.Domena = "RA";
    log.Gmina = "1234";
    log.Zamek = "Z1";
    log.LogSetKontynent("EU");
    log.LogSetItu(28);
    log.LogSetCq(15);
    log.LogReset();
    EXPECT_EQ(log.LogId, 17);
    EXPECT_EQ(log.Data, DateTime::fromDate(2003, 7, 14, 9, 5, 0));
    EXPECT_EQ(log.Pasmo.Index(), 0);
    for (const QString *s :
         {&log.Stacja, &log.Emisja, &log.RaportNad, &log.RaportOdb, &log.Lokator, &log.Imie, &log.Notatki,
          &log.QslManager, &log.Miasto, &log.Wyspa, &log.Domena, &log.Gmina, &log.Zamek, &log.Kontynent})
        EXPECT_TRUE(s->isEmpty());
    EXPECT_FALSE(log.QslWys);
    EXPECT_FALSE(log.QslOdb);
    EXPECT_EQ(log.ITU, 0);
    EXPECT_EQ(log.CQ, 0);
}
