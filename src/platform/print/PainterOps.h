#pragma once

#include "platform/print/Canvas.h"

#include <QPainter>

// Drawing steps shared by the painter canvas and picture replay.
namespace PainterOps {

inline QPen Pen(const CanvasPen &pen)
{
    if (pen.style == Qt::NoPen)
        return QPen(Qt::NoPen);
    QPen p(pen.color, pen.width, pen.style, Qt::SquareCap, Qt::MiterJoin);
    p.setCosmetic(pen.width == 0);
    return p;
}

inline QBrush Brush(const CanvasBrush &brush)
{
    return QBrush(brush.color, brush.style);
}

// Text in the font colour on a transparent background, optionally clipped.
inline void Text(QPainter &painter, const QRectF &layout, int flags, const QRectF *clip, const QColor &color,
                 const QString &text)
{
    painter.save();
    if (clip)
        painter.setClipRect(*clip, Qt::IntersectClip);
    painter.setPen(color);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(layout, flags, text);
    painter.restore();
}

} // namespace PainterOps
