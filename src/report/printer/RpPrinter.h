#pragma once

#include "platform/print/PagePicture.h"
#include "report/RpError.h"
#include "report/pages/RpHyperlinks.h"
#include "report/printer/RpPrinterSettings.h"
#include "report/printer/RpWindowHooks.h"

#include <QEvent>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class TRpExportFilter;
class TRpPageList;
class TRpPrinter;

enum TRpPrinterStatus : unsigned char { rpStatusIdle = 0, rpStatusBusy = 1, rpStatusFinished = 2 };
enum TRpDestination : unsigned char { rpDestPreview = 0, rpDestPrinter = 1 };
enum TRpZoomState { rpZoomToFit, rpZoomToWidth, rpZoomOther };

// What the printer posts to the windows that follow it. Param carries the
// percentage (Progress) or the number of pages available (PagesAvailable).
enum TRpMessage {
    rpMsgProgress = QEvent::User,           // to the Client
    rpMsgPagesAvailable = QEvent::User + 1, // to the Client
    rpMsgPrintAgain = QEvent::User + 2,     // to the ReportWindow: run again for the printer
    rpMsgPreviewClosed = QEvent::User + 4,  // sent to the ReportWindow
    rpMsgPrinterFreed = QEvent::User + 5,   // sent to the Client: forget the printer
};
class TRpMessageEvent : public QEvent {
public:
    TRpMessageEvent(TRpMessage message, int param, TRpPrinter *printer)
        : QEvent(static_cast<QEvent::Type>(message)), Param(param), Printer(printer)
    {
    }
    int Param;
    TRpPrinter *Printer;
};

// How the report wants its preview window shown.
struct TRpPreviewOptions {
    bool FromReport = false; // false: maximised, thumbnails and search, zoom 100
    bool StayOnTop = true;
    bool Maximized = false;
    int Width = 500;
    int Height = 500;
    bool ShowThumbs = true;
    bool ShowSearch = true;
    TRpZoomState InitialZoom = rpZoomOther;
    int Zoom = 100;
    bool Landscape = false;
};

// The pages of one report: recorded for the preview, or sent to the device.
// Lengths are in 0.1 mm; XPos/YPos/XSize/YSize give device pixels.
class TRpPrinter {
public:
    // A printer for a report copies the report's standard-printer switch and memory limit.
    explicit TRpPrinter(QObject *parentReport = nullptr, bool useStandardPrinter = false,
                        int memoryLimit = 250000);
    ~TRpPrinter();
    TRpPrinter(const TRpPrinter &) = delete;
    TRpPrinter &operator=(const TRpPrinter &) = delete;

    void BeginDoc();
    void NewPage();
    void EndDoc();
    // Closes the run without the normal end; keeps the open page unless dropPage.
    void AbortDoc(bool dropPage = false);
    void Cancel() { Cancelled = true; }
    void Reset();
    // Sends the stored pages to the device.
    void Print();
    void Preview();
    // Replaces the pages by a page file's; throws and keeps the pages on a bad file.
    void Load(const QString &fileName);
    void Save(const QString &fileName);
    // Hands the pages of a finished report to the filter, page by page;
    // OnExport, when set (a report's preview: the report runs again for the
    // filter), exports instead.
    void ExportToFilter(TRpExportFilter &filter);
    // Page n (1-based) of a running or finished report, nothing when there is none.
    std::optional<PagePicture> GetPage(int n);
    void ClosePreview();
    // The report's printer set-up (OnPrinterSetup), or the print dialog on
    // this printer's device; true when confirmed.
    bool PrinterSetup();
    // Takes the choices of a printer set-up: selects the chosen printer (the
    // dialog has set its job up) and copies the job choices and page range.
    void ApplySetup(const TReportPrinterSettings &choices);

    int XPos(double v) const;
    int YPos(double v) const;
    int XSize(double v) const;
    int YSize(double v) const;
    double XFactor() const { return xFactor_; }
    double YFactor() const { return yFactor_; }

    // The selected paper in 0.1 mm, following the orientation.
    int PaperWidthValue() const;
    int PaperLengthValue() const;

