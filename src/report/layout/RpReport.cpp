#include "report/layout/RpReport.h"

#include "platform/db/DataSet.h"
#include "report/layout/RpControllerBand.h"
#include "report/layout/RpLabel.h"
#include "report/pages/RpExportFilter.h"
#include "report/printer/RpPrinter.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// Undoes what a run changed on the report, on every way out of it.
class RunScope {
public:
    explicit RunScope(std::function<void()> undo) : undo_(std::move(undo)) {}
    ~RunScope()
    {
        if (undo_)
            undo_();
    }
    RunScope(const RunScope &) = delete;
    RunScope &operator=(const RunScope &) = delete;

private:
    std::function<void()> undo_;
};

} // namespace

TCustomReport::TCustomReport() : controller_(std::make_unique<TRpCustomController>(this))
{
    Font = QFont(QStringLiteral("Arial"), 10);
    Functions.AddFunction(QStringLiteral("PAGENUMBER"), QStringLiteral("0"));
    Functions.AddFunction(QStringLiteral("COLUMNNUMBER"), QStringLiteral("0"));
    Functions.AddFunction(QStringLiteral("REPORTTITLE"), QStringLiteral("''"));
    Page.FontPoints = Font.pointSizeF();
    Page.OnApply = [this] {
        // A page value set again unchanged leaves the widths the report gave its bands.
        if (Page.Values() != laidPage_ || Page.Columns() != laidColumns_)
            LayoutBandWidths();
    };
    // A new report starts on the paper the current printer has by default.
    TRpPrinter probe;
    if (probe.Printer() && probe.PaperSize() > 0 && probe.PaperSize() < int(TRpPaperSize::Custom))
        Page.SetPaperSize(TRpPaperSize(probe.PaperSize()));
}

TCustomReport::~TCustomReport() = default;

void TCustomReport::SetUnits(TRpUnit units)
{
    Page.SetUnits(units);
    for (TRpCustomBand *band : bandList_) {
        band->Size.SetUnits(units);
        for (const auto &p : band->Printables())
            p->Size.SetUnits(units);
    }
    for (const auto &p : printables_)
        p->Size.SetUnits(units);
}

void TCustomReport::SetZoom(int zoom)
{
    if (zoom < 1 || zoom > 300)
        return;
    zoom_ = zoom;
    Page.Zoom = zoom;
    for (TRpCustomBand *band : bandList_)
        band->Size.Zoom = zoom;
    ForEachPrintable([zoom](TRpPrintable &p) { p.Size.Zoom = zoom; });
}

TRpBand *TCustomReport::AddBand(TRpBandType type)
{
    return CreateBand<TRpBand>(type);
}

void TCustomReport::AdoptBand(std::unique_ptr<TRpCustomBand> band)
{
    TRpCustomBand *raw = band.get();
    bands_.push_back(std::move(band));
    bandList_.push_back(raw);
    ArrangeBands();
}

TRpChildBand *TCustomReport::AddChildBand(TRpCustomBand *parent)
{
    auto band = std::make_unique<TRpChildBand>(this);
    TRpChildBand *raw = band.get();
    if (TRpChildBand *old = parent->ChildBand())
        old->SetParentBand(raw);
    raw->SetParentBand(parent);
    bands_.push_back(std::move(band));
    bandList_.push_back(raw);
    ArrangeBands();
    return raw;
}

void TCustomReport::RemoveBand(TRpCustomBand *band)
{
    std::erase(bandList_, band);
    for (TRpCustomBand *b : bandList_) {
        if (b->LinkBand() == band)
            b->SetLinkBand(nullptr);
        b->Unlink(band);
    }
    UnlinkController(*this, band);
    std::erase_if(bands_, [band](const auto &b) { return b.get() == band; });
    ArrangeBands();
}

TRpCustomBand *TCustomReport::FindBand(TRpBandType type) const
{
    for (TRpCustomBand *b : bandList_)
        if (b->BandType() == type)
            return b;
    return nullptr;
}

