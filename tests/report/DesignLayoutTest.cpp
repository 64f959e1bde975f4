#include "report/expr/RpExprBuilding.h"
#include "report/layout/RpDesignLayout.h"
#include "report/layout/RpGroup.h"
#include "report/layout/RpLabel.h"
#include "report/layout/RpPrintableEditor.h"
#include "report/layout/RpReport.h"
#include "report/layout/RpShape.h"

#include <gtest/gtest.h>

namespace {

using T = TRpBandType;

// An A4 report with 10 mm margins: 1900 of 0.1 mm across, 718 pixels at 96 dpi.
TRpBand *Band(TCustomReport &report, T type, double heightMm)
{
    TRpBand *band = CreateBandOfType(report, type);
    band->Size.SetNative(TRpBandSize::HeightIdx, heightMm * 10);
    return band;
}

// A group header with its footer band, as the design surface adds them.
TRpGroup *Group(TCustomReport &report, double heightMm)
{
    TRpGroup *group = report.CreateBand<TRpGroup>();
    group->Size.SetNative(TRpBandSize::HeightIdx, heightMm * 10);
    TRpBand *footer = report.AddBand(T::rbGroupFooter);
    footer->Size.SetNative(TRpBandSize::HeightIdx, heightMm * 10);
    group->SetFooterBand(footer);
    return group;
}

TRpCustomBand *Child(TCustomReport &report, TRpCustomBand *parent, double heightMm)
{
    TRpChildBand *child = report.AddChildBand(parent);
    child->Size.SetNative(TRpBandSize::HeightIdx, heightMm * 10);
    return child;
}

QRect PlaceOf(const std::vector<TRpBandPlace> &places, const TRpCustomBand *band)
{
    for (const TRpBandPlace &p : places)
        if (p.Band == band)
            return p.Rect;
    return {};
}

} // namespace

TEST(DesignLayout, BandsStackInPrintOrderWithChildrenFollowingTheirParentAndFootersInnermostFirst)
{
    TCustomReport report;
    TRpCustomBand *detail = Band(report, T::rbDetail, 10);
    TRpCustomBand *summary = Band(report, T::rbSummary, 5);
    TRpCustomBand *title = Band(report, T::rbTitle, 20);
    TRpCustomBand *pageFooter = Band(report, T::rbPageFooter, 5);
    TRpCustomBand *pageHeader = Band(report, T::rbPageHeader, 8);
    TRpCustomBand *outerHeader = Group(report, 6);
    TRpCustomBand *innerHeader = Group(report, 6);
    TRpCustomBand *outerFooter = static_cast<TRpGroup *>(outerHeader)->FooterBand();
    TRpCustomBand *innerFooter = static_cast<TRpGroup *>(innerHeader)->FooterBand();
    TRpCustomBand *detailChild = Child(report, detail, 4);
    TRpCustomBand *grandChild = Child(report, detailChild, 3);
    TRpCustomBand *titleChild = Child(report, title, 2);

    const std::vector<TRpCustomBand *> expected = {pageHeader,  title,       titleChild,  outerHeader,
                                                   innerHeader, detail,      detailChild, grandChild,
                                                   innerFooter, outerFooter, summary,     pageFooter};
    EXPECT_EQ(report.PrintOrderList(), expected);

    const std::vector<TRpBandPlace> places = LayoutBands(report);
    ASSERT_EQ(places.size(), expected.size());
    int top = DesignPixels(100, 100); // under the top margin
    EXPECT_EQ(top, 38);
    for (const TRpBandPlace &p : places) {
        EXPECT_EQ(p.Rect.left(), 38) << p.Band->Name.toStdString();
        EXPECT_EQ(p.Rect.top(), top) << p.Band->Name.toStdString();
        EXPECT_EQ(p.Rect.height(), DesignPixels(p.Band->Size.Native(TRpBandSize::HeightIdx), 100));
        top += p.Rect.height();
    }
    EXPECT_EQ(report.BandList().size(), expected.size());
}

