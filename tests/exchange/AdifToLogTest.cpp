#include "exchange/AdifToLog.h"
#include "core/Log.h"
#include "exchange/AdifWriter.h"
#include "platform/Cp1250.h"

#include <gtest/gtest.h>

namespace {

// Maps the first record of an ADIF text.
AdifVerdict Map(const QByteArray &text, TLog &log)
{
    const AdifReadResult r = ReadAdif(text);
    EXPECT_FALSE(r.records.isEmpty());
    return r.records.isEmpty() ? AdifVerdict::Empty : AdifRecordToLog(r.records[0], log);
}

} // namespace

TEST(AdifToLog, EveryKnownFieldLandsInItsColumn)
{
    TLog log;
    log.LogId = 77;
    const QByteArray text = "<QSO_DATE:8>20030714<TIME_ON:6>090512<BAND:3>20m<CALL:6>SP5ABC<MODE:3>ssb"
                            "<RST_SENT:2>59<RST_RCVD:3>57 <NAME:3>Jan<COMMENT:5>a<b>c<GRIDSQUARE:6>KO02MD"
                            "<QSL_VIA:5>SP5ZZ<QSL_SENT:3> y <QSL_RCVD:1>N<QTH:6>Warsaw<IOTA:8> EU-024 "
                            "<DOMAIN:2>WA<GMINA:6>146501<APP_QUARN_CASTLE:4>ZW01<CONT:2>eu<ITUZ:2>28"
                            "<CQZ:2>15<EOR>";
    ASSERT_EQ(Map(text, log), AdifVerdict::Accepted);
    EXPECT_EQ(log.LogId, 77);
    EXPECT_EQ(log.Data, DateTime::fromDate(2003, 7, 14, 9, 5, 12));
    EXPECT_EQ(log.Pasmo.Index(), 5);
    EXPECT_EQ(log.Stacja, "SP5ABC");
    EXPECT_EQ(log.Emisja, "SSB");
    EXPECT_EQ(log.RaportNad, "59");
    EXPECT_EQ(log.RaportOdb, "57 ");
    EXPECT_EQ(log.Imie, "Jan");
    EXPECT_EQ(log.Notatki, "a<b>c");
    EXPECT_EQ(log.Lokator, "KO02MD");
    EXPECT_EQ(log.QslManager, "SP5ZZ");
    EXPECT_TRUE(log.QslWys);
    EXPECT_FALSE(log.QslOdb);
    EXPECT_EQ(log.Miasto, "Warsaw");
    EXPECT_EQ(log.Wyspa, "EU-024");
    EXPECT_EQ(log.Domena, "WA");
    EXPECT_EQ(log.Gmina, "146501");
    EXPECT_EQ(log.Zamek, "ZW01");
    EXPECT_EQ(log.Kontynent, "EU");
    EXPECT_EQ(log.ITU, 28);
    EXPECT_EQ(log.CQ, 15);
}

TEST(AdifToLog, ReusedRecordStartsClean)
{
    TLog log;
    ASSERT_EQ(Map("<QSO_DATE:8>20030714<CALL:3>K1A<QSL_SENT:1>Y<CQZ:1>5<BAND:2>2m<EOR>", log),
              AdifVerdict::Accepted);
    ASSERT_EQ(Map("<QSO_DATE:8>20030715<CALL:3>K1B<EOR>", log), AdifVerdict::Accepted);
    EXPECT_FALSE(log.QslWys);
    EXPECT_EQ(log.CQ, 0);
    EXPECT_EQ(log.Pasmo.Index(), 0);
    EXPECT_EQ(log.Data, DateTime::fromDate(2003, 7, 15));
}

TEST(AdifToLog, RecordsWithoutValidDateAreRejected)
{
    TLog log;
    EXPECT_EQ(Map("<EOR>", log), AdifVerdict::Empty);
    EXPECT_EQ(Map("<CALL:3>K1A<TIME_ON:4>1200<EOR>", log), AdifVerdict::NoDate);
    EXPECT_EQ(Map("<QSO_DATE:8>20031301<CALL:3>K1A<EOR>", log), AdifVerdict::NoDate);
    EXPECT_EQ(Map("<QSO_DATE:8>20030230<CALL:3>K1A<EOR>", log), AdifVerdict::NoDate);
    EXPECT_EQ(Map("<QSO_DATE:10>2003-07-14<CALL:3>K1A<EOR>", log), AdifVerdict::NoDate);
    EXPECT_EQ(Map("<QSO_DATE:8>2003071x<EOR>", log), AdifVerdict::NoDate);
    EXPECT_EQ(Map("<QSO_DATE:8>19291231<EOR>", log), AdifVerdict::NoDate); // ADIF dates begin in 1930
    EXPECT_EQ(Map("<QSO_DATE:8>17000101<EOR>", log), AdifVerdict::NoDate);
    EXPECT_EQ(Map("<QSO_DATE:8>19300101<EOR>", log), AdifVerdict::Accepted);
    // A later valid date wins over an earlier broken one, and the other way round.
    EXPECT_EQ(Map("<QSO_DATE:8>2003xx14<QSO_DATE:8>20030714<EOR>", log), AdifVerdict::Accepted);
    EXPECT_EQ(Map("<QSO_DATE:8>20030714<QSO_DATE:8>2003xx14<EOR>", log), AdifVerdict::NoDate);
}

