#pragma once

#include "platform/print/Canvas.h"

#include <QFontMetricsF>
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
    // One unclipped line from its top-left corner (every text of a report line) goes
    // straight to its baseline: no layout pass and no saved state, which a PDF pays for.
    if (!clip && flags == Canvas::OneLine) {
        const QPen pen = painter.pen();
        painter.setPen(color);
        painter.setBackgroundMode(Qt::TransparentMode);
        const qreal ascent = QFontMetricsF(painter.font(), painter.device()).ascent();
        painter.drawText(QPointF(layout.left(), layout.top() + ascent), text);
        painter.setPen(pen);
        return;
    }
    painter.save();
    if (clip)
        painter.setClipRect(*clip, Qt::IntersectClip);
    painter.setPen(color);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(layout, flags, text);
    painter.restore();
}

} // namespace PainterOps
