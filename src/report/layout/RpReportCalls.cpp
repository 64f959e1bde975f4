#include "platform/print/PrintDevice.h"
#include "report/layout/RpComposite.h"
#include "report/layout/RpReport.h"
#include "report/pages/RpExportFilter.h"
#include "report/printer/RpPrinter.h"
#include "report/printer/RpWindowHooks.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
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

void TCustomReport::RunOnOwnPrinter(const QString &caption, const std::function<bool(TRpPrinter &)> &prepare)
{
    if (!Available)
        return;
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
    if (prepare && !prepare(*RpPrinter)) {
        ownPrinter_.reset();
        return;
    }
    std::unique_ptr<TRpProgressWindow> progress = RpWindows::CreateProgressWindow(*RpPrinter);
    if (progress) {
        if (!caption.isEmpty())
            progress->SetCaption(caption);
        RpPrinter->Client = progress->Receiver();
        if (ShowProgress)
            progress->Show();
    }
    CreateReport(false);
    if (progress)
        progress->Hide();
    ownPrinter_.reset();
}

void TCustomReport::Print()
{
    if (!Available)
        return;
    if (Composite) {
        Composite->Print();
        return;
    }
    RunOnOwnPrinter(QString(), [](TRpPrinter &printer) {
        // With no print queue the device writes a PDF file instead; only no device at all prints nothing.
        if (!printer.Printer())
            return false;
        printer.SetDestination(rpDestPrinter);
        return true;
    });
}

void TCustomReport::ExportToFilter(TRpExportFilter &filter)
{
    if (!Available)
        return;
    struct Detach {
        TCustomReport &r;
        TRpExportFilter &filter;
        ~Detach()
        {
            r.Exporting = false;
            r.ExportFilter = nullptr;
            r.PrintToCanvas = true;
            filter.Report = nullptr;
            filter.Printer = nullptr;
        }
    } detach{*this, filter};
    Exporting = true;
    ExportFilter = &filter;
    filter.Report = this;
    filter.Printer = RpPrinter;
    filter.ReportStarted = false;
    PrintToCanvas = false;
    RunOnOwnPrinter(QStringLiteral("Exporting Progress"), {});
}

void TCustomReport::Preview()
{
    QCoreApplication::processEvents();
    if (!CreateReportPrinter() || RpPrinter->ShowingPreview())
        return;
    TRpPrinter *printer = RpPrinter;
    printer->SetDestination(rpDestPreview);
    printer->ParentReport = this;
    printer->OnPrinterSetup = [this](TRpPrinter &sender) {
        if (!PrinterSetup())
            return false;
        TakePrinterSetup(sender);
        return true;
    };
    printer->OnExport = [this](TRpPrinter &, TRpExportFilter &filter) { ExportToFilter(filter); };
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
    const QPointer<QObject> previewForm = printer->PreviewForm;
    try {
        CreateReport(false);
    } catch (...) {
        PrinterSettings.PrintMetaFile = printMetaFile;
        // A run that failed leaves no report to show: the window goes, the error to the caller.
        if (previewForm)
            QMetaObject::invokeMethod(previewForm, "close", Qt::DirectConnection);
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
    TakeDialogChoices(d, LastDialogSettings);
    Tag = 0;
    return true;
}

void TCustomReport::TakePrinterSetup(TRpPrinter &printer)
{
    const TReportPrinterSettings &chosen = LastDialogSettings;
    printer.ApplySetup(chosen);
    if (printer.FileLoaded())
        return;
    CopySetupChoices(chosen, PrinterSettings);
    PrinterSettings.PrinterIndex = chosen.PrinterIndex;
    PrinterSettings.FirstPage = chosen.FirstPage;
    PrinterSettings.LastPage = chosen.LastPage;
}

void TCustomReport::TakeDesignImage()
{
    DesignImage = RpPrinter ? RpPrinter->GetPage(1) : std::nullopt;
    if (OnDesignImageChanged)
        OnDesignImageChanged(*this);
}

bool TCustomReport::event(QEvent *e)
{
    switch (int(e->type())) {
    case rpMsgPagesAvailable:
        if (static_cast<TRpMessageEvent *>(e)->Param == 1)
            TakeDesignImage();
        return true;
    case rpMsgPrintAgain: Print(); return true;
    case rpMsgPreviewClosed: FreeReportPrinter(); return true;
    default: return QObject::event(e);
    }
}