TEST(AdifToLog, TimeForms)
{
    EXPECT_EQ(ParseAdifTime("0905"), 9 * 3600 + 5 * 60);
    EXPECT_EQ(ParseAdifTime("090512"), 9 * 3600 + 5 * 60 + 12);
    EXPECT_EQ(ParseAdifTime("0000"), 0);
    for (const char *bad : {"09051", "2460", "2400", "12a0", ""})
        EXPECT_EQ(ParseAdifTime(bad), std::nullopt) << bad;
    EXPECT_EQ(ParseAdifTime("235959"), 86399);
}

TEST(AdifToLog, BandFromBandOrFrequencyLaterWins)
{
    TLog log;
    Map("<QSO_DATE:8>20200101<FREQ:6>14.074<EOR>", log);
    EXPECT_EQ(log.Pasmo.Index(), 5);
    Map("<QSO_DATE:8>20200101<FREQ:6>14,074<EOR>", log);
    EXPECT_EQ(log.Pasmo.Index(), 5);
    // 4 m has its range; a FREQ of no known band keeps the band BAND gave,
    // while two known bands still go to the later tag.
    const std::pair<const char *, int> bandThenFreq[] = {
        {"<BAND:2>4M<FREQ:6>70.200", 11}, {"<FREQ:4>69.9", 11},         {"<FREQ:4>70.5", 11},
        {"<FREQ:5>70.51", 0},             {"<BAND:3>40M<FREQ:5>5.357", 3}, {"<BAND:3>20M<FREQ:6>0.4742", 5},
        {"<BAND:3>20M<FREQ:4>1400", 5},   {"<BAND:2>4M<FREQ:5>50.31", 10}, {"<FREQ:2>70<BAND:2>2M", 12},
    };
    for (const auto &[tags, band] : bandThenFreq) {
        Map(QByteArray("<QSO_DATE:8>20200101") + tags + "<EOR>", log);
        EXPECT_EQ(log.Pasmo.Index(), band) << tags;
    }
    Map("<QSO_DATE:8>20200101<BAND:3>40M<FREQ:5>7.074<BAND:4>70CM<EOR>", log);
    EXPECT_EQ(log.Pasmo.Index(), 13);
    Map("<QSO_DATE:8>20200101<BAND:2>4m<FREQ:6>14.074<EOR>", log);
    EXPECT_EQ(log.Pasmo.Index(), 5);
    // Empty or non-numeric FREQ is ignored, never ends the import.
    Map("<QSO_DATE:8>20200101<BAND:2>4m<FREQ:0><FREQ:3>abc<EOR>", log);
    EXPECT_EQ(log.Pasmo.Index(), 11);

    EXPECT_EQ(BandIndexForFrequency(1.0), 1);
    EXPECT_EQ(BandIndexForFrequency(2.5), 0);
    EXPECT_EQ(BandIndexForFrequency(7.3), 3);
    EXPECT_EQ(BandIndexForFrequency(7.31), 0);
    EXPECT_EQ(BandIndexForFrequency(*ParseAdifFrequency("14.35")), 5);
    EXPECT_EQ(BandIndexForFrequency(*ParseAdifFrequency("18.168")), 6);
    EXPECT_EQ(BandIndexForFrequency(*ParseAdifFrequency("29.7")), 9);
    EXPECT_EQ(BandIndexForFrequency(144.3), 12);
    EXPECT_EQ(BandIndexForFrequency(432.1), 13);
    EXPECT_EQ(BandIndexForFrequency(1296), 14);
    EXPECT_FALSE(ParseAdifFrequency("").has_value());
    EXPECT_FALSE(ParseAdifFrequency("nan").has_value());
    EXPECT_FALSE(ParseAdifFrequency("14.0.7").has_value());
}