QString UniqueComponentName(const TCustomReport &report, const QString &prefix)
{
    const std::vector<TRpCustomBand *> &bands = report.BandList();
    for (int i = 1;; ++i) {
        const QString name = prefix + QString::number(i);
        if (std::none_of(bands.begin(), bands.end(), [&](const TRpCustomBand *b) { return b->Name == name; }))
            return name;
    }
}

TRpBand *CreateBandOfType(TCustomReport &report, TRpBandType type)
{
    const QString name = UniqueComponentName(report, BandNamePrefix(type));
    TRpBand *band = report.AddBand(type);
    band->Name = name;
    return band;
}

void TCustomReport::SetHasBand(TRpBandType type, bool on)
{
    TRpCustomBand *band = FindBand(type);
    if (on && !band) {
        CreateBandOfType(*this, type);
    } else if (!on && band) {
        RemoveBand(band);
    }
}

void TCustomReport::ForEachPrintable(const std::function<void(TRpPrintable &)> &f)
{
    for (TRpCustomBand *band : bandList_)
        for (const auto &p : band->Printables())
            f(*p);
    for (const auto &p : printables_)
        f(*p);
}

QRect TCustomReport::DeviceRect(double left, double top, double right, double bottom) const
{
    const int x1 = RpPrinter->XPos(left), y1 = RpPrinter->YPos(top);
    return QRect(x1, y1, RpPrinter->XPos(right) - x1, RpPrinter->YPos(bottom) - y1);
}

bool TCustomReport::IsCancelled() const
{
    return Cancelled || (RpPrinter && RpPrinter->Cancelled);
}

void TCustomReport::SetProgress(int percent)
{
    // One message per step of the percentage, not one per record.
    percent = std::clamp(percent, 0, 100);
    if (RpPrinter && percent != RpPrinter->Progress())
        RpPrinter->SetProgress(percent);
}

void TCustomReport::CancelReport()
{
    if (Available)
        return;
    Cancelled = true;
    if (RpPrinter)
        RpPrinter->Cancel();
}

void TCustomReport::CreateReport(bool composite)
{
    if (!Available)
        return;
    if (!RpPrinter) {
        ownPrinter_ = std::make_unique<TRpPrinter>(this, PrinterSettings.UseStandardprinter,
                                                   PrinterSettings.MemoryLimit);
        RpPrinter = ownPrinter_.get();
    }
    if (Page.InnerWidthNative() < 0) {
        Page.SetNative(TRpPage::LeftMarginIdx, 0);
        Page.SetNative(TRpPage::RightMarginIdx, 0);
    }
    if (Page.InnerLengthNative() < 0) {
        Page.SetNative(TRpPage::TopMarginIdx, 0);
        Page.SetNative(TRpPage::BottomMarginIdx, 0);
    }
    Available = false;
    Cancelled = FinalPage = headerJustPrinted_ = columnBreakDeferred_ = skipForcedBreak_ = false;
    printingBreakHeaders_ = false;
    RunScope idle([this] {
        Available = true;
        if (arrangePending_)
            ArrangeBands();
    });

    bool printReport = true;
    if (BeforePrint)
        BeforePrint(*this, printReport);
    if (!printReport)
        return;
    PrintRun(composite);
}

void TCustomReport::PrintRun(bool composite)
{
    const TRpUnit savedUnits = Units();
    SetUnits(TRpUnit::Native);
    RunStage stage;
    try {
        RunBody(composite, stage);
    } catch (...) {
        EndRun(composite, savedUnits, stage, true);
        throw;
    }
    EndRun(composite, savedUnits, stage, false);
}

// Undoes what the run changed and closes its document. Not done by a guard's
// destructor: closing stores the last page, which can fail, and that error
// belongs to the caller.
void TCustomReport::EndRun(bool composite, TRpUnit savedUnits, const RunStage &stage, bool failed)
{
    SetUnits(savedUnits);
    if (stage.prepared) {
        ForEachPrintable([](TRpPrintable &p) { p.Unprepare(); });
        controller_->Unprepare();
    }
    if (stage.environment) {
        pageNumberVar_ = columnNumberVar_ = nullptr;
        Functions.UnprepareEnvironment();
        GlobalEnvironment().UnprepareEnvironment();
    }
    for (DataSet *ds : addedDataSets_)
        DataSetList.removeOne(ds);
    addedDataSets_.clear();
    if (!stage.documentOpen || RpPrinter->Status() != rpStatusBusy)
        return;
    if (failed) {
        // The run's own error is the one to pass on; a page the abandoned
        // document cannot store is lost with the run.
        try {
            RpPrinter->AbortDoc();
        } catch (...) {
        }
    } else if (Cancelled || !PrintToCanvas) {
        RpPrinter->AbortDoc();
    } else if (!composite) {
        RpPrinter->EndDoc();
    }
}