TEST(DesignLayout, PageBandsSpanThePrintablePageAndTheOthersOneColumnChildrenTakingTheirChainsWidth)
{
    TCustomReport report;
    report.Page.SetColumns(2);
    report.Page.SetNative(TRpPage::ColumnSpaceIdx, 50); // 19 pixels
    const std::vector<T> pageWide = {T::rbTitle, T::rbPageHeader, T::rbPageFooter, T::rbSummary,
                                     T::rbOverlay};
    const std::vector<T> columnWide = {T::rbDetail, T::rbColumnHeader, T::rbGroupHeader, T::rbGroupFooter,
                                       T::rbSubDetail};
    std::vector<TRpCustomBand *> wide, narrow;
    for (T t : pageWide)
        wide.push_back(Band(report, t, 5));
    for (T t : columnWide)
        narrow.push_back(Band(report, t, 5));
    wide.push_back(Child(report, Child(report, wide[0], 3), 3));
    narrow.push_back(Child(report, Child(report, narrow[0], 3), 3));

    EXPECT_EQ(PageWidthPixels(report), 718);
    EXPECT_EQ(ColumnWidthPixels(report), (718 - 19) / 2);
    const std::vector<TRpBandPlace> places = LayoutBands(report);
    for (TRpCustomBand *b : wide)
        EXPECT_EQ(PlaceOf(places, b).width(), 718) << BandCaption(b->BandType()).toStdString();
    for (TRpCustomBand *b : narrow)
        EXPECT_EQ(PlaceOf(places, b).width(), 349) << BandCaption(b->BandType()).toStdString();

    // Three columns of 10 mm gaps on a landscape page at 50 percent.
    report.Page.SetOrientation(TRpOrientation::Landscape);
    report.Page.SetColumns(3);
    report.Page.SetNative(TRpPage::ColumnSpaceIdx, 100);
    report.SetZoom(50);
    const int page = DesignPixels(2970 - 200, 50), space = DesignPixels(100, 50);
    EXPECT_EQ(PageWidthPixels(report), page);
    EXPECT_EQ(ColumnWidthPixels(report), (page - 2 * space) / 3);
    EXPECT_EQ(PlaceOf(LayoutBands(report), narrow.back()).width(), (page - 2 * space) / 3);
    EXPECT_EQ(PlaceOf(LayoutBands(report), wide.front()).height(), DesignPixels(50, 50));
}

TEST(DesignLayout, ZoomFromOneToThreeHundredReachesPageBandsAndPrintables)
{
    TCustomReport report;
    TRpBand *band = Band(report, T::rbDetail, 10);
    auto *label = band->Add<TRpLabel>();
    for (int zoom : {1, 300, 0, 301, -5})
        report.SetZoom(zoom);
    EXPECT_EQ(report.Zoom(), 300);
    EXPECT_EQ(report.Page.Zoom, 300);
    EXPECT_EQ(band->Size.Zoom, 300);
    EXPECT_EQ(label->Size.Zoom, 300);
    EXPECT_EQ(PlaceOf(LayoutBands(report), band).height(), DesignPixels(100, 300));
    EXPECT_EQ(DesignPixels(100, 300), 113);
}

TEST(DesignLayout, GridColoursFollowTheScreensColourCount)
{
    for (int colours : {-1, 257, 1 << 24}) {
        const TRpGridColors c = DesignGridColors(colours);
        EXPECT_EQ(c.Minor, QColor(0xF9F9F9));
        EXPECT_EQ(c.MinorStyle, Qt::SolidLine);
        EXPECT_EQ(c.Major, QColor(0xF0F0F0));
        EXPECT_EQ(c.Marker, QColor(0x707070));
        EXPECT_EQ(c.MarkerSelected, QColor(0xFF8080));
        EXPECT_EQ(c.MarkerBorder, QColor(0x606060));
        EXPECT_EQ(c.MarkerSize, 6);
    }
    for (int colours : {256, 16, 2}) {
        const TRpGridColors c = DesignGridColors(colours);
        EXPECT_EQ(c.Minor, QColor(0xC0C0C0));
        EXPECT_EQ(c.MinorStyle, Qt::DotLine);
        EXPECT_EQ(c.Major, QColor(0xC0C0C0));
        EXPECT_EQ(c.MajorStyle, Qt::SolidLine);
        EXPECT_EQ(c.MarkerSelected, QColor(0x808080));
    }
}

TEST(DesignLayout, GridHasQuarterLinesOnlyFromFiftyPercentAndNumbersEveryWholeStep)
{
    // Millimetres: a centimetre is 37.8 pixels at 100 percent.
    const std::vector<TRpGridLine> mm = DesignGridLines(TRpUnit::MM, 80, 100, true, 10);
    ASSERT_EQ(mm.size(), 8u);
    EXPECT_EQ(mm[0].Position, 9);
    EXPECT_FALSE(mm[0].Major);
    EXPECT_EQ(mm[3].Position, 38);
    EXPECT_TRUE(mm[3].Major);
    EXPECT_EQ(mm[3].Number, 1);
    EXPECT_EQ(mm[7].Number, 2);

    const std::vector<TRpGridLine> atFifty = DesignGridLines(TRpUnit::MM, 80, 50, true, 10);
    EXPECT_EQ(atFifty.size(), 17u); // the 17th quarter rounds to 80
    const std::vector<TRpGridLine> below = DesignGridLines(TRpUnit::MM, 80, 49, true, 10);
    ASSERT_EQ(below.size(), 4u);
    for (const TRpGridLine &l : below)
        EXPECT_TRUE(l.Major);

    const std::vector<TRpGridLine> inches = DesignGridLines(TRpUnit::Inches, 200, 100, false, 10);
    ASSERT_EQ(inches.size(), 8u);
    EXPECT_EQ(inches[3].Position, 96);
    EXPECT_EQ(inches[7].Position, 192);
    EXPECT_TRUE(DesignGridLines(TRpUnit::MM, 0, 100, true, 10).empty());
}

