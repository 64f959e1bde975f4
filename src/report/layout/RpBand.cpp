#include "report/layout/RpBand.h"

#include "platform/print/Canvas.h"
#include "report/layout/RpCanvas.h"
#include "report/layout/RpReport.h"
#include "report/layout/RpShape.h"
#include "report/pages/RpExportFilter.h"
#include "report/printer/RpPrinter.h"

#include <algorithm>

namespace {

const char *const Captions[] = {"Title",         "Page Header",  "Detail",       "Page Footer",
                                "Summary",       "Group Header", "Group Footer", "Sub Detail",
                                "Column Header", "Overlay",      "Child"};
const char *const Prefixes[] = {"TitleBand",        "PageHeaderBand",  "DetailBand",      "PageFooterBand",
                                "SummaryBand",      "GroupHeaderBand", "GroupFooterBand", "SubDetailBand",
                                "ColumnHeaderBand", "OverlayBand",     "ChildBand"};

// One pixel of a 96 dpi design surface, in 0.1 mm.
constexpr double ScreenPixelNative = 1 / 0.37795;

// Height of the band on a 96 dpi design surface at zoom 100.
int ScreenPixels(double native)
{
    return Nearest(native * 96 / 254);
}

bool CanBreakBefore(TRpBandType t)
{
    return t != TRpBandType::rbTitle && t != TRpBandType::rbPageHeader && t != TRpBandType::rbPageFooter &&
           t != TRpBandType::rbOverlay;
}

} // namespace

QString BandCaption(TRpBandType type)
{
    return QString::fromLatin1(Captions[int(type)]);
}
QString BandNamePrefix(TRpBandType type)
{
    return QString::fromLatin1(Prefixes[int(type)]);
}
QString CircularLinkText()
{
    return QStringLiteral("Circular linking not allowed");
}

void TRpBand::SetBandType(TRpBandType type)
{
    if (type == type_)
        return;
    type_ = type;
    ParentReport()->ArrangeBands();
}

TRpCustomBand::TRpCustomBand(TCustomReport *report) : report_(report)
{
    Size.SetUnits(report->Units());
    Size.SetNative(TRpBandSize::HeightIdx, 40 * 254.0 / 96);
    Font = report->Font;
    Size.OnApply = [this] {
        for (const auto &p : printables_)
            p->ParentResized();
    };
}

TRpCustomBand::~TRpCustomBand() = default;

bool TRpCustomBand::SetLinkBand(TRpCustomBand *band)
{
    for (TRpCustomBand *b = band; b; b = b->link_)
        if (b == this)
            return false;
    link_ = band;
    return true;
}

TRpChildBand *TRpCustomBand::ChildBand() const
{
    for (TRpCustomBand *b : report_->BandList())
        if (auto *child = dynamic_cast<TRpChildBand *>(b); child && child->ParentBand() == this)
            return child;
    return nullptr;
}

void TRpCustomBand::SetHasChild(bool on)
{
    TRpChildBand *child = ChildBand();
    if (on && !child) {
        report_->AddChildBand(this);
    } else if (!on && child) {
        if (TRpChildBand *grandChild = child->ChildBand())
            grandChild->SetParentBand(this);
        report_->RemoveBand(child);
    }
}

bool TRpChildBand::SetParentBand(TRpCustomBand *band)
{
    for (TRpCustomBand *b = band; b;) {
        if (b == this)
            return false;
        auto *child = dynamic_cast<TRpChildBand *>(b);
        b = child ? child->parent_ : nullptr;
    }
    if (band == parent_)
        return true;
    parent_ = band;
    ParentReport()->ArrangeBands();
    return true;
}

double TRpCustomBand::StretchHeight() const
{
    const double height = Size.Native(TRpBandSize::HeightIdx);
    double result = height, rest = 0;
    for (const auto &p : printables_) {
        if (!p->Enabled)
            continue;
        const double needed = p->StretchedHeight();
        if (needed < 0)
            continue;
        const double top = p->Size.Native(TRpPrintableSize::TopIdx);
        const double candidate = top + needed;
        if (candidate > result) {
            result = candidate;
            // The space under the stretching text stays, with one screen pixel more.
            rest = height - top - p->Size.Native(TRpPrintableSize::HeightIdx) + ScreenPixelNative;
        }
    }
    return result + std::max(rest, 0.0);
}

