#include "report/layout/RpPit.h"

#include "platform/print/Canvas.h"
#include "report/expr/RpMask.h"
#include "report/layout/RpCanvas.h"
#include "report/printer/RpPrinter.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <cmath>

namespace {

QFont ArialCE(int points)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(points);
    return f;
}

// Writes a text with its cell's top-left corner at (x, y).
void TextOut(QPainter &p, int x, int y, const QString &text)
{
    p.drawText(QPoint(x, y + p.fontMetrics().ascent()), text);
}

int Width(QPainter &p, const QString &text)
{
    return p.fontMetrics().horizontalAdvance(text);
}
int Height(QPainter &p, const QString &)
{
    return p.fontMetrics().height();
}

void Write(Canvas &c, int x, int y, const QString &text)
{
    c.textOut(x, y, text);
}

int Width(Canvas &c, const QFont &font, const QString &text)
{
    c.setFont(ToCanvasFont(font));
    return c.textWidth(text);
}

int Height(Canvas &c, const QFont &font, const QString &text)
{
    c.setFont(ToCanvasFont(font));
    return c.textHeight(text);
}

void Outline(Canvas &c, const QPen &pen, const QBrush &brush, int x1, int y1, int x2, int y2)
{
    c.setBrush(ToCanvasBrush(brush));
    c.setPen(ToCanvasPen(pen));
    c.drawRect(QRect(x1, y1, x2 - x1, y2 - y1));
}

} // namespace

TRpCustomPit::TRpCustomPit() : Font(ArialCE(11))
{
    Transparent = false;
    Size.SetNative(TRpPrintableSize::HeightIdx, 50);
}

void TRpCustomPit::Changed() const
{
    if (Repaint)
        Repaint();
}

void TRpCustomPit::Print(int offsetX, int offsetY)
{
    if (ShouldDraw()) {
        TRpPrinter &p = *RpPrinter();
        const double left = Size.Native(TRpPrintableSize::LeftIdx) + offsetX;
        const double top = Size.Native(TRpPrintableSize::TopIdx) + offsetY;
        PaintPage(*p.GetCanvas(),
                  {p.XPos(left), p.YPos(top), p.XPos(left + Size.Native(TRpPrintableSize::WidthIdx)),
                   p.YPos(top + Size.Native(TRpPrintableSize::HeightIdx))});
    }
    TRpPrintable::Print(offsetX, offsetY);
}

TRpCustomBox::TRpCustomBox() : CaptionFont(ArialCE(7))
{
    Font = ArialCE(12);
    Size.SetNative(TRpPrintableSize::HeightIdx, 90);
    Size.SetNative(TRpPrintableSize::WidthIdx, 500);
}

void TRpCustomBox::SetCaption(const QString &caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    Changed();
}

void TRpCustomBox::SetZnakOdstepuGora(QChar c)
{
    if (c == gora_)
        return;
    gora_ = c;
    Changed();
}

void TRpCustomBox::SetZnakOdstepuDol(QChar c)
{
    if (c == dol_)
        return;
    dol_ = c;
    Changed();
}

void TRpCustomBox::PaintScreen(QPainter &p, int width, int height) const
{
    p.setPen(Pen);
    p.setBrush(Brush);
    p.drawRect(0, 0, width - 1, height - 1);
    p.setFont(CaptionFont);
    TextOut(p, Width(p, QString(gora_)), Height(p, QStringLiteral("A")) / 6, caption_);
}

void TRpCustomBox::PaintPage(Canvas &c, const Corners &k) const
{
    Outline(c, Pen, Brush, k.x1, k.y1, k.x2, k.y2);
    c.setFont(ToCanvasFont(CaptionFont));
    Write(c, k.x1 + Width(c, CaptionFont, QString(gora_)),
          k.y1 + Height(c, CaptionFont, QStringLiteral("A")) / 6 + Pen.width(), caption_);
}

TRpTextBox::TRpTextBox() = default;

void TRpTextBox::SetText(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    Changed();
}

void TRpTextBox::SetTextAlignment(Qt::AlignmentFlag alignment)
{
    alignment_ = alignment;
    Changed();
}

void TRpTextBox::PaintScreen(QPainter &p, int width, int height) const
{
    TRpCustomBox::PaintScreen(p, width, height);
    p.setFont(CaptionFont);
    const int s1 = Width(p, QString(ZnakOdstepuDol())), s2 = Width(p, QStringLiteral("  "));
    p.setFont(Font);
    const int h0 = Height(p, QStringLiteral("0")), tw = Width(p, text_);
    const int x = alignment_ == Qt::AlignRight     ? width - tw - s2
                  : alignment_ == Qt::AlignHCenter ? (width - tw) / 2
                                                   : s1;
    TextOut(p, x, height - h0 - 2, text_);
}