TEST(AdifToLog, LocatorContinentAndZoneRules)
{
    TLog log;
    Map("<QSO_DATE:8>20200101<GRIDSQUARE:8>ko02md45<CONT:2>Na<ITUZ:3>300<CQZ:2>45<EOR>", log);
    EXPECT_EQ(log.Lokator, "KO02MD");
    EXPECT_EQ(log.Kontynent, "NA");
    EXPECT_EQ(log.ITU, 0); // 300 would narrow to 44 as a byte
    EXPECT_EQ(log.CQ, 0);

    Map("<QSO_DATE:8>20200101<GRIDSQUARE:5>KO02M<CONT:2>XX<ITUZ:2>ab<CQZ:2>40<EOR>", log);
    EXPECT_EQ(log.Lokator, "");
    EXPECT_EQ(log.Kontynent, "");
    EXPECT_EQ(log.ITU, 0);
    EXPECT_EQ(log.CQ, 40);

    // Locators and continents are stored upper case, whatever the file's case.
    Map("<QSO_DATE:8>20200101<GRIDSQUARE:6>KO02nc<EOR>", log);
    EXPECT_EQ(log.Lokator, "KO02NC");
    Map("<QSO_DATE:8>20200101<GRIDSQUARE:4>jo91<EOR>", log);
    EXPECT_EQ(log.Lokator, "JO91");

    Map("<QSO_DATE:8>20200101<ITUZ:3>-12<CQZ:3>256<IOTA:1>-<EOR>", log);
    EXPECT_EQ(log.ITU, 0);
    EXPECT_EQ(log.CQ, 0);
    EXPECT_EQ(log.Wyspa, "");

    // Districts go upper case; codes of blanks only are no codes.
    Map("<QSO_DATE:8>20200101<DOMAIN:4>m-kr<GMINA:4>    <APP_QUARN_CASTLE:3>   <CONT:2>  <EOR>", log);
    EXPECT_EQ(log.Domena, "M-KR");
    EXPECT_TRUE(log.Gmina.isEmpty() && log.Zamek.isEmpty() && log.Kontynent.isEmpty());
}

TEST(AdifToLog, LongValuesAreCutToTheirColumns)
{
    TLog log;
    Map("<QSO_DATE:8>20200101<CALL:20>SP5ABCDEFGHIJKLMNOPQ<MODE:8>DOMINOEX<NAME:20>Maksymilian Zbigniew"
        "<QTH:30>Konstantynów Łódzki pod Łodzią<QSL_VIA:10>SP5ABC/QRP<GMINA:8>AB123456<EOR>",
        log);
    EXPECT_EQ(log.Stacja, "SP5ABCDEFGHIJK");
    EXPECT_EQ(log.Emisja, "DOMINO");
    EXPECT_EQ(log.Imie, "Maksymilian Zbi");
    EXPECT_EQ(log.QslManager, "SP5ABC/");
    EXPECT_EQ(log.Gmina, "AB1234");
    EXPECT_EQ(log.Miasto.size(), 25);
}

TEST(AdifToLog, QslFlag)
{
    EXPECT_TRUE(ParseAdifFlag("y"));
    EXPECT_TRUE(ParseAdifFlag(" Y "));
    EXPECT_FALSE(ParseAdifFlag("N"));
    EXPECT_FALSE(ParseAdifFlag("YES"));
    EXPECT_FALSE(ParseAdifFlag(""));
}

// Found by fuzzing: what a record stores must write and read back the same.
TEST(AdifToLog, StoredValuesSurviveWritingAndReading)
{
    TLog log;
    static const char text[] = "<QSO_DATE:8>20200101<GRIDSQUARE:8>KO02M\r\0\0<IOTA:7>158-0 m<EOR>";
    Map(QByteArray(text, sizeof text - 1), log);
    EXPECT_EQ(log.Lokator, "");    // "KO02M" after cutting and trimming: five characters
    EXPECT_EQ(log.Wyspa, "158-0"); // cut to six, then trimmed like any reference
    Map("<QSO_DATE:8>20200101<GRIDSQUARE:6> KO02 <EOR>", log);
    EXPECT_EQ(log.Lokator, "KO02");

    TLog back;
    const AdifReadResult r = ReadAdif(AdifFileHeader() + Cp1250::fromUnicode(log.LogToAdif()));
    ASSERT_EQ(r.records.size(), 1);
    ASSERT_EQ(AdifRecordToLog(r.records[0], back), AdifVerdict::Accepted);
    EXPECT_EQ(back.LogToAdif(), log.LogToAdif());
}
