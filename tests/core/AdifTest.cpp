#include "core/Adif.h"
#include "core/Log.h"
#include "platform/Cp1250.h"

#include <gtest/gtest.h>

namespace {

TLog twoMetreQso()
{
    TLog log;
    log.Data = DateTime::fromDate(2003, 7, 14, 9, 5, 0);
    log.Pasmo.SetIndex(12);
    log.LogSetStacja("SP5ABC");
    log.LogSetEmisja("FM");
    return log;
}

} // namespace

TEST(Adif, MinimalRecord)
{
    EXPECT_EQ(twoMetreQso().LogToAdif(),
              "<QSO_DATE:8>20030714<TIME_ON:6>090500<BAND:2>2M<CALL:6>SP5ABC<MODE:2>FM"
              "<QSL_SENT:1>N<QSL_RCVD:1>N<EOR>");
}

TEST(Adif, EmptyRecordStillWritesDateTimeCallAndFlags)
{
    TLog log;
    log.Data = DateTime::fromDate(1999, 1, 2, 23, 59, 59);
    EXPECT_EQ(log.LogToAdif(),
              "<QSO_DATE:8>19990102<TIME_ON:6>235959<CALL:0><QSL_SENT:1>N<QSL_RCVD:1>N<EOR>");
}

TEST(Adif, EveryFieldInOrder)
{
    TLog log = twoMetreQso();
    log.Pasmo.SetIndex(13);
    log.RaportNad = "59";
    log.RaportOdb = "57";
    log.Imie = "Jan";
    log.Notatki = "a <b> c";
    log.Lokator = " KO02md ";
    log.QslManager = "DL1X";
    log.QslWys = true;
    log.QslOdb = true;
    log.Miasto = "Warszawa";
    log.Wyspa = "EU-024";
    log.Domena = "RA";
    log.Gmina = "1465";
    log.Zamek = "MZ-01";
    log.Kontynent = "EU";
    log.LogSetItu(5);
    log.LogSetCq(15);
    EXPECT_EQ(log.LogToAdif(),
              "<QSO_DATE:8>20030714<TIME_ON:6>090500<BAND:4>70CM<CALL:6>SP5ABC<MODE:2>FM<RST_SENT:2>59"
              "<RST_RCVD:2>57<NAME:3>Jan<COMMENT:7>a <b> c<GRIDSQUARE:6>KO02md<QSL_VIA:4>DL1X<QSL_SENT:1>Y"
              "<QSL_RCVD:1>Y<QTH:8>Warszawa<IOTA:6>EU-024<DOMAIN:2>RA<GMINA:4>1465<APP_QUARN_CASTLE:5>MZ-01"
              "<CONT:2>EU<ITUZ:1>5<CQZ:2>15<EOR>");
}

TEST(Adif, DashLocatorAndBlankValues)
{
    TLog log = twoMetreQso();
    log.Lokator = "-";
    log.Imie = "  ";
    const QString r = log.LogToAdif();
    EXPECT_FALSE(r.contains("GRIDSQUARE"));
    EXPECT_TRUE(r.contains("<NAME:2>  <QSL_SENT"));
}

TEST(Adif, LengthsCountWindows1250Bytes)
{
    TLog log = twoMetreQso();
    log.Miasto = QString::fromUtf8("Łódź");
    log.Notatki = QString::fromUtf8("ok \U0001F600"); // no Windows-1250 form: one '?' in the file
    const QString r = log.LogToAdif();
    EXPECT_TRUE(r.contains(QString::fromUtf8("<QTH:4>Łódź"))) << r.toStdString();
    const QByteArray bytes = Cp1250::fromUnicode(r);
    const qsizetype at = bytes.indexOf("<COMMENT:");
    ASSERT_GE(at, 0);
    const qsizetype close = bytes.indexOf('>', at);
    const int length = bytes.mid(at + 9, close - at - 9).toInt();
    EXPECT_EQ(bytes.mid(close + 1, length), Cp1250::fromUnicode(log.Notatki));
    EXPECT_EQ(bytes.mid(close + 1 + length, 10), "<QSL_SENT:");
}

TEST(Adif, FieldBuilders)
{
    EXPECT_EQ(AdifField(AdifTag::Call, ""), "<CALL:0>");
    EXPECT_EQ(AdifFieldIfAny(AdifTag::Mode, ""), "");
    EXPECT_EQ(AdifZoneField(AdifTag::Cqz, 0), "");
    EXPECT_EQ(AdifZoneField(AdifTag::Ituz, 75), "<ITUZ:2>75");
    EXPECT_EQ(AdifBandText("160 m"), "160M");
    EXPECT_EQ(AdifBandText(" "), "");
}
