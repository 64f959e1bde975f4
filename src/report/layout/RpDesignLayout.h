#pragma once

#include "report/layout/RpBand.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <vector>

class TCustomReport;
class DataSet;

// Design-view geometry of a report, in screen pixels at the report's zoom.
// Kept apart from the widgets so that it is checked without a window.

struct TRpBandPlace {
    TRpCustomBand *Band;
    QRect Rect;
};

// Screen pixels of a length in 0.1 mm at the given zoom (percent).
int DesignPixels(double native, int zoom, int screenDpi = 96);

// Places every band of the report's print order at the left margin, one
// directly under the other (the first under the top margin), page-wide or
// column-wide by its type.
std::vector<TRpBandPlace> LayoutBands(const TCustomReport &report, int screenDpi = 96);
int PageWidthPixels(const TCustomReport &report, int screenDpi = 96);
int ColumnWidthPixels(const TCustomReport &report, int screenDpi = 96);

// Colours of the design grid, chosen by the number of colours the screen has
// (negative: more than can be counted).
struct TRpGridColors {
    QColor Minor;
    Qt::PenStyle MinorStyle;
    QColor Major;
    Qt::PenStyle MajorStyle;
    QColor Marker;
    int MarkerSize;
    QColor MarkerSelected;
    QColor MarkerBorder;
};
TRpGridColors DesignGridColors(int screenColors);

// One line of the design grid or ruler, a position in pixels from the paper's edge.
struct TRpGridLine {
    int Position;
    bool Major;
    int Number; // whole grid steps from the edge (major lines)
};

// Grid lines over an extent: a line every quarter step, a numbered one every
// whole step; the quarter lines only at a zoom of 50 percent and more. The
// step is a centimetre, an inch or ten character cells by the units.
std::vector<TRpGridLine> DesignGridLines(TRpUnit units, int extentPixels, int zoom, bool horizontal,
                                         double fontPoints, int screenDpi = 96);

// The datasets an expression of the report may name: its record loop's
// dataset, then its data-set list.
std::vector<DataSet *> ReportDataSets(const TCustomReport &report);

// A band's new height dragged on the design surface, in pixels at the
// report's zoom; printables aligned to the band follow and the report's design
// image, which shows the old heights, is dropped.
void SetBandHeightPixels(TRpCustomBand &band, int pixels, int screenDpi = 96);
