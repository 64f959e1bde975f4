#include "core/Settings.h"
#include "exchange/FLogPrev.h"
#include "support/LogDb.h"
#include "support/PageLayout.h"
#include "support/QsoRows.h"
#include "support/WarsawTime.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

namespace {

// The log book of every QSO of the fixture log, page by page.
class LogBook : public DataModuleTest {
protected:
    std::vector<PageLayout> Print(int qsos)
    {
        if (qsos > 0)
            InsertQsos(dm->Baza, SampleQsos(qsos));
        return Print(QDate(2003, 1, 1), QDate(2004, 12, 31));
    }
    // The log book of the QSOs from one day to another, as the log holds them now.
    std::vector<PageLayout> Print(const QDate &from, const QDate &to)
    {
        OwnCallSign = QStringLiteral("SP9XYZ");
        TLogPrev::OpenRange(*dm, from, to);
        TLogPrev prev(*dm);
        return RunReport(prev.Report);
    }

    static std::vector<const PlacedText *> Dates(const PageLayout &page)
    {
        std::vector<const PlacedText *> dates;
        for (const PlacedText &t : page.texts)
            if (t.text.startsWith(QLatin1String("2003-")))
                dates.push_back(&t);
        return dates;
    }
};

// Baselines in 0.1 mm from the top of the paper (5 mm margin, header bands of
// 7.94 and 9.79 mm, rows of 6.35 mm, labels 0.79 mm into their band).
constexpr double FirstRowTop = 50 + 79 + 98 + 7.9;
constexpr int RowsPerPage = 27;
constexpr int RowPitch = 64;

double Ascent(int points, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(points);
    f.setBold(bold);
    return QFontMetricsF(f).ascent() * 254 / 96;
}

void ExpectPageFrame(const PageLayout &page)
{
    // The call sign at both top corners, the column captions under them.
    const PlacedText *left = page.find("SP9XYZ"), *right = page.find("SP9XYZ", 1);
    ASSERT_TRUE(left && right);
    EXPECT_NEAR(left->at.x(), 80 + 5.3, 1);
    QFont call(QStringLiteral("Arial"));
    call.setPointSize(14);
    call.setBold(true);
    EXPECT_NEAR(right->at.x() + QFontMetricsF(call).horizontalAdvance("SP9XYZ") * 254 / 96, 80 + 2796.7, 8);
    EXPECT_NEAR(left->at.y(), 50 + 10.6 + Ascent(14, true), 3);
    EXPECT_EQ(right->at.y(), left->at.y());
    const PlacedText *pasmo = page.find(QStringLiteral("Pasmo"));
    ASSERT_TRUE(pasmo);
    EXPECT_NEAR(pasmo->at.x(), 80 + 351.9, 1);
    EXPECT_NEAR(pasmo->at.y(), 50 + 79 + 29.1 + Ascent(9, true), 3);
    for (const char *caption :
         {"Data godz. [UTC]", "Stacja wołana", "Imię", "Miejscowość", "Lokator", "QSL W", "QSL O"})
        EXPECT_EQ(page.count(QString::fromUtf8(caption)), 1) << caption;
    // The two-line captions break between their words.
    for (const char *word : {"Typ ", "emisji", "Raport ", "nadany", "odebrany"})
        EXPECT_GE(page.count(QString::fromUtf8(word)), 1) << word;
    for (const PlacedText &t : page.texts)
        EXPECT_LT(t.at.y(), 2100 - 100) << t.text.toStdString();
}

} // namespace

TEST_F(LogBook, AnEmptyRangeGivesOnePageWithBothHeadersAndNoQso)
{
    const auto pages = Print(0);
    ASSERT_EQ(pages.size(), 1u);
    ExpectPageFrame(pages[0]);
    EXPECT_TRUE(Dates(pages[0]).empty());
}

TEST_F(LogBook, OneQsoIsOneLineUnderTheHeaders)
{
    const auto pages = Print(1);
    ASSERT_EQ(pages.size(), 1u);
    ExpectPageFrame(pages[0]);
    const auto dates = Dates(pages[0]);
    ASSERT_EQ(dates.size(), 1u);
    EXPECT_EQ(dates[0]->text, "2003-07-05 06:00:00");
    EXPECT_NEAR(dates[0]->at.x(), 80 + 7.9, 1);
    EXPECT_NEAR(dates[0]->at.y(), FirstRowTop + Ascent(9), 3);
    for (const char *text : {"SP5ABC", "Józef", "Warszawa", "SSB", "59", "JO90AB"})
        EXPECT_GE(pages[0].count(QString::fromUtf8(text)), 1) << text;
    // Sent "N", received "T": one check mark, in the received column.
    ASSERT_EQ(pages[0].count(QString(QChar(0x2713))), 1);
    EXPECT_GT(pages[0].find(QString(QChar(0x2713)))->at.x(), 80 + 2685.5);
}

