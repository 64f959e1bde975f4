#include "core/DisplayText.h"
#include "core/Geography.h"
#include "core/Settings.h"
#include "core/SqlText.h"
#include "core/Validators.h"
#include "PrefixData.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

DateTime fixedLocal;
DateTime fixedClock() {
    return fixedLocal;
}

struct ClockGuard {
    ~ClockGuard() {
        SetLocalClock(nullptr);
        CzasLetni = true;
    }
};

} // namespace

TEST(Globals, UtcNowSubtractsOneOrTwoHours) {
    ClockGuard guard;
    SetLocalClock(fixedClock);

    fixedLocal = DateTime::fromDate(2003, 7, 14, 12, 0, 0);
    CzasLetni = false;
    EXPECT_EQ(UtcNow(), DateTime::fromDate(2003, 7, 14, 11, 0, 0));
    CzasLetni = true;
    EXPECT_EQ(UtcNow(), DateTime::fromDate(2003, 7, 14, 10, 0, 0));

    fixedLocal = DateTime::fromDate(2004, 3, 1, 0, 30, 0);
    CzasLetni = false;
    EXPECT_EQ(UtcNow(), DateTime::fromDate(2004, 2, 29, 23, 30, 0));
    CzasLetni = true;
    EXPECT_EQ(UtcNow(), DateTime::fromDate(2004, 2, 29, 22, 30, 0));
}

TEST(Globals, SettingsOutOfRangeFallBack) {
    EXPECT_EQ(SettingInRange(11, SortOrderCount, 1), 11);
    EXPECT_EQ(SettingInRange(12, SortOrderCount, 1), 1);
    EXPECT_EQ(SettingInRange(-1, SortOrderCount, 1), 1);
    EXPECT_EQ(SettingInRange(4, DateFormatCount, 0), 4);
    EXPECT_EQ(SettingInRange(5, DateFormatCount, 0), 0);
    EXPECT_EQ(SettingInRange(256 + 2, DateFormatCount, 0), 0);
}

TEST(Globals, DateFormats) {
    EXPECT_EQ(DateFormatText(0), "yyyy-MM-dd");
    EXPECT_EQ(DateFormatText(4), "dd-MMM-yyyy");
    EXPECT_EQ(FormatDateDdMonYyyy(QDate(2003, 7, 5)), "05-Jul-2003");
    EXPECT_EQ(FormatDateDdMonYyyy(QDate(1999, 12, 31)), "31-Dec-1999");
    EXPECT_EQ(SortFieldNames[2], QLatin1String("Pasmo_Ind"));
}

TEST(Globals, LocatorValidation) {
    EXPECT_TRUE(IsValidLocator(""));
    EXPECT_TRUE(IsValidLocator("JO91"));
    EXPECT_TRUE(IsValidLocator("jo91rg"));
    EXPECT_TRUE(IsValidLocator("  KO02MD "));
    EXPECT_TRUE(IsValidLocator("RR99XX"));
    EXPECT_TRUE(IsValidLocator("   "));
    EXPECT_FALSE(IsValidLocator("JS91RG"));
    EXPECT_FALSE(IsValidLocator("SO91RG"));
    EXPECT_FALSE(IsValidLocator("JO91YA"));
    EXPECT_FALSE(IsValidLocator("JO91AZ"));
    EXPECT_FALSE(IsValidLocator("JOA1RG"));
    EXPECT_FALSE(IsValidLocator("JO9"));
    EXPECT_FALSE(IsValidLocator("JO91R"));
    EXPECT_FALSE(IsValidLocator("JO91RG1"));
}

TEST(Globals, ReportAndIotaValidation) {
    EXPECT_TRUE(IsValidReport(""));
    EXPECT_FALSE(IsValidReport("5"));
    EXPECT_TRUE(IsValidReport("59"));
    EXPECT_TRUE(IsValidReport("599"));

    EXPECT_TRUE(IsValidIota(""));
    EXPECT_TRUE(IsValidIota(" - "));
    EXPECT_TRUE(IsValidIota("EU-024"));
    EXPECT_TRUE(IsValidIota("eu-024"));
    EXPECT_FALSE(IsValidIota("EU-24"));
    EXPECT_FALSE(IsValidIota("EU 024"));
    EXPECT_FALSE(IsValidIota("E1-024"));
    EXPECT_FALSE(IsValidIota("EU-0245"));
}

