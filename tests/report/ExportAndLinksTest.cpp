#include "ReportFixture.h"
#include "SampleDocument.h"
#include "report/pages/RpExportFilter.h"
#include "report/pages/RpHyperlinks.h"
#include "report/printer/RpPrinter.h"
#include "report/printer/RpWindowHooks.h"

#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Notes every call it gets.
class RecordingFilter : public TRpExportFilter {
public:
    explicit RecordingFilter(QStringList &log) : TRpExportFilter(QStringLiteral("out.txt")), log_(log) {}
    void BeginDoc(int pageCount) override { log_ << QStringLiteral("begin %1").arg(pageCount); }
    void NewPage(int pageNumber, const PagePicture &page) override
    {
        log_ << QStringLiteral("page %1 %2").arg(pageNumber).arg(page.texts().value(1));
    }
    void EndDoc() override { log_ << QStringLiteral("end"); }

private:
    QStringList &log_;
};

// Notes what a report run tells it, one line a call; bands by their first
// text, positions in 0.1 mm.
class RunFilter : public TRpExportFilter {
public:
    RunFilter() : TRpExportFilter(QStringLiteral("out.txt")) {}
    void StartReport(int width, int length, const QFont &font) override
    {
        log << QStringLiteral("report %1 %2 %3 %4").arg(width).arg(length).arg(font.family()).arg(font.pointSize());
        states << QStringLiteral("%1 %2 %3").arg(Report->Exporting).arg(Report->PrintToCanvas).arg(Report->Available);
    }
    void StartPage() override { log << QStringLiteral("page"); }
    void EndPage() override { log << QStringLiteral("end page"); }
    void EndReport() override { log << QStringLiteral("end report"); }
    bool UsePaperLength() const override { return endless; }
    void BandRect(const QRect &rect, const QColor &color) override
    {
        log << QStringLiteral("area %1 %2 %3").arg(rect.x()).arg(rect.y()).arg(color.name());
    }
    void Band(const TRpCustomBand &band, double expanded, int x, int y) override
    {
        const QString first =
            band.Printables().empty() ? QString() : static_cast<TRpLabel &>(*band.Printables().front()).Caption();
        log << QStringLiteral("band %1 %2 %3 %4").arg(first).arg(expanded).arg(x).arg(y);
    }
    void Rectangle(const QRect &rect, const QColor &) override
    {
        log << QStringLiteral("background %1 %2").arg(rect.x()).arg(rect.y());
    }
    void Frame(const QRect &rect, const TRpFrame &) override
    {
        log << QStringLiteral("frame %1 %2 %3").arg(rect.x()).arg(rect.y()).arg(rect.width());
    }
    void Line(const QPoint &from, const QPoint &to, const QColor &, int width) override
    {
        log << QStringLiteral("line %1 %2 %3 %4 %5").arg(from.x()).arg(from.y()).arg(to.x()).arg(to.y()).arg(width);
    }
    void Text(const QPoint &at, const QString &text, const QFont &) override
    {
        log << QStringLiteral("text %1 %2 %3").arg(text).arg(at.x()).arg(at.y());
    }

    QStringList log, states;
    bool endless = false;
};

// A progress window that remembers how it was shown.
class NotedProgress : public TRpProgressWindow {
public:
    explicit NotedProgress(QStringList &notes) : notes_(notes) {}
    QObject *Receiver() override { return &receiver_; }
    void SetCaption(const QString &caption) override { notes_ << caption; }
    void Show() override { notes_ << QStringLiteral("shown"); }
    void Hide() override { notes_ << QStringLiteral("hidden"); }

private:
    QStringList &notes_;
    QObject receiver_;
};

// The calls of the log from the first that begins with `from`, as many as asked.
QStringList Calls(const QStringList &log, const QString &from, int count)
{
    for (qsizetype i = 0; i < log.size(); ++i)
        if (log[i].startsWith(from))
            return log.mid(i, count);
    return {};
}

}

