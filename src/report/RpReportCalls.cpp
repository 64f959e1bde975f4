#include "platform/print/PrintDevice.h"
#include "report/RpComposite.h"
#include "report/RpPrinter.h"
#include "report/RpReport.h"
#include "report/RpWindowHooks.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <utility>

bool TCustomReport::CreateReportPrinter()
{
    if (!Available)
        return false;
    ownPrinter_ =
        std::make_unique<TRpPrinter>(this, PrinterSettings.UseStandardprinter, PrinterSettings.MemoryLimit);
    RpPrinter = ownPrinter_.get();
    RpPrinter->ReportWindow = this;
    RpPrinter->ShowProgress = ShowProgress;
    RpPrinter->OnAfterPrint = [this](TRpPrinter &) {
        if (AfterPrint)
            AfterPrint(*this);
    };
    RpPrinter->OnPreviewClosed = [this](TRpPrinter &) {
        if (AfterPreview)
            AfterPreview(*this);
    };
    return true;
}

void TCustomReport::FreeReportPrinter()
{
    if (!Available) {
        CancelReport();
        return;
    }
    if (RpPrinter && RpPrinter->ShowingPreview())
        RpPrinter->SetShowingPreview(false);
    if (RpPrinter == ownPrinter_.get())
        RpPrinter = nullptr;
    // The printer may be the one telling us: it goes once its call has returned
    // (when the preview loop ends, at the next free, or with the report).
    if (ownPrinter_)
        retiredPrinter_ = std::move(ownPrinter_);
}

void TCustomReport::Print()
{
    if (!Available)
        return;
    if (Composite) {
        Composite->Print();
        return;
    }
    TRpPrinter *previous = RpPrinter;
    std::unique_ptr<TRpPrinter> kept = std::move(ownPrinter_);
    struct Restore {
        TCustomReport &r;
        TRpPrinter *previous;
        std::unique_ptr<TRpPrinter> &kept;
        ~Restore()
        {
            r.ownPrinter_ = std::move(kept);
            r.RpPrinter = previous;
        }
    } restore{*this, previous, kept};
    CreateReportPrinter();
    // With no print queue the device writes a PDF file instead; only no device at all prints nothing.
    if (!RpPrinter->Printer()) {
        ownPrinter_.reset();
        return;
    }
    RpPrinter->SetDestination(rpDestPrinter);
    std::unique_ptr<TRpProgressWindow> progress = RpWindows::CreateProgressWindow(*RpPrinter);
    if (progress) {
        RpPrinter->Client = progress->Receiver();
        if (ShowProgress)
            progress->Show();
    }
    CreateReport(false);
    if (progress)
        progress->Hide();
    ownPrinter_.reset();
}

void TCustomReport::Preview()
{
    QCoreApplication::processEvents();
    if (!CreateReportPrinter() || RpPrinter->ShowingPreview())
        return;
    TRpPrinter *printer = RpPrinter;
    printer->SetDestination(rpDestPreview);
    printer->ParentReport = this;
    printer->OnPrinterSetup = [this](TRpPrinter &) { return PrinterSetup(); };
    printer->SetTitle(ReportTitle);
    if (OnPreview)
        printer->OnShowPreview = [this](TRpPrinter &) { OnPreview(*this); };
    TRpPreviewOptions &o = printer->PreviewOptions;
    o.FromReport = true;
    o.StayOnTop = PrevStayOnTop;
    o.Maximized = PreviewMaximized;
    o.Width = PreviewWidth > 0 ? PreviewWidth : 500;
    o.Height = PreviewHeight > 0 ? PreviewHeight : 500;
    o.ShowThumbs = PrevShowThumbs;
    o.ShowSearch = PrevShowSearch;
    o.InitialZoom = PrevInitialZoom;
    o.Zoom = Zoom();
    o.Landscape = Page.Orientation() == TRpOrientation::Landscape;
    // The preview prints the pages it holds, the query may be reopened
    // meanwhile; and so from the moment the last page is stored, before this
    // run has returned: a print asked for then must not run the report again.
    const bool printMetaFile = std::exchange(PrinterSettings.PrintMetaFile, true);
    CopySettingsToPrinter();
    printer->Preview();
    try {
        CreateReport(false);
    } catch (...) {
        PrinterSettings.PrintMetaFile = printMetaFile;
        throw;
    }
    PrinterSettings.PrintMetaFile = printMetaFile;
    if (AfterPreview)
        AfterPreview(*this);
    if (Cancelled) {
        FreeReportPrinter();
        return;
    }
    // Wait in an event loop of its own, so that an application exit (a
    // termination signal) ends the wait, or prevents it, like every other loop.
    auto showing = [this] { return RpPrinter && RpPrinter->ShowingPreview(); };
    if (showing() && !QCoreApplication::closingDown()) {
        QEventLoop loop;
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &loop,
                         [&] {
                             if (!showing())
                                 loop.quit();
                         });
        loop.exec();
    }
    retiredPrinter_.reset();
}

bool TCustomReport::PrinterSetup()
{
    PrintDevice *device = RpPrinter ? RpPrinter->Printer() : PrintDevices::Shared();
    if (!device) {
        Tag = 1;
        return false;
    }
    TRpPrintDialogData d;
    d.PrinterIndex = PrinterSettings.PrinterIndex;
    d.MinPage = 0;
    d.MaxPage = 9999;
    if (RpPrinter && RpPrinter->Status() == rpStatusFinished) {
        d.MinPage = 1;
        d.MaxPage = d.ToPage = RpPrinter->PageCount();
        d.FromPage = 1;
    }
    d.Options = poPageNums | poWarning;
    d.Orientation = Page.Orientation() == TRpOrientation::Landscape ? 2 : 1;
    d.Copies = PrinterSettings.Copies;
    if (!RpWindows::RunPrintDialog(*device, d)) {
        Tag = 1;
        return false;
    }
    PrinterSettings.Copies = d.Copies;
    PrinterSettings.PrinterIndex = d.PrinterIndex;
    Page.SetOrientation(d.Orientation == 2 ? TRpOrientation::Landscape : TRpOrientation::Portrait);
    TReportPrinterSettings &last = LastDialogSettings;
    last.Copies = d.Copies;
    last.Collate = d.Collate;
    last.PrintQuality = d.PrintQuality;
    last.ColorOption = d.ColorOption;
    last.Duplex = d.Duplex;
    last.ExtendedDuplex = d.DuplexCode;
    last.PrinterIndex = d.PrinterIndex;
    last.OutputBin = std::max(0, BinIndexOfCode(d.OutputBin > 255 ? d.OutputBin - 256 : d.OutputBin));
    const bool range = d.PrintRange == prPageNums;
    last.FirstPage = range ? d.FromPage : 0;
    last.LastPage = range ? d.ToPage : 0;
    if (RpPrinter) {
        RpPrinter->SetCopies(d.Copies);
        RpPrinter->SetFirstPage(last.FirstPage);
        RpPrinter->SetLastPage(last.LastPage);
    }
    Tag = 0;
    return true;
}

bool TCustomReport::event(QEvent *e)
{
    switch (int(e->type())) {
    case rpMsgPrintAgain: Print(); return true;
    case rpMsgPreviewClosed: FreeReportPrinter(); return true;
    default: return QObject::event(e);
    }
}
