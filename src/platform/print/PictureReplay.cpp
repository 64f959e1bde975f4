#include "platform/print/PagePicture.h"

#include "platform/print/PainterOps.h"
#include "platform/print/PictureFormat.h"

#include <QImage>
#include <QPaintDevice>

using namespace PictureFormat;

namespace {

QRectF RectAt(const char *p)
{
    return QRectF(GetI32(p), GetI32(p + 4), GetI32(p + 8), GetI32(p + 12));
}

QColor ColorAt(const char *p)
{
    return QColor::fromRgba(GetU32(p));
}

// Plays the records of a checked picture in page units (0.1 mm) onto a
// painter already scaled to the target.
class Player {
public:
    Player(QPainter &painter, double fontScale) : painter_(painter), fontScale_(fontScale)
    {
        painter_.setPen(PainterOps::Pen(CanvasPen()));
        painter_.setBrush(PainterOps::Brush(CanvasBrush()));
        setFont(CanvasFont());
    }

    bool play(uint32_t type, const char *r)
    {
        const char *f = r + RecordHead;
        switch (type) {
        case Pen: {
            CanvasPen pen;
            pen.color = ColorAt(f);
            pen.width = GetI32(f + 4);
            pen.style = Qt::PenStyle(GetU32(f + 8));
            painter_.setPen(PainterOps::Pen(pen));
            break;
        }
        case Brush:
            brush_.color = ColorAt(f);
            brush_.style = Qt::BrushStyle(GetU32(f + 4));
            painter_.setBrush(PainterOps::Brush(brush_));
            break;
        case Font: {
            CanvasFont font;
            font.pointSize = GetI32(f) / 100.0;
            const uint32_t style = GetU32(f + 4);
            font.bold = style & Bold;
            font.italic = style & Italic;
            font.underline = style & Underline;
            font.strikeOut = style & StrikeOut;
            font.color = ColorAt(f + 8);
            font.family = Utf16At(r, FontFamilyAt);
            setFont(font);
            break;
        }
        case Rectangle: painter_.drawRect(RectAt(f)); break;
        case Ellipse: painter_.drawEllipse(RectAt(f)); break;
        case RoundRect: painter_.drawRoundedRect(RectAt(f), GetI32(f + 16), GetI32(f + 20)); break;
        case Line:
            painter_.drawLine(QPointF(GetI32(f), GetI32(f + 4)), QPointF(GetI32(f + 8), GetI32(f + 12)));
            break;
        case Fill: painter_.fillRect(RectAt(f), PainterOps::Brush(brush_)); break;
        case Text: {
            const QRectF clip = RectAt(f + 16);
            PainterOps::Text(painter_, RectAt(f), int(GetU32(f + 32)),
                             (GetU32(f + 36) & Clipped) ? &clip : nullptr, fontColor_,
                             Utf16At(r, TextStringAt));
            break;
        }
        case Image: {
            QImage image;
            if (image.loadFromData(reinterpret_cast<const uchar *>(r + GetU32(r + ImageDataAt + 4)),
                                   int(GetU32(r + ImageDataAt)), "PNG"))
                painter_.drawImage(RectAt(f), image);
            break;
        }
        }
        return true;
    }

private:
    // The painter's transformation scales the font with the page, so the
    // point size is given for a device of 254 dots per inch.
    void setFont(const CanvasFont &font)
    {
        QFont f = font.toQFont();
        f.setPointSizeF(font.pointSize * fontScale_);
        painter_.setFont(f);
        fontColor_ = font.color;
    }

    QPainter &painter_;
    double fontScale_;
    CanvasBrush brush_;
    QColor fontColor_ = Qt::black;
};

} // namespace

void PagePicture::replay(QPainter &painter, const QRectF &target) const
{
    if (isNull() || width_ <= 0 || height_ <= 0 || target.isEmpty())
        return;
    const QPaintDevice *device = painter.device();
    const double deviceDpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / width_, target.height() / height_);
    painter.setClipRect(QRectF(0, 0, width_, height_), Qt::IntersectClip);
    Player player(painter, 254.0 / deviceDpi);
    ForEachRecord(bytes_, HeaderSize,
                  [&player](uint32_t type, const char *r, uint32_t) { return player.play(type, r); });
    painter.restore();
}
