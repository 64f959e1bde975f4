#include "ReportFixture.h"

#include "report/layout/RpShape.h"
#include "report/printer/RpPrinter.h"

#include <gtest/gtest.h>

namespace {

int RowsOn(const PageLayout &page)
{
    int n = 0;
    for (const PlacedText &t : page.texts)
        n += t.text.startsWith(QLatin1String("Row "));
    return n;
}

} // namespace

TEST(Engine, RowsFillTheLandscapePageDownToItsOwnBottomMarginAndHeadersRepeat)
{
    RowsReport r(28);
    const auto pages = r.Run();
    ASSERT_EQ(pages.size(), 2u);
    // 5 mm top margin, headers of 7.94 and 9.79 mm, rows of 6.35 mm above the 10 mm bottom margin.
    EXPECT_EQ(RowsOn(pages[0]), 27);
    EXPECT_EQ(RowsOn(pages[1]), 1);
    for (const PageLayout &page : pages) {
        EXPECT_EQ(page.count("HEAD"), 1);
        EXPECT_EQ(page.count("COLS"), 1);
    }
    const PlacedText *first = pages[0].find("Row 1");
    const PlacedText *last = pages[0].find("Row 27");
    ASSERT_TRUE(first && last);
    EXPECT_NEAR(last->at.y() - first->at.y(), 26 * 64, 1);
    EXPECT_LT(last->at.y(), 2100 - 100);
    EXPECT_NEAR(pages[1].find("Row 28")->at.y(), first->at.y(), 1);
    EXPECT_LT(pages[0].find("HEAD")->at.y(), pages[0].find("COLS")->at.y());
    EXPECT_LT(pages[0].find("COLS")->at.y(), first->at.y());
    EXPECT_EQ(r.report.Units(), TRpUnit::MM);
}

TEST(Engine, AReportWithoutRecordsPrintsOnePageWithBothHeadersAndOneDetail)
{
    RowsReport r(0);
    r.report.OnNeedData = nullptr;
    const auto pages = r.Run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].count("HEAD"), 1);
    EXPECT_EQ(pages[0].count("COLS"), 1);
    EXPECT_EQ(RowsOn(pages[0]), 1);

    r.report.SetPrintIfEmpty(false);
    EXPECT_TRUE(r.Run().empty());
}

TEST(Engine, ForcedPageBreaksAfterTheHeaderLeaveNoEmptyFirstPageAndLaterOnesAreHonoured)
{
    RowsReport r(3);
    r.detail->ForceNewPage = true;
    const auto pages = r.Run();
    ASSERT_EQ(pages.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(RowsOn(pages[i]), 1);
        EXPECT_TRUE(pages[i].find(QStringLiteral("Row %1").arg(i + 1)));
        EXPECT_EQ(pages[i].count("COLS"), 1);
    }
}

TEST(Engine, HeadersTallerThanThePageStandWhereTheyAreAndTheRunEnds)
{
    RowsReport r(3);
    r.pageHeader->Size.SetNative(TRpBandSize::HeightIdx, 1500);
    r.columnHeader->Size.SetNative(TRpBandSize::HeightIdx, 1000);
    r.columnHeader->ForceNewPage = true;
    auto *footer = AddTestBand(r.report, TRpBandType::rbPageFooter, 30);
    AddTestLabel(footer, QStringLiteral("FOOT"), 1, 1, 50, 5);
    const auto pages = r.Run();
    ASSERT_GE(pages.size(), 3u);
    ASSERT_LE(pages.size(), 4u);
    for (const PageLayout &page : pages) {
        EXPECT_EQ(page.count("HEAD"), 1);
        EXPECT_EQ(page.count("FOOT"), 1);
    }
}

