#pragma once

#include <QColor>
#include <QRect>
#include <functional>

class Canvas;
class TRpExportFilter;

// Border lines of a report, a band or a printable. Width is in points (1/72
// inch); -1 always draws one device pixel.
class TRpFrame {
public:
    QColor Color = Qt::black;
    bool DrawTop = false;
    bool DrawBottom = false;
    bool DrawLeft = false;
    bool DrawRight = false;
    Qt::PenStyle Style = Qt::SolidLine;
    int Width = 1;

    bool AnyFrame() const { return DrawTop || DrawBottom || DrawLeft || DrawRight; }
    void SetAll(bool on) { DrawTop = DrawBottom = DrawLeft = DrawRight = on; }

    // Side thickness in device pixels for `factor` device pixels per 0.1 mm.
    int Thickness(double factor) const;
    // Draws the sides into `rect`; fx and fy are device pixels per 0.1 mm. An
    // export filter also gets the frame: whole when all four sides are drawn,
    // else side by side as lines.
    void Paint(Canvas &canvas, const QRect &rect, double fx, double fy, TRpExportFilter *filter = nullptr) const;
};
