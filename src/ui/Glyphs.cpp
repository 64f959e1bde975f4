#include "ui/Glyphs.h"

#include <QPainter>

namespace {

const QColor Ink(0x20, 0x20, 0x20);

}

QImage SearchGlyph()
{
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Ink, 2));
    p.drawEllipse(QRectF(2, 2, 8, 8));
    p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    return img;
}

QImage PrinterGlyph()
{
    QImage img(20, 18, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setBrush(Qt::white);
    p.drawRect(5, 1, 10, 6); // paper in
    p.setBrush(QColor(0xa0, 0xa0, 0xa0));
    p.drawRect(1, 6, 18, 7); // body
    p.setBrush(Qt::white);
    p.drawRect(4, 11, 12, 6); // paper out
    p.drawLine(6, 13, 13, 13);
    p.drawLine(6, 15, 11, 15);
    return img;
}
