#include "platform/NumFormat.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {
FormatSettings Dot()
{
    FormatSettings fs;
    fs.DecimalSeparator = '.';
    fs.ThousandSeparator = ',';
    return fs;
}
FormatSettings Polish()
{
    FormatSettings fs;
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = ' ';
    return fs;
}
} // namespace

TEST(NumFormat, PicturesWithSectionsAndGroups)
{
    const FormatSettings fs = Dot();
    EXPECT_EQ(FormatFloat(",0.00 cm;-,0.00 cm", 1234.5, fs), "1,234.50 cm");
    EXPECT_EQ(FormatFloat(",0.00 cm;-,0.00 cm", -2, fs), "-2.00 cm");
    EXPECT_EQ(FormatFloat(",0.##", 1234567.891, fs), "1,234,567.89");
    EXPECT_EQ(FormatFloat("0.##", 12, fs), "12");
    EXPECT_EQ(FormatFloat("0.##", 0.5, fs), "0.5");
    EXPECT_EQ(FormatFloat("0.00", -0.001, fs), "0.00");
    EXPECT_EQ(FormatFloat("0.00", -1.5, fs), "-1.50");
    EXPECT_EQ(FormatFloat("0.", 2.5, fs), "3");
    EXPECT_EQ(FormatFloat("000", 7, fs), "007");
    EXPECT_EQ(FormatFloat("0;(0);\"zero\"", 0, fs), "zero");
    EXPECT_EQ(FormatFloat("0;(0);\"zero\"", -4, fs), "(4)");
}

TEST(NumFormat, ZoneFormatShowsZeroAsEmpty)
{
    EXPECT_EQ(FormatFloat("##", 0, Dot()), "");
    EXPECT_EQ(FormatFloat("##", 7, Dot()), "7");
    EXPECT_EQ(FormatFloat("##", 40.4, Dot()), "40");
}

TEST(NumFormat, LocaleSeparators)
{
    const FormatSettings fs = Polish();
    EXPECT_EQ(FormatFloat(",0.00 zł", 1234.5, fs), "1 234,50 zł");
    EXPECT_EQ(FormatFloat("0.##", 12.5, fs), "12,5");
    EXPECT_EQ(FloatToStr(0.25, fs), "0,25");
    EXPECT_EQ(FloatToStr(1e20, Dot()), "1E20");
    EXPECT_EQ(FloatToStr(-3, Dot()), "-3");

    double v = 0;
    EXPECT_TRUE(TextToFloat(" 1234,56 ", v, fs));
    EXPECT_DOUBLE_EQ(v, 1234.56);
    EXPECT_FALSE(TextToFloat("1.5", v, fs));
    EXPECT_TRUE(TextToFloat("-1e3", v, fs));
    EXPECT_DOUBLE_EQ(v, -1000);
    EXPECT_FALSE(TextToFloat("", v, fs));
    EXPECT_FALSE(TextToFloat("12a", v, fs));
    EXPECT_FALSE(TextToFloat("1e", v, fs));
    EXPECT_THROW(StrToFloat("abc", fs), EConvertError);
}

TEST(NumFormat, SettingsFromPolishLocale)
{
    const FormatSettings fs = FormatSettings::FromLocale(QLocale(QLocale::Polish, QLocale::Poland));
    EXPECT_EQ(fs.DecimalSeparator, QChar(','));
    EXPECT_EQ(fs.ThousandSeparator, QChar(' '));
    EXPECT_EQ(fs.CurrencyString, "zł");
    EXPECT_EQ(fs.CurrencyFormat, 3);
}
