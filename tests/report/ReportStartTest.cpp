#include "ReportFixture.h"

#include "report/RpStartup.h"
#include "report/expr/RpMask.h"
#include "report/printer/RpUnits.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

// The locale decides the units of new pages; the start time and date that
// reports show are those of the engine's start, however much later the first
// report runs.
TEST(ReportStart, NewPagesFollowTheLocaleAndReportsShowTheProgramsStart)
{
    struct Case {
        QLocale locale;
        bool inches;
        TRpPaperSize paper;
    };
    const Case cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), true, TRpPaperSize::Letter},
        {QLocale(QLocale::Polish, QLocale::Poland), false, TRpPaperSize::A4},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), false, TRpPaperSize::A4},
    };
    const QDateTime start(QDate(2001, 2, 3), QTime(4, 5, 6));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        StartReportEngine(c.locale, start);
        EXPECT_EQ(DefaultInches, c.inches);
        const TRpPage page;
        EXPECT_EQ(page.PaperSize(), c.paper);
        EXPECT_EQ(page.Units(), c.inches ? TRpUnit::Inches : TRpUnit::MM);
    }
    DefaultInches = false;

    const QString shown = LocaleDateText(start.date()) + QLatin1Char(' ') + LocaleTimeText(start.time());
    EXPECT_EQ(Evaluate(QStringLiteral("AppStartDate + ' ' + AppStartTime")),
              QStringLiteral("string:") + shown);
    EXPECT_EQ(Evaluate(QStringLiteral("AppName")),
              QStringLiteral("string:") + QCoreApplication::applicationName());

    RowsReport r(1);
    AddTestExpr(r.pageHeader, QStringLiteral("AppStartDate + ' ' + AppStartTime"), 60);
    const std::vector<PageLayout> pages = r.Run();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].count(shown), 1) << AllTexts(pages).join(QLatin1Char('|')).toStdString();
}
