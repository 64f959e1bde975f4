#include "FakePrintDevice.h"
#include "ReportFixture.h"
#include "SampleDocument.h"

#include "report/printer/RpPrinter.h"
#include "report/printer/RpWindowHooks.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A fake device that leaves its job's calls behind when the printer frees it.
struct LoggedDevice : FakePrintDevice {
    explicit LoggedDevice(QStringList &log, bool queue) : log_(log)
    {
        if (!queue)
            names.clear();
    }
    ~LoggedDevice() override { log_ << calls; }
    QStringList &log_;
};

// Report runs on a fake device, with the print dialog answered by `answer`.
class ReportRuns : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrintDevices::SetFactory([this] { return std::make_unique<LoggedDevice>(jobs, queue); });
        RpWindows::SetPrintDialogRunner([this](PrintDevice &, TRpPrintDialogData &d) {
            seen = d;
            return answer(d);
        });
    }
    void TearDown() override
    {
        PrintDevices::SetFactory({});
        RpWindows::SetPrintDialogRunner({});
    }

    QStringList jobs; // the calls of every device freed, in order
    bool queue = true;
    TRpPrintDialogData seen;
    std::function<bool(TRpPrintDialogData &)> answer = [](TRpPrintDialogData &) { return false; };
};

} // namespace

TEST_F(ReportRuns, PrintSendsEveryPageToTheDeviceAndLeavesTheReportAsItWas)
{
    RowsReport r(60);
    r.report.Print();
    ASSERT_FALSE(jobs.isEmpty());
    EXPECT_EQ(jobs.last(), "BNNE");
    EXPECT_EQ(r.report.RpPrinter, nullptr);
    EXPECT_TRUE(r.report.Available);
    EXPECT_EQ(r.report.Units(), TRpUnit::MM);

    // Without a print queue the device still takes the job (it writes a PDF).
    queue = false;
    r.served = 0;
    r.report.Print();
    EXPECT_EQ(jobs.last(), "BNNE");
}

TEST_F(ReportRuns, CancellingStopsAtTheNextRecordAndClosesTheDocument)
{
    RowsReport r(100);
    int printed = 0;
    r.detail->AfterPrint = [&](TRpCustomBand &, bool) {
        if (++printed == 30)
            r.report.CancelReport();
    };
    TRpPrinter printer(&r.report);
    r.report.RpPrinter = &printer;
    r.report.CreateReport(false);
    r.report.RpPrinter = nullptr;
    EXPECT_EQ(printed, 30);
    EXPECT_EQ(printer.Status(), rpStatusFinished);
    EXPECT_TRUE(r.report.Available);
    // Idle, a cancel does nothing.
    r.report.Cancelled = false;
    r.report.CancelReport();
    EXPECT_FALSE(r.report.Cancelled);
}

TEST_F(ReportRuns, ThePrintDialogKeepsEverythingOnCancelAndStoresTheChosenPages)
{
    RowsReport r(60);
    r.report.PrinterSettings.Copies = 2;
    EXPECT_FALSE(r.report.PrinterSetup());
    EXPECT_EQ(r.report.Tag, 1);
    EXPECT_EQ(r.report.PrinterSettings.Copies, 2);
    EXPECT_EQ(seen.MaxPage, 9999);
    EXPECT_EQ(seen.Orientation, 2);

    answer = [](TRpPrintDialogData &d) {
        d.Copies = 3;
        d.PrintRange = prPageNums;
        d.FromPage = 2;
        d.ToPage = 3;
        d.Orientation = 1;
        return true;
    };
    EXPECT_TRUE(r.report.PrinterSetup());
    EXPECT_EQ(r.report.Tag, 0);
    EXPECT_EQ(r.report.PrinterSettings.Copies, 3);
    EXPECT_EQ(r.report.LastDialogSettings.FirstPage, 2);
    EXPECT_EQ(r.report.LastDialogSettings.LastPage, 3);
    EXPECT_EQ(r.report.Page.Orientation(), TRpOrientation::Portrait);

    answer = [](TRpPrintDialogData &d) {
        d.PrintRange = prAllPages;
        return true;
    };
    EXPECT_TRUE(r.report.PrinterSetup());
    EXPECT_EQ(r.report.LastDialogSettings.FirstPage, 0);
    EXPECT_EQ(r.report.LastDialogSettings.LastPage, 0);
}