TEST(RpHyperlinks, ExtOpensOutsideIntGoesToTheHandlersAndOtherLinksTryTheHandlersFirst)
{
    QStringList opened, handled;
    RpHyperlinks::RegisterHandler(QStringLiteral("qso:"),
                                  [&](const QString &rest) { handled << "qso " + rest; });
    RpHyperlinks::RegisterHandler(QStringLiteral("q"), [&](const QString &rest) { handled << "q " + rest; });
    const auto open = [&](const QString &target) { opened << target; };
    const struct {
        const char *link;
        const char *opened;
        const char *handled;
    } cases[] = {
        {"EXT:https://example.org/a", "https://example.org/a", ""},
        {"ext:/tmp/dziennik.pdf", "/tmp/dziennik.pdf", ""},
        {"Ext:qso:1", "qso:1", ""}, // outside, even where a handler would fit
        {"INT:qso:42", "", "qso 42"},
        {"int:qsl", "", "q sl"}, // the first registered prefix that fits
        {"INT:mapa", "", ""},    // no handler: dropped, not opened
        {"qso:7", "", "qso 7"},
        {"https://qrz.com", "https://qrz.com", ""},
    };
    for (const auto &c : cases) {
        opened.clear();
        handled.clear();
        RpHyperlinks::Follow(QString::fromUtf8(c.link), open);
        EXPECT_EQ(opened.join(','), QString::fromUtf8(c.opened)) << c.link;
        EXPECT_EQ(handled.join(','), QString::fromUtf8(c.handled)) << c.link;
    }
    RpHyperlinks::UnregisterHandler(QStringLiteral("qso:"));
    RpHyperlinks::UnregisterHandler(QStringLiteral("q"));
    EXPECT_FALSE(RpHyperlinks::Dispatch(QStringLiteral("qso:7")));
}

TEST(RpExportFilterLibrary, TheSaveFilterListsThePageFileThenEveryFilterAndTheFilterGetsEveryPageInOrder)
{
    TRpExportFilterLibrary &library = TRpExportFilterLibrary::Instance();
    ASSERT_EQ(library.Count(), 0) << "the program registers no filter";
    EXPECT_EQ(library.SaveDialogFilter(), "Report file(*.RPP)|*.RPP");
    QStringList log;
    library.Register({QStringLiteral("Tekst"), QStringLiteral("txt"),
                      [&](const QString &) { return std::make_unique<RecordingFilter>(log); }});
    library.Register({QStringLiteral("Strony HTML"), QStringLiteral("html"), {}});
    EXPECT_EQ(library.SaveDialogFilter(),
              "Report file(*.RPP)|*.RPP|Tekst (*.txt)|*.txt|Strony HTML (*.html)|*.html");
    EXPECT_EQ(library.Filter(1).Extension, "html");
    library.Unregister(QStringLiteral("Strony HTML"));
    ASSERT_EQ(library.Count(), 1);

    PrintDevices::SetFactory({});
    TRpPrinter printer;
    const std::unique_ptr<TRpExportFilter> filter = library.Filter(0).Create(QStringLiteral("out.txt"));
    printer.ExportToFilter(*filter);
    EXPECT_TRUE(log.isEmpty()) << "nothing to export before a report has ended";

    printer.BeginDoc();
    printer.NewPage();
    printer.HyperlinkList.append({QRect(10, 10, 50, 8), QStringLiteral("EXT:https://example.org")});
    printer.NewPage();
    EXPECT_TRUE(printer.HyperlinkList.isEmpty()) << "the links belong to the page that closed";
    printer.HyperlinkList.append({QRect(10, 10, 50, 8), QStringLiteral("INT:x")});
    printer.EndDoc();
    EXPECT_TRUE(printer.HyperlinkList.isEmpty());
    printer.Reset();
    PrintSampleDocument(printer, 3);
    printer.ExportToFilter(*filter);
    EXPECT_EQ(log, QStringList({"begin 3", "page 1 Strona 1", "page 2 Strona 2", "page 3 Strona 3", "end"}));

    log.clear();
    TRpExportFilter *given = nullptr;
    printer.OnExport = [&](TRpPrinter &sender, TRpExportFilter &f) {
        EXPECT_EQ(&sender, &printer);
        given = &f;
    };
    printer.ExportToFilter(*filter);
    EXPECT_EQ(given, filter.get());
    EXPECT_TRUE(log.isEmpty()) << "OnExport exports instead of the printer";
    library.Unregister(QStringLiteral("Tekst"));
}

