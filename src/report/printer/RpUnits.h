#pragma once

#include "report/printer/RpPaper.h"

#include <cmath>
#include <functional>
#include <vector>

// Units in which a report shows its lengths; every length is stored in tenths
// of a millimetre ("native").
enum class TRpUnit { MM, Inches, Pixels, Characters, Native };

// Set at start-up when the locale measures in inches: new pages are Letter.
inline bool DefaultInches = false;

// Nearest whole number, halves to the even neighbour.
inline int Nearest(double x)
{
    return int(std::nearbyint(x));
}

// Millimetres of one character cell of a font of that many points, across
// or down: the size the Characters unit counts in.
inline double CharacterMM(bool horizontal, double points)
{
    return (horizontal ? 80 : 145.3) / points / 2.54;
}

// Native-unit values of one owner (a band, a printable, a page), read and
// written in the chosen units.
class TRpUnitBase {
public:
    explicit TRpUnitBase(int count);
    virtual ~TRpUnitBase() = default;

    double LoadUnit(double value, TRpUnit units, bool horizontal) const;
    double SaveUnit(double value, TRpUnit units, bool horizontal) const;

    TRpUnit Units() const { return units_; }
    void SetUnits(TRpUnit units) { units_ = units; }
    // A temporary switch, undone by RestoreUnits.
    void SwitchUnits(TRpUnit units);
    void RestoreUnits();

    int ScreenResolution = 96;
    int Zoom = 100;
    double FontPoints = 10; // absolute point size of the report's font (Characters unit)

    // The "Values" list: the native values in index order.
    const std::vector<double> &Values() const { return values_; }
    void SetValues(const std::vector<double> &values);

    double Native(int index) const { return values_[index]; }
    void SetNative(int index, double value);
    double Value(int index) const { return LoadUnit(values_[index], units_, Horizontal(index)); }
    void SetValue(int index, double value) { SetNative(index, SaveUnit(value, units_, Horizontal(index))); }

    // Called after a value changed, so that the owner follows.
    std::function<void()> OnApply;

protected:
    virtual bool Horizontal(int index) const = 0;
    void Apply();

private:
    std::vector<double> values_;
    TRpUnit units_;
    TRpUnit savedUnits_;
};

class TRpBandSize : public TRpUnitBase {
public:
    enum { HeightIdx, WidthIdx };
    TRpBandSize() : TRpUnitBase(2) {}
    double Height() const { return Value(HeightIdx); }
    double Width() const { return Value(WidthIdx); }
    void SetHeight(double v) { SetValue(HeightIdx, v); }
    void SetWidth(double v) { SetValue(WidthIdx, v); }

protected:
    bool Horizontal(int index) const override { return index == WidthIdx; }
};

class TRpPrintableSize : public TRpUnitBase {
public:
    enum { HeightIdx, LeftIdx, TopIdx, WidthIdx };
    TRpPrintableSize() : TRpUnitBase(4) {}
    double Height() const { return Value(HeightIdx); }
    double Left() const { return Value(LeftIdx); }
    double Top() const { return Value(TopIdx); }
    double Width() const { return Value(WidthIdx); }
    void SetHeight(double v) { SetValue(HeightIdx, v); }
    void SetLeft(double v) { SetValue(LeftIdx, v); }
    void SetTop(double v) { SetValue(TopIdx, v); }
    void SetWidth(double v) { SetValue(WidthIdx, v); }
    void SetBounds(double left, double top, double width, double height);

protected:
    bool Horizontal(int index) const override { return index == LeftIdx || index == WidthIdx; }
};

enum class TRpOrientation { Portrait, Landscape };

// Paper, orientation, margins and columns of a report.
class TRpPage : public TRpUnitBase {
public:
    enum {
        BottomMarginIdx,
        LengthIdx,
        TopMarginIdx,
        WidthIdx,
        LeftMarginIdx,
        RightMarginIdx,
        ColumnSpaceIdx
    };
    TRpPage();

    double BottomMargin() const { return Value(BottomMarginIdx); }
    double Length() const { return Value(LengthIdx); }
    double TopMargin() const { return Value(TopMarginIdx); }
    double Width() const { return Value(WidthIdx); }
    double LeftMargin() const { return Value(LeftMarginIdx); }
    double RightMargin() const { return Value(RightMarginIdx); }
    double ColumnSpace() const { return Value(ColumnSpaceIdx); }
    void SetBottomMargin(double v) { SetValue(BottomMarginIdx, v); }
    void SetLength(double v) { SetValue(LengthIdx, v); }
    void SetTopMargin(double v) { SetValue(TopMarginIdx, v); }
    void SetWidth(double v) { SetValue(WidthIdx, v); }
    void SetLeftMargin(double v) { SetValue(LeftMarginIdx, v); }
    void SetRightMargin(double v) { SetValue(RightMarginIdx, v); }
    void SetColumnSpace(double v) { SetValue(ColumnSpaceIdx, v); }

    // The page inside its margins, in 0.1 mm.
    double InnerWidthNative() const
    {
        return Native(WidthIdx) - Native(LeftMarginIdx) - Native(RightMarginIdx);
    }
    double InnerLengthNative() const
    {
        return Native(LengthIdx) - Native(TopMarginIdx) - Native(BottomMarginIdx);
    }

    // One column of the page in whole 0.1 mm: the inner width less the spaces
    // between the columns, shared out.
    int ColumnWidthNative() const
    {
        return (Nearest(InnerWidthNative()) - (columns_ - 1) * Nearest(Native(ColumnSpaceIdx))) / columns_;
    }

    int Columns() const { return columns_; }
    void SetColumns(int columns);
    TRpOrientation Orientation() const { return orientation_; }
    void SetOrientation(TRpOrientation orientation);
    TRpPaperSize PaperSize() const { return paperSize_; }
    void SetPaperSize(TRpPaperSize size);
    bool Ruler = true;

protected:
    bool Horizontal(int index) const override
    {
        return index == WidthIdx || index == LeftMarginIdx || index == RightMarginIdx ||
               index == ColumnSpaceIdx;
    }

private:
    int columns_ = 1;
    TRpOrientation orientation_ = TRpOrientation::Portrait;
    TRpPaperSize paperSize_ = TRpPaperSize::Default;
};
