#include "report/layout/RpDesignLayout.h"

#include "report/layout/RpReport.h"

#include <algorithm>

namespace {

using T = TRpBandType;

// Grid step of the units in 0.1 mm.
double GridStepNative(TRpUnit units, bool horizontal, double fontPoints)
{
    switch (units) {
    case TRpUnit::Inches: return 254;
    case TRpUnit::Characters: {
        // One character cell as the Characters unit measures it, ten to a step.
        const double points = std::max(1.0, std::abs(fontPoints));
        return 10 * 10 * CharacterMM(horizontal, points);
    }
    default: return 100;
    }
}

} // namespace

int DesignPixels(double native, int zoom, int screenDpi)
{
    return Nearest(native * screenDpi / 254 * zoom / 100);
}

int PageWidthPixels(const TCustomReport &report, int screenDpi)
{
    return DesignPixels(report.Page.InnerWidthNative(), report.Zoom(), screenDpi);
}

int ColumnWidthPixels(const TCustomReport &report, int screenDpi)
{
    const int columns = std::max(1, report.Page.Columns());
    const int space = DesignPixels(report.Page.Native(TRpPage::ColumnSpaceIdx), report.Zoom(), screenDpi);
    return (PageWidthPixels(report, screenDpi) - (columns - 1) * space) / columns;
}

std::vector<TRpBandPlace> LayoutBands(const TCustomReport &report, int screenDpi)
{
    const int zoom = report.Zoom();
    const int left = DesignPixels(report.Page.Native(TRpPage::LeftMarginIdx), zoom, screenDpi);
    int top = DesignPixels(report.Page.Native(TRpPage::TopMarginIdx), zoom, screenDpi);
    const int pageWidth = PageWidthPixels(report, screenDpi);
    const int columnWidth = ColumnWidthPixels(report, screenDpi);
    std::vector<TRpBandPlace> places;
    for (TRpCustomBand *band : report.PrintOrderList()) {
        const int width = IsPageWideBand(ChainTop(band)->BandType()) ? pageWidth : columnWidth;
        const int height = DesignPixels(band->Size.Native(TRpBandSize::HeightIdx), zoom, screenDpi);
        places.push_back({band, QRect(left, top, width, height)});
        top += height;
    }
    return places;
}

TRpGridColors DesignGridColors(int screenColors)
{
    TRpGridColors c{QColor(0xC0C0C0), Qt::DotLine, QColor(0xC0C0C0), Qt::SolidLine,
                    QColor(0xC0C0C0), 6,           QColor(0x808080), QColor(0x808080)};
    if (screenColors > 256 || screenColors < 0) {
        c.Minor = QColor(0xF9F9F9);
        c.MinorStyle = Qt::SolidLine;
        c.Major = QColor(0xF0F0F0);
        c.Marker = QColor(0x707070);
        c.MarkerSelected = QColor(0xFF8080);
        c.MarkerBorder = QColor(0x606060);
    }
    return c;
}

std::vector<TRpGridLine> DesignGridLines(TRpUnit units, int extentPixels, int zoom, bool horizontal,
                                         double fontPoints, int screenDpi)
{
    const double quarter = GridStepNative(units, horizontal, fontPoints) / 4 * screenDpi / 254 * zoom / 100;
    std::vector<TRpGridLine> lines;
    if (quarter <= 0)
        return lines;
    for (int i = 1;; ++i) {
        const int position = Nearest(i * quarter);
        if (position > extentPixels)
            break;
        const bool major = i % 4 == 0;
        if (major || zoom >= 50)
            lines.push_back({position, major, major ? i / 4 : 0});
    }
    return lines;
}

std::vector<DataSet *> ReportDataSets(const TCustomReport &report)
{
    std::vector<DataSet *> sets;
    if (const auto *published = dynamic_cast<const TReport *>(&report); published && published->DataSet())
        sets.push_back(published->DataSet());
    for (DataSet *set : report.DataSetList)
        if (set && std::find(sets.begin(), sets.end(), set) == sets.end())
            sets.push_back(set);
    return sets;
}

void SetBandHeightPixels(TRpCustomBand &band, int pixels, int screenDpi)
{
    TRpBandSize &size = band.Size;
    size.ScreenResolution = screenDpi;
    if (TCustomReport *report = band.ParentReport()) {
        size.Zoom = report->Zoom();
        report->DesignImage.reset(); // the bands no longer lie where it shows them
    }
    size.SwitchUnits(TRpUnit::Pixels);
    size.SetHeight(std::max(0, pixels));
    size.RestoreUnits();
    for (const auto &printable : band.Printables())
        printable->ParentResized();
}
