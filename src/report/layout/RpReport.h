#pragma once

#include "report/expr/RpEvEnvironment.h"
#include "report/layout/RpBand.h"
#include "report/layout/RpController.h"
#include "report/printer/RpUnits.h"

#include "report/printer/RpPrinter.h"
#include "report/printer/RpPrinterSettings.h"

#include <QFont>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class DataSet;
class TRpCompositeReport;
class TRpExportFilter;
class TRpPrinter;

enum TRpReportOption { FirstPageHeader = 1, LastPageFooter = 2, Compression = 4 };
using TRpReportOptions = int;

// The report engine: bands and printables over a record loop, broken into
// pages and columns and drawn into a report printer.
class TCustomReport : public QObject {
    Q_OBJECT
public:
    TCustomReport();
    ~TCustomReport() override;
    TCustomReport(const TCustomReport &) = delete;
    TCustomReport &operator=(const TCustomReport &) = delete;

    // Published.
    std::function<void(TCustomReport &)> AfterPrint, AfterPreview, OnStartPage, OnEndPage, OnPreview;
    std::function<void(TCustomReport &, bool &printReport)> BeforePrint;
    QStringList Description;
    QFont Font;
    TRpReportOptions Options = FirstPageHeader | LastPageFooter;
    TRpPage Page;
    TReportPrinterSettings PrinterSettings;
    // Handed to the report printer before each run: when it reads the
    // device's settings and before it writes them for a job.
    TRpPrinterEvent OnGetPrinterSettings, OnApplyPrinterSettings;
    TReportPrinterSettings LastDialogSettings; // choices of the last print dialog
    QString ReportTitle;
    bool ShowProgress = true;
    int Tag = 0;
    int PreviewWidth = 500, PreviewHeight = 500;
    bool PrevShowThumbs = true, PrevShowSearch = true;
    bool PrevStayOnTop = false;    // the preview's form style
    bool PreviewMaximized = false; // the preview's initial window state
    TRpZoomState PrevInitialZoom = rpZoomOther;

    bool PrintIfEmpty() const { return controller_->PrintIfEmpty; }
    void SetPrintIfEmpty(bool on) { controller_->PrintIfEmpty = on; }
    TRpUnit Units() const { return Page.Units(); }
    void SetUnits(TRpUnit units);
    int Zoom() const { return zoom_; }
    void SetZoom(int zoom);

    // Bands: the report owns them; BandList is in insertion order.
    TRpBand *AddBand(TRpBandType type);
    // A band of any class (a group, a sub-detail), made with the report first.
    template <class T, class... Args> T *CreateBand(Args &&...args)
    {
        auto band = std::make_unique<T>(this, std::forward<Args>(args)...);
        T *raw = band.get();
        AdoptBand(std::move(band));
        return raw;
    }
    TRpChildBand *AddChildBand(TRpCustomBand *parent);
    void RemoveBand(TRpCustomBand *band);
    const std::vector<TRpCustomBand *> &BandList() const { return bandList_; }
    TRpCustomBand *FindBand(TRpBandType type) const;
    bool HasBand(TRpBandType type) const { return FindBand(type) != nullptr; }
    void SetHasBand(TRpBandType type, bool on);
    // The design order of the bands: page headers, title, column headers, the
    // record loop's bands, page footers, the rest; each band followed by its
    // child bands. Rebuilt when bands, types or masters change; a change during
    // a run is taken in once the run is over.
    void ArrangeBands();
    const std::vector<TRpCustomBand *> &PrintOrderList() const { return printOrder_; }
    // Gives every band its width: the printable width to the page-wide bands,
    // one column to the others. Runs whenever bands, their types or masters,
    // the margins, orientation, paper or columns change; a width set after
    // that stays until the next such change.
    void LayoutBandWidths();

    // Printables placed on the report itself, printed once per page when it ends.
    template <class T, class... Args> T *AddPrintable(Args &&...args)
    {
        auto p = std::make_unique<T>(std::forward<Args>(args)...);
        T *raw = p.get();
        raw->SetParent(this, nullptr);
        raw->Size.SetUnits(Units());
        printables_.push_back(std::move(p));
        return raw;
    }

    TRpCustomController &Controller() { return *controller_; }

    // A driver printing several reports into one document; Print hands over to it.
    TRpCompositeReport *Composite = nullptr;

    // The report's expression variables (PAGENUMBER, COLUMNNUMBER, REPORTTITLE
    // kept current during a run) and the datasets expressions may name; the
    // record loop's and the database texts' datasets join them for each run.
    TRpEvEnvironment Functions;
    TRpDataSetList DataSetList;

    // Runs.
    virtual void CreateReport(bool composite);
    void Print();
    void Preview();
    // The print dialog of the preview's set-up button; false (Tag 1) on Cancel.
    bool PrinterSetup();
    // Hands the choices of the last print dialog to a printer and, unless it
    // holds a loaded page file, to PrinterSettings too.
    void TakePrinterSetup(TRpPrinter &printer);
    // Runs the report once through the filter, which is told what is drawn.
    void ExportToFilter(TRpExportFilter &filter);
    bool CreateReportPrinter();
    void FreeReportPrinter();
    void CancelReport();

    // Page machinery, used by bands and the record loop.
    void NewPage();
    void NewColumn();
    void EndPage();
    int AvailableSpace() const;
    void PrintBand(TRpCustomBand *band);
    // The length the page's bands run down to (the page's own length).
    double PaperExtent() const;

