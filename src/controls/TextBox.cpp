#include "controls/TextBox.h"

#include <QMouseEvent>
#include <QPainter>

TTextBox::TTextBox(QWidget *parent) : QWidget(parent)
{
    pen_.setJoinStyle(Qt::MiterJoin);
    resize(80, 20);
}

void TTextBox::SetPen(const QPen &pen)
{
    if (pen == pen_)
        return;
    pen_ = pen;
    StyleChanged();
}

void TTextBox::SetBrush(const QBrush &brush)
{
    if (brush == brush_)
        return;
    brush_ = brush;
    StyleChanged();
}

void TTextBox::SetText(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
}

QRect TTextBox::FrameRect() const
{
    const int w = pen_.style() == Qt::NoPen ? 0 : pen_.width();
    const int half = w / 2;
    int right = width() - w + 1;
    int bottom = height() - w + 1;
    if (w == 0) {
        --right;
        --bottom;
    }
    return QRect(QPoint(half, half), QPoint(right + half - 1, bottom + half - 1));
}

void TTextBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect frame = FrameRect();
    p.fillRect(frame, brush_);
    const int w = pen_.style() == Qt::NoPen ? 0 : pen_.width();
    if (w > 0) {
        // The pen runs inside the frame's outer edge, as wide as it is.
        QPen pen = pen_;
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const double inset = w / 2.0;
        p.drawRect(QRectF(frame.left() + inset, frame.top() + inset, frame.width() - w, frame.height() - w));
    }
    if (text_.isEmpty())
        return;
    p.setFont(font());
    const QFontMetrics fm(font());
    const int tw = fm.horizontalAdvance(text_), th = fm.height();
    const QRect textRect(std::max(0, (width() - tw) / 2), std::max(0, (height() - th) / 2), tw, th);
    p.fillRect(textRect, brush_);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(textRect.x(), textRect.y() + fm.ascent(), text_);
}

void TTextBox::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit OnClick();
}
