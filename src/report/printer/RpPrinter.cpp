#include "report/printer/RpPrinter.h"

#include "report/pages/RpExportFilter.h"
#include "report/pages/RpPageList.h"
#include "report/pages/RpStream.h"
#include "report/printer/RpPaper.h"
#include "report/printer/RpUnits.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

bool ReportFileLoaded = false;

namespace {

// Pages are recorded in 0.1 mm, so a recording canvas has one unit per 0.1 mm.
constexpr double RecorderFactor = 1.0;
// Paper sizes a loaded page is matched against.
constexpr int MatchedPapers = 26;

void processEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

}

TRpPrinter::TRpPrinter(QObject *parentReport, bool useStandardPrinter, int memoryLimit)
    : ParentReport(parentReport), pageList_(std::make_unique<TRpPageList>())
{
    settings_.UseStandardprinter = parentReport && useStandardPrinter;
    settings_.MemoryLimit = memoryLimit;
    if (settings_.UseStandardprinter) {
        printer_ = PrintDevices::Shared();
    } else {
        ownPrinter_ = PrintDevices::Create();
        printer_ = ownPrinter_.get();
    }
    PrinterOK = printer_ != nullptr;
    settings_.SetPrinter(printer_);
    leftOffset_ = settings_.LeftOffset;
    topOffset_ = settings_.TopOffset;
}

TRpPrinter::~TRpPrinter()
{
    if (status_ != rpStatusIdle)
        Reset();
    if (Client) {
        TRpMessageEvent freed(rpMsgPrinterFreed, 0, this);
        QCoreApplication::sendEvent(Client, &freed);
    }
}

bool TRpPrinter::supports(unsigned fields) const
{
    return !printer_ || settings_.Supports(fields);
}

int TRpPrinter::XPos(double v) const
{
    return Nearest((v - leftOffset_) * xFactor_);
}

int TRpPrinter::YPos(double v) const
{
    return Nearest((v - topOffset_) * yFactor_);
}

int TRpPrinter::XSize(double v) const
{
    return Nearest(v * xFactor_);
}

int TRpPrinter::YSize(double v) const
{
    return Nearest(v * yFactor_);
}

int TRpPrinter::PaperWidthValue() const
{
    return settings_.Orientation ? settings_.PaperLength() : settings_.PaperWidth();
}

int TRpPrinter::PaperLengthValue() const
{
    return settings_.Orientation ? settings_.PaperWidth() : settings_.PaperLength();
}

bool TRpPrinter::Compression() const
{
    return pageList_->Compression();
}

void TRpPrinter::SetCompression(bool on)
{
    pageList_->SetCompression(on);
}

void TRpPrinter::SetProgress(int percent)
{
    progress_ = std::clamp(percent, 0, 100);
    if (Client)
        QCoreApplication::postEvent(Client, new TRpMessageEvent(rpMsgProgress, progress_, this));
}

void TRpPrinter::SetAvailablePages(int n)
{
    availablePages_ = n;
    if (Client)
        QCoreApplication::postEvent(Client, new TRpMessageEvent(rpMsgPagesAvailable, n, this));
}

void TRpPrinter::BeginDoc()
{
    if (status_ != rpStatusIdle)
        throw ERpError(QStringLiteral("RpPrinter not ready"));
    recorder_.reset();
    canvas_ = nullptr;
    availablePages_ = 0;
    Cancelled = false;
    if (destination_ == rpDestPrinter) {
        if (!printer_)
            throw ERpError(QStringLiteral("No printer installed"));
        settings_.ApplySettings();
        leftOffset_ = settings_.LeftOffset;
        topOffset_ = settings_.TopOffset;
        xFactor_ = DeviceFactor(printer_->XResolution());
        yFactor_ = DeviceFactor(printer_->YResolution());
    } else {
        leftOffset_ = topOffset_ = 0;
        pageList_->SetStream(std::make_unique<TRpStream>(settings_.MemoryLimit));
        pageList_->Clear();
        xFactor_ = yFactor_ = RecorderFactor;
    }
    pageNumber_ = 0;
    pageCount_ = 0;
    status_ = rpStatusBusy;
}

bool TRpPrinter::pageInRange() const
{
    return !((firstPage_ > 0 && firstPage_ > pageCount_) || (lastPage_ > 0 && lastPage_ < pageCount_));
}

void TRpPrinter::closePage()
{
    // The page leaves the printer before it is stored: a store that fails
    // (no room for its temporary file) leaves no open page to store again.
    std::unique_ptr<PictureRecorder> recorder = std::move(recorder_);
    canvas_ = nullptr;
    HyperlinkList.clear();
    if (recorder && destination_ == rpDestPreview)
        pageList_->AddPage(recorder->finish());
}

void TRpPrinter::openPage()
{
    HyperlinkList.clear();
    if (destination_ == rpDestPreview || !pageInRange()) {
        recorder_ = std::make_unique<PictureRecorder>(PaperWidthValue(), PaperLengthValue());
        canvas_ = recorder_.get();
        xFactor_ = yFactor_ = RecorderFactor;
        return;
    }
    // One device page per printed page: the job opens the first, NewPage each next.
    if (!printer_->Printing()) {
        printer_->SetTitle(title_);
        printer_->BeginDoc();
    } else {
        printer_->NewPage();
    }
    canvas_ = &printer_->PageCanvas();
    xFactor_ = DeviceFactor(printer_->XResolution());
    yFactor_ = DeviceFactor(printer_->YResolution());
}

void TRpPrinter::NewPage()
{
    if (status_ != rpStatusBusy)
        throw ERpError(QStringLiteral("Illegal call to NewPage"));
    if (pageNumber_ > 0) {
        closePage();
        SetAvailablePages(availablePages_ + 1);
    }
    ++pageCount_;
    ++pageNumber_;
    openPage();
}

