#include "core/DateOptions.h"
#include "core/OwnCallSign.h"
#include "core/OwnStation.h"
#include "core/Settings.h"
#include "platform/Registry.h"
#include "support/LogDb.h"

#include <QTemporaryDir>

using OwnStationTest = DataModuleTest;

TEST(OwnStation, SppaTextsSplitIntoVoivodeshipAndDistrict)
{
    const struct {
        const char *sppa, *wojew, *powiat;
    } cases[] = {
        {"R-KK", "R", "KK"}, {"R-K", "R", "K "}, {" -  ", " ", "  "}, {"", " ", "  "},
        {"R-", "R", "  "},   {"R", "R", "  "},   {" -KK", " ", "KK"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.sppa);
        EXPECT_EQ(VoivodeshipPart(QString::fromLatin1(c.sppa)), QString::fromLatin1(c.wojew));
        EXPECT_EQ(DistrictPart(QString::fromLatin1(c.sppa)), QString::fromLatin1(c.powiat));
    }
    EXPECT_EQ(SppaText("", ""), QStringLiteral(" -  "));
    EXPECT_EQ(SppaText("R", "KK"), QStringLiteral("R-KK"));
    EXPECT_EQ(SppaText("R", ""), QStringLiteral("R-  "));
}

TEST_F(OwnStationTest, SavedDataComesBackAndBlanksStayBlanks)
{
    WriteOwnStation(*dm, {QStringLiteral("Józef"), QStringLiteral("Łódź"), QStringLiteral("C"),
                          QStringLiteral("LD"), QStringLiteral("JO91")});
    EXPECT_FALSE(dm->trStale.Active());
    TOwnStation back = ReadOwnStation(*dm);
    EXPECT_EQ(back.Imie, QStringLiteral("Józef"));
    EXPECT_EQ(back.Miasto, QStringLiteral("Łódź"));
    EXPECT_EQ(back.Wojew, QStringLiteral("C"));
    EXPECT_EQ(back.Powiat, QStringLiteral("LD"));
    EXPECT_EQ(back.Lokator, QStringLiteral("JO91"));
    EXPECT_FALSE(dm->trStale.Active());

    // An empty SPPA is written as a blank letter and two blank characters.
    WriteOwnStation(*dm, {QString(), QString(), VoivodeshipPart(" -  "), DistrictPart(" -  "), QString()});
    EXPECT_EQ(SelectStrings(dm->Baza, "select '[' || WOJEW || POWIAT || ']' from STALE"),
              QStringList{QStringLiteral("[   ]")});
    back = ReadOwnStation(*dm);
    EXPECT_EQ(SppaText(back.Wojew, back.Powiat), QStringLiteral(" -  "));
    EXPECT_EQ(SelectInteger(dm->Baza, "select count(*) from STALE"), 1);
}

TEST_F(OwnStationTest, AnEmptyTableGetsItsRowAndTooLongTextsAreCut)
{
    ExecSql(dm->Baza, "delete from STALE");
    EXPECT_TRUE(ReadOwnStation(*dm).Imie.isEmpty());
    const QString longName = QString(40, QLatin1Char('N'));
    WriteOwnStation(*dm, {longName, QStringLiteral("Kraków"), QStringLiteral("M"), QStringLiteral("KR"),
                          QStringLiteral("KN09AB")});
    EXPECT_EQ(SelectInteger(dm->Baza, "select count(*) from STALE"), 1);
    EXPECT_EQ(SelectInteger(dm->Baza, "select UZYTID from STALE"), 1);
    EXPECT_EQ(SelectStrings(dm->Baza, "select IMIE from STALE"),
              QStringList{longName.left(StationTextLength)});
    EXPECT_EQ(SelectStrings(dm->Baza, "select LOKATOR from STALE"), QStringList{QStringLiteral("KN09AB")});

    // The label lines share the row and leave the station data alone.
    ExecSql(dm->Baza, "delete from STALE");
    EXPECT_TRUE(ReadQslLabelLines(*dm).Linia1.isEmpty());
    WriteQslLabelLines(*dm, {QStringLiteral("Tnx fer QSO"), QStringLiteral("73!")});
    EXPECT_EQ(SelectInteger(dm->Baza, "select count(*) from STALE"), 1);
    WriteOwnStation(*dm,
                    {QStringLiteral("Jan"), QString(), QStringLiteral(" "), QStringLiteral("  "), QString()});
    const TQslLabelLines lines = ReadQslLabelLines(*dm);
    EXPECT_EQ(lines.Linia1, "Tnx fer QSO");
    EXPECT_EQ(lines.Linia2, "73!");
    EXPECT_EQ(ReadOwnStation(*dm).Imie, "Jan");
}