TEST(Globals, TextFunctions) {
    EXPECT_EQ(FlagToTN(true), "T");
    EXPECT_EQ(FlagToTN(false), "N");
    EXPECT_TRUE(IsFlagT("T"));
    EXPECT_FALSE(IsFlagT("t"));
    EXPECT_FALSE(IsFlagT(" T"));
    EXPECT_EQ(ZoneNumberText(0), "");
    EXPECT_EQ(ZoneNumberText(28), "28");
    EXPECT_EQ(QuoteSqlText("SP5ABC"), "'SP5ABC'");
    EXPECT_EQ(QuoteSqlText("O'Brien"), "'O''Brien'");
    EXPECT_EQ(QuoteSqlText(""), "''");
    EXPECT_EQ(RemoveBlanks(" 70 cm "), "70cm");
    EXPECT_EQ(StripApostrophes("O'Bri'en"), "OBrien");
    EXPECT_EQ(CheckMarkForFlag(" t "), QChar(0x2713));
    EXPECT_EQ(CheckMarkForFlag("N"), QChar(u' '));
    EXPECT_EQ(CheckMarkForFlag(""), QChar(u' '));
}

TEST(Globals, DegreesToDmsText) {
    EXPECT_EQ(DegreesToDmsText(12.5L), QString::fromUtf8("12° 30' 0\""));
    EXPECT_EQ(DegreesToDmsText(0), QString::fromUtf8("0° 0' 0\""));
    EXPECT_EQ(DegreesToDmsText(359.75L), QString::fromUtf8("359° 45' 0\""));
    EXPECT_EQ(DegreesToDmsText(45.2625L), QString::fromUtf8("45° 15' 45\""));
}

TEST(Globals, VoivodeshipsAndContinents) {
    EXPECT_EQ(Voivodeships().size(), 16u);
    EXPECT_EQ(VoivodeshipNameForCode("C"), QString::fromUtf8("łódzkie"));
    EXPECT_EQ(VoivodeshipNameForCode("c"), "");
    EXPECT_EQ(VoivodeshipNameForCode(" C"), "");
    EXPECT_EQ(VoivodeshipCodeForName(QString::fromUtf8(" Świętokrzyskie ")), "S");
    EXPECT_EQ(VoivodeshipCodeForName("mazowsze"), "");

    EXPECT_EQ(ContinentIndex("AF"), 1);
    EXPECT_EQ(ContinentIndex("SA"), 7);
    EXPECT_EQ(ContinentIndex("eu"), 0);
    EXPECT_EQ(ContinentIndex(""), 0);
    EXPECT_EQ(ContinentTableIndex("OC"), 6);
    EXPECT_EQ(ContinentTableIndex("XX"), 0);
}

TEST(Globals, DistrictNames) {
    EXPECT_EQ(Districts().size(), 379u);
    EXPECT_EQ(DistrictNameForCode("ZY"), QString::fromUtf8("żarski - Żary"));
    EXPECT_EQ(DistrictNameForCode("AL"), "kaliski - Kalisz [grodzki]");
    EXPECT_EQ(DistrictNameForCode("TB"), "tarnobrzeski -Tarnobrzeg");
    EXPECT_EQ(DistrictNameForCode("zy"), "");
    EXPECT_EQ(DistrictNameForCode("Z"), "");
    EXPECT_EQ(DistrictNameForCode("ZYX"), "");
    EXPECT_EQ(DistrictNameForCode("AC"), ""); // a district whose text is not known
}

TEST(Globals, DistrictTableEqualsDataFile) {
    QFile f(RepoDataFile("districts.tsv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), int(Districts().size()));
    QString previous;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList cols = lines[i].split(u'\t');
        const District &d = Districts()[i];
        EXPECT_EQ(cols.value(0), QStringView(d.Code)) << i;
        EXPECT_EQ(cols.value(1), d.Voivodeship ? QString(QChar(d.Voivodeship)) : QString()) << i;
        EXPECT_EQ(cols.value(2), QStringView(d.Text)) << i;
        EXPECT_LT(previous, cols.value(0)) << "codes ascend";
        previous = cols.value(0);
    }
}
