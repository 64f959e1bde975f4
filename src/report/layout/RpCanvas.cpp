#include "report/layout/RpCanvas.h"

CanvasFont ToCanvasFont(const QFont &font, const QColor &color)
{
    CanvasFont f;
    f.family = font.family();
    f.pointSize = font.pointSizeF() > 0 ? font.pointSizeF() : 10;
    f.bold = font.bold();
    f.italic = font.italic();
    f.underline = font.underline();
    f.strikeOut = font.strikeOut();
    f.color = color;
    return f;
}

CanvasPen ToCanvasPen(const QPen &pen)
{
    return CanvasPen{pen.color(), pen.width() <= 1 ? 0 : pen.width(), pen.style()};
}

CanvasBrush ToCanvasBrush(const QBrush &brush)
{
    return CanvasBrush{brush.color(), brush.style()};
}

CanvasBrush SolidBrush(const QColor &color)
{
    return CanvasBrush{color, Qt::SolidPattern};
}