TEST(Engine, PageFooterAndItsChildSitAtTheBottomAndTheirSpaceIsKeptFree)
{
    RowsReport r(40);
    auto *footer = AddTestBand(r.report, TRpBandType::rbPageFooter, 10);
    AddTestLabel(footer, QStringLiteral("FOOT"), 1, 1, 50, 5);
    TRpChildBand *child = r.report.AddChildBand(footer);
    child->Size.SetNative(TRpBandSize::HeightIdx, 50);
    AddTestLabel(child, QStringLiteral("CHILD"), 1, 0.5, 50, 4.5);
    const auto pages = r.Run();
    ASSERT_EQ(pages.size(), 2u);
    // 15 mm of footer leave room for 25 rows.
    EXPECT_EQ(RowsOn(pages[0]), 25);
    for (const PageLayout &page : pages) {
        ASSERT_TRUE(page.find("FOOT") && page.find("CHILD"));
        EXPECT_NEAR(page.find("CHILD")->at.y() - page.find("FOOT")->at.y(), 100 - 10 + 5, 1);
        EXPECT_LT(page.find("CHILD")->at.y(), 2000);
    }
    EXPECT_LT(pages[0].find("Row 25")->at.y(), pages[0].find("FOOT")->at.y());
}

TEST(Engine, StretchingTextContinuesOnTheNextPagesAndEveryLineIsPrintedOnce)
{
    RowsReport r(1);
    QStringList words;
    for (int i = 1; i <= 90; ++i)
        words << QStringLiteral("w%1").arg(i);
    r.row->OnPrint = nullptr;
    r.row->SetCaption(words.join(QChar(13)));
    r.row->AutoStretch = true;
    const auto pages = r.Run();
    ASSERT_GE(pages.size(), 2u);
    int found = 0;
    for (int i = 1; i <= 90; ++i) {
        int n = 0;
        for (const PageLayout &page : pages)
            n += page.count(QStringLiteral("w%1").arg(i));
        EXPECT_EQ(n, 1) << i;
        found += n;
    }
    EXPECT_EQ(found, 90);
    EXPECT_EQ(pages[1].count("COLS"), 1);
}

TEST(Engine, TextThatCanNeverFitIsGivenUpSoTheRunEnds)
{
    RowsReport r(2);
    r.row->OnPrint = nullptr;
    QFont huge(QStringLiteral("Arial"));
    huge.setPointSize(700);
    r.row->SetFont(huge);
    r.row->SetCaption(QStringLiteral("A\rB"));
    r.row->AutoStretch = true;
    const auto pages = r.Run();
    EXPECT_LE(pages.size(), 4u);
}

TEST(Engine, AFailingBandLeavesTheReportIdleInItsUnitsAndThePrinterClosed)
{
    RowsReport r(5);
    r.detail->BeforePrint = [&](TRpCustomBand &, bool &) {
        if (r.served == 3)
            throw std::runtime_error("boom");
    };
    TRpPrinter printer(&r.report);
    r.report.RpPrinter = &printer;
    EXPECT_THROW(r.report.CreateReport(false), std::runtime_error);
    EXPECT_TRUE(r.report.Available);
    EXPECT_EQ(r.report.Units(), TRpUnit::MM);
    EXPECT_NE(printer.Status(), rpStatusBusy);
    r.report.RpPrinter = nullptr;
}

TEST(Engine, BeforePrintFalseMakesNoPageAndARunInProgressRefusesASecond)
{
    RowsReport r(5);
    r.report.BeforePrint = [](TCustomReport &, bool &print) { print = false; };
    EXPECT_TRUE(r.Run().empty());
    r.report.BeforePrint = nullptr;
    int nested = -1;
    r.detail->AfterPrint = [&](TRpCustomBand &, bool) {
        if (nested < 0) {
            nested = 0;
            r.report.CreateReport(false);
        }
    };
    EXPECT_EQ(r.Run().size(), 1u);
}

TEST(Engine, VerticalRulesFollowTheBandAndABandOfNoWidthSkipsThem)
{
    RowsReport r(1);
    auto *rule = r.detail->Add<TRpShape>();
    rule->Tag = 1000;
    rule->Shape = TRpShapeType::rpsVertLine;
    rule->Enabled = false;
    rule->Size.SetNative(TRpPrintableSize::LeftIdx, 1000);
    rule->Size.SetNative(TRpPrintableSize::WidthIdx, 20);
    r.detail->Size.SetNative(TRpBandSize::WidthIdx, 2000);
    auto pages = r.Run();
    ASSERT_EQ(pages.size(), 1u);
    bool found = false;
    for (const QLineF &l : pages[0].lines)
        found = found || (std::abs(l.x1() - (80 + 1010)) <= 1 && l.x1() == l.x2());
    EXPECT_TRUE(found);
    r.detail->Size.SetNative(TRpBandSize::WidthIdx, 0);
    EXPECT_EQ(r.Run().size(), 1u);
}

