#include "ReportFixture.h"

#include <gtest/gtest.h>

namespace {

double Width(const TRpCustomBand *band)
{
    return band->Size.Native(TRpBandSize::WidthIdx);
}

// The fills of a page as wide as the band and as tall as it, to the tenth.
int Fills(const PageLayout &page, double width, double height)
{
    int n = 0;
    for (const QRectF &r : page.rects)
        n += std::abs(r.width() - width) < 1 && std::abs(r.height() - height) < 1;
    return n;
}

} // namespace

// Landscape A4 with 8 mm side margins: 2810 tenths for the page-wide bands;
// two columns 5 mm apart leave (2810 - 50) / 2 for each column.
TEST(BandWidths, FollowThePageAndItsColumnsUntilTheReportSetsOneItself)
{
    RowsReport r(40);
    TRpChildBand *headerChild = r.report.AddChildBand(r.pageHeader);
    TRpChildBand *detailChild = r.report.AddChildBand(r.detail);
    r.report.Page.SetColumnSpace(5);
    r.report.Page.SetColumns(2);
    EXPECT_EQ(Width(r.pageHeader), 2810);
    EXPECT_EQ(Width(headerChild), 2810);
    EXPECT_EQ(Width(r.columnHeader), 1380);
    EXPECT_EQ(Width(r.detail), 1380);
    EXPECT_EQ(Width(detailChild), 1380);
    r.report.RemoveBand(headerChild);
    r.report.RemoveBand(detailChild);

    // The second column begins one column and one space right of the first.
    auto pages = r.Run();
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_TRUE(pages[0].find("Row 1") && pages[0].find("Row 28"));
    EXPECT_NEAR(pages[0].find("Row 1")->at.x(), 80 + 10, 1);
    EXPECT_NEAR(pages[0].find("Row 28")->at.x(), 80 + 1380 + 50 + 10, 1);

    // A width set afterwards is the one the columns follow, run after run.
    r.detail->Size.SetNative(TRpBandSize::WidthIdx, 1000);
    pages = r.Run();
    ASSERT_TRUE(pages[0].find("Row 28"));
    EXPECT_NEAR(pages[0].find("Row 28")->at.x(), 80 + 1000 + 50 + 10, 1);
    EXPECT_EQ(Width(r.detail), 1000);
    r.report.Page.SetOrientation(TRpOrientation::Landscape);
    r.report.Page.SetColumns(2);
    EXPECT_EQ(Width(r.detail), 1000) << "the page set again as it is changes nothing";

    // Until the page changes: upright the page has 2100 - 160.
    r.report.Page.SetOrientation(TRpOrientation::Portrait);
    EXPECT_EQ(Width(r.pageHeader), 1940);
    EXPECT_EQ(Width(r.detail), 945);
    r.detail->Size.SetNative(TRpBandSize::WidthIdx, 1000);
    r.report.Page.SetColumns(3);
    EXPECT_EQ(Width(r.detail), (1940 - 2 * 50) / 3);
    r.report.Page.SetLeftMargin(18);
    EXPECT_EQ(Width(r.pageHeader), 1840);
    r.detail->Size.SetNative(TRpBandSize::WidthIdx, 1000);
    r.columnHeader->SetBandType(TRpBandType::rbSummary);
    EXPECT_EQ(Width(r.columnHeader), 1840);
    EXPECT_EQ(Width(r.detail), (1840 - 2 * 50) / 3);
    r.detail->Size.SetNative(TRpBandSize::WidthIdx, 1000);
    AddTestBand(r.report, TRpBandType::rbTitle, 5);
    EXPECT_EQ(Width(r.detail), (1840 - 2 * 50) / 3);
}

TEST(BandFill, EveryBandThatIsNotTransparentIsFilledWhiteIncluded)
{
    RowsReport r(2);
    auto pages = r.Run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(Fills(pages[0], 2810, 63.5), 2);
    EXPECT_EQ(Fills(pages[0], 2810, 79.4), 1);
    r.detail->TransparentBand = true;
    pages = r.Run();
    EXPECT_EQ(Fills(pages[0], 2810, 63.5), 0);
    EXPECT_EQ(Fills(pages[0], 2810, 79.4), 1);
}

// A stretching text needs its lines; the space under it in the band stays,
// and one screen pixel (254 / 96 tenths) more.
TEST(BandStretch, TheStretchedHeightKeepsTheSpaceUnderTheTextAndOnePixel)
{
    RowsReport r(1);
    MemRows rows({"NOTE"}, {{QStringLiteral("słowo słowo słowo słowo słowo słowo słowo słowo")}});
    auto *note = r.detail->Add<TRpDBText>();
    note->DataSet = &rows;
    note->DataField = QStringLiteral("NOTE");
    note->Size.SetNative(TRpPrintableSize::TopIdx, 10);
    note->Size.SetNative(TRpPrintableSize::WidthIdx, 200);
    note->Size.SetNative(TRpPrintableSize::HeightIdx, 40);
    note->Prepare();
    const double needed = note->NeededHeight();
    ASSERT_GT(needed, 63.5);
    EXPECT_NEAR(r.detail->StretchHeight(), 10 + needed + (63.5 - 10 - 40) + 254.0 / 96, 1e-3);

    rows.Edit();
    rows.FieldByName("NOTE")->SetAsString(QStringLiteral("krótko"));
    rows.Post();
    EXPECT_NEAR(r.detail->StretchHeight(), 63.5, 1e-9) << "a text that fits stretches nothing";
    note->Unprepare();
}
