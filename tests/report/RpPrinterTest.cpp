#include "report/printer/RpPrinter.h"
#include "FakePrintDevice.h"
#include "SampleDocument.h"
#include "report/pages/RpPageList.h"
#include "report/pages/RpPageSearch.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Collects what the printer posts.
class Inbox : public QObject {
public:
    std::vector<std::pair<int, int>> events; // message, param
    bool event(QEvent *e) override
    {
        if (e->type() < QEvent::User)
            return QObject::event(e);
        events.emplace_back(int(e->type()), static_cast<TRpMessageEvent *>(e)->Param);
        return true;
    }
    std::vector<int> params(TRpMessage m) const
    {
        std::vector<int> out;
        for (auto [type, param] : events)
            if (type == m)
                out.push_back(param);
        return out;
    }
};

class ProgressProbe : public TRpProgressWindow {
public:
    explicit ProgressProbe(Inbox &r) : r_(r) {}
    QObject *Receiver() override { return &r_; }
    void SetCaption(const QString &) override {}
    void Show() override {}
    void Hide() override {}

private:
    Inbox &r_;
};

class RpPrinterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrintDevices::SetFactory([] { return std::make_unique<FakePrintDevice>(); });
    }
    void TearDown() override
    {
        PrintDevices::SetFactory({});
        RpWindows::SetProgressFactory({});
    }
    static FakePrintDevice &device(TRpPrinter &p) { return *dynamic_cast<FakePrintDevice *>(p.Printer()); }
    QTemporaryDir dir;
};

}

TEST_F(RpPrinterTest, ConversionsUseTheDeviceResolutionAndOffsetsOnlyOnThePrinter)
{
    TRpPrinter printer;
    ASSERT_TRUE(printer.PrinterOK);
    EXPECT_EQ(printer.PrinterSettings().LeftOffset, 42); // 100 px at 600 dpi
    EXPECT_EQ(printer.PrinterSettings().TopOffset, 42);  // 50 px at 300 dpi

    printer.SetDestination(rpDestPrinter);
    printer.BeginDoc();
    EXPECT_DOUBLE_EQ(printer.XFactor(), 600.0 / 254);
    EXPECT_DOUBLE_EQ(printer.YFactor(), 300.0 / 254);
    EXPECT_EQ(printer.XPos(1042), 2362);
    EXPECT_EQ(printer.YPos(42), 0);
    EXPECT_EQ(printer.XSize(254), 600);
    EXPECT_EQ(printer.YSize(254), 300);
    printer.EndDoc();

    TRpPrinter preview;
    preview.BeginDoc();
    preview.NewPage();
    EXPECT_EQ(preview.XPos(1042), 1042); // recorded in 0.1 mm, no margins
    EXPECT_EQ(preview.YSize(254), 254);
    preview.EndDoc();
}

TEST_F(RpPrinterTest, AResolutionOfZeroOrBelowOneTenthFallsBackTo96Dpi)
{
    PrintDevices::SetFactory([] {
        auto d = std::make_unique<FakePrintDevice>();
        d->dpiX = 0;
        d->dpiY = 25;
        return d;
    });
    TRpPrinter printer;
    EXPECT_EQ(printer.PrinterSettings().LeftOffset, 265); // 100 px at 96 dpi
    EXPECT_EQ(printer.PrinterSettings().TopOffset, 132);  // 50 px at 96 dpi
    printer.SetDestination(rpDestPrinter);
    printer.BeginDoc();
    EXPECT_DOUBLE_EQ(printer.XFactor(), 96.0 / 254);
    printer.NewPage();
    EXPECT_DOUBLE_EQ(printer.XFactor(), 96.0 / 254);
    EXPECT_DOUBLE_EQ(printer.YFactor(), 96.0 / 254);
    printer.EndDoc();
}