    // The open page; null outside a page.
    Canvas *GetCanvas() const { return canvas_; }
    TRpPageList &PageList() { return *pageList_; }
    TPrinterSettings &PrinterSettings() { return settings_; }
    PrintDevice *Printer() const { return printer_; }

    bool Compression() const;
    void SetCompression(bool on);
    TRpDestination Destination() const { return destination_; }
    void SetDestination(TRpDestination d) { destination_ = d; }
    int FirstPage() const { return firstPage_; }
    void SetFirstPage(int p) { firstPage_ = p; }
    int LastPage() const { return lastPage_; }
    void SetLastPage(int p) { lastPage_ = p; }
    int PageCount() const { return pageCount_; }
    int PageNumber() const { return pageNumber_; }
    int Progress() const { return progress_; }
    void SetProgress(int percent); // posts rpMsgProgress to the Client
    int AvailablePages() const { return availablePages_; }
    void SetAvailablePages(int n); // posts rpMsgPagesAvailable to the Client
    TRpPrinterStatus Status() const { return status_; }
    QString Title() const { return title_; }
    void SetTitle(const QString &t) { title_ = t; }
    bool ShowingPreview() const { return showingPreview_; }
    void SetShowingPreview(bool on);
    bool FileLoaded() const { return fileLoaded_; }
    int LeftOffset() const { return leftOffset_; }
    int TopOffset() const { return topOffset_; }

    // Setters that forward to the settings (and check what the device supports).
    void SetCopies(int copies);
    void SetOutputBin(int bin);
    void SetDuplex(bool on);
    void SetOrientation(bool landscape);
    bool Orientation() const { return settings_.Orientation; }
    void SetPaperSize(int index);
    int PaperSize() const { return settings_.PaperSize; }
    void SetPaperWidth(int v) { settings_.SetPaperWidth(v); }
    void SetPaperLength(int v) { settings_.SetPaperLength(v); }
    void SetPrinterIndex(int index);
    int PrinterIndex() const { return printerIndex_; }

    QObject *ParentReport = nullptr;
    QPointer<QObject> Client;       // gets progress and pages-available messages
    QPointer<QObject> ReportWindow; // gets print-again and preview-closed messages
    QObject *PreviewForm = nullptr; // the window made by Preview
    bool Cancelled = false;
    bool PrinterOK = false;
    bool ShowProgress = true;
    TRpPreviewOptions PreviewOptions;
    // The links drawn on the open page, in its units; emptied when the page closes.
    QList<TRpHyperlink> HyperlinkList;
    std::function<void(TRpPrinter &)> OnAfterPrint;
    std::function<void(TRpPrinter &)> OnShowPreview;
    std::function<void(TRpPrinter &)> OnPreviewClosed;
    std::function<void(TRpPrinter &, TRpExportFilter &)> OnExport;
    // The report's printer set-up, run from the preview; true when confirmed.
    std::function<bool(TRpPrinter &)> OnPrinterSetup;

private:
    bool pageInRange() const;
    void closePage();
    void openPage();
    bool supports(unsigned fields) const;

    std::unique_ptr<PrintDevice> ownPrinter_;
    PrintDevice *printer_ = nullptr;
    TPrinterSettings settings_;
    std::unique_ptr<TRpPageList> pageList_;
    std::unique_ptr<PictureRecorder> recorder_;
    Canvas *canvas_ = nullptr;
    TRpDestination destination_ = rpDestPreview;
    TRpPrinterStatus status_ = rpStatusIdle;
    int firstPage_ = 0;
    int lastPage_ = 0;
    int pageCount_ = 0;
    int pageNumber_ = 0;
    int progress_ = 0;
    int availablePages_ = 0;
    int leftOffset_ = 0;
    int topOffset_ = 0;
    int printerIndex_ = -1;
    double xFactor_ = 96.0 / 254;
    double yFactor_ = 96.0 / 254;
    QString title_;
    bool showingPreview_ = false;
    bool fileLoaded_ = false;
};

// A confirmed print dialog's choices in a report's terms (the bin as an index).
void TakeDialogChoices(const TRpPrintDialogData &dialog, TReportPrinterSettings &settings);

// Set once any page file has been loaded (the preview's print button reads it).
extern bool ReportFileLoaded;
