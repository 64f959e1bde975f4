#include "EvalSupport.h"
#include "ReportFixture.h"

#include "platform/NumFormat.h"
#include "report/layout/RpExpr.h"

#include <gtest/gtest.h>

namespace {

// The text an expression printable shows for an expression and mask, outside a run.
QString Shown(const QString &expression, const QString &mask = QString())
{
    TRpExpr e;
    e.SetExpression(expression);
    e.Mask = mask;
    e.Prepare();
    const QString text = e.ValueText();
    e.Unprepare();
    return text;
}

// Texts of one page that start with a prefix, top to bottom.
QStringList TextsStarting(const PageLayout &page, const QString &prefix)
{
    QStringList out;
    for (const PlacedText &t : page.texts)
        if (t.text.startsWith(prefix))
            out << t.text;
    return out;
}

} // namespace

TEST(Expr, EachResultKindBecomesItsCaption)
{
    FormatSettings fs;
    fs.CurrencyString = "zł";
    fs.CurrencyFormat = 3;
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = ' ';
    const FormatSettings saved = CurrentFormatSettings();
    CurrentFormatSettings() = fs;
    EXPECT_EQ(Shown("3 + 4", "000"), "007");
    EXPECT_EQ(Shown("3 + 4"), "7");
    EXPECT_EQ(Shown("7 / 2", "0.00"), "3,50");
    EXPECT_EQ(Shown("1234.5 * 1", "%m"), "1 234,50 zł");
    EXPECT_EQ(Shown("2.5 * 1", "%d %m"), "Invalid format or value specified");
    EXPECT_EQ(Shown("2.5 * 1", "%d"), "%d3");
    EXPECT_EQ(Shown("7 / 2"), "3,5");
    EXPECT_EQ(Shown("1 = 1", "000"), "True");
    EXPECT_EQ(Shown("1 > 1", "%m"), "False");
    EXPECT_EQ(Shown("'abc' + 'd'", "000"), "abcd");
    EXPECT_EQ(Shown("1/0"), "Cannot divide by 0");
    EXPECT_EQ(Shown(""), "");
    CurrentFormatSettings() = saved;
}

TEST(Expr, TheDesignCaptionIsTheExpressionOrNoneAndComesBackAfterARun)
{
    TRpExpr e;
    EXPECT_EQ(e.Caption(), "(none)");
    e.SetExpression("COUNT");
    EXPECT_EQ(e.Caption(), "COUNT");
    e.SetExpression("");
    EXPECT_EQ(e.Caption(), "(none)");

    RowsReport r(2);
    TRpExpr *counter = AddTestExpr(r.detail, "'#' + STR(COUNT)", 60);
    TRpExpr *empty = AddTestExpr(r.detail, "", 110);
    const std::vector<PageLayout> pages = r.Run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(TextsStarting(pages[0], "#"), (QStringList{"#1", "#2"}));
    EXPECT_EQ(pages[0].count("(none)"), 0);
    EXPECT_EQ(counter->Caption(), "'#' + STR(COUNT)");
    EXPECT_EQ(empty->Caption(), "(none)");
}

TEST(Expr, PageNumberAndTitleFollowTheRun)
{
    RowsReport r(60);
    r.report.ReportTitle = "Dziennik";
    AddTestExpr(r.pageHeader, "REPORTTITLE + ' / ' + STR(PAGENUMBER)", 60);
    const std::vector<PageLayout> pages = r.Run();
    ASSERT_GE(pages.size(), 3u);
    for (size_t i = 0; i < pages.size(); ++i)
        EXPECT_EQ(TextsStarting(pages[i], "Dziennik"),
                  QStringList{QStringLiteral("Dziennik / %1").arg(i + 1)});
}

TEST(Expr, AggregatesFollowTheirMasterAndRestartAfterPrintWhenAsked)
{
    MemoryRows qsos;
    qsos.AddField("N", FieldType::Integer);
    qsos.Open();
    for (int n : {5, 7, 11}) {
        qsos.Append();
        qsos.FieldByName("N")->SetAsInteger(n);
        qsos.Post();
    }
    TReport report;
    report.SetUnits(TRpUnit::MM);
    report.SetDataSet(&qsos);
    TRpBand *detail = AddTestBand(report, TRpBandType::rbDetail, 6);
    TRpBand *summary = AddTestBand(report, TRpBandType::rbSummary, 6);
    AddTestExpr(detail, "'n=' + STR(N)", 10);
    AddTestExpr(detail, "'running=' + STR(SUM(N))", 60);
    TRpExpr *perRow = AddTestExpr(detail, "'count=' + STR(COUNT)", 110);
    perRow->ResetAfterPrint = true;
    TRpExpr *total = AddTestExpr(summary, "'total=' + STR(SUM(N))", 10);
    total->Master = &report.Controller();
    AddTestExpr(summary, "'avg=' + STR(AVERAGE(N))", 60);
    AddTestExpr(summary, "'max=' + STR(MAX(N))", 110);

    const std::vector<PageLayout> pages = RunReport(report);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(TextsStarting(pages[0], "n="), (QStringList{"n=5", "n=7", "n=11"}));
    EXPECT_EQ(TextsStarting(pages[0], "running="), (QStringList{"running=5", "running=12", "running=23"}));
    EXPECT_EQ(TextsStarting(pages[0], "count="), (QStringList{"count=1", "count=1", "count=1"}));
    EXPECT_EQ(TextsStarting(pages[0], "total="), QStringList{"total=23"});
    EXPECT_EQ(TextsStarting(pages[0], "avg="), QStringList{"avg=7.66666666666667"});
    EXPECT_EQ(TextsStarting(pages[0], "max="), QStringList{"max=11"});

    // A second run starts the aggregates afresh.
    const std::vector<PageLayout> again = RunReport(report);
    EXPECT_EQ(TextsStarting(again[0], "total="), QStringList{"total=23"});
    EXPECT_TRUE(report.DataSetList.isEmpty());
}
