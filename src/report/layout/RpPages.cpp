#include "report/pages/RpExportFilter.h"
#include "report/printer/RpPrinter.h"
#include "report/layout/RpReport.h"

namespace {

// Marks the headers and footers a break prints: they stand where they are.
class BreakHeaders {
public:
    explicit BreakHeaders(TCustomReport &r) : r_(r), was_(r.PrintingBreakHeaders), skip_(r.SkipForcedBreak)
    {
        r_.PrintingBreakHeaders = true;
    }
    ~BreakHeaders()
    {
        r_.PrintingBreakHeaders = was_;
        r_.SkipForcedBreak = skip_;
    }
    BreakHeaders(const BreakHeaders &) = delete;
    BreakHeaders &operator=(const BreakHeaders &) = delete;

private:
    TCustomReport &r_;
    bool was_, skip_;
};

} // namespace

double TCustomReport::PaperExtent() const
{
    return Page.Native(TRpPage::LengthIdx);
}

int TCustomReport::AvailableSpace() const
{
    if (Available || CurrentY == -1)
        return 0;
    if (Exporting && ExportFilter->UsePaperLength())
        return RpPrinter->PaperLengthValue();
    return Nearest(PaperExtent() - Page.Native(TRpPage::BottomMarginIdx) - PageFooterSize - CurrentY);
}

void TCustomReport::PrintBand(TRpCustomBand *band)
{
    if (!band)
        return;
    if (band->AlignToBottom && band->Enabled) {
        if (CurrentY == -1)
            NewColumn();
        if (band->BandType() == TRpBandType::rbSummary && !(Options & LastPageFooter))
            PageFooterSize = 0;
        const double height = band->Size.Native(TRpBandSize::HeightIdx);
        const double bottom = Page.Native(TRpPage::BottomMarginIdx) + PageFooterSize;
        if (Nearest(height + bottom) <= PaperExtent() - CurrentY)
            CurrentY = Nearest(PaperExtent()) - Nearest(height) - Nearest(bottom);
    }
    band->Output();
}

void TCustomReport::NewColumn()
{
    if (CurrentColumn >= Page.Columns()) {
        CurrentColumn = 1;
        CurrentX = Nearest(Page.Native(TRpPage::LeftMarginIdx));
        NewPage();
    } else {
        const TRpCustomBand *detail = FindBand(TRpBandType::rbDetail);
        const int columnWidth =
            detail ? Nearest(detail->Size.Native(TRpBandSize::WidthIdx)) : Page.ColumnWidthNative();
        CurrentX += columnWidth + Nearest(Page.Native(TRpPage::ColumnSpaceIdx));
        CurrentY = ColumnTopY;
        ++CurrentColumn;
    }
    SetNumber(columnNumberVar_, CurrentColumn);
    if (PageNumber == 1 && CurrentColumn == 1)
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
    CurrentY = Nearest(Page.Native(TRpPage::TopMarginIdx));
    PageTopY = CurrentY;
    if (OnStartPage)
        OnStartPage(*this);
    if (PageNumber > 1 || (Options & FirstPageHeader)) {
        BreakHeaders headers(*this);
        PrintBand(FindBand(TRpBandType::rbPageHeader));
    }
    ColumnTopY = CurrentY;
    CurrentColumn = 1;
    if (PageNumber == 1)
        if (TRpCustomBand *title = FindBand(TRpBandType::rbTitle))
            ColumnTopY += Nearest(title->Size.Native(TRpBandSize::HeightIdx));
}

void TCustomReport::EndPage()
{
    if (PageNumber <= 0)
        return;
    CurrentY = Nearest(PaperExtent() - Page.Native(TRpPage::BottomMarginIdx) - PageFooterSize);
    CurrentX = Nearest(Page.Native(TRpPage::LeftMarginIdx));
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
