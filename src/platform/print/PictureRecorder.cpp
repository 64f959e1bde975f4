#include "platform/print/PagePicture.h"

#include "platform/print/PictureFormat.h"

#include <QBuffer>
#include <QImage>
#include <cmath>

using namespace PictureFormat;

namespace {

void PutU32(QByteArray &data, uint32_t v)
{
    char b[4];
    qToLittleEndian(v, b);
    data.append(b, 4);
}

void PatchU32(QByteArray &data, qsizetype at, uint32_t v)
{
    qToLittleEndian(v, data.data() + at);
}

void Pad4(QByteArray &data)
{
    while (data.size() % 4 != 0)
        data.append('\0');
}

// A 254 dpi device: font metrics in tenths of a millimetre.
const QImage &MetricsImage()
{
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        i.setDotsPerMeterX(10000);
        i.setDotsPerMeterY(10000);
        return i;
    }();
    return image;
}

} // namespace

PictureRecorder::PictureRecorder(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0))
{
    finish();
}

PictureRecorder::~PictureRecorder() = default;

const QPaintDevice *PictureRecorder::metricsDevice() const
{
    return &MetricsImage();
}

PagePicture PictureRecorder::finish()
{
    QByteArray done = data_;
    const int records = records_;
    if (!done.isEmpty()) {
        PatchU32(done, 8, uint32_t(done.size()));
        PatchU32(done, 20, uint32_t(records));
    }

    data_.clear();
    data_.append(PagePicture::Signature, 4);
    char v[4];
    qToLittleEndian(Version, v);
    qToLittleEndian(uint16_t(PagePicture::HeaderSize), v + 2);
    data_.append(v, 4);
    PutU32(data_, 0);
    PutU32(data_, uint32_t(width_));
    PutU32(data_, uint32_t(height_));
    PutU32(data_, 0);
    records_ = 0;
    anyPen_ = anyBrush_ = anyFont_ = false;
    if (done.isEmpty())
        return {};
    return PagePicture(done, width_, height_, records);
}

void PictureRecorder::begin(uint32_t type)
{
    recordStart_ = data_.size();
    PutU32(data_, type);
    PutU32(data_, 0);
}

void PictureRecorder::end()
{
    Pad4(data_);
    PatchU32(data_, recordStart_ + 4, uint32_t(data_.size() - recordStart_));
    ++records_;
}

void PictureRecorder::putInt(int32_t value)
{
    PutU32(data_, uint32_t(value));
}

void PictureRecorder::putRect(const QRect &rect)
{
    // Values stay within what a picture may hold, so every recorded page loads.
    auto clamp = [](qint64 v) { return int32_t(std::clamp<qint64>(v, -MaxCoordinate, MaxCoordinate)); };
    const QRect r = rect.normalized();
    putInt(clamp(r.x()));
    putInt(clamp(r.y()));
    putInt(clamp(std::min<qint64>(qint64(r.width()), MaxCoordinate)));
    putInt(clamp(std::min<qint64>(qint64(r.height()), MaxCoordinate)));
}

// Appends the string's UTF-16 units after the fixed fields and fills in its
// count and offset fields (countField: the count's offset in the record).
void PictureRecorder::putString(const QString &text, int countField)
{
    const qsizetype offset = data_.size() - recordStart_;
    PatchU32(data_, recordStart_ + countField, uint32_t(text.size()));
    PatchU32(data_, recordStart_ + countField + 4, uint32_t(offset));
    for (QChar c : text) {
        char b[2];
        qToLittleEndian(c.unicode(), b);
        data_.append(b, 2);
    }
}

void PictureRecorder::useState(int states)
{
    if ((states & int(State::Pen)) && (!anyPen_ || recordedPen_ != pen())) {
        recordedPen_ = pen();
        anyPen_ = true;
        begin(Pen);
        PutU32(data_, recordedPen_.color.rgba());
        putInt(std::clamp(recordedPen_.width, 0, MaxCoordinate));
        PutU32(data_, uint32_t(std::clamp(int(recordedPen_.style), 0, int(Qt::DashDotDotLine))));
        end();
    }
    if ((states & int(State::Brush)) && (!anyBrush_ || recordedBrush_ != brush())) {
        recordedBrush_ = brush();
        anyBrush_ = true;
        begin(Brush);
        PutU32(data_, recordedBrush_.color.rgba());
        PutU32(data_, uint32_t(std::clamp(int(recordedBrush_.style), 0, int(Qt::DiagCrossPattern))));
        end();
    }
    if ((states & int(State::Font)) && (!anyFont_ || recordedFont_ != font())) {
        recordedFont_ = font();
        anyFont_ = true;
        const CanvasFont &f = recordedFont_;
        begin(Font);
        putInt(std::clamp(int(std::lround(f.pointSize * 100)), 1, MaxFontSize));
        PutU32(data_, (f.bold ? Bold : 0u) | (f.italic ? Italic : 0u) | (f.underline ? Underline : 0u) |
                          (f.strikeOut ? StrikeOut : 0u));
        PutU32(data_, f.color.rgba());
        PutU32(data_, 0);
        PutU32(data_, 0);
        putString(f.family, FontFamilyAt);
        end();
    }
}

void PictureRecorder::drawRect(const QRect &rect)
{
    useState(int(State::Pen) | int(State::Brush));
    begin(Rectangle);
    putRect(rect);
    end();
}

void PictureRecorder::drawEllipse(const QRect &rect)
{
    useState(int(State::Pen) | int(State::Brush));
    begin(Ellipse);
    putRect(rect);
    end();
}

void PictureRecorder::drawRoundedRect(const QRect &rect, int rx, int ry)
{
    useState(int(State::Pen) | int(State::Brush));
    begin(RoundRect);
    putRect(rect);
    putInt(std::clamp(rx, 0, MaxCoordinate));
    putInt(std::clamp(ry, 0, MaxCoordinate));
    end();
}

void PictureRecorder::drawLine(QPoint from, QPoint to)
{
    useState(int(State::Pen));
    begin(Line);
    for (int v : {from.x(), from.y(), to.x(), to.y()})
        putInt(std::clamp(v, -MaxCoordinate, MaxCoordinate));
    end();
}

void PictureRecorder::fillRect(const QRect &rect)
{
    useState(int(State::Brush));
    begin(Fill);
    putRect(rect);
    end();
}

void PictureRecorder::text(const QRect &layout, const QRect &clip, int flags, uint32_t options,
                           const QString &text)
{
    useState(int(State::Font));
    begin(Text);
    putRect(layout);
    putRect(clip);
    PutU32(data_, uint32_t(flags) & TextFlagMask);
    PutU32(data_, options);
    PutU32(data_, 0);
    PutU32(data_, 0);
    putString(text, TextStringAt);
    end();
}

void PictureRecorder::drawText(const QRect &rect, int flags, const QString &s)
{
    const bool clipped = !(flags & Qt::TextDontClip);
    text(rect, clipped ? rect : QRect(), flags | Qt::TextDontClip, clipped ? Clipped : 0u, s);
}

void PictureRecorder::drawTextClipped(const QRect &clip, int x, int y, const QString &s)
{
    text(QRect(x, y, 0, 0), clip, OneLine, Clipped, s);
}

void PictureRecorder::drawPicture(const QRect &rect, const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    begin(Image);
    putRect(rect);
    PutU32(data_, uint32_t(png.size()));
    PutU32(data_, uint32_t(FixedSize(Image)));
    data_.append(png);
    end();
}
