#include "report/layout/RpPrintable.h"

#include "report/layout/RpBand.h"
#include "report/layout/RpReport.h"
#include "report/printer/RpPrinter.h"

TRpPrintable::TRpPrintable()
{
    Size.SetNative(TRpPrintableSize::WidthIdx, 10 * 254.0 / 96);
    Size.SetNative(TRpPrintableSize::HeightIdx, 10 * 254.0 / 96);
    Size.OnApply = [this] { AlignIt(); };
}

void TRpPrintable::SetParent(TCustomReport *report, TRpCustomBand *band)
{
    report_ = report;
    band_ = band;
    if (report)
        Size.Zoom = report->Zoom();
    AlignIt();
}

void TRpPrintable::SetAlignment(TRpAlignment alignment)
{
    alignment_ = alignment;
    AlignIt();
}

void TRpPrintable::SetAlignToBand(bool on)
{
    alignToBand_ = on;
    AlignIt();
}

void TRpPrintable::AlignIt()
{
    if (!alignToBand_ || aligning_)
        return;
    aligning_ = true;
    const double width = Size.Native(TRpPrintableSize::WidthIdx);
    if (alignment_ == TRpAlignment::Left) {
        Size.SetNative(TRpPrintableSize::LeftIdx, 0);
    } else if (band_) {
        const double bandWidth = band_->Size.Native(TRpBandSize::WidthIdx);
        Size.SetNative(TRpPrintableSize::LeftIdx, alignment_ == TRpAlignment::Right
                                                      ? bandWidth - width
                                                      : double(int(bandWidth - width) / 2));
    }
    aligning_ = false;
}

void TRpPrintable::Prepare()
{
    printing_ = true;
    printer_ = report_ ? report_->RpPrinter : nullptr;
}

void TRpPrintable::Unprepare()
{
    printing_ = false;
    printer_ = nullptr;
}

bool TRpPrintable::ShouldDraw() const
{
    return printer_ && report_ && (report_->PrintToCanvas || report_->Exporting) && printer_->GetCanvas();
}

TRpExportFilter *TRpPrintable::ExportFilter() const
{
    return report_ && report_->Exporting ? report_->ExportFilter : nullptr;
}

QRect TRpPrintable::DeviceRect(int offsetX, int offsetY) const
{
    const double left = offsetX + Size.Native(TRpPrintableSize::LeftIdx);
    const double top = offsetY + Size.Native(TRpPrintableSize::TopIdx);
    return DeviceArea(left, top, left + Size.Native(TRpPrintableSize::WidthIdx),
                      top + Size.Native(TRpPrintableSize::HeightIdx));
}

QRect TRpPrintable::DeviceArea(double left, double top, double right, double bottom) const
{
    return report_->DeviceRect(left, top, right, bottom);
}

void TRpPrintable::Print(int offsetX, int offsetY)
{
    if (ShouldDraw() && Frame.AnyFrame())
        Frame.Paint(*printer_->GetCanvas(), DeviceRect(offsetX, offsetY), printer_->XFactor(),
                    printer_->YFactor(), ExportFilter());
}