void TCustomReport::RunBody(bool composite, RunStage &stage)
{
    if (!composite) {
        CopySettingsToPrinter();
        RpPrinter->BeginDoc();
        stage.documentOpen = true;
        currentY_ = -1;
        PageNumber = 0;
    } else {
        Page.SetPaperSize(TRpPaperSize(RpPrinter->PaperSize()));
        Page.SetOrientation(RpPrinter->Orientation() ? TRpOrientation::Landscape : TRpOrientation::Portrait);
    }
    currentColumn_ = Page.Columns();
    if (Exporting && !ExportFilter->ReportStarted) {
        ExportFilter->ReportStarted = true;
        ExportFilter->StartReport(Nearest(Page.Native(TRpPage::WidthIdx)),
                                  Nearest(Page.Native(TRpPage::LengthIdx)), Font);
    }

    pageFooterSize_ = 0;
    for (TRpCustomBand *band : bandList_) {
        if (band->BandType() != TRpBandType::rbPageFooter || !band->Enabled)
            continue;
        for (TRpCustomBand *b = band; b; b = b->ChildBand())
            pageFooterSize_ += b->Size.Native(TRpBandSize::HeightIdx);
    }
    currentX_ = Nearest(Page.Native(TRpPage::LeftMarginIdx));

    CollectDataSets();
    controller_->CollectChildren();
    GlobalEnvironment().PrepareEnvironment();
    Functions.SetDataSets(&DataSetList);
    Functions.PrepareEnvironment();
    stage.environment = true;
    pageNumberVar_ = GetConstant(Functions, QStringLiteral("PAGENUMBER"));
    columnNumberVar_ = GetConstant(Functions, QStringLiteral("COLUMNNUMBER"));
    SetStringConstant(GetConstant(Functions, QStringLiteral("REPORTTITLE")), ReportTitle);

    controller_->Prepare();
    ForEachPrintable([](TRpPrintable &p) { p.Prepare(); });
    stage.prepared = true;

    CompositeRun = composite;
    ExecuteBody();
    if (!composite) {
        currentX_ = Nearest(Page.Native(TRpPage::LeftMarginIdx));
        FinalPage = true;
        if (!IsCancelled())
            EndPage();
        if (Exporting)
            ExportFilter->EndReport();
    } else if (Tag == 999) {
        FinalPage = true;
        EndPage();
        if (Exporting)
            ExportFilter->EndReport();
    }
    if (IsCancelled())
        Cancelled = true;
}

// The datasets expressions may name: the record loop's and those of the database texts.
void TCustomReport::CollectDataSets()
{
    addedDataSets_.clear();
    if (auto *loop = dynamic_cast<TRpController *>(controller_.get()))
        JoinDataSet(loop->DataSet);
    ForEachPrintable([&](TRpPrintable &p) {
        if (auto *text = dynamic_cast<TRpDBText *>(&p))
            JoinDataSet(text->DataSet);
    });
}

void TCustomReport::JoinDataSet(::DataSet *ds)
{
    if (Available || !ds || DataSetList.contains(ds))
        return;
    DataSetList.append(ds);
    addedDataSets_.append(ds);
}

void TCustomReport::SetNumber(TRpEvElement *element, int value)
{
    if (element)
        SetIntegerConstant(element, value);
}