    // Device rectangle between two points in 0.1 mm (right and bottom exclusive).
    QRect DeviceRect(double left, double top, double right, double bottom) const;
    bool IsCancelled() const;
    void SetProgress(int percent);
    TRpFrame Frame;

    // Run state.
    bool Available = true;
    bool Cancelled = false;
    bool FinalPage = false;
    bool PrintToCanvas = true;
    bool Exporting = false;
    TRpExportFilter *ExportFilter = nullptr; // while Exporting
    int PageNumber = 0;
    bool CompositeRun = false;
    TRpPrinter *RpPrinter = nullptr;

    // Where the next band goes, in 0.1 mm from the paper's top-left corner;
    // no page is begun until the first band of a run opens one.
    int CurrentX() const { return currentX_; }
    int CurrentY() const { return currentY_; }
    bool PageBegun() const { return currentY_ != -1; }
    // The next band opens a page (a composite run's next report).
    void ForgetPagePosition() { currentY_ = -1; }
    // Down past a band of that height.
    void Advance(int height);
    // Back to the left margin, under everything the page's columns hold.
    void MoveBelowColumns();

    // Breaks bands ask for. Headers printed because of a break stand where
    // they are: no further break while they print.
    bool PrintingBreakHeaders() const { return printingBreakHeaders_; }
    // A detail band moved on to fit swallows its own forced page break.
    bool SkipsForcedBreak() const { return skipForcedBreak_; }
    void StopSkippingForcedBreak() { skipForcedBreak_ = false; }
    void BreakToFit(bool skipForcedBreak);
    // A band whose content goes on in the next column.
    void ContinueInNextColumn();
    // Swallowed right after the report's headers at the top of a page.
    void ForcePageBreak();
    // The first one in the first column is deferred to the next column break.
    void ForceColumnBreak();
    void MarkHeaderJustPrinted() { headerJustPrinted_ = true; }
    // A band's output is over; one below the headers ends their hold on a forced break.
    void BandDone(bool belowHeaders);

    // Page 1 of a run, shown under the bands on the design surface; dropped
    // when a band is resized there.
    std::optional<PagePicture> DesignImage;
    // The design image changed: repaint.
    std::function<void(TCustomReport &)> OnDesignImageChanged;
    // Takes page 1 of RpPrinter as the design image (none without such a
    // page); done when the printer tells the report its first page is stored.
    void TakeDesignImage();

protected:
    bool event(QEvent *e) override;
    virtual void ExecuteBody();
    void SetController(std::unique_ptr<TRpCustomController> controller)
    {
        controller_ = std::move(controller);
    }
    void ForEachPrintable(const std::function<void(TRpPrintable &)> &f);

public:
    // Paper, orientation, printer settings and title of the report into RpPrinter.
    void CopySettingsToPrinter();
    // A dataset expressions may name during this run (nothing outside a run).
    void JoinDataSet(::DataSet *ds);

private:
    class BreakHeaders;

    // How far a run got, for the clean-up after it.
    struct RunStage {
        bool documentOpen = false;
        bool environment = false;
        bool prepared = false;
    };
    void PrintRun(bool composite);
    void RunBody(bool composite, RunStage &stage);
    void EndRun(bool composite, TRpUnit savedUnits, const RunStage &stage, bool failed);
    // One run on a report printer of its own, with the progress window
    // (captioned when caption is not empty); prepare may refuse the run. The
    // printer the report had is given back afterwards.
    void RunOnOwnPrinter(const QString &caption, const std::function<bool(TRpPrinter &)> &prepare);
    void CollectDataSets();
    void SetNumber(TRpEvElement *element, int value);
    void PrintPageHeaders();
    void AdoptBand(std::unique_ptr<TRpCustomBand> band);
    void AssignControllerBands();

    std::unique_ptr<TRpCustomController> controller_;
    std::vector<std::unique_ptr<TRpCustomBand>> bands_;
    std::vector<TRpCustomBand *> bandList_;
    std::vector<TRpCustomBand *> printOrder_;
    bool arrangePending_ = false;
    std::vector<double> laidPage_; // the page values the band widths follow
    int laidColumns_ = 0;
    std::vector<std::unique_ptr<TRpPrintable>> printables_;
    std::unique_ptr<TRpPrinter> ownPrinter_;
    std::unique_ptr<TRpPrinter> retiredPrinter_;
    TRpDataSetList addedDataSets_; // joined DataSetList for the run
    TRpEvElement *pageNumberVar_ = nullptr;
    TRpEvElement *columnNumberVar_ = nullptr;
    int zoom_ = 100;
    // The page position and break state of a run.
    int currentColumn_ = 1;
    int currentX_ = 0;
    int currentY_ = -1;
    int columnTopY_ = 0;
    int pageTopY_ = 0;
    double pageFooterSize_ = 0;
    bool headerJustPrinted_ = false;
    bool columnBreakDeferred_ = false;
    bool skipForcedBreak_ = false;
    bool printingBreakHeaders_ = false;
};

// The published report: a record loop over a dataset.
class TReport : public TCustomReport {
    Q_OBJECT
public:
    TReport();
    ::DataSet *DataSet() const;
    void SetDataSet(::DataSet *dataSet);
    std::function<void(TCustomReport &, bool &moreData)> OnNeedData;

protected:
    void ExecuteBody() override;
};

// "Prefix" and the first free number from 1 among the report's band names.
QString UniqueComponentName(const TCustomReport &report, const QString &prefix);
// A new band of the type, named uniquely by its type's prefix.
TRpBand *CreateBandOfType(TCustomReport &report, TRpBandType type);
