#include "report/printer/RpUnits.h"

#include <cmath>
#include <utility>

TRpUnitBase::TRpUnitBase(int count)
    : values_(count, 0.0), units_(DefaultInches ? TRpUnit::Inches : TRpUnit::MM), savedUnits_(units_)
{
}

double TRpUnitBase::LoadUnit(double value, TRpUnit units, bool horizontal) const
{
    const double points = std::abs(FontPoints);
    switch (units) {
    case TRpUnit::MM: return value / 10;
    case TRpUnit::Inches: return value / 254;
    case TRpUnit::Pixels: return value / (254.0 / ScreenResolution) * Zoom / 100;
    case TRpUnit::Characters: return value / CharacterMM(horizontal, points) / 10;
    case TRpUnit::Native: break;
    }
    return value;
}

double TRpUnitBase::SaveUnit(double value, TRpUnit units, bool horizontal) const
{
    const double points = std::abs(FontPoints);
    switch (units) {
    case TRpUnit::MM: return value * 10;
    case TRpUnit::Inches: return value * 254;
    case TRpUnit::Pixels: return 254.0 / ScreenResolution * value / Zoom * 100;
    case TRpUnit::Characters: return value * 10 * CharacterMM(horizontal, points);
    case TRpUnit::Native: break;
    }
    return value;
}

void TRpUnitBase::SwitchUnits(TRpUnit units)
{
    savedUnits_ = units_;
    units_ = units;
}

void TRpUnitBase::RestoreUnits()
{
    units_ = savedUnits_;
}

void TRpUnitBase::SetValues(const std::vector<double> &values)
{
    for (size_t i = 0; i < values.size() && i < values_.size(); ++i)
        values_[i] = values[i];
    Apply();
}

void TRpUnitBase::SetNative(int index, double value)
{
    values_[index] = value;
    Apply();
}

void TRpUnitBase::Apply()
{
    if (OnApply)
        OnApply();
}

void TRpPrintableSize::SetBounds(double left, double top, double width, double height)
{
    SetLeft(left);
    SetTop(top);
    SetWidth(width);
    SetHeight(height);
}

TRpPage::TRpPage() : TRpUnitBase(7)
{
    if (DefaultInches) {
        SetPaperSize(TRpPaperSize::Letter);
        for (int i : {TopMarginIdx, BottomMarginIdx, LeftMarginIdx, RightMarginIdx})
            SetNative(i, 127);
    } else {
        SetPaperSize(TRpPaperSize::A4);
        for (int i : {TopMarginIdx, BottomMarginIdx, LeftMarginIdx, RightMarginIdx})
            SetNative(i, 100);
    }
}

void TRpPage::SetColumns(int columns)
{
    if (columns < 1 || columns == columns_)
        return;
    columns_ = columns;
    Apply();
}

void TRpPage::SetOrientation(TRpOrientation orientation)
{
    orientation_ = orientation;
    SetPaperSize(paperSize_);
}

void TRpPage::SetPaperSize(TRpPaperSize size)
{
    if (size != TRpPaperSize::Default && size != TRpPaperSize::Custom) {
        const TRpPaperInfo &paper = PaperInfo(size);
        double width = paper.width * 10, length = paper.length * 10;
        if (orientation_ == TRpOrientation::Landscape)
            std::swap(width, length);
        SetNative(WidthIdx, width);
        SetNative(LengthIdx, length);
    }
    paperSize_ = size;
}
