#include "ReportFixture.h"

#include "report/layout/RpComposite.h"
#include "report/layout/RpControllerBand.h"
#include "report/layout/RpGroup.h"
#include "report/printer/RpPrinter.h"

#include <gtest/gtest.h>

namespace {

// Texts of the pages that start with one of the prefixes, in print order.
QStringList Lines(const std::vector<PageLayout> &pages, const QStringList &prefixes)
{
    QStringList out;
    for (const QString &t : AllTexts(pages))
        if (std::any_of(prefixes.begin(), prefixes.end(), [&](const QString &p) { return t.startsWith(p); }))
            out << t;
    return out;
}

TRpGroup *AddGroup(TCustomReport &report, const QString &expression, const QString &header,
                   const QString &footer)
{
    TRpGroup *group = report.CreateBand<TRpGroup>();
    group->Size.SetNative(TRpBandSize::HeightIdx, 60);
    group->Expression = expression;
    AddTestExpr(group, header);
    TRpBand *foot = report.AddBand(TRpBandType::rbDetail);
    foot->Size.SetNative(TRpBandSize::HeightIdx, 60);
    AddTestExpr(foot, footer);
    group->SetFooterBand(foot);
    return group;
}

// A landscape report over QSOs grouped by band, then by mode.
struct GroupedReport {
    explicit GroupedReport(const std::vector<QStringList> &rows) : qsos({"BAND", "MODE", "CALL"}, rows)
    {
        report.SetUnits(TRpUnit::MM);
        report.Page.SetOrientation(TRpOrientation::Landscape);
        report.SetDataSet(&qsos);
        AddTestLabel(AddTestBand(report, TRpBandType::rbPageHeader, 8), "HEAD", 1, 1, 50, 5);
        AddTestLabel(AddTestBand(report, TRpBandType::rbColumnHeader, 8), "COLS", 1, 1, 50, 5);
        detail = AddTestBand(report, TRpBandType::rbDetail, 6);
        AddTestExpr(detail, "'D ' + CALL");
        byBand = AddGroup(report, "BAND", "'BH ' + BAND", "'BF ' + BAND + ' ' + STR(COUNT)");
        static_cast<TRpExpr *>(byBand->FooterBand()->Printables()[0].get())->ResetAfterPrint = true;
        byMode = AddGroup(report, "MODE", "'MH ' + MODE", "'MF ' + MODE");
    }
    MemRows qsos;
    TReport report;
    TRpBand *detail;
    TRpGroup *byBand, *byMode;
};

} // namespace

TEST(Groups, HeadersAndFootersOfNestedGroupsPrintInOrderAroundEveryChange)
{
    GroupedReport g({{"20m", "CW", "A"},
                     {"20m", "CW", "B"},
                     {"20m", "SSB", "C"},
                     {"40m", "SSB", "D"},
                     {"40m", "SSB", "E"},
                     {"80m", "CW", "F"}});
    const QStringList golden = {"HEAD",   "COLS",   "BH 20m", "MH CW",   "D A",      "D B",
                                "MF CW",  "MH SSB", "D C",    "MF SSB",  "BF 20m 3", "BH 40m",
                                "MH SSB", "D D",    "D E",    "MF SSB",  "BF 40m 2", "BH 80m",
                                "MH CW",  "D F",    "MF CW",  "BF 80m 1"};
    EXPECT_EQ(AllTexts(RunReport(g.report)), golden);
    EXPECT_TRUE(g.report.DataSetList.isEmpty());

    // Each band on a page of its own: the first one stays under the column header.
    g.byBand->ForceNewPage = true;
    const std::vector<PageLayout> pages = RunReport(g.report);
    ASSERT_EQ(pages.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Lines({pages[i]}, {"HEAD", "COLS", "BH"}),
                  (QStringList{"HEAD", "COLS", QStringList{"BH 20m", "BH 40m", "BH 80m"}[i]}));
    EXPECT_EQ(Lines(pages, {"BH", "MH", "D ", "MF", "BF"}), golden.mid(2));

    // One record: every header before it, every footer after it; a second run
    // starts the groups afresh.
    GroupedReport one({{"2m", "FM", "Z"}});
    for (int run = 0; run < 2; ++run)
        EXPECT_EQ(AllTexts(RunReport(one.report)),
                  (QStringList{"HEAD", "COLS", "BH 2m", "MH FM", "D Z", "MF FM", "BF 2m 1"}));

    // Only the inner value changes on the last record; an expression error
    // never counts as a change.
    GroupedReport inner({{"20m", "CW", "A"}, {"20m", "CW", "B"}, {"20m", "SSB", "C"}});
    inner.byBand->Expression = "1/0";
    EXPECT_EQ(Lines(RunReport(inner.report), {"BH", "MH", "MF", "BF", "D "}),
              (QStringList{"BH 20m", "MH CW", "D A", "D B", "MF CW", "MH SSB", "D C", "MF SSB", "BF 20m 3"}));
}