double TRpCustomBand::LinkedHeight(bool withLinks) const
{
    double h = Size.Native(TRpBandSize::HeightIdx);
    if (withLinks && link_)
        h += link_->LinkedHeight(true);
    return h;
}

bool TRpCustomBand::CanExpand(double value) const
{
    return Nearest(Size.Native(TRpBandSize::HeightIdx) + Expanded + value) <= report_->AvailableSpace();
}

bool TRpCustomBand::ExpandBand(double value, double &newHeight, bool &hasExpanded)
{
    if (!CanExpand(value))
        return false;
    if (!hasExpanded && value < Expanded) {
        newHeight = Expanded;
        hasExpanded = true;
        return true;
    }
    Expanded += value;
    newHeight = Expanded;
    hasExpanded = true;
    return false;
}

void TRpCustomBand::Output()
{
    TCustomReport &r = *report_;
    bool doPrint = Enabled;
    if (Enabled && BeforePrint)
        BeforePrint(*this, doPrint);
    const TRpBandType type = BandType();
    if (!doPrint && !Enabled && Controller)
        Controller->Notify();
    if (doPrint)
        PrintAtPosition(type);
    if (AfterPrint)
        AfterPrint(*this, doPrint);
    PrintChildBand(type);
    // A forced break is swallowed only right after the header at the top of a page.
    r.BandDone(doPrint && type != TRpBandType::rbTitle && type != TRpBandType::rbColumnHeader &&
               type != TRpBandType::rbPageHeader && type != TRpBandType::rbPageFooter &&
               type != TRpBandType::rbChild);
}

void TRpCustomBand::PrintAtPosition(TRpBandType type)
{
    TCustomReport &r = *report_;
    BreakBefore(type);
    if (Controller)
        Controller->Notify();
    if (KeepOnOnePage && !r.PrintingBreakHeaders() && StretchHeight() > r.AvailableSpace())
        r.NewColumn();
    if (type == TRpBandType::rbSummary && r.Page.Columns() > 1)
        r.MoveBelowColumns();
    // Where the band begins once the breaks are done: an export filter
    // gets the band there, not where a full page left it.
    const int x = r.CurrentX(), y = r.CurrentY();
    if (!TransparentBand && r.Exporting)
        r.ExportFilter->BandRect(Area(), Color);
    if (ScreenPixels(Size.Native(TRpBandSize::HeightIdx)) != 0)
        PrintPrintables();
    if (r.Exporting)
        r.ExportFilter->Band(*this, Expanded, x, y);
}

void TRpCustomBand::BreakBefore(TRpBandType type)
{
    TCustomReport &r = *report_;
    const bool mayBreak = CanBreakBefore(type) && r.PageBegun() && !r.PrintingBreakHeaders();
    if (ForceNewPage && !r.SkipsForcedBreak() && mayBreak)
        r.ForcePageBreak();
    else if (ForceNewColumn && mayBreak)
        r.ForceColumnBreak();
    else
        FitCheck();
}

void TRpCustomBand::FitCheck()
{
    TCustomReport &r = *report_;
    if (!r.PageBegun()) {
        // The first band of a run opens page 1: NewColumn moves from the last column to a new page.
        r.NewColumn();
        return;
    }
    if (r.PrintingBreakHeaders())
        return;
    const TRpBandType type = BandType();
    const bool detail = type == TRpBandType::rbDetail;
    const int need = Nearest(LinkedHeight(true));
    if (type != TRpBandType::rbPageFooter && need > r.AvailableSpace() && need <= r.Page.InnerLengthNative())
        r.BreakToFit(detail);
    else if (detail)
        r.StopSkippingForcedBreak();
}

void TRpCustomBand::PrintChildBand(TRpBandType type)
{
    TRpChildBand *child = ChildBand();
    if (!child)
        return;
    // The child of a page footer is printed as one.
    const bool asFooter = type == TRpBandType::rbPageFooter;
    if (asFooter)
        child->SetBandType(TRpBandType::rbPageFooter);
    report_->PrintBand(child);
    if (asFooter)
        child->SetBandType(TRpBandType::rbChild);
}

void TRpCustomBand::PrintPrintables()
{
    const double height = Size.Native(TRpBandSize::HeightIdx);
    PaintBackground();
    std::vector<int> progress;
    for (bool firstPass = true;; firstPass = false) {
        const bool finished = PrintContent(firstPass);
        PaintFrame(height);
        if (finished || GiveUpStuckContent(firstPass, progress))
            break;
        report_->ContinueInNextColumn();
        Expanded = 0;
    }
    report_->Advance(Nearest(height + Expanded));
}