TEST_F(ReportRuns, ANewReportStartsOnThePaperOfTheCurrentPrinter)
{
    PrintDevices::SetFactory([] {
        auto device = std::make_unique<FakePrintDevice>();
        device->defaults.PaperSize = 5;
        device->mode = device->defaults;
        return device;
    });
    TReport legal;
    EXPECT_EQ(legal.Page.PaperSize(), TRpPaperSize::Legal);
    EXPECT_NEAR(legal.Page.Native(TRpPage::LengthIdx), 3556, 1e-9);
    PrintDevices::SetFactory({});
    TReport plain;
    EXPECT_EQ(plain.Page.PaperSize(), TRpPaperSize::A4);
}

namespace {

// What a user picks in the print dialog: short-edge duplex, collated, the
// lower bin, mono at 300 dpi, three copies of page 2.
bool PickJob(TRpPrintDialogData &d)
{
    d.Copies = 3;
    d.Collate = 1;
    d.DuplexCode = 3;
    d.Duplex = true;
    d.OutputBin = 2;
    d.ColorOption = 1;
    d.PrintQuality = 300;
    d.PrintRange = prPageNums;
    d.FromPage = d.ToPage = 2;
    d.Orientation = 2;
    return true;
}

FakePrintDevice &DeviceOf(TRpPrinter &printer)
{
    return dynamic_cast<FakePrintDevice &>(*printer.Printer());
}

// The settings of the last job the printer's device began.
DeviceMode LastJob(TRpPrinter &printer)
{
    const QList<DeviceMode> &jobs = DeviceOf(printer).jobModes;
    return jobs.isEmpty() ? DeviceMode{} : jobs.last();
}

} // namespace

// Printer set-up from a preview: every choice reaches the job, and the
// report keeps it unless the preview shows a loaded page file.
TEST_F(ReportRuns, ThePreviewsPrinterSetUpSendsEveryChoiceToTheJobAndBackIntoTheReport)
{
    RowsReport r(60);
    r.report.Preview();
    TRpPrinter *printer = r.report.RpPrinter;
    ASSERT_TRUE(printer);
    ASSERT_EQ(printer->PageCount(), 3);
    answer = PickJob;
    ASSERT_TRUE(printer->PrinterSetup());
    EXPECT_EQ(seen.MinPage, 1);
    EXPECT_EQ(seen.MaxPage, 3);
    EXPECT_EQ(printer->PrinterSettings().ColorOption, 1);
    EXPECT_EQ(printer->PrinterSettings().PrintQuality, 300);
    printer->Print();
    EXPECT_EQ(DeviceOf(*printer).calls, "BE") << "page 2 only";
    const DeviceMode job = LastJob(*printer);
    EXPECT_EQ(job.Copies, 3);
    EXPECT_EQ(job.Collate, 1);
    EXPECT_EQ(job.Duplex, 3);
    EXPECT_EQ(job.DefaultSource, 2);
    const TReportPrinterSettings &kept = r.report.PrinterSettings;
    EXPECT_EQ(kept.Copies, 3);
    EXPECT_EQ(kept.Collate, 1);
    EXPECT_EQ(kept.ExtendedDuplex, 3);
    EXPECT_TRUE(kept.Duplex);
    EXPECT_EQ(kept.OutputBin, rpBinLower);
    EXPECT_EQ(kept.ColorOption, 1);
    EXPECT_EQ(kept.PrintQuality, 300);
    EXPECT_EQ(kept.FirstPage, 2);
    EXPECT_EQ(kept.LastPage, 2);
    EXPECT_FALSE(kept.PrintMetaFile) << "the report's own switch is left as it was";

    // A printer that holds no report asks the same dialog and takes the same choices.
    TRpPrinter plain;
    PrintSampleDocument(plain, 3);
    ASSERT_TRUE(plain.PrinterSetup());
    plain.Print();
    EXPECT_EQ(DeviceOf(plain).calls, "BE");
    const DeviceMode same = LastJob(plain);
    EXPECT_EQ(same.Copies, job.Copies);
    EXPECT_EQ(same.Collate, job.Collate);
    EXPECT_EQ(same.Duplex, job.Duplex);
    EXPECT_EQ(same.DefaultSource, job.DefaultSource);

    // With a page file loaded the choices go to the printer only.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("log.rpp"));
    printer->Save(file);
    printer->Load(file);
    answer = [](TRpPrintDialogData &d) {
        d.Copies = 5;
        d.Collate = 0;
        return true;
    };
    ASSERT_TRUE(printer->PrinterSetup());
    EXPECT_EQ(printer->PrinterSettings().Copies, 5);
    EXPECT_EQ(printer->PrinterSettings().Collate, 0);
    EXPECT_EQ(r.report.PrinterSettings.Collate, 1);
    EXPECT_EQ(r.report.PrinterSettings.LastPage, 2);
    r.report.FreeReportPrinter();
}

