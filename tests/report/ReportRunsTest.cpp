#include "FakePrintDevice.h"
#include "ReportFixture.h"

#include "report/RpPrinter.h"
#include "report/RpWindowHooks.h"

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