void TRpCustomBand::PaintBackground()
{
    // White too: it covers what other bands or printables drew there before.
    if (report_->PrintToCanvas && !TransparentBand) {
        Canvas &canvas = *report_->RpPrinter->GetCanvas();
        canvas.setBrush(SolidBrush(Color));
        canvas.fillRect(Area());
    }
}

bool TRpCustomBand::PrintContent(bool firstPass)
{
    const TCustomReport &r = *report_;
    double maxExpanded = 0;
    bool allFinished = true;
    for (const auto &p : printables_) {
        if (!p->Enabled)
            continue;
        Expanded = 0;
        if (firstPass || !p->PrintFinished)
            p->Print(r.CurrentX(), r.CurrentY());
        allFinished = allFinished && p->PrintFinished;
        maxExpanded = std::max(maxExpanded, Expanded);
    }
    Expanded = maxExpanded;
    return allFinished;
}

void TRpCustomBand::PaintFrame(double height)
{
    const TCustomReport &r = *report_;
    if (!r.PrintToCanvas && !r.Exporting)
        return;
    const int x = r.CurrentX(), y = r.CurrentY();
    const QRect rect = r.DeviceRect(x, y, x + Size.Native(TRpBandSize::WidthIdx), y + height + Expanded + 1);
    TRpPrinter *printer = r.RpPrinter;
    if (Frame.AnyFrame())
        Frame.Paint(*printer->GetCanvas(), rect, printer->XFactor(), printer->YFactor(), r.ExportFilter);
    DrawVerticalLines(rect);
}

bool TRpCustomBand::GiveUpStuckContent(bool firstPass, std::vector<int> &progress)
{
    // Content that cannot move on, even at the top of a fresh column, is
    // given up; so is content of a header printed by a break.
    std::vector<int> now;
    for (const auto &p : printables_)
        now.push_back(p->Enabled && !p->PrintFinished ? p->PrintProgress() : -1);
    const bool stuck = report_->PrintingBreakHeaders() || (!firstPass && now == progress);
    if (stuck)
        for (const auto &p : printables_)
            p->FinishPrint();
    progress = std::move(now);
    return stuck;
}

void TRpCustomBand::DrawVerticalLines(const QRect &rect)
{
    const double bandWidth = Size.Native(TRpBandSize::WidthIdx);
    if (bandWidth <= 0)
        return;
    Canvas &canvas = *report_->RpPrinter->GetCanvas();
    for (const auto &p : printables_) {
        auto *shape = dynamic_cast<TRpShape *>(p.get());
        if (!shape || shape->Tag != 1000 || shape->Shape != TRpShapeType::rpsVertLine)
            continue;
        const double middle = shape->Size.Native(TRpPrintableSize::LeftIdx) +
                              int(shape->Size.Native(TRpPrintableSize::WidthIdx)) / 2;
        const int x = rect.left() + Nearest(rect.width() * middle / bandWidth);
        CanvasPen pen = ToCanvasPen(shape->Pen);
        pen.style = Qt::SolidLine;
        canvas.setPen(pen);
        const QPoint from(x, rect.top()), to(x, rect.top() + rect.height());
        canvas.drawLine(from, to);
        if (report_->Exporting)
            report_->ExportFilter->Line(from, to, pen.color, pen.width);
    }
}

QRect TRpCustomBand::Area() const
{
    const TCustomReport &r = *report_;
    const double h = PreCalculateBandHeight ? StretchHeight() : Size.Native(TRpBandSize::HeightIdx);
    const int x = r.CurrentX(), y = r.CurrentY();
    return r.DeviceRect(x, y, x + Size.Native(TRpBandSize::WidthIdx), y + h);
}

TRpCustomBand *ChainTop(TRpCustomBand *band)
{
    int guard = 0;
    while (auto *child = dynamic_cast<TRpChildBand *>(band)) {
        if (!child->ParentBand() || ++guard > 1000)
            break;
        band = child->ParentBand();
    }
    return band;
}

bool IsPageWideBand(TRpBandType type)
{
    using T = TRpBandType;
    return type == T::rbTitle || type == T::rbPageHeader || type == T::rbPageFooter || type == T::rbSummary ||
           type == T::rbOverlay;
}
