#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

class QFont;
class QImage;
class QPaintDevice;

// Pen, brush and font of a canvas as plain values, so that a recorder can
// store them and compare them.

// Lines and outlines. Width in canvas units; 0 is the thinnest line the
// device draws (one device pixel at any zoom).
struct CanvasPen {
    QColor color = Qt::black;
    int width = 0;
    Qt::PenStyle style = Qt::SolidLine; // NoPen .. DashDotDotLine
    bool operator==(const CanvasPen &) const = default;
};

// Fills. Qt::NoBrush leaves the inside untouched (a "clear" brush).
struct CanvasBrush {
    QColor color = Qt::white;
    Qt::BrushStyle style = Qt::SolidPattern; // NoBrush .. DiagCrossPattern
    bool operator==(const CanvasBrush &) const = default;
};

// Size in points, so the same font reads the same at any resolution.
struct CanvasFont {
    QString family = QStringLiteral("Liberation Sans");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color = Qt::black;
    bool operator==(const CanvasFont &) const = default;

    QFont toQFont() const; // in points, for a device of its own resolution
};

// The surface a report page is drawn on. Coordinates and lengths are canvas
// units: dpiX() and dpiY() of them make one inch. A rectangle runs from
// (x, y) to (x + width, y + height); outlines are centred on that border.
// Pen, brush and font stay in effect until set again; the defaults are a
// black hairline pen, a white solid brush and Liberation Sans 10 pt in black.
// Text is always drawn on a transparent background.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual double dpiX() const = 0;
    virtual double dpiY() const = 0;

    virtual void setPen(const CanvasPen &pen) { pen_ = pen; }
    virtual void setBrush(const CanvasBrush &brush) { brush_ = brush; }
    virtual void setFont(const CanvasFont &font) { font_ = font; }
    const CanvasPen &pen() const { return pen_; }
    const CanvasBrush &brush() const { return brush_; }
    const CanvasFont &font() const { return font_; }

    // Outlined with the pen and filled with the brush.
    virtual void drawRect(const QRect &rect) = 0;
    virtual void drawEllipse(const QRect &rect) = 0;
    // Corners are quarter ellipses of radii rx and ry.
    virtual void drawRoundedRect(const QRect &rect, int rx, int ry) = 0;
    virtual void drawLine(QPoint from, QPoint to) = 0;
    // The brush only, no outline.
    virtual void fillRect(const QRect &rect) = 0;

    // Text laid out in rect by Qt alignment and text flags (Qt::AlignLeft ..
    // Qt::AlignVCenter, Qt::TextSingleLine, Qt::TextWordWrap,
    // Qt::TextExpandTabs, Qt::TextDontClip). Clipped to rect unless
    // Qt::TextDontClip is given.
    virtual void drawText(const QRect &rect, int flags, const QString &text) = 0;
    // One line with its top-left corner at (x, y), cut off outside clip.
    virtual void drawTextClipped(const QRect &clip, int x, int y, const QString &text) = 0;
    // One line with its top-left corner at (x, y), not clipped.
    void textOut(int x, int y, const QString &text);
    // The text flags of such a line.
    static constexpr int OneLine = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;

    // An image stretched over rect.
    virtual void drawPicture(const QRect &rect, const QImage &image) = 0;

    // Measures in canvas units with the current font.
    int textWidth(const QString &text) const;
    int textHeight(const QString &text) const;
    // The rectangle the text takes when drawn in rect with flags (its top-left
    // corner follows the alignment; a word-wrapped text may grow downwards).
    QRect textBounds(const QRect &rect, int flags, const QString &text) const;

protected:
    // The device whose resolution the font metrics are taken at.
    virtual const QPaintDevice *metricsDevice() const = 0;

private:
    CanvasPen pen_;
    CanvasBrush brush_;
    CanvasFont font_;
};