TEST(Groups, ValuesDifferByKindAndValueButTwoErrorsAreAlike)
{
    const TRpEvResult i1 = TRpEvResult::Integer(1), f1 = TRpEvResult::Float(1), s = TRpEvResult::String("a");
    struct Case {
        TRpEvResult a, b;
        bool differ;
    } cases[] = {
        {i1, TRpEvResult::Integer(1), false},
        {i1, TRpEvResult::Integer(2), true},
        {i1, f1, true},
        {f1, TRpEvResult::Float(1.5), true},
        {s, TRpEvResult::String("A"), true},
        {s, TRpEvResult::String("a"), false},
        {TRpEvResult::Boolean(true), TRpEvResult::Boolean(false), true},
        {TRpEvResult::Error("x"), TRpEvResult::Error("y"), false},
        {TRpEvResult::Error("x"), s, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GroupValuesDiffer(c.a, c.b), c.differ) << c.a.StringValue.toStdString() << c.b.Kind;
}

TEST(Groups, AGroupThatGoesOnRepeatsItsHeadersOnceAtTheTopOfEachNewPage)
{
    std::vector<QStringList> rows;
    for (int i = 1; i <= 70; ++i)
        rows.push_back({i <= 64 ? "20m" : "40m", "CW", QString::number(i)});
    GroupedReport g(rows);
    g.byBand->ReprintOnNewPage = true;
    // Two columns: the second column of a page does not repeat the headers.
    g.report.Page.SetColumns(2);
    g.detail->Size.SetNative(TRpBandSize::WidthIdx, 1300);
    const std::vector<PageLayout> pages = RunReport(g.report);
    ASSERT_EQ(pages.size(), 2u);
    struct Expect {
        int page;
        QStringList heads;
    } expected[] = {
        {0, {"HEAD", "COLS", "BH 20m", "MH CW", "COLS"}},
        // The inner group follows the outer one that is repeated.
        {1,
         {"HEAD", "COLS", "BH 20m", "MH CW", "MF CW", "BF 20m 64", "BH 40m", "MH CW", "MF CW", "BF 40m 6"}},
    };
    for (const Expect &e : expected)
        EXPECT_EQ(Lines({pages[e.page]}, {"HEAD", "COLS", "B", "M"}), e.heads) << e.page;
    EXPECT_EQ(Lines(pages, {"D "}).size(), 70);

    // Without the switch the headers stand only where the group begins.
    g.byBand->ReprintOnNewPage = false;
    EXPECT_EQ(Lines(RunReport(g.report), {"BH", "MH"}), (QStringList{"BH 20m", "MH CW", "BH 40m", "MH CW"}));
}

TEST(SubDetails, RunForEveryMasterRecordBeforeAndAfterItsDetailAndEmptyOnesPrintNothing)
{
    MemRows masters({"CALL"}, {{"A"}, {"B"}, {"C"}});
    MemRows before({"OWNER", "NOTE"}, {{"A", "b1"}, {"A", "b2"}, {"C", "b3"}});
    MemRows after({"OWNER", "TEXT"}, {{"A", "a1"}, {"C", "c1"}, {"C", "c2"}});
    for (MemRows *notes : {&before, &after}) {
        notes->OnFilterRecord = [&masters](DataSet &d, bool &accept) {
            accept = d.FieldByName("OWNER")->AsString() == masters.FieldByName("CALL")->AsString();
        };
        notes->SetFiltered(true);
    }
    TReport report;
    report.SetUnits(TRpUnit::MM);
    report.SetDataSet(&masters);
    AddTestExpr(AddTestBand(report, TRpBandType::rbDetail, 6), "'D ' + CALL");
    AddTestExpr(AddTestBand(report, TRpBandType::rbSummary, 6), "'END'");

    auto addSub = [&](MemRows &data, const QString &field, const QString &tag, bool printBefore) {
        TRpSubDetail *sub = report.CreateBand<TRpSubDetail>();
        EXPECT_TRUE(sub->SetMaster(&report.Controller()));
        sub->SetDataSet(&data);
        sub->SetPrintBefore(printBefore);
        sub->SetPrintIfEmpty(false);
        sub->Bands.SetHasHeader(true);
        sub->Bands.SetHasFooter(true);
        AddTestExpr(sub, "'" + tag + " ' + " + field);
        AddTestExpr(sub->HeaderBand(), "'" + tag + "H'");
        TRpExpr *count = AddTestExpr(sub->FooterBand(), "'" + tag + "F ' + STR(COUNT)");
        count->Master = &sub->Controller();
        count->ResetAfterPrint = true;
        return sub;
    };
    TRpSubDetail *afterSub = addSub(after, "TEXT", "NA", false);
    TRpSubDetail *first = addSub(before, "NOTE", "NB", true);

    // The record loops' datasets join the report's list for a run only.
    EXPECT_TRUE(report.DataSetList.isEmpty());
    const QStringList golden = {"NBH", "NB b1", "NB b2", "NBF 2", "D A", "NAH",   "NA a1", "NAF 1", "D B",
                                "NBH", "NB b3", "NBF 1", "D C",   "NAH", "NA c1", "NA c2", "NAF 2", "END"};
    EXPECT_EQ(AllTexts(RunReport(report)), golden);
    EXPECT_TRUE(report.DataSetList.isEmpty());

    // Print order on the design surface: the sub-details around the detail.
    QStringList order;
    for (TRpCustomBand *b : report.PrintOrderList())
        order << BandCaption(b->BandType());
    EXPECT_EQ(order, (QStringList{"Group Header", "Sub Detail", "Group Footer", "Detail", "Group Header",
                                  "Sub Detail", "Group Footer", "Summary"}));

    // A master chain that leads back is refused; removing a band unlinks it.
    TRpSubDetail *nested = report.CreateBand<TRpSubDetail>();
    EXPECT_TRUE(nested->SetMaster(&first->Controller()));
    EXPECT_FALSE(first->SetMaster(&nested->Controller()));
    EXPECT_EQ(first->Master(), &report.Controller());
    first->Bands.SetHasFooter(false);
    EXPECT_EQ(first->FooterBand(), nullptr);
    report.RemoveBand(first);
    EXPECT_EQ(nested->Master(), nullptr);

    // An empty sub-detail that prints anyway shows its bands once; rows may
    // also come from OnNeedData, two for every master record here.
    afterSub->SetPrintIfEmpty(true);
    TRpSubDetail *served = report.CreateBand<TRpSubDetail>();
    served->SetMaster(&report.Controller());
    int row = 0;
    served->OnNeedData() = [&row](TCustomReport &, bool &more) { more = ++row % 3 != 0; };
    auto *label = AddTestLabel(served, QString(), 1, 1, 40, 4);
    label->OnPrint = [&row](TRpCustomLabel &, QString &text) { text = QStringLiteral("ND %1").arg(row); };
    EXPECT_EQ(Lines(RunReport(report), {"N", "D "}),
              (QStringList{"D A", "NAH", "NA a1", "NAF 1", "ND 1", "ND 2", "D B", "NAH", "NA ", "NAF 1",
                           "ND 4", "ND 5", "D C", "NAH", "NA c1", "NA c2", "NAF 2", "ND 7", "ND 8"}));
}

TEST(Groups, BandsAreRearrangedOnlyOutsideARun)
{
    GroupedReport g({{"20m", "CW", "A"}, {"40m", "CW", "B"}});
    const std::vector<TRpCustomBand *> order = g.report.PrintOrderList();
    ASSERT_EQ(order.size(), 7u);
    EXPECT_EQ(order[2], g.byBand);
    EXPECT_EQ(order[3], g.byMode);
    EXPECT_EQ(order[4], g.detail);
    EXPECT_EQ(order[5], g.byMode->FooterBand());
    EXPECT_EQ(order[6], g.byBand->FooterBand());

    // Retyped and unlinked during the run: the run keeps its groups and the
    // order follows afterwards.
    int seen = 0;
    g.detail->BeforePrint = [&](TRpCustomBand &, bool &) {
        EXPECT_EQ(g.report.PrintOrderList(), order);
        if (++seen == 1) {
            g.byMode->FooterBand()->SetBandType(TRpBandType::rbOverlay);
            g.byMode->SetMaster(nullptr);
        }
    };
    EXPECT_EQ(Lines(RunReport(g.report), {"BH", "MH", "BF", "MF"}),
              (QStringList{"BH 20m", "MH CW", "MF CW", "BF 20m 1", "BH 40m", "MH CW", "MF CW", "BF 40m 1"}));
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(g.report.PrintOrderList(),
              (std::vector<TRpCustomBand *>{order[0], order[1], g.byBand, g.detail, g.byBand->FooterBand(),
                                            g.byMode, g.byMode->FooterBand()}));
}

TEST(Composite, ReportsFollowEachOtherInOneDocumentEachOnItsOwnPages)
{
    RowsReport a(30), b(2);
    b.head->SetCaption("OTHER");
    a.report.Tag = 7;
    TRpCompositeReport composite;
    composite.Reports = {&a.report, &b.report};
    TRpPrinter printer(&a.report);
    composite.CreateReport(printer);
    ASSERT_EQ(printer.PageCount(), 3);
    std::vector<PageLayout> pages;
    for (int i = 1; i <= 3; ++i)
        pages.push_back(LayoutOf(*printer.GetPage(i)));
    EXPECT_EQ(Lines({pages[1]}, {"Row"}).size(), 3);
    EXPECT_EQ(Lines({pages[2]}, {"OTHER", "COLS", "Row"}), (QStringList{"OTHER", "COLS", "Row 1", "Row 2"}));
    EXPECT_EQ(b.report.PageNumber, 1);
    EXPECT_EQ(a.report.Tag, 7);
    EXPECT_EQ(a.report.RpPrinter, nullptr);
    EXPECT_EQ(printer.Status(), rpStatusFinished);
}