void TRpTextBox::PaintPage(Canvas &c, const Corners &k) const
{
    TRpCustomBox::PaintPage(c, k);
    const int s1 = Width(c, CaptionFont, QString(ZnakOdstepuDol())),
              s2 = Width(c, CaptionFont, QStringLiteral("  "));
    c.setFont(ToCanvasFont(Font));
    const int h0 = Height(c, Font, QStringLiteral("0")), tw = Width(c, Font, text_);
    const int x = alignment_ == Qt::AlignRight     ? k.x2 - tw - s2
                  : alignment_ == Qt::AlignHCenter ? k.x1 + ((k.x2 - k.x1) - tw) / 2
                                                   : k.x1 + s1;
    Write(c, x, k.y2 - h0 - 2, text_);
}

void TRpIntBox::SetValue(qint64 value)
{
    if (value == value_)
        return;
    value_ = value;
    Changed();
}

void TRpIntBox::SetPrintZL(bool on)
{
    if (on == printZL_)
        return;
    printZL_ = on;
    Changed();
}

void TRpIntBox::SetPrintZero(bool on)
{
    if (on == printZero_)
        return;
    printZero_ = on;
    Changed();
}

QString TRpIntBox::FormattedText() const
{
    if (value_ == 0 && !printZero_)
        return QString();
    QString text = FormatValueMask(QStringLiteral("%.0n"), value_ / 10000.0).value_or(QString());
    if (printZL_)
        text += QStringLiteral(" zł");
    return text;
}

void TRpIntBox::PaintScreen(QPainter &p, int width, int height) const
{
    TRpCustomBox::PaintScreen(p, width, height);
    p.setFont(Font);
    const QString text = FormattedText();
    TextOut(p, width - Width(p, text + ' '), height - Height(p, QStringLiteral("0")) - 2, text);
}

void TRpIntBox::PaintPage(Canvas &c, const Corners &k) const
{
    TRpCustomBox::PaintPage(c, k);
    c.setFont(ToCanvasFont(Font));
    const QString text = FormattedText();
    Write(c, k.x2 - Width(c, Font, text + ' '), k.y2 - Height(c, Font, QStringLiteral("0")) - 2, text);
}

TRpCell::TRpCell()
{
    Size.SetNative(TRpPrintableSize::HeightIdx, 90);
    Size.SetNative(TRpPrintableSize::WidthIdx, 500);
}

void TRpCell::SetCaption(const QString &caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    Changed();
}

void TRpCell::SetHorAlignment(THAlignment a)
{
    hor_ = a;
    Changed();
}

void TRpCell::SetVertAlignment(TVAlignment a)
{
    vert_ = a;
    Changed();
}

void TRpCell::PaintScreen(QPainter &p, int width, int height) const
{
    p.setPen(Pen);
    p.setBrush(Brush);
    p.drawRect(0, 0, width - 1, height - 1);
    p.setFont(Font);
    const int tw = Width(p, caption_), th = Height(p, QStringLiteral("0"));
    const int x = hor_ == THAlignment::haLeft     ? 1
                  : hor_ == THAlignment::haCenter ? (width - tw) / 2
                                                  : width - tw - 1;
    const int y = vert_ == TVAlignment::vaTop      ? 1
                  : vert_ == TVAlignment::vaCenter ? (height - th) / 2
                                                   : height - th - 1;
    TextOut(p, x, y, caption_);
}

void TRpCell::PaintPage(Canvas &c, const Corners &k) const
{
    Outline(c, Pen, Brush, k.x1, k.y1, k.x2, k.y2);
    c.setFont(ToCanvasFont(Font));
    const int tw = Width(c, Font, caption_), th = Height(c, Font, QStringLiteral("0"));
    const int x = hor_ == THAlignment::haLeft     ? k.x1
                  : hor_ == THAlignment::haCenter ? k.x1 + ((k.x2 - k.x1) - tw) / 2
                                                  : k.x2 - tw;
    const int y = vert_ == TVAlignment::vaTop      ? k.y1
                  : vert_ == TVAlignment::vaCenter ? k.y1 + ((k.y2 - k.y1) - th) / 2
                                                   : k.y2 - th - 1;
    Write(c, x, y, caption_);
}
