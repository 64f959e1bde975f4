#pragma once

#include "platform/print/Canvas.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

class QPainter;

// One recorded page: a display list of our own format.
//
// Coordinates. Everything is recorded in tenths of a millimetre (a canvas of
// 254 dots per inch), the unit report lengths are held in, with the page size
// in the picture; font sizes are in points. Replay maps the page onto any
// target rectangle, so the preview at any zoom and the printer at its own
// resolution draw the same page without rounding twice.
//
// Bytes (little-endian, every record a multiple of 4 bytes):
//   header, 24 bytes: signature 'Q' 'P' 'G' 0xB1; u16 version (1); u16 header
//   size (24); u32 total size of the picture in bytes, header included; i32 page
//   width and i32 page height in 0.1 mm; u32 number of records.
//   records: u32 type, u32 record size (head included), then the fields of
//   the type. Strings are UTF-16 at an offset inside their record.
// The total size in the header makes a picture self-delimiting in a stream.
class PagePicture {
public:
    static constexpr int HeaderSize = 24;
    static constexpr char Signature[4] = {'Q', 'P', 'G', '\xB1'};

    PagePicture() = default; // a null picture: no page
    bool isNull() const { return bytes_.isEmpty(); }

    // Checks every record (sizes, types, styles, string offsets inside their
    // record); on failure returns nothing and puts the reason into error.
    static std::optional<PagePicture> fromBytes(const QByteArray &bytes, QString *error = nullptr);
    // The total size a picture header announces, or -1 when data (at least
    // HeaderSize bytes) does not start with a picture header.
    static qint64 sizeFromHeader(const char *data, qint64 size);

    const QByteArray &bytes() const { return bytes_; }
    int width() const { return width_; }   // 0.1 mm
    int height() const { return height_; } // 0.1 mm
    int recordCount() const { return records_; }

    // Draws the page stretched over target (in the painter's coordinates).
    // Nothing is drawn for a null picture or a page of zero size.
    void replay(QPainter &painter, const QRectF &target) const;

    // Every text in drawing order; visit returns false to stop early.
    void forEachText(const std::function<bool(const QString &)> &visit) const;
    QStringList texts() const;

private:
    friend class PictureRecorder;
    PagePicture(QByteArray bytes, int width, int height, int records)
        : bytes_(std::move(bytes)), width_(width), height_(height), records_(records)
    {
    }

    QByteArray bytes_;
    int width_ = 0;
    int height_ = 0;
    int records_ = 0;
};

// A canvas that records a PagePicture. Its units are tenths of a millimetre
// (dpiX() and dpiY() are 254); pen, brush and font records are written only
// when a drawing uses a state that differs from the one last recorded.
class PictureRecorder : public Canvas {
public:
    PictureRecorder(int width, int height); // page size in 0.1 mm
    ~PictureRecorder() override;

    double dpiX() const override { return 254; }
    double dpiY() const override { return 254; }

    void drawRect(const QRect &rect) override;
    void drawEllipse(const QRect &rect) override;
    void drawRoundedRect(const QRect &rect, int rx, int ry) override;
    void drawLine(QPoint from, QPoint to) override;
    void fillRect(const QRect &rect) override;
    void drawText(const QRect &rect, int flags, const QString &text) override;
    void drawTextClipped(const QRect &clip, int x, int y, const QString &text) override;
    void drawPicture(const QRect &rect, const QImage &image) override;

    // The page recorded so far; the recorder starts an empty page of the same
    // size afterwards.
    PagePicture finish();

protected:
    const QPaintDevice *metricsDevice() const override;

private:
    enum class State { Pen = 1, Brush = 2, Font = 4 };
    void begin(uint32_t type);
    void end();
    void useState(int states);
    void putRect(const QRect &rect);
    void putInt(int32_t value);
    void putString(const QString &text, int countField);
    void text(const QRect &layout, const QRect &clip, int flags, uint32_t options, const QString &text);

    int width_;
    int height_;
    QByteArray data_;
    int records_ = 0;
    qsizetype recordStart_ = 0;
    CanvasPen recordedPen_;
    CanvasBrush recordedBrush_;
    CanvasFont recordedFont_;
    bool anyPen_ = false, anyBrush_ = false, anyFont_ = false;
};

// A canvas that draws straight onto a QPainter, in the device pixels of the
// painter's device (the painter should carry no transformation of its own).
class PainterCanvas : public Canvas {
public:
    explicit PainterCanvas(QPainter &painter);

    double dpiX() const override;
    double dpiY() const override;

    void setPen(const CanvasPen &pen) override;
    void setBrush(const CanvasBrush &brush) override;
    void setFont(const CanvasFont &font) override;

    void drawRect(const QRect &rect) override;
    void drawEllipse(const QRect &rect) override;
    void drawRoundedRect(const QRect &rect, int rx, int ry) override;
    void drawLine(QPoint from, QPoint to) override;
    void fillRect(const QRect &rect) override;
    void drawText(const QRect &rect, int flags, const QString &text) override;
    void drawTextClipped(const QRect &clip, int x, int y, const QString &text) override;
    void drawPicture(const QRect &rect, const QImage &image) override;

    QPainter &painter() { return painter_; }

protected:
    const QPaintDevice *metricsDevice() const override;

private:
    QPainter &painter_;
};
