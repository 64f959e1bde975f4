#include "platform/NumFormat.h"
#include "report/expr/RpMask.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

// The program's format settings replaced for one test.
class Settings {
public:
    explicit Settings(const FormatSettings &fs) : saved_(CurrentFormatSettings())
    {
        CurrentFormatSettings() = fs;
    }
    ~Settings() { CurrentFormatSettings() = saved_; }

private:
    FormatSettings saved_;
};

FormatSettings English()
{
    FormatSettings fs;
    fs.CurrencyString = "$";
    fs.CurrencyFormat = 0;
    return fs;
}

FormatSettings Polish()
{
    FormatSettings fs;
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = ' ';
    fs.CurrencyString = "zł";
    fs.CurrencyFormat = 3;
    return fs;
}

} // namespace

TEST(Mask, NumberPicturesIncludingExponents)
{
    const Settings s(English());
    EXPECT_EQ(FormatNumberMask("0.00", 3), "3.00");
    EXPECT_EQ(FormatNumberMask("#,##0.00;(#,##0.00)", -1234.5), "(1,234.50)");
    EXPECT_EQ(FormatNumberMask("0.00E+00", 1234.5), "1.23E+03");
    EXPECT_EQ(FormatNumberMask("0.0E-0", 0.00012), "1.2E-4");
    EXPECT_EQ(FormatNumberMask("0.0E-0", 12), "1.2E1");
    EXPECT_EQ(FormatNumberMask("00.0E+00", 1234.5), "12.3E+02");
    EXPECT_EQ(FormatNumberMask("0.00E+00", 9.999), "1.00E+01");
    EXPECT_EQ(FormatNumberMask("0.00E+00", -0.5), "-5.00E-01");
    EXPECT_EQ(FormatNumberMask("0.0E+00", 0), "0.0E+00");
    EXPECT_EQ(FormatNumberMask("0.0E+00", 5e-324), "4.9E-324");
    EXPECT_EQ(FormatNumberMask("'Total: '0", 7), "Total: 7");
    EXPECT_EQ(FormatNumberMask("", 2.5), "2.5");
    EXPECT_EQ(FormatNumberMask("0", std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(FormatNumberMask("0", std::numeric_limits<double>::quiet_NaN()), std::nullopt);
}

TEST(Mask, FormatsWithOneNumberAreReadByOurOwnCode)
{
    {
        const Settings s(English());
        EXPECT_EQ(FormatValueMask("%m", 1234.5), "$1,234.50");
        EXPECT_EQ(FormatValueMask("%m", -3), "-$3.00");
        EXPECT_EQ(FormatValueMask("Total %.0m!", 99.5), "Total $100!");
        EXPECT_EQ(FormatValueMask("%10.1f|", 3.14159), "       3.1|");
        EXPECT_EQ(FormatValueMask("%-6.1f|", 2), "2.0   |");
        EXPECT_EQ(FormatValueMask("%n", 1234567.891), "1,234,567.89");
        EXPECT_EQ(FormatValueMask("%e", 1234.5), "1.23450000000000E+003");
        EXPECT_EQ(FormatValueMask("%.3e", 0.5), "5.00E-001");
        EXPECT_EQ(FormatValueMask("%g", 0.25), "0.25");
        EXPECT_EQ(FormatValueMask("100%% %0:m %0:m", 1), "100% $1.00 $1.00");
    }
    const Settings s(Polish());
    EXPECT_EQ(FormatValueMask("%m", 1234.5), "1 234,50 zł");
    // masks that do not fit one number give no text at all
    for (const char *bad : {"%m %m", "%d", "%s", "%x", "%", "%1:m", "%*m", "%999999m", "%.99f", "%p"})
        EXPECT_EQ(FormatValueMask(bad, 1), std::nullopt) << bad;
    EXPECT_EQ(FormatValueMask("%m", std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(Mask, DateTimePicturesInEitherLetterCase)
{
    const DateTime dt = DateTime::fromDate(2024, 3, 7, 14, 5, 9, 42);
    EXPECT_EQ(FormatDateTimeMask("yyyy-mm-dd hh:nn:ss", dt), "2024-03-07 14:05:09");
    EXPECT_EQ(FormatDateTimeMask("yyyy-MM-dd HH:mm:ss", dt), "2024-03-07 14:05:09");
    EXPECT_EQ(FormatDateTimeMask("d.m.yy", dt), "7.3.24");
    EXPECT_EQ(FormatDateTimeMask("dd-mmm-yyyy", dt), "07-Mar-2024");
    EXPECT_EQ(FormatDateTimeMask("dddd d mmmm", dt), "Thursday 7 March");
    EXPECT_EQ(FormatDateTimeMask("h:nn am/pm", dt), "2:05 pm");
    EXPECT_EQ(FormatDateTimeMask("hh:nn A/P", dt), "02:05 P");
    EXPECT_EQ(FormatDateTimeMask("hh:nn:ss.zzz", dt), "14:05:09.042");
    EXPECT_EQ(FormatDateTimeMask("'day' d \"of\" m", dt), "day 7 of 3");
    EXPECT_EQ(FormatDateTimeMask("'unclosed", dt), "unclosed");
    EXPECT_EQ(FormatDateTimeMask("", dt), "");
    EXPECT_EQ(FormatDateTimeMask("ddddd", dt), LocaleDateText(dt.date()));
}