TEST(Engine, TwoColumnsStartTheSecondAtTheColumnTopBesideTheFirst)
{
    RowsReport r(30);
    r.report.Page.SetColumns(2);
    r.report.Page.SetColumnSpace(5);
    r.detail->Size.SetNative(TRpBandSize::WidthIdx, 1000);
    const auto pages = r.Run();
    ASSERT_EQ(pages.size(), 1u);
    const PlacedText *first = pages[0].find("Row 1"), *second = pages[0].find("Row 28");
    ASSERT_TRUE(first && second);
    EXPECT_NEAR(second->at.x() - first->at.x(), 1000 + 50, 1);
    EXPECT_EQ(pages[0].count("COLS"), 2);
    EXPECT_NEAR(pages[0].find("COLS", 1)->at.y(), pages[0].find("COLS")->at.y(), 1);
}

TEST(Engine, PageAndColumnNumbersAndTheTitleReachTheReportsVariables)
{
    RowsReport r(40);
    r.report.Page.SetColumns(2);
    r.detail->Size.SetNative(TRpBandSize::WidthIdx, 1000);
    r.report.ReportTitle = QStringLiteral("Dziennik");
    r.row->OnPrint = [&](TRpCustomLabel &, QString &text) {
        text = QStringLiteral("Row %1 p%2 c%3 %4")
                   .arg(r.served)
                   .arg(r.report.Functions.EntryValue("PAGENUMBER").IntValue)
                   .arg(r.report.Functions.EntryValue("columnnumber").IntValue)
                   .arg(r.report.Functions.EntryValue("REPORTTITLE").StringValue);
    };
    const auto pages = r.Run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].find("Row 1 p1 c1 Dziennik"));
    EXPECT_TRUE(pages[0].find("Row 28 p1 c2 Dziennik"));
    r.rows = 60;
    const auto more = r.Run();
    ASSERT_EQ(more.size(), 2u);
    EXPECT_TRUE(more[1].find("Row 55 p2 c1 Dziennik"));
}

TEST(Engine, AForcedBreakLaterInTheRunIsHonouredThoughTheHeaderCameBeforeIt)
{
    RowsReport r(3);
    TRpBand *summary = AddTestBand(r.report, TRpBandType::rbSummary, 10);
    AddTestLabel(summary, QStringLiteral("SUMA"), 1, 1, 50, 5);
    summary->ForceNewPage = true;
    const auto pages = r.Run();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(RowsOn(pages[0]), 3);
    EXPECT_EQ(pages[1].count("SUMA"), 1);
    EXPECT_EQ(pages[1].count("HEAD"), 1);
}

TEST(Engine, APrintableOnTheReportItselfIsPrintedOncePerPageAtItsOwnPlace)
{
    RowsReport r(40);
    auto *stamp = r.report.AddPrintable<TRpLabel>();
    stamp->SetAutoSize(false);
    stamp->Size.SetNative(TRpPrintableSize::LeftIdx, 2500);
    stamp->Size.SetNative(TRpPrintableSize::TopIdx, 2020);
    stamp->Size.SetNative(TRpPrintableSize::WidthIdx, 300);
    stamp->Size.SetNative(TRpPrintableSize::HeightIdx, 50);
    stamp->SetCaption(QStringLiteral("STAMP"));
    const auto pages = r.Run();
    ASSERT_EQ(pages.size(), 2u);
    for (const PageLayout &page : pages) {
        ASSERT_EQ(page.count("STAMP"), 1);
        EXPECT_NEAR(page.find("STAMP")->at.x(), 2500, 1);
        EXPECT_GT(page.find("STAMP")->at.y(), 2020);
    }
}
