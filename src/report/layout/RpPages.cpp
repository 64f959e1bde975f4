#include "report/layout/RpReport.h"
#include "report/pages/RpExportFilter.h"
#include "report/printer/RpPrinter.h"

#include <algorithm>

// Marks the headers and footers a break prints: they stand where they are.
class TCustomReport::BreakHeaders {
public:
    explicit BreakHeaders(TCustomReport &r) : r_(r), was_(r.printingBreakHeaders_), skip_(r.skipForcedBreak_)
    {
        r_.printingBreakHeaders_ = true;
    }
    ~BreakHeaders()
    {
        r_.printingBreakHeaders_ = was_;
        r_.skipForcedBreak_ = skip_;
    }
    BreakHeaders(const BreakHeaders &) = delete;
    BreakHeaders &operator=(const BreakHeaders &) = delete;

private:
    TCustomReport &r_;
    bool was_, skip_;
};

double TCustomReport::PaperExtent() const
{
    return Page.Native(TRpPage::LengthIdx);
}

int TCustomReport::AvailableSpace() const
{
    if (Available || currentY_ == -1)
        return 0;
    if (Exporting && ExportFilter->UsePaperLength())
        return RpPrinter->PaperLengthValue();
    return Nearest(PaperExtent() - Page.Native(TRpPage::BottomMarginIdx) - pageFooterSize_ - currentY_);
}

void TCustomReport::PrintBand(TRpCustomBand *band)
{
    if (!band)
        return;
    if (band->AlignToBottom && band->Enabled) {
        if (currentY_ == -1)
            NewColumn();
        if (band->BandType() == TRpBandType::rbSummary && !(Options & LastPageFooter))
            pageFooterSize_ = 0;
        const double height = band->Size.Native(TRpBandSize::HeightIdx);
        const double bottom = Page.Native(TRpPage::BottomMarginIdx) + pageFooterSize_;
        if (Nearest(height + bottom) <= PaperExtent() - currentY_)
            currentY_ = Nearest(PaperExtent()) - Nearest(height) - Nearest(bottom);
    }
    band->Output();
}

void TCustomReport::Advance(int height)
{
    currentY_ += height;
    pageTopY_ = std::max(pageTopY_, currentY_);
}

void TCustomReport::MoveBelowColumns()
{
    currentX_ = Nearest(Page.Native(TRpPage::LeftMarginIdx));
    currentY_ = pageTopY_;
}

void TCustomReport::BreakToFit(bool skipForcedBreak)
{
    skipForcedBreak_ = skipForcedBreak;
    NewColumn();
}

void TCustomReport::ContinueInNextColumn()
{
    skipForcedBreak_ = true;
    NewColumn();
    skipForcedBreak_ = false;
}

void TCustomReport::ForcePageBreak()
{
    if (!Available) {
        if (headerJustPrinted_)
            headerJustPrinted_ = false;
        else
            do
                NewColumn();
            while (currentColumn_ != 1);
    }
    skipForcedBreak_ = false;
}

void TCustomReport::ForceColumnBreak()
{
    if (Available)
        return;
    if (columnBreakDeferred_ || currentColumn_ > 1)
        NewColumn();
    else
        columnBreakDeferred_ = true;
}

void TCustomReport::BandDone(bool belowHeaders)
{
    skipForcedBreak_ = false;
    if (belowHeaders)
        headerJustPrinted_ = false;
}

void TCustomReport::NewColumn()
{
    if (currentColumn_ >= Page.Columns()) {
        currentColumn_ = 1;
        currentX_ = Nearest(Page.Native(TRpPage::LeftMarginIdx));
        NewPage();
    } else {
        const TRpCustomBand *detail = FindBand(TRpBandType::rbDetail);
        const int columnWidth =
            detail ? Nearest(detail->Size.Native(TRpBandSize::WidthIdx)) : Page.ColumnWidthNative();
        currentX_ += columnWidth + Nearest(Page.Native(TRpPage::ColumnSpaceIdx));
        currentY_ = columnTopY_;
        ++currentColumn_;
    }
    SetNumber(columnNumberVar_, currentColumn_);
    if (PageNumber == 1 && currentColumn_ == 1)
        return;
    BreakHeaders headers(*this);
    PrintBand(FindBand(TRpBandType::rbColumnHeader));
    controller_->ReprintGroupHeaders();
}

void TCustomReport::NewPage()
{
    EndPage();
    if (Exporting)
        ExportFilter->StartPage();
    ++PageNumber;
    SetNumber(pageNumberVar_, PageNumber);
    if (PrintToCanvas || PageNumber == 1)
        RpPrinter->NewPage();
    currentY_ = Nearest(Page.Native(TRpPage::TopMarginIdx));
    pageTopY_ = currentY_;
    if (OnStartPage)
        OnStartPage(*this);
    if (PageNumber > 1 || (Options & FirstPageHeader)) {
        BreakHeaders headers(*this);
        PrintBand(FindBand(TRpBandType::rbPageHeader));
    }
    columnTopY_ = currentY_;
    currentColumn_ = 1;
    if (PageNumber == 1)
        if (TRpCustomBand *title = FindBand(TRpBandType::rbTitle))
            columnTopY_ += Nearest(title->Size.Native(TRpBandSize::HeightIdx));
}

void TCustomReport::EndPage()
{
    if (PageNumber <= 0)
        return;
    currentY_ = Nearest(PaperExtent() - Page.Native(TRpPage::BottomMarginIdx) - pageFooterSize_);
    currentX_ = Nearest(Page.Native(TRpPage::LeftMarginIdx));
    if (!FinalPage || (Options & LastPageFooter)) {
        BreakHeaders footers(*this);
        PrintBand(FindBand(TRpBandType::rbPageFooter));
    }
    for (const auto &p : printables_)
        if (p->Enabled)
            p->Print(0, 0);
    if ((PrintToCanvas || Exporting) && Frame.AnyFrame())
        Frame.Paint(*RpPrinter->GetCanvas(),
                    DeviceRect(Page.Native(TRpPage::LeftMarginIdx), Page.Native(TRpPage::TopMarginIdx),
                               Page.Native(TRpPage::WidthIdx) - Page.Native(TRpPage::RightMarginIdx),
                               Page.Native(TRpPage::LengthIdx) - Page.Native(TRpPage::BottomMarginIdx)),
                    RpPrinter->XFactor(), RpPrinter->YFactor(), ExportFilter);
    if (OnEndPage)
        OnEndPage(*this);
    // Only a page that was begun ends: the filter never sees an end without its start.
    if (Exporting)
        ExportFilter->EndPage();
}
