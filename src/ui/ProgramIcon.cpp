#include "ui/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QImage ProgramIconImage(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0); // drawn in the 64-unit box of the SVG

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4e, 0x8c));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);

    p.setPen(QPen(QColor(0x0d, 0x2b, 0x52), 1.5));
    p.setBrush(QColor(0xf4, 0xf1, 0xe8));
    p.drawRoundedRect(QRectF(12, 14, 30, 40), 2, 2);
    p.setPen(QPen(QColor(0x7a, 0x87, 0x99), 2));
    for (int y : {23, 30, 37})
        p.drawLine(QPointF(17, y), QPointF(37, y));
    p.drawLine(QPointF(17, 44), QPointF(30, 44));

    const QColor yellow(0xff, 0xd3, 0x4d);
    p.setPen(QPen(yellow, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(48, 54), QPointF(48, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(yellow);
    p.drawEllipse(QPointF(48, 20), 3, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(yellow, 2.5, Qt::SolidLine, Qt::RoundCap));
    // The two waves: arcs over the mast's top, centred below their ends.
    const auto wave = [&p](double radius, double halfWidth, double endY) {
        const double centreY = endY + std::sqrt(radius * radius - halfWidth * halfWidth);
        const QRectF circle(48 - radius, centreY - radius, 2 * radius, 2 * radius);
        const double span = 2 * std::asin(halfWidth / radius) * 180 / M_PI;
        p.drawArc(circle, int((90 - span / 2) * 16), int(span * 16));
    };
    wave(9, 7, 13);
    wave(15, 11, 8);
    return img;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
    return icon;
}
