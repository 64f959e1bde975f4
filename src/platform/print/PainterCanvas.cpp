#include "platform/print/PagePicture.h"

#include "platform/print/PainterOps.h"

#include <QPaintDevice>

PainterCanvas::PainterCanvas(QPainter &painter) : painter_(painter)
{
    setPen(pen());
    setBrush(brush());
    setFont(font());
}

double PainterCanvas::dpiX() const
{
    return painter_.device() ? painter_.device()->logicalDpiX() : 96;
}
double PainterCanvas::dpiY() const
{
    return painter_.device() ? painter_.device()->logicalDpiY() : 96;
}

const QPaintDevice *PainterCanvas::metricsDevice() const
{
    return painter_.device();
}

void PainterCanvas::setPen(const CanvasPen &pen)
{
    Canvas::setPen(pen);
    painter_.setPen(PainterOps::Pen(pen));
}

void PainterCanvas::setBrush(const CanvasBrush &brush)
{
    Canvas::setBrush(brush);
    painter_.setBrush(PainterOps::Brush(brush));
}

void PainterCanvas::setFont(const CanvasFont &font)
{
    Canvas::setFont(font);
    painter_.setFont(font.toQFont());
}

void PainterCanvas::drawRect(const QRect &rect)
{
    painter_.drawRect(QRectF(rect));
}

void PainterCanvas::drawEllipse(const QRect &rect)
{
    painter_.drawEllipse(QRectF(rect));
}

void PainterCanvas::drawRoundedRect(const QRect &rect, int rx, int ry)
{
    painter_.drawRoundedRect(QRectF(rect), rx, ry);
}

void PainterCanvas::drawLine(QPoint from, QPoint to)
{
    painter_.drawLine(from, to);
}

void PainterCanvas::fillRect(const QRect &rect)
{
    painter_.fillRect(QRectF(rect), PainterOps::Brush(brush()));
}

void PainterCanvas::drawText(const QRect &rect, int flags, const QString &text)
{
    const QRectF r(rect);
    const bool clipped = !(flags & Qt::TextDontClip);
    PainterOps::Text(painter_, r, flags | Qt::TextDontClip, clipped ? &r : nullptr, font().color, text);
}

void PainterCanvas::drawTextClipped(const QRect &clip, int x, int y, const QString &text)
{
    const QRectF c(clip);
    PainterOps::Text(painter_, QRectF(x, y, 0, 0), OneLine, &c, font().color, text);
}

void PainterCanvas::drawPicture(const QRect &rect, const QImage &image)
{
    painter_.drawImage(QRectF(rect), image);
}