TEST(DateOptions, ItemsStandForTheirFormatsAndOnlyTheGeneralOneCountsAsAChange)
{
    EXPECT_EQ(GeneralItemForFormat(0), 0);
    EXPECT_EQ(GeneralItemForFormat(2), 1);
    for (uint8_t other : {1, 3, 4})
        EXPECT_EQ(GeneralItemForFormat(other), -1);
    EXPECT_EQ(QslItemForFormat(0), 0);
    EXPECT_EQ(QslItemForFormat(4), 1);
    EXPECT_EQ(QslItemForFormat(2), 2);
    EXPECT_EQ(QslItemForFormat(3), -1);

    const QDate day(2003, 7, 5);
    EXPECT_EQ(FormatDateAs(FormatForGeneralItem(0), day), QStringLiteral("2003-07-05"));
    EXPECT_EQ(FormatDateAs(FormatForGeneralItem(1), day), QStringLiteral("05-07-2003"));
    EXPECT_EQ(FormatDateAs(FormatForGeneralItem(-1), day), QStringLiteral("2003-07-05"));
    EXPECT_EQ(FormatDateAs(FormatForQslItem(1), day), QStringLiteral("05-Jul-2003"));
    EXPECT_EQ(FormatDateAs(FormatForQslItem(2), day), QStringLiteral("05-07-2003"));

    const struct {
        const char *name;
        uint8_t dateFrm, timeIndex;
        int general, qsl;
        bool changed;
        uint8_t newFrm, newTimeIndex, newQsl;
    } cases[] = {
        {"day first chosen", 0, 1, 1, 0, true, 2, 3, 0},
        {"back to year first", 2, 3, 0, 2, true, 0, 1, 2},
        {"only the QSL format", 0, 1, 0, 1, false, 0, 1, 4},
        {"a stored 4 with nothing selected", 4, 1, -1, -1, true, 0, 1, 0},
        {"nothing changed", 2, 3, 1, 2, false, 2, 3, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DateFrm = c.dateFrm;
        DateTimeFormatIndex = c.timeIndex;
        DateQSLFrm = 0;
        EXPECT_EQ(ApplyDateOptions(c.general, c.qsl), c.changed);
        EXPECT_EQ(DateFrm, c.newFrm);
        EXPECT_EQ(DateTimeFormatIndex, c.newTimeIndex);
        EXPECT_EQ(DateQSLFrm, c.newQsl);
    }
    DateFrm = 0;
    DateTimeFormatIndex = 1;
    DateQSLFrm = 0;
}

TEST(OwnCallSign, OnlyThreeToFourteenLettersDigitsAndSlashesAreACallSign)
{
    for (const char *good :
         {"SP5QRN", "sp5qrn", " SP5QRN ", "SP5QRN/P", "DL/SP5QRN/MM", "K1A", "ABCDEFGHIJKLMN"})
        EXPECT_TRUE(OwnCallSignProblem(QString::fromLatin1(good)).isEmpty()) << good;
    const struct {
        const char *text, *message;
    } bad[] = {
        {"", "Podaj znak stacji."},
        {"   ", "Podaj znak stacji."},
        {"K1", "Znak stacji musi mieć od 3 do 14 znaków."},
        {"ABCDEFGHIJKLMNO", "Znak stacji musi mieć od 3 do 14 znaków."},
        {"SP5 QRN", "Znak stacji może zawierać tylko litery A-Z, cyfry i znak \"/\"."},
        {"SP5-QRN", "Znak stacji może zawierać tylko litery A-Z, cyfry i znak \"/\"."},
        {"SPŁQRN", "Znak stacji może zawierać tylko litery A-Z, cyfry i znak \"/\"."},
    };
    for (const auto &c : bad)
        EXPECT_EQ(OwnCallSignProblem(QString::fromUtf8(c.text)), QString::fromUtf8(c.message)) << c.text;
}

TEST(OwnCallSign, AStoredCallSignIsLoadedInTheNextRunAndAnInvalidOneIsNot)
{
    QTemporaryDir dir;
    qputenv("QUARN_SETTINGS", dir.filePath(QStringLiteral("Quarn.ini")).toUtf8());
    OwnCallSign.clear();
    LoadOwnCallSign();
    EXPECT_TRUE(OwnCallSign.isEmpty());

    StoreOwnCallSign(QStringLiteral(" sp5qrn "));
    EXPECT_EQ(OwnCallSign, QStringLiteral("SP5QRN"));
    OwnCallSign.clear();
    LoadOwnCallSign();
    EXPECT_EQ(OwnCallSign, QStringLiteral("SP5QRN"));
    {
        Registry reg;
        ASSERT_TRUE(reg.OpenKey(QStringLiteral("\\Software\\Dovren\\Quarn"), false));
        EXPECT_EQ(reg.ReadString(QStringLiteral("OwnCallSign")), QStringLiteral("SP5QRN"));
        // Written by hand: shown in upper case; not a call sign: asked for again.
        reg.WriteString(QStringLiteral("OwnCallSign"), QStringLiteral("sq9abc"));
        reg.CloseKey();
    }
    LoadOwnCallSign();
    EXPECT_EQ(OwnCallSign, QStringLiteral("SQ9ABC"));
    {
        Registry reg;
        reg.OpenKey(QStringLiteral("\\Software\\Dovren\\Quarn"), true);
        reg.WriteString(QStringLiteral("OwnCallSign"), QStringLiteral("SP 5"));
    }
    LoadOwnCallSign();
    EXPECT_TRUE(OwnCallSign.isEmpty());
    qunsetenv("QUARN_SETTINGS");
}
