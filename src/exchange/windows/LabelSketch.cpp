#include "exchange/windows/LabelSketch.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Sheet corner and the four labels, in pixels of the drawing.
const QPoint Sheet(8, 8);
const int LabelW = 120, LabelH = 70;
const int PitchX = 150, PitchY = 100;
const QPoint First(64, 48);
const QSize SketchSize(380, 272);

QRect LabelAt(int col, int row)
{
    return QRect(First + QPoint(col * PitchX, row * PitchY), QSize(LabelW, LabelH));
}

void ArrowHead(QPainter &p, QPointF tip, QPointF from)
{
    const QLineF back(tip, from);
    QLineF side = back;
    side.setLength(6);
    QPainterPath head;
    head.moveTo(tip);
    side.setAngle(back.angle() + 25);
    head.lineTo(side.p2());
    side.setAngle(back.angle() - 25);
    head.lineTo(side.p2());
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
}

// A dimension line with a head at each end.
void Dimension(QPainter &p, QPoint a, QPoint b)
{
    p.drawLine(a, b);
    ArrowHead(p, a, b);
    ArrowHead(p, b, a);
}

void Extension(QPainter &p, QPoint a, QPoint b)
{
    const QPen keep = p.pen();
    p.setPen(QPen(keep.color(), 1, Qt::DotLine));
    p.drawLine(a, b);
    p.setPen(keep);
}

}

TLabelSketch::TLabelSketch(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LabelSketch"));
    setFixedSize(SketchSize);
}

QStringList TLabelSketch::Captions()
{
    return {QStringLiteral("Szerokość"),         QStringLiteral("Wysokość"),
            QStringLiteral("Odstęp w poziomie"), QStringLiteral("Odstęp w pionie"),
            QStringLiteral("Margines boczny"),   QStringLiteral("Margines górny")};
}

QSize TLabelSketch::sizeHint() const
{
    return SketchSize;
}

void TLabelSketch::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    p.setFont(small);
    const QFontMetrics fm(small);
    const QStringList text = Captions();

    // The sheet goes on past the right and bottom edges: only its corner is framed.
    const QRect sheet(Sheet, SketchSize - QSize(Sheet.x(), Sheet.y()));
    p.fillRect(sheet, Qt::white);
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.drawLine(sheet.topLeft(), sheet.topRight());
    p.drawLine(sheet.topLeft(), sheet.bottomLeft());

    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.setBrush(QColor(255, 248, 220));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col)
            p.drawRoundedRect(LabelAt(col, row), 6, 6);
    p.setBrush(Qt::NoBrush);

    p.setPen(QPen(QColor(0, 70, 160), 1));
    const QRect l1 = LabelAt(0, 0), l2 = LabelAt(1, 0), l3 = LabelAt(0, 1), l4 = LabelAt(1, 1);

    // Width, inside the second label.
    const int wy = l2.center().y() + 6;
    Dimension(p, QPoint(l2.left() + 1, wy), QPoint(l2.right(), wy));
    p.drawText(QRect(l2.left(), wy - fm.height() - 2, l2.width(), fm.height()), Qt::AlignCenter, text[0]);

    // Height, inside the first label.
    const int hx = l1.left() + 16;
    Dimension(p, QPoint(hx, l1.top() + 1), QPoint(hx, l1.bottom()));
    p.drawText(QPoint(hx + 6, l1.center().y() + fm.ascent() / 2), text[1]);

    // Horizontal pitch: left edge to left edge, in the gap between the rows.
    const int py = l1.bottom() + (PitchY - LabelH) / 2 + 6;
    Extension(p, l1.bottomLeft(), QPoint(l1.left(), py + 3));
    Extension(p, l2.bottomLeft(), QPoint(l2.left(), py + 3));
    Dimension(p, QPoint(l1.left(), py), QPoint(l2.left(), py));
    p.drawText(QRect(l1.left(), py - fm.height() - 1, PitchX, fm.height()), Qt::AlignCenter, text[2]);

    // Vertical pitch: top edge to top edge, right of the labels, written upwards.
    const int vx = l2.right() + 12;
    Extension(p, l2.topRight(), QPoint(vx + 3, l2.top()));
    Extension(p, l4.topRight(), QPoint(vx + 3, l4.top()));
    Dimension(p, QPoint(vx, l2.top()), QPoint(vx, l4.top()));
    p.save();
    p.translate(vx + 4 + fm.ascent(), (l2.top() + l4.top()) / 2 + fm.horizontalAdvance(text[3]) / 2);
    p.rotate(-90);
    p.drawText(QPoint(0, 0), text[3]);
    p.restore();

    // Side margin: sheet edge to the first column, below the labels.
    const int my = l3.bottom() + 24;
    Extension(p, l3.bottomLeft(), QPoint(l3.left(), my + 3));
    Dimension(p, QPoint(sheet.left() + 1, my), QPoint(l3.left(), my));
    p.drawText(QPoint(l3.left() + 6, my + fm.ascent() / 2), text[4]);

    // Top margin: sheet edge to the first row.
    const int mx = l1.left() + 40;
    Dimension(p, QPoint(mx, sheet.top() + 1), QPoint(mx, l1.top()));
    p.drawText(QPoint(mx + 6, (sheet.top() + l1.top()) / 2 + fm.ascent() / 2), text[5]);
}
