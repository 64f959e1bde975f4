#include "controls/DrawUtils.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

QImage ApplyTransparentColor(const QImage &image, QRgb transparent)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    if (transparent == clNone || result.isNull())
        return result;
    QRgb key = transparent;
    if (image.depth() == 1)
        key = qRgb(255, 255, 255);
    else if (transparent == clDefault)
        key = result.pixel(0, result.height() - 1);
    key &= 0xFFFFFF;
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    return result;
}

void StretchBitmapTransparent(QPainter &painter, const QImage &image, QRgb transparent, const QRect &dest,
                              const QRect &source)
{
    const QRect src = source.isEmpty() ? image.rect() : source;
    QRect dst = dest;
    if (dst.width() < 1)
        dst.setWidth(src.width());
    if (dst.height() < 1)
        dst.setHeight(src.height());
    painter.drawImage(dst, ApplyTransparentColor(image, transparent), src);
}

void DrawBitmapTransparent(QPainter &painter, int x, int y, const QImage &image, QRgb transparent)
{
    StretchBitmapTransparent(painter, image, transparent, QRect(x, y, 0, 0));
}

QImage CreateDisabledBitmap(const QImage &image, QRgb transparent, const QColor &face,
                            const QColor &highlight, const QColor &shadow, bool embossed)
{
    const QImage shape = ApplyTransparentColor(image, transparent);
    auto tinted = [&](const QColor &colour) {
        QImage t(shape.size(), QImage::Format_ARGB32);
        t.fill(colour);
        QPainter p(&t);
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        p.drawImage(0, 0, shape);
        return t;
    };
    QImage result(image.size(), QImage::Format_ARGB32);
    result.fill(face);
    QPainter p(&result);
    if (embossed)
        p.drawImage(1, 1, tinted(highlight));
    p.drawImage(0, 0, tinted(shadow));
    return result;
}

QImage CreateDisabledBitmap(const QImage &image, QRgb transparent)
{
    const QPalette pal = QGuiApplication::palette();
    const QColor face = pal.color(QPalette::Button);
    const QImage img = CreateDisabledBitmap(image, transparent, face, pal.color(QPalette::Light),
                                            pal.color(QPalette::Dark), true);
    return ApplyTransparentColor(img, face.rgb());
}

namespace {
std::function<void()> &BeepHandler()
{
    static std::function<void()> handler;
    return handler;
}
} // namespace

void Beep()
{
    if (BeepHandler())
        BeepHandler()();
    else
        QApplication::beep();
}

std::function<void()> SetBeepHandler(std::function<void()> handler)
{
    return std::exchange(BeepHandler(), std::move(handler));
}

int ButtonEditMinHeight(const QFontMetrics &metrics)
{
    return metrics.height() + 5;
}

QString ShortenText(const QFontMetrics &metrics, const QString &text, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    QString s = text;
    while (!s.isEmpty() && metrics.horizontalAdvance(s + QStringLiteral("...")) > width)
        s.chop(1);
    return s + QStringLiteral("...");
}

QString SplitCommandLine(const QString &line, QString *params)
{
    QStringList items;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        while (i < n && line[i] <= u' ')
            ++i;
        if (i >= n)
            break;
        QString item;
        bool quoted = false;
        while (i < n && (quoted || line[i] > u' ')) {
            if (line[i] == u'"') {
                if (i + 1 < n && line[i + 1] == u'"')
                    ++i;
                else
                    quoted = !quoted;
            } else {
                item += line[i];
            }
            ++i;
        }
        items.append(item);
    }
    if (params) {
        QStringList rest;
        for (qsizetype k = 1; k < items.size(); ++k)
            rest.append(items[k].contains(u' ') ? u'"' + items[k] + u'"' : items[k]);
        *params = rest.join(u' ');
    }
    return items.value(0);
}

void WriteCellText(QPainter &painter, const QRect &rect, int dx, int dy, const QString &text,
                   Qt::Alignment alignment, bool wordWrap, bool rightToLeft)
{
    painter.save();
    if (painter.brush().style() != Qt::NoBrush)
        painter.fillRect(rect, painter.brush());
    painter.setClipRect(rect, Qt::IntersectClip);
    const QFontMetrics fm = painter.fontMetrics();
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    if (!text.contains(u'\r') && !text.contains(u'\n') && !wordWrap) {
        const int width = fm.horizontalAdvance(text);
        int x = rect.left() + dx;
        if (horizontal & Qt::AlignRight)
            x = rect.left() + rect.width() - width - 3;
        else if (horizontal & Qt::AlignHCenter)
            x = rect.left() + rect.width() / 2 - width / 2;
        painter.drawText(x, rect.top() + dy + fm.ascent(), text);
    } else {
        int flags = int(horizontal ? horizontal : Qt::AlignLeft) | Qt::AlignTop;
        if (wordWrap)
            flags |= Qt::TextWordWrap;
        painter.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QString t = text;
        t.remove(u'\r');
        painter.drawText(rect.adjusted(dx, dy, -dx, 0), flags, t);
    }
    painter.restore();
}

void DrawCellText(QPainter &painter, const QRect &rect, const QString &text, Qt::Alignment alignment,
                  bool wordWrap, bool rightToLeft)
{
    const int lineHeight = painter.fontMetrics().height();
    int dy = 2;
    if (alignment & Qt::AlignVCenter)
        dy = std::max(1, (rect.height() - lineHeight) / 2);
    else if (alignment & Qt::AlignBottom)
        dy = std::max(2, rect.height() - lineHeight);
    WriteCellText(painter, rect, 2, dy, text, alignment, wordWrap, rightToLeft);
}

bool IsForegroundTask()
{
    return QApplication::activeWindow() != nullptr;
}
