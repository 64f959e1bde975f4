#include "ReportFixture.h"

#include "platform/print/PagePicture.h"

#include <gtest/gtest.h>

TEST(Frame, SidesAreAsThickAsTheirPointsAtTheDeviceResolution)
{
    TRpFrame frame;
    const double at600 = 600 / 254.0, at96 = 96 / 254.0;
    EXPECT_EQ(frame.Thickness(at600), 8);
    EXPECT_EQ(frame.Thickness(at96), 1);
    frame.Width = 2;
    EXPECT_EQ(frame.Thickness(at600), 17);
    frame.Width = -1;
    EXPECT_EQ(frame.Thickness(at600), 1);
    frame.Width = 0;
    EXPECT_EQ(frame.Thickness(at600), 0);
}

TEST(Frame, OnlyTheDrawnSidesArePaintedInsideTheRectangle)
{
    PictureRecorder canvas(1000, 1000);
    TRpFrame frame;
    frame.Width = 2;
    frame.DrawTop = frame.DrawBottom = true;
    frame.Paint(canvas, QRect(100, 200, 500, 100), 1, 1);
    frame.Width = 0;
    frame.DrawLeft = true;
    frame.Paint(canvas, QRect(100, 200, 500, 100), 1, 1);
    const PageLayout layout = LayoutOf(canvas.finish());
    ASSERT_EQ(layout.rects.size(), 2u);
    EXPECT_EQ(layout.rects[0], QRectF(100, 200, 500, 7));
    EXPECT_EQ(layout.rects[1], QRectF(100, 293, 500, 7));
}

TEST(Printable, AlignedToTheRightItStaysFlushWhenTheBandIsWidened)
{
    RowsReport r(1);
    TRpLabel *label = AddTestLabel(r.detail, QStringLiteral("R"), 1, 1, 20, 4);
    label->SetAlignment(TRpAlignment::Right);
    label->SetAlignToBand(true);
    EXPECT_DOUBLE_EQ(label->Size.Native(TRpPrintableSize::LeftIdx),
                     r.detail->Size.Native(TRpBandSize::WidthIdx) - 200);
    r.detail->Size.SetNative(TRpBandSize::WidthIdx, 2000);
    EXPECT_DOUBLE_EQ(label->Size.Native(TRpPrintableSize::LeftIdx), 1800);
    label->SetAlignment(TRpAlignment::Center);
    EXPECT_DOUBLE_EQ(label->Size.Native(TRpPrintableSize::LeftIdx), 900);
    label->SetAlignment(TRpAlignment::Left);
    EXPECT_DOUBLE_EQ(label->Size.Native(TRpPrintableSize::LeftIdx), 0);
}

TEST(Printable, ADisabledPrintableIsNotPrinted)
{
    RowsReport r(1);
    TRpLabel *hidden = AddTestLabel(r.detail, QStringLiteral("HIDDEN"), 60, 1, 20, 4);
    hidden->Enabled = false;
    const auto pages = r.Run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].count("HIDDEN"), 0);
    EXPECT_EQ(pages[0].count("Row 1"), 1);
}

TEST(Bands, SwitchesMakeNamedBandsAndLinksAndChildrenRefuseCycles)
{
    TReport report;
    report.SetHasBand(TRpBandType::rbTitle, true);
    report.SetHasBand(TRpBandType::rbDetail, true);
    report.SetHasBand(TRpBandType::rbTitle, true);
    ASSERT_EQ(report.BandList().size(), 2u);
    EXPECT_EQ(report.FindBand(TRpBandType::rbTitle)->Name, "TitleBand1");
    EXPECT_EQ(report.FindBand(TRpBandType::rbDetail)->Name, "DetailBand1");
    EXPECT_EQ(BandCaption(TRpBandType::rbColumnHeader), "Column Header");

    TRpCustomBand *title = report.FindBand(TRpBandType::rbTitle),
                  *detail = report.FindBand(TRpBandType::rbDetail);
    EXPECT_TRUE(title->SetLinkBand(detail));
    EXPECT_FALSE(detail->SetLinkBand(title));
    EXPECT_EQ(detail->LinkBand(), nullptr);
    EXPECT_NEAR(title->LinkedHeight(true), title->Size.Native(TRpBandSize::HeightIdx) * 2, 1e-9);

    detail->SetHasChild(true);
    TRpChildBand *child = detail->ChildBand();
    ASSERT_TRUE(child);
    child->SetHasChild(true);
    TRpChildBand *grandChild = child->ChildBand();
    EXPECT_FALSE(detail->SetLinkBand(detail));
    EXPECT_FALSE(child->SetParentBand(grandChild));
    detail->SetHasChild(false);
    EXPECT_EQ(detail->ChildBand(), grandChild);

    report.SetHasBand(TRpBandType::rbTitle, false);
    EXPECT_FALSE(report.HasBand(TRpBandType::rbTitle));
    EXPECT_EQ(report.BandList().size(), 2u);
}