TEST_F(RpPrinterTest, StatesRefuseOutOfOrderCallsAndPagesArePostedToTheClient)
{
    TRpPrinter printer;
    Inbox client;
    printer.Client = &client;
    EXPECT_THROW(printer.NewPage(), ERpError);
    try {
        printer.NewPage();
    } catch (const ERpError &e) {
        EXPECT_EQ(e.message(), "Illegal call to NewPage");
    }
    PrintSampleDocument(printer, 3);
    EXPECT_EQ(printer.Status(), rpStatusFinished);
    EXPECT_EQ(printer.PageCount(), 3);
    EXPECT_EQ(printer.PageList().PageCount(), 3);
    try {
        printer.BeginDoc();
        ADD_FAILURE() << "BeginDoc on finished pages";
    } catch (const ERpError &e) {
        EXPECT_EQ(e.message(), "RpPrinter not ready");
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(client.params(rpMsgPagesAvailable), (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(printer.GetPage(0));
    EXPECT_FALSE(printer.GetPage(4));
    ASSERT_TRUE(printer.GetPage(3));
    EXPECT_EQ(printer.GetPage(3)->width(), 2100);
    printer.Reset();
    EXPECT_EQ(printer.Status(), rpStatusIdle);
    EXPECT_FALSE(printer.GetPage(1));
}

TEST_F(RpPrinterTest, PrinterDestinationSendsOnlyTheRangeWithOneNewPageBetweenPrintedPages)
{
    TRpPrinter printer;
    printer.SetDestination(rpDestPrinter);
    printer.SetTitle(QStringLiteral("Dziennik"));
    printer.SetFirstPage(3);
    printer.SetLastPage(5);
    PrintSampleDocument(printer, 7);
    EXPECT_EQ(device(printer).calls, "BNNE");
    EXPECT_EQ(device(printer).title, "Dziennik");
    EXPECT_EQ(printer.PageCount(), 7);
}

TEST_F(RpPrinterTest, PrintingStoredPagesClampsTheRangeAndProgressEndsAtOneHundred)
{
    Inbox progress;
    RpWindows::SetProgressFactory([&](TRpPrinter &) { return std::make_unique<ProgressProbe>(progress); });
    TRpPrinter printer;
    PrintSampleDocument(printer, 4);
    struct Case {
        int first, last;
        const char *calls;
        std::vector<int> progress;
    };
    const Case cases[] = {
        {0, 0, "BNNNE", {25, 50, 75, 100}},
        {0, 9, "BNNNE", {25, 50, 75, 100}},
        {3, 0, "BNE", {50, 100}},
        {-2, 2, "BNE", {50, 100}},
        {5, 9, "", {}},
    };
    for (const Case &c : cases) {
        device(printer).calls.clear();
        progress.events.clear();
        printer.SetFirstPage(c.first);
        printer.SetLastPage(c.last);
        printer.Print();
        QCoreApplication::processEvents();
        EXPECT_EQ(device(printer).calls, c.calls) << c.first << ".." << c.last;
        EXPECT_EQ(progress.params(rpMsgProgress), c.progress) << c.first << ".." << c.last;
    }

    Inbox report;
    printer.ReportWindow = &report;
    device(printer).calls.clear();
    printer.Print();
    QCoreApplication::processEvents();
    EXPECT_EQ(device(printer).calls, "") << "a report prints again straight to the printer";
    EXPECT_EQ(report.params(rpMsgPrintAgain).size(), 1u);
}

TEST_F(RpPrinterTest, SettingsAreReadFromTheDeviceAndWrittenBackBeforeAJob)
{
    TRpPrinter printer;
    TPrinterSettings &s = printer.PrinterSettings();
    EXPECT_EQ(s.Copies, 2);
    EXPECT_EQ(s.OutputBin, rpBinManual);
    EXPECT_TRUE(s.Duplex);
    EXPECT_EQ(s.ExtendedDuplex, 2);
    EXPECT_EQ(s.PaperSize, 9);
    EXPECT_TRUE(s.PaperAvailable[10]);
    EXPECT_TRUE(s.PaperAvailable[69]);
    EXPECT_FALSE(s.PaperAvailable[3]);
    EXPECT_EQ(s.XResolution, 600);

    printer.SetPaperSize(3); // not offered by the device
    EXPECT_EQ(printer.PaperSize(), 9);
    printer.SetPaperSize(1);
    printer.SetOrientation(true);
    EXPECT_EQ(printer.PaperWidthValue(), 2794);
    EXPECT_EQ(printer.PaperLengthValue(), 2159);
    s.ExtendedDuplex = 0;
    s.OutputBin = rpBinAuto;
    s.Copies = 3;
    s.ApplySettings();
    const DeviceMode m = device(printer).mode;
    EXPECT_EQ(m.PaperSize, 1);
    EXPECT_EQ(m.PaperWidth, 2159);
    EXPECT_EQ(m.PaperLength, 2794);
    EXPECT_EQ(m.Orientation, 2);
    EXPECT_EQ(m.Duplex, 3);
    EXPECT_EQ(m.DefaultSource, 7);
    EXPECT_EQ(m.Copies, 3);

    bool vetoed = false;
    s.OnApplyPrinterSettings = [&](TPrinterSettings &, bool &cancel, DeviceMode &) {
        cancel = vetoed = true;
    };
    const int before = device(printer).modesSet;
    s.ApplySettings();
    EXPECT_TRUE(vetoed);
    EXPECT_EQ(device(printer).modesSet, before);
}

TEST_F(RpPrinterTest, ALoadedPageFileTakesTheFirstPaperSizeThatMatchesItsPage)
{
    PrintDevices::SetFactory({});
    struct Case {
        int paper;
        bool landscape;
        int expectPaper;
    };
    // A4Small and Note have the sizes of A4 and Letter: the first match wins.
    for (const Case c : {Case{9, true, 9}, Case{9, false, 9}, Case{1, false, 1}, Case{8, true, 8}}) {
        const QString file = dir.filePath(QStringLiteral("p%1%2.RPP").arg(c.paper).arg(c.landscape));
        {
            TRpPrinter printer;
            printer.SetPaperSize(c.paper);
            printer.SetOrientation(c.landscape);
            PrintSampleDocument(printer, 1);
            printer.Save(file);
        }
        TRpPrinter loaded;
        loaded.SetPaperSize(5);
        loaded.Load(file);
        EXPECT_EQ(loaded.PaperSize(), c.expectPaper) << c.paper;
        EXPECT_EQ(loaded.Orientation(), c.landscape) << c.paper;
        EXPECT_TRUE(loaded.FileLoaded());
        EXPECT_TRUE(ReportFileLoaded);
        EXPECT_EQ(loaded.Status(), rpStatusFinished);
    }
}

TEST_F(RpPrinterTest, ABadPageFileIsRefusedAndThePagesShownStay)
{
    TRpPrinter printer;
    PrintSampleDocument(printer, 2);
    const QString bad = dir.filePath(QStringLiteral("bad.rpp"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(300, 'x'));
    f.close();
    EXPECT_THROW(printer.Load(bad), ERpError);
    EXPECT_EQ(printer.PageCount(), 2);
    EXPECT_EQ(printer.Status(), rpStatusFinished);
    ASSERT_TRUE(printer.GetPage(2));
    EXPECT_TRUE(printer.GetPage(2)->texts().contains(QStringLiteral("Zażółć gęślą jaźń — Łódź")));
}

TEST(RpPageSearchTest, TextIsFoundInEitherCaseOfPolishLettersUnlessCaseMustMatch)
{
    PictureRecorder recorder(2100, 2970);
    recorder.drawText(QRect(0, 0, 1000, 100), Qt::AlignLeft, QStringLiteral("Zażółć gęślą jaźń"));
    recorder.drawText(QRect(0, 100, 1000, 100), Qt::AlignLeft, QStringLiteral("ŁÓDŹ ABC"));
    const PagePicture page = recorder.finish();
    struct Case {
        const char *text;
        bool matchCase, found;
    };
    for (const Case c :
         {Case{"ą", false, true}, Case{"Ą", false, true}, Case{"Ą", true, false}, Case{"łódź", false, true},
          Case{"łódź", true, false}, Case{"abc", false, true}, Case{"abc", true, false},
          Case{"ABC", true, true}, Case{"ŻÓŁĆ GĘ", false, true}, Case{"jaźń ł", false, false}})
        EXPECT_EQ(SearchPageText(QString::fromUtf8(c.text), page, c.matchCase), c.found) << c.text;
}

TEST_F(RpPrinterTest, ClosingThePreviewCancelsARunAndAnAbortKeepsOrDropsTheOpenPage)
{
    TRpPrinter printer;
    int closed = 0;
    printer.OnPreviewClosed = [&](TRpPrinter &) { ++closed; };
    printer.BeginDoc();
    printer.NewPage();
    printer.NewPage();
    printer.SetShowingPreview(true);
    printer.SetShowingPreview(false);
    EXPECT_TRUE(printer.Cancelled);
    EXPECT_EQ(closed, 1);
    printer.SetShowingPreview(false);
    EXPECT_EQ(closed, 1) << "only a preview that was open closes";
    printer.AbortDoc(true);
    EXPECT_EQ(printer.Status(), rpStatusFinished);
    EXPECT_EQ(printer.PageList().PageCount(), 1) << "the dropped page is not stored";

    printer.Reset();
    printer.BeginDoc();
    printer.NewPage();
    printer.AbortDoc();
    EXPECT_EQ(printer.PageList().PageCount(), 1) << "the open page is kept";
    EXPECT_FALSE(printer.Cancelled);
}