// The printer's word that the first page is stored makes page 1 the design
// image; the other page counts leave it.
TEST_F(ReportRuns, TheFirstStoredPageBecomesTheDesignImage)
{
    RowsReport r(60);
    int repaints = 0;
    r.report.OnDesignImageChanged = [&](TCustomReport &) { ++repaints; };
    auto tell = [&](int pages) {
        TRpMessageEvent stored(rpMsgPagesAvailable, pages, r.report.RpPrinter);
        QCoreApplication::sendEvent(&r.report, &stored);
    };
    tell(1);
    EXPECT_FALSE(r.report.DesignImage) << "no printer, no page";
    r.report.Preview();
    tell(2);
    EXPECT_FALSE(r.report.DesignImage);
    tell(1);
    ASSERT_TRUE(r.report.DesignImage);
    EXPECT_TRUE(LayoutOf(*r.report.DesignImage).find("Row 1"));
    EXPECT_EQ(repaints, 2);
    r.report.FreeReportPrinter();
    tell(1);
    EXPECT_FALSE(r.report.DesignImage);
}

// The report's printer events reach the printer of each run: the first when
// the printer's settings are read, the second before they are written for the
// job, where its changes go to the device.
TEST_F(ReportRuns, TheReportsPrinterEventsAreHandedToThePrinterOfEachRun)
{
    RowsReport r(5);
    QStringList events;
    TRpPrinter *running = nullptr;
    r.report.OnGetPrinterSettings = [&](TPrinterSettings &sender, bool &, DeviceMode &) {
        events << (&sender == &running->PrinterSettings() ? QStringLiteral("get") : QStringLiteral("get?"));
    };
    r.report.OnApplyPrinterSettings = [&](TPrinterSettings &sender, bool &, DeviceMode &mode) {
        events << QStringLiteral("apply %1").arg(mode.Copies);
        mode.PrintQuality = 150;
        EXPECT_EQ(&sender, &running->PrinterSettings());
    };
    r.report.PrinterSettings.Copies = 2;
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        events.clear();
        TRpPrinter printer(&r.report);
        printer.SetDestination(rpDestPrinter);
        running = &printer;
        r.report.RpPrinter = &printer;
        r.served = 0;
        r.report.CreateReport(false);
        r.report.RpPrinter = nullptr;
        EXPECT_EQ(events, (QStringList{QStringLiteral("get"), QStringLiteral("apply 2")}));
        auto *device = static_cast<FakePrintDevice *>(printer.Printer());
        ASSERT_FALSE(device->jobModes.isEmpty());
        EXPECT_EQ(device->jobModes.last().PrintQuality, 150);
        EXPECT_EQ(device->calls, QStringLiteral("BE"));
    }
}
