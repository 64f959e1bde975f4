#include "SampleDocument.h"
#include "report/RpExportFilter.h"
#include "report/RpHyperlinks.h"
#include "report/RpPrinter.h"

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
