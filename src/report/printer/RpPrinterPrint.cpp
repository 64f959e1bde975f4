#include "report/pages/RpPageList.h"
#include "report/printer/RpPrinter.h"
#include "report/printer/RpUnits.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

// Hides the progress window and gives the printer its old client back on every way out.
class ProgressScope {
public:
    ProgressScope(TRpPrinter &printer, bool show) : printer_(printer), oldClient_(printer.Client)
    {
        if (show)
            window_ = RpWindows::CreateProgressWindow(printer);
        if (window_) {
            window_->Show();
            printer_.Client = window_->Receiver();
        }
    }
    ~ProgressScope()
    {
        if (window_) {
            window_->Hide();
            printer_.Client = oldClient_;
        }
    }
    bool active() const { return window_ != nullptr; }

private:
    TRpPrinter &printer_;
    QPointer<QObject> oldClient_;
    std::unique_ptr<TRpProgressWindow> window_;
};

}

void TRpPrinter::Print()
{
    if (ReportWindow && !fileLoaded_ && !settings_.PrintMetaFile && status_ == rpStatusFinished) {
        QCoreApplication::postEvent(ReportWindow, new TRpMessageEvent(rpMsgPrintAgain, 0, this));
        return;
    }
    if (status_ != rpStatusFinished || !PrinterOK || !printer_)
        return;
    // The range never reaches outside the pages there are.
    const int first = std::max(1, firstPage_ != 0 ? firstPage_ : 1);
    const int last = std::min(pageCount_, lastPage_ != 0 ? lastPage_ : pageCount_);
    if (first > last)
        return;

    printer_->SetTitle(title_);
    if (printer_->Printing())
        printer_->Abort();
    settings_.ApplySettings();
    Cancelled = false;
    ProgressScope progress(*this, ShowProgress);
    printer_->BeginDoc();
    try {
        const double xres = DeviceFactor(settings_.XResolution);
        const double yres = DeviceFactor(settings_.YResolution);
        const int left = -Nearest(settings_.LeftOffset * xres);
        const int top = -Nearest(settings_.TopOffset * yres);
        for (int i = first; i <= last; ++i) {
            if (QCoreApplication::instance())
                QCoreApplication::processEvents();
            if (progress.active())
                SetProgress(Nearest(double(i - first + 1) / (last - first + 1) * 100));
            if (const std::optional<PagePicture> page = pageList_->GetPage(i)) {
                const int right = Nearest((page->width() - settings_.LeftOffset) * xres);
                const int bottom = Nearest((page->height() - settings_.TopOffset) * yres);
                page->replay(printer_->PagePainter(), QRectF(left, top, right - left, bottom - top));
            }
            if (i < last)
                printer_->NewPage();
            if (Cancelled) {
                printer_->Abort();
                break;
            }
        }
    } catch (...) {
        printer_->Abort();
        throw;
    }
    if (OnAfterPrint)
        OnAfterPrint(*this);
    if (printer_->Printing())
        printer_->EndDoc();
}

bool TRpPrinter::PrinterSetup()
{
    if (OnPrinterSetup)
        return OnPrinterSetup(*this);
    if (!printer_)
        return false;
    TRpPrintDialogData d;
    d.PrinterIndex = printerIndex_;
    d.MaxPage = 9999;
    if (status_ == rpStatusFinished && pageCount_ > 0) {
        d.MinPage = 1;
        d.MaxPage = pageCount_;
        d.FromPage = 1;
        d.ToPage = pageCount_;
    }
    d.Options = poPageNums | poWarning;
    d.Orientation = settings_.Orientation ? 2 : 1;
    d.Copies = settings_.Copies;
    d.Collate = settings_.Collate;
    if (!RpWindows::RunPrintDialog(*printer_, d))
        return false;
    TReportPrinterSettings choices;
    TakeDialogChoices(d, choices);
    ApplySetup(choices);
    return true;
}

void TRpPrinter::ApplySetup(const TReportPrinterSettings &choices)
{
    printerIndex_ = choices.PrinterIndex;
    settings_.ReadSettings();
    CopySetupChoices(choices, settings_);
    firstPage_ = choices.FirstPage;
    lastPage_ = choices.LastPage;
}

void TakeDialogChoices(const TRpPrintDialogData &d, TReportPrinterSettings &s)
{
    s.Copies = d.Copies;
    s.Collate = d.Collate;
    s.PrintQuality = d.PrintQuality;
    s.ColorOption = d.ColorOption;
    s.Duplex = d.Duplex;
    s.ExtendedDuplex = d.DuplexCode;
    s.PrinterIndex = d.PrinterIndex;
    s.OutputBin = std::max(0, BinIndexOfCode(d.OutputBin > 255 ? d.OutputBin - 256 : d.OutputBin));
    const bool range = d.PrintRange == prPageNums;
    s.FirstPage = range ? d.FromPage : 0;
    s.LastPage = range ? d.ToPage : 0;
}
