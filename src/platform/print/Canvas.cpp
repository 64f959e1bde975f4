#include "platform/print/Canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <cmath>

QFont CanvasFont::toQFont() const
{
    QFont f(family);
    f.setPointSizeF(pointSize > 0 ? pointSize : 1);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strikeOut);
    return f;
}

void Canvas::textOut(int x, int y, const QString &text)
{
    drawText(QRect(x, y, 0, 0), OneLine, text);
}

int Canvas::textWidth(const QString &text) const
{
    QFontMetricsF metrics(font_.toQFont(), metricsDevice());
    return int(std::ceil(metrics.horizontalAdvance(text)));
}

int Canvas::textHeight(const QString &) const
{
    QFontMetricsF metrics(font_.toQFont(), metricsDevice());
    return int(std::ceil(metrics.height()));
}

QRect Canvas::textBounds(const QRect &rect, int flags, const QString &text) const
{
    QFontMetricsF metrics(font_.toQFont(), metricsDevice());
    return metrics.boundingRect(QRectF(rect), flags, text).toAlignedRect();
}