// A report exported through a filter runs once for it: the filter hears of the
// report, each page, band, background, frame and text in the order they come.
TEST(ReportExport, TheFilterHearsOfEveryPageBandAndTextInTheirOrder)
{
    QStringList progress;
    RpWindows::SetProgressFactory([&](TRpPrinter &) { return std::make_unique<NotedProgress>(progress); });
    RowsReport r(28);
    r.columnHeader->Frame.DrawTop = r.columnHeader->Frame.DrawBottom = true;
    r.cols->Frame.SetAll(true);
    r.pageHeader->TransparentBand = true;
    RunFilter filter;
    r.report.ExportToFilter(filter);
    RpWindows::SetProgressFactory({});

    EXPECT_EQ(progress, QStringList({"Exporting Progress", "shown", "hidden"}));
    EXPECT_EQ(filter.states, QStringList({"1 0 0"})) << "exporting, not drawing pages, running";
    EXPECT_FALSE(r.report.Exporting);
    EXPECT_TRUE(r.report.PrintToCanvas);
    EXPECT_EQ(r.report.RpPrinter, nullptr);
    EXPECT_EQ(filter.Report, nullptr);

    // Landscape A4, margins 5 mm top and 8 mm left; 27 rows fit a page.
    const QStringList &log = filter.log;
    EXPECT_EQ(log.first(), "report 2970 2100 Arial 10");
    EXPECT_EQ(log.filter(QRegularExpression("page|report")),
              QStringList({"report 2970 2100 Arial 10", "page", "end page", "page", "end page", "end report"}));
    const int columnTop = 50 + 79, rowTop = 50 + 79 + 98;
    EXPECT_EQ(log.mid(1, 4), QStringList({"page", "background 90 60", "text HEAD 90 60", "band HEAD 0 80 50"}))
        << "a transparent band has no area, its label has its background";
    // The column header: its area, the label's background, text (moved in by
    // its frame) and frame, the band's top and bottom lines of 1 point, the band.
    EXPECT_EQ(Calls(log, QStringLiteral("area 80 %1").arg(columnTop), 7),
              QStringList({QStringLiteral("area 80 %1 #ffffff").arg(columnTop),
                           QStringLiteral("background 90 %1").arg(columnTop + 30),
                           QStringLiteral("text COLS 94 %1").arg(columnTop + 34),
                           QStringLiteral("frame 90 %1 500").arg(columnTop + 30),
                           QStringLiteral("line 80 %1 2890 %1 4").arg(columnTop),
                           QStringLiteral("line 80 %1 2890 %1 4").arg(columnTop + 99),
                           QStringLiteral("band COLS 0 80 %1").arg(columnTop)}));
    EXPECT_EQ(Calls(log, "text Row 1 ", 2), QStringList({QStringLiteral("text Row 1 90 %1").arg(rowTop + 8),
                                                       QStringLiteral("band  0 80 %1").arg(rowTop)}));
    // The row that did not fit is told where it prints: at the top of page 2.
    const QStringList row28 = Calls(log, QStringLiteral("text Row 28 90 %1").arg(rowTop + 8), 2);
    ASSERT_EQ(row28.size(), 2);
    EXPECT_EQ(row28[1], QStringLiteral("band  0 80 %1").arg(rowTop));
    EXPECT_GT(log.indexOf(row28[0]), log.lastIndexOf("page"));

    // A filter that wants the whole paper for every band gets one page.
    RunFilter endless;
    endless.endless = true;
    r.served = 0;
    r.report.ExportToFilter(endless);
    EXPECT_EQ(endless.log.filter(QRegularExpression("page|report")),
              QStringList({"report 2970 2100 Arial 10", "page", "end page", "end report"}));
    EXPECT_EQ(endless.log.filter("text Row").size(), 28);
}

// Saving through a filter in the preview exports the report, not its pages,
// and leaves the preview's pages and printer as they were.
TEST(ReportExport, ThePreviewsSaveThroughAFilterRunsTheReportForIt)
{
    RowsReport r(3);
    r.report.Preview();
    TRpPrinter *printer = r.report.RpPrinter;
    ASSERT_TRUE(printer);
    RunFilter filter;
    r.served = 0;
    printer->ExportToFilter(filter);
    EXPECT_EQ(filter.log.first(), "report 2970 2100 Arial 10");
    EXPECT_EQ(filter.log.filter("text Row").size(), 3);
    EXPECT_EQ(r.report.RpPrinter, printer);
    EXPECT_EQ(printer->PageCount(), 1);
    EXPECT_EQ(printer->Status(), rpStatusFinished);
    r.report.FreeReportPrinter();
}
