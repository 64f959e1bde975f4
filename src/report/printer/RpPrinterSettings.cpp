#include "report/printer/RpPrinterSettings.h"

#include "report/printer/RpPaper.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int BinCodes[RpBinCount] = {1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 14};
constexpr int CustomPaper = RpPaperSizeCount - 1;

bool deviceSized(int paper)
{
    return paper <= 0 || paper >= CustomPaper;
}

}

int PaperIndexOfCode(int code)
{
    for (int i = 1; i < RpPaperSizeCount; ++i)
        if (PaperInfo(static_cast<TRpPaperSize>(i)).code == code)
            return i;
    return 0;
}

int BinCode(int bin)
{
    return bin >= 0 && bin < RpBinCount ? BinCodes[bin] : BinCodes[rpBinAuto];
}

int BinIndexOfCode(int code)
{
    for (int i = 0; i < RpBinCount; ++i)
        if (BinCodes[i] == code)
            return i;
    return -1;
}

int TenthsOfMm(int pixels, int dpi)
{
    return static_cast<int>(std::lrint(double(pixels) / UsableDpi(dpi) * 254));
}

double DeviceFactor(int dpi)
{
    return UsableDpi(dpi) / 254.0;
}

void TPrinterSettings::SetPrinter(PrintDevice *printer)
{
    printer_ = printer;
    if (printer_)
        ReadSettings();
}

bool TPrinterSettings::Supports(unsigned fields) const
{
    return hasMode_ && mode_.Supports(fields);
}

void TPrinterSettings::SetField(unsigned fields)
{
    mode_.Fields |= fields;
}

int TPrinterSettings::PaperWidth() const
{
    if (deviceSized(PaperSize))
        return paperWidth_;
    return static_cast<int>(std::lrint(PaperInfo(static_cast<TRpPaperSize>(PaperSize)).width * 10));
}

int TPrinterSettings::PaperLength() const
{
    if (deviceSized(PaperSize))
        return paperLength_;
    return static_cast<int>(std::lrint(PaperInfo(static_cast<TRpPaperSize>(PaperSize)).length * 10));
}

void TPrinterSettings::ReadSettings()
{
    if (!printer_)
        return;
    mode_ = printer_->Mode();
    hasMode_ = true;
    bool cancel = false;
    if (OnGetPrinterSettings)
        OnGetPrinterSettings(*this, cancel, mode_);
    if (cancel)
        return;
    XResolution = printer_->XResolution();
    YResolution = printer_->YResolution();
    Copies = Supports(dmCopies) ? mode_.Copies : 1;
    OutputBin = Supports(dmDefaultSource) ? std::max(0, BinIndexOfCode(mode_.DefaultSource)) : 0;
    if (Supports(dmDuplex)) {
        Duplex = mode_.Duplex != 1;
        ExtendedDuplex = mode_.Duplex;
    }
    const QPoint offset = printer_->PhysicalOffset();
    LeftOffset = TenthsOfMm(offset.x(), XResolution);
    TopOffset = TenthsOfMm(offset.y(), YResolution);
    PaperSize = Supports(dmPaperSize) ? PaperIndexOfCode(mode_.PaperSize) : 0;
    const QSize physical = printer_->PhysicalSize();
    paperWidth_ = TenthsOfMm(physical.width(), XResolution);
    paperLength_ = TenthsOfMm(physical.height(), YResolution);
    PaperAvailable.fill(false);
    for (int code : printer_->PaperCodes()) {
        const int i = PaperIndexOfCode(code);
        if (i > 0)
            PaperAvailable[i] = true;
    }
    PaperAvailable[CustomPaper] = true;
    PrintQuality = mode_.PrintQuality;
    Collate = mode_.Collate;
    ColorOption = mode_.Color;
}

void TPrinterSettings::ApplySettings()
{
    if (!printer_)
        return;
    mode_ = printer_->Mode();
    hasMode_ = true;
    SetField(dmPaperLength | dmPaperWidth);
    mode_.PaperLength = PaperLength();
    mode_.PaperWidth = PaperWidth();
    if (Supports(dmPaperSize) && PaperSize != 0)
        mode_.PaperSize =
            UseCustomPaperCode ? CustomPaperCode : PaperInfo(static_cast<TRpPaperSize>(PaperSize)).code;
    SetField(dmCopies);
    mode_.Copies = Copies;
    if (Supports(dmDuplex))
        mode_.Duplex = ExtendedDuplex != 0 ? ExtendedDuplex : Duplex ? 3 : 1;
    SetField(dmDefaultSource);
    mode_.DefaultSource = UseCustomBinCode ? CustomBinCode : BinCode(OutputBin);
    SetField(dmOrientation);
    mode_.Orientation = Orientation ? 2 : 1;
    if (Supports(dmCollate))
        mode_.Collate = Collate;
    bool cancel = false;
    if (OnApplyPrinterSettings)
        OnApplyPrinterSettings(*this, cancel, mode_);
    if (!cancel)
        printer_->SetMode(mode_);
}