void TRpPrinter::EndDoc()
{
    if (status_ != rpStatusBusy)
        return;
    // A last page that cannot be stored still ends the run; the error goes on.
    status_ = rpStatusFinished;
    if (destination_ == rpDestPrinter) {
        closePage();
        if (printer_->Printing())
            printer_->EndDoc();
    } else if (pageCount_ > 0) {
        closePage();
    }
    SetAvailablePages(std::min(availablePages_ + 1, pageCount_));
    processEvents();
    if (destination_ == rpDestPreview)
        pageList_->WriteFileHeader();
    else if (OnAfterPrint)
        OnAfterPrint(*this);
}

void TRpPrinter::AbortDoc(bool dropPage)
{
    // A page that cannot be stored still ends the run, and the windows that
    // follow the run learn that it has ended either way; the error goes on.
    status_ = rpStatusFinished;
    const auto tellEnded = [this] {
        SetAvailablePages(destination_ == rpDestPreview ? pageList_->PageCount() : availablePages_);
    };
    try {
        if (destination_ == rpDestPrinter) {
            closePage();
            if (printer_ && printer_->Printing())
                printer_->Abort();
        } else if (recorder_) {
            if (dropPage)
                recorder_.reset();
            closePage();
        }
    } catch (...) {
        tellEnded();
        throw;
    }
    tellEnded();
}

void TRpPrinter::Reset()
{
    if (status_ == rpStatusBusy)
        Cancel();
    recorder_.reset();
    canvas_ = nullptr;
    HyperlinkList.clear();
    pageList_->SetStream(nullptr);
    pageList_->Clear();
    status_ = rpStatusIdle;
}

void TRpPrinter::SetShowingPreview(bool on)
{
    const bool closing = showingPreview_ && !on;
    showingPreview_ = on;
    if (!closing)
        return;
    if (status_ == rpStatusBusy)
        Cancel();
    if (OnPreviewClosed)
        OnPreviewClosed(*this);
}

void TRpPrinter::ClosePreview()
{
    SetShowingPreview(false);
    // The report may free this printer while it handles the message.
    if (QObject *report = ReportWindow) {
        TRpMessageEvent closed(rpMsgPreviewClosed, 0, this);
        QCoreApplication::sendEvent(report, &closed);
    }
}

std::optional<PagePicture> TRpPrinter::GetPage(int n)
{
    if ((status_ != rpStatusBusy && status_ != rpStatusFinished) || n < 1 || n > pageCount_)
        return std::nullopt;
    return pageList_->GetPage(n);
}

void TRpPrinter::Preview()
{
    if (OnShowPreview) {
        OnShowPreview(*this);
        return;
    }
    if (std::unique_ptr<TRpPreviewInterface> preview = RpWindows::CreatePreviewInterface())
        PreviewForm = preview->Show(*this);
}

void TRpPrinter::Save(const QString &fileName)
{
    if (status_ == rpStatusFinished)
        pageList_->SaveToFile(fileName);
}

void TRpPrinter::ExportToFilter(TRpExportFilter &filter)
{
    if (status_ != rpStatusFinished)
        return;
    if (OnExport) {
        OnExport(*this, filter);
        return;
    }
    filter.BeginDoc(pageCount_);
    for (int n = 1; n <= pageCount_; ++n)
        if (const std::optional<PagePicture> page = pageList_->GetPage(n))
            filter.NewPage(n, *page);
    filter.EndDoc();
}

void TRpPrinter::Load(const QString &fileName)
{
    if (status_ == rpStatusBusy)
        Cancel();
    // The list keeps its pages when the file is refused.
    pageList_->LoadFromFile(fileName);
    recorder_.reset();
    canvas_ = nullptr;
    pageCount_ = pageList_->PageCount();
    availablePages_ = pageCount_;
    xFactor_ = yFactor_ = RecorderFactor;
    status_ = rpStatusFinished;
    fileLoaded_ = true;
    ReportFileLoaded = true;
    if (pageCount_ < 1)
        return;
    const std::optional<PagePicture> first = pageList_->GetPage(1);
    if (!first)
        return;
    const int w = first->width() / 40;
    const int h = first->height() / 40;
    for (int i = 1; i <= MatchedPapers; ++i) {
        const TRpPaperInfo &paper = PaperInfo(static_cast<TRpPaperSize>(i));
        const int pw = int(paper.width / 4), pl = int(paper.length / 4);
        if (w == pw && h == pl) {
            SetPaperSize(i);
            SetOrientation(false);
            break;
        }
        if (h == pw && w == pl) {
            SetPaperSize(i);
            SetOrientation(true);
            break;
        }
    }
}

void TRpPrinter::SetCopies(int copies)
{
    settings_.Copies = copies;
}

void TRpPrinter::SetOutputBin(int bin)
{
    if (supports(dmDefaultSource))
        settings_.OutputBin = bin;
}

void TRpPrinter::SetDuplex(bool on)
{
    if (supports(dmDuplex))
        settings_.Duplex = on;
}

void TRpPrinter::SetOrientation(bool landscape)
{
    if (supports(dmOrientation))
        settings_.Orientation = landscape;
}

void TRpPrinter::SetPaperSize(int index)
{
    if (index < 0 || index >= RpPaperSizeCount)
        return;
    if (index == 0 || !printer_ || settings_.PaperAvailable[index])
        settings_.PaperSize = index;
}

void TRpPrinter::SetPrinterIndex(int index)
{
    printerIndex_ = index;
    if (printer_ && printer_->HasPrinters() && !settings_.UseStandardprinter) {
        printer_->SetPrinterIndex(index);
        settings_.ReadSettings();
    }
}
