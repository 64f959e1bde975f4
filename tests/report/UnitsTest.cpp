#include "report/printer/RpUnits.h"

#include <gtest/gtest.h>

TEST(Units, LogBookPageReadsInEveryUnitAndSwapsWithOrientation)
{
    TRpPage page;
    page.SetOrientation(TRpOrientation::Landscape);
    page.SetPaperSize(TRpPaperSize::A4);
    EXPECT_EQ(page.Values()[TRpPage::WidthIdx], 2970);
    EXPECT_EQ(page.Values()[TRpPage::LengthIdx], 2100);
    EXPECT_DOUBLE_EQ(page.Width(), 297);
    page.SetUnits(TRpUnit::Inches);
    EXPECT_NEAR(page.Width(), 11.69, 0.005);
    page.SetUnits(TRpUnit::Native);
    EXPECT_DOUBLE_EQ(page.Width(), 2970);

    page.SetUnits(TRpUnit::MM);
    page.SetOrientation(TRpOrientation::Portrait);
    EXPECT_DOUBLE_EQ(page.Width(), 210);
    EXPECT_DOUBLE_EQ(page.Length(), 297);

    // A custom size keeps its values through a change of orientation.
    page.SetWidth(100);
    page.SetLength(50);
    page.SetPaperSize(TRpPaperSize::Custom);
    page.SetOrientation(TRpOrientation::Landscape);
    EXPECT_DOUBLE_EQ(page.Width(), 100);
    EXPECT_DOUBLE_EQ(page.Length(), 50);
}

TEST(Units, StoredValuesOfTheLogBookReadAsScreenPixelsAndBack)
{
    TRpBandSize band;
    band.SetValues({97.89583333333333, 2812.520833333333});
    band.SetUnits(TRpUnit::Pixels);
    EXPECT_NEAR(band.Height(), 37, 1e-9);
    EXPECT_NEAR(band.Width(), 1063, 1e-9);

    TRpPrintableSize size;
    size.SetValues({42.33333333333333, 351.8958333333333, 29.10416666666667, 132.2916666666667});
    size.SetUnits(TRpUnit::Pixels);
    EXPECT_NEAR(size.Height(), 16, 1e-9);
    EXPECT_NEAR(size.Left(), 133, 1e-9);
    EXPECT_NEAR(size.Top(), 11, 1e-9);
    EXPECT_NEAR(size.Width(), 50, 1e-9);

    // Writing in pixels at a zoom stores the inverse.
    size.Zoom = 200;
    size.SetLeft(100);
    EXPECT_NEAR(size.Native(TRpPrintableSize::LeftIdx), 132.2916666666667, 1e-9);
}

TEST(Units, EveryUnitConvertsToNativeAndBackExactly)
{
    TRpBandSize s;
    s.FontPoints = -12;
    for (TRpUnit u : {TRpUnit::MM, TRpUnit::Inches, TRpUnit::Pixels, TRpUnit::Characters, TRpUnit::Native})
        for (bool horizontal : {false, true})
            EXPECT_NEAR(s.LoadUnit(s.SaveUnit(123.4, u, horizontal), u, horizontal), 123.4, 1e-9);
    EXPECT_DOUBLE_EQ(s.LoadUnit(2540, TRpUnit::Inches, true), 10);
    EXPECT_NEAR(s.LoadUnit(254, TRpUnit::Characters, true), 254 / (80 / 12.0 / 2.54) / 10, 1e-12);
    EXPECT_NEAR(s.LoadUnit(254, TRpUnit::Characters, false), 254 / (145.3 / 12.0 / 2.54) / 10, 1e-12);
}

TEST(Units, NearestRoundsHalvesToEven)
{
    EXPECT_EQ(Nearest(0.5), 0);
    EXPECT_EQ(Nearest(1.5), 2);
    EXPECT_EQ(Nearest(2.5), 2);
    EXPECT_EQ(Nearest(-2.5), -2);
    EXPECT_EQ(Nearest(2.51), 3);
}

TEST(Units, NewPageIsA4WithTenMillimetreMarginsAndColumnsBelowOneAreRefused)
{
    TRpPage page;
    EXPECT_EQ(page.PaperSize(), TRpPaperSize::A4);
    EXPECT_EQ(page.Units(), TRpUnit::MM);
    EXPECT_EQ(page.Values(), (std::vector<double>{100, 2970, 100, 2100, 100, 100, 0}));
    page.SetColumns(0);
    EXPECT_EQ(page.Columns(), 1);
    page.SetColumns(3);
    EXPECT_EQ(page.Columns(), 3);

    DefaultInches = true;
    TRpPage letter;
    DefaultInches = false;
    EXPECT_EQ(letter.PaperSize(), TRpPaperSize::Letter);
    EXPECT_EQ(letter.Units(), TRpUnit::Inches);
    EXPECT_NEAR(letter.Width(), 8.5, 1e-9);
    EXPECT_NEAR(letter.Length(), 11, 1e-9);
    EXPECT_NEAR(letter.TopMargin(), 0.5, 1e-9);
}
