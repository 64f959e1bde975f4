#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

class QFontMetrics;
class QPainter;

// Special transparent colours: none, or the colour of the bottom-left pixel.
inline constexpr QRgb clNone = 0x1FFFFFFF;
inline constexpr QRgb clDefault = 0x20000000;

// The image with every pixel of the transparent colour made clear. A monochrome
// image uses white; clNone leaves the image as it is.
QImage ApplyTransparentColor(const QImage &image, QRgb transparent);

// A destination width or height below 1 means the image's own size; an empty
// source rectangle means the whole image.
void StretchBitmapTransparent(QPainter &painter, const QImage &image, QRgb transparent, const QRect &dest,
                              const QRect &source = QRect());
void DrawBitmapTransparent(QPainter &painter, int x, int y, const QImage &image, QRgb transparent);

// The embossed look of a disabled glyph: its shape in the shadow colour with a
// highlight copy one pixel down and right, on the face colour.
QImage CreateDisabledBitmap(const QImage &image, QRgb transparent, const QColor &face,
                            const QColor &highlight, const QColor &shadow, bool embossed);
// Same with the button colours of the application palette, made transparent on the face.
QImage CreateDisabledBitmap(const QImage &image, QRgb transparent);

// The default system beep; tests install a handler to count them.
void Beep();
std::function<void()> SetBeepHandler(std::function<void()> handler);

// Cuts characters from the end and appends "..." until the text fits the width;
// stops at "..." alone when nothing is left to cut.
QString ShortenText(const QFontMetrics &metrics, const QString &text, int width);

// The least height of a one-line edit with a button inside: the font's line
// and room for the frame around the button.
int ButtonEditMinHeight(const QFontMetrics &metrics);

// The program name of a command line; *params receives the parameters joined by
// one blank, those holding a blank put between double quotes.
QString SplitCommandLine(const QString &line, QString *params = nullptr);

// Text in a rectangle filled with the painter's brush, offset by dx, dy. One
// line without wrapping is placed by hand; otherwise Qt lays the text out.
void WriteCellText(QPainter &painter, const QRect &rect, int dx, int dy, const QString &text,
                   Qt::Alignment alignment, bool wordWrap, bool rightToLeft = false);
// The grid cell form: 2 pixels in from the side, vertical offset by alignment.
void DrawCellText(QPainter &painter, const QRect &rect, const QString &text, Qt::Alignment alignment,
                  bool wordWrap, bool rightToLeft = false);

// True when one of this program's windows is active.
bool IsForegroundTask();