void TCustomReport::CopySettingsToPrinter()
{
    TRpPrinter &p = *RpPrinter;
    const TReportPrinterSettings &s = PrinterSettings;
    TPrinterSettings &d = p.PrinterSettings();
    // Before the printer is chosen, which reads its settings.
    d.OnGetPrinterSettings = OnGetPrinterSettings;
    d.OnApplyPrinterSettings = OnApplyPrinterSettings;
    p.SetPrinterIndex(s.PrinterIndex);
    p.SetPaperSize(int(Page.PaperSize()));
    if (Page.PaperSize() == TRpPaperSize::Custom) {
        p.SetPaperWidth(Nearest(Page.Native(TRpPage::WidthIdx)));
        p.SetPaperLength(Nearest(Page.Native(TRpPage::LengthIdx)));
    }
    p.SetOrientation(Page.Orientation() == TRpOrientation::Landscape);
    p.SetCopies(s.Copies);
    p.SetOutputBin(s.OutputBin);
    p.SetFirstPage(s.FirstPage);
    p.SetLastPage(s.LastPage);
    p.SetDuplex(s.Duplex);
    d.UseStandardprinter = s.UseStandardprinter;
    d.PrintMetaFile = s.PrintMetaFile;
    d.UseCustomBinCode = s.UseCustomBinCode;
    d.CustomBinCode = s.CustomBinCode;
    d.UseCustomPaperCode = s.UseCustomPaperCode;
    d.CustomPaperCode = s.CustomPaperCode;
    d.MemoryLimit = s.MemoryLimit;
    d.PrintQuality = s.PrintQuality;
    d.Collate = s.Collate;
    d.ColorOption = s.ColorOption;
    d.ExtendedDuplex = s.ExtendedDuplex;
    p.SetTitle(ReportTitle);
    p.SetCompression(Options & Compression);
}

void TCustomReport::AssignControllerBands()
{
    controller_->Header = FindBand(TRpBandType::rbTitle);
    controller_->Detail = FindBand(TRpBandType::rbDetail);
    controller_->Footer = FindBand(TRpBandType::rbSummary);
}

void TCustomReport::ExecuteBody()
{
    AssignControllerBands();
    controller_->Execute();
}

void TCustomReport::ArrangeBands()
{
    if (!Available) {
        arrangePending_ = true;
        return;
    }
    arrangePending_ = false;
    AssignControllerBands();
    controller_->CollectChildren();
    std::vector<TRpCustomBand *> heads;
    auto addType = [&](TRpBandType type) {
        for (TRpCustomBand *b : bandList_)
            if (b->BandType() == type)
                heads.push_back(b);
    };
    addType(TRpBandType::rbPageHeader);
    if (TRpCustomBand *title = FindBand(TRpBandType::rbTitle))
        heads.push_back(title);
    addType(TRpBandType::rbColumnHeader);
    controller_->ArrangeForLayout(heads);
    addType(TRpBandType::rbPageFooter);
    for (TRpCustomBand *b : bandList_) {
        auto *child = dynamic_cast<TRpChildBand *>(b);
        if (!child || !child->ParentBand()) // a child follows its parent
            heads.push_back(b);
    }
    printOrder_.clear();
    for (TRpCustomBand *head : heads)
        for (TRpCustomBand *b = head; b; b = b->ChildBand()) {
            if (std::find(printOrder_.begin(), printOrder_.end(), b) != printOrder_.end())
                break;
            printOrder_.push_back(b);
        }
    LayoutBandWidths();
}

void TCustomReport::LayoutBandWidths()
{
    laidPage_ = Page.Values();
    laidColumns_ = Page.Columns();
    const double pageWidth = Page.InnerWidthNative();
    const double columnWidth = Page.ColumnWidthNative();
    for (TRpCustomBand *band : bandList_)
        band->Size.SetNative(TRpBandSize::WidthIdx,
                             IsPageWideBand(ChainTop(band)->BandType()) ? pageWidth : columnWidth);
}

TReport::TReport()
{
    SetController(std::make_unique<TRpController>(this));
}

::DataSet *TReport::DataSet() const
{
    return static_cast<TRpController &>(const_cast<TReport *>(this)->Controller()).DataSet;
}

void TReport::SetDataSet(::DataSet *dataSet)
{
    static_cast<TRpController &>(Controller()).DataSet = dataSet;
}

void TReport::ExecuteBody()
{
    static_cast<TRpController &>(Controller()).OnNeedData = OnNeedData;
    TCustomReport::ExecuteBody();
}