TEST_F(LogBook, AFullPageAndOneMoreGoOnASecondPageWithItsOwnHeaders)
{
    const auto full = Print(RowsPerPage);
    ASSERT_EQ(full.size(), 1u);
    const auto dates = Dates(full[0]);
    ASSERT_EQ(dates.size(), size_t(RowsPerPage));
    EXPECT_NEAR(dates.back()->at.y() - dates.front()->at.y(), (RowsPerPage - 1) * RowPitch, 1);

    InsertQsos(dm->Baza, {SampleQsos(RowsPerPage + 1).back()});
    const auto pages = Print(0);
    ASSERT_EQ(pages.size(), 2u);
    ExpectPageFrame(pages[1]);
    const auto second = Dates(pages[1]);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0]->text, "2003-07-05 09:09:00");
    EXPECT_NEAR(second[0]->at.y(), dates.front()->at.y(), 1);
}

TEST_F(LogBook, AThousandQsosFillThirtyEightPagesInDateOrder)
{
    const auto pages = Print(1000);
    ASSERT_EQ(pages.size(), 38u);
    int total = 0;
    QString previous;
    for (size_t i = 0; i < pages.size(); ++i) {
        ExpectPageFrame(pages[i]);
        const auto dates = Dates(pages[i]);
        EXPECT_EQ(int(dates.size()), i + 1 < pages.size() ? RowsPerPage : 1000 - 37 * RowsPerPage);
        EXPECT_NEAR(dates.front()->at.y(), FirstRowTop + Ascent(9), 3);
        for (const PlacedText *d : dates) {
            EXPECT_LT(previous, d->text);
            previous = d->text;
        }
        total += int(dates.size());
    }
    EXPECT_EQ(total, 1000);
    EXPECT_EQ(Dates(pages.back()).back()->text, SampleQsos(1000).back().Data.toString("yyyy-MM-dd HH:mm:ss"));
}

TEST_F(LogBook, OneDayListsItsLastSecondAndEqualTimesInCallSignOrder)
{
    const DateTime day = DateTime::fromDate(2003, 7, 5);
    std::vector<QsoRow> rows(4);
    rows[0].Data = day.addSecs(23 * 3600 + 59 * 60 + 59);
    rows[0].Stacja = "SP1LAST";
    rows[1].Data = day.addSecs(3600);
    rows[1].Stacja = "SP9B";
    rows[2].Data = day.addSecs(3600);
    rows[2].Stacja = "SP2A";
    rows[3].Data = day.addDays(1);
    rows[3].Stacja = "SP3NEXT";
    InsertQsos(dm->Baza, rows);
    const auto pages = Print(QDate(2003, 7, 5), QDate(2003, 7, 5));
    ASSERT_EQ(pages.size(), 1u);
    const PageLayout &page = pages[0];
    ASSERT_TRUE(page.find("SP2A") && page.find("SP9B") && page.find("SP1LAST"));
    EXPECT_EQ(page.count("SP3NEXT"), 0);
    EXPECT_LT(page.find("SP2A")->at.y(), page.find("SP9B")->at.y());
    EXPECT_LT(page.find("SP9B")->at.y(), page.find("SP1LAST")->at.y());
}

TEST_F(LogBook, QsosAtThePolishClockChangesArePrintedWithTheirDates)
{
    const WarsawTime zone;
    ASSERT_TRUE(WarsawTime::FollowedByQt());
    std::vector<QsoRow> rows(3);
    rows[0].Data = SpringGapQso().Data;
    rows[0].Stacja = "SP5GAP";
    rows[1].Data = AutumnRepeatQso().Data;
    rows[1].Stacja = "SP5REP";
    rows[2].Data = AutumnRepeatQso().Data.addSecs(3600); // 03:30, after the repeated hour
    rows[2].Stacja = "SP5WIN";
    InsertQsos(dm->Baza, rows);
    const auto pages = Print(QDate(2025, 3, 30), QDate(2025, 10, 26));
    ASSERT_EQ(pages.size(), 1u);
    const PageLayout &page = pages[0];
    const PlacedText *dates[] = {page.find(SpringGapQso().Text), page.find(AutumnRepeatQso().Text),
                                 page.find(QStringLiteral("2025-10-26 03:30:00"))};
    const char *calls[] = {"SP5GAP", "SP5REP", "SP5WIN"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(dates[i] && page.find(calls[i])) << calls[i];
        EXPECT_NEAR(dates[i]->at.y(), page.find(calls[i])->at.y(), 1) << calls[i];
        if (i > 0) {
            EXPECT_NEAR(dates[i]->at.y() - dates[i - 1]->at.y(), RowPitch, 1) << calls[i];
        }
    }
}