TEST(DesignLayout, NewBandsTakeTheFirstFreeNumberOfTheirTypesPrefix)
{
    TCustomReport report;
    TRpBand *first = CreateBandOfType(report, T::rbDetail);
    TRpBand *second = CreateBandOfType(report, T::rbDetail);
    EXPECT_EQ(first->Name, "DetailBand1");
    EXPECT_EQ(second->Name, "DetailBand2");
    EXPECT_EQ(CreateBandOfType(report, T::rbGroupHeader)->Name, "GroupHeaderBand1");
    report.RemoveBand(first);
    EXPECT_EQ(CreateBandOfType(report, T::rbDetail)->Name, "DetailBand1");
    report.SetHasBand(T::rbTitle, true);
    EXPECT_EQ(report.FindBand(T::rbTitle)->Name, "TitleBand1");
}

TEST(PrintableEditor, LabelsAndExpressionsNameTheirEditorsAndAnUnregisteredOneIsNeutral)
{
    TRpLabel label;
    TRpShape shape;
    EXPECT_EQ(label.EditorClass(), "TRpLabelEditor");
    EXPECT_EQ(shape.EditorClass(), "TRpPrintableEditor");
    const std::unique_ptr<TRpPrintableEditor> editor = CreatePrintableEditor(shape);
    EXPECT_EQ(editor->EditedClass(), "TRpPrintable");
    EXPECT_TRUE(editor->Text().isEmpty() && editor->Identifier().isEmpty() &&
                editor->Description().isEmpty());
    EXPECT_EQ(editor->VerbCount(), 0);
    EXPECT_FALSE(editor->ShowEditor());
}

TEST(ExpressionBuilding, ChecksArgumentCaptionsCallsAndCategories)
{
    EXPECT_EQ(ArgumentCaption('N', 1), "Argument 1 - numeric value");
    EXPECT_EQ(ArgumentCaption('B', 2), "Argument 2 - logical value");
    EXPECT_EQ(ArgumentCaption('S', 3), "Argument 3 - text Value");
    EXPECT_EQ(ArgumentCaption('V', 4), "Argument 4 - value");
    EXPECT_EQ(FunctionCallText("COPY", {"'abc'", "1", "2"}), "COPY('abc',1,2)");
    EXPECT_EQ(FunctionCallText("TRUE", {}), "TRUE");
    EXPECT_EQ(FunctionArguments("iF"), "BVV");
    EXPECT_EQ(FunctionsOfCategory(0).size(), 21);
    EXPECT_EQ(FunctionsOfCategory(2), QStringList({"INT", "FRAC", "SQRT", "DIV"}));
    EXPECT_EQ(FunctionsOfCategory(4), QStringList());
    EXPECT_EQ(FunctionSyntax("DIV(<X>, <Y>) | Integer division"), "DIV(<X>, <Y>) ");
    EXPECT_EQ(FunctionExplanation("DIV(<X>, <Y>) | Integer division"), " Integer division");

    TRpDataSetList none;
    EXPECT_EQ(ValidateExpression("1 +\r\n2", none, nullptr), "There are no errors. The result is : 3");
    EXPECT_EQ(ValidateExpression("1 = 1", none, nullptr), "There are no errors. The result is : True");
    EXPECT_EQ(ValidateExpression("1/0", none, nullptr), "ERROR: Cannot divide by 0");
    TRpEvEnvironment local;
    local.AddFunction("MOC", "100");
    EXPECT_EQ(ValidateExpression("MOC * 2", none, &local), "There are no errors. The result is : 200");
    EXPECT_FALSE(local.IsPrepared());
}

TEST(DesignLayout, ADraggedBandHeightIsStoredInTheBandsUnitsAtTheZoomAndRightAlignedPrintablesFollow)
{
    TCustomReport report;
    report.SetZoom(200);
    TRpBand *band = Band(report, T::rbPageHeader, 10);
    band->Size.SetNative(TRpBandSize::WidthIdx, 1000);
    auto *label = band->Add<TRpLabel>();
    label->SetAutoSize(false);
    label->Size.SetNative(TRpPrintableSize::WidthIdx, 200);
    label->SetAlignment(TRpAlignment::Right);
    label->SetAlignToBand(true);
    SetBandHeightPixels(*band, 151); // about 20 mm at 200 percent
    EXPECT_DOUBLE_EQ(band->Size.Native(TRpBandSize::HeightIdx), 151 * 254.0 / 96 / 2);
    EXPECT_EQ(band->Size.Units(), TRpUnit::MM);
    EXPECT_NEAR(band->Size.Height(), 20, 0.03);
    EXPECT_DOUBLE_EQ(label->Size.Native(TRpPrintableSize::LeftIdx), 800);
    SetBandHeightPixels(*band, -4);
    EXPECT_EQ(band->Size.Native(TRpBandSize::HeightIdx), 0);
}
