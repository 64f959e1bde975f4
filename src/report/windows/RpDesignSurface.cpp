#include "report/windows/RpDesignSurface.h"

#include "platform/print/PagePicture.h"
#include "report/layout/RpDesignLayout.h"
#include "report/layout/RpLabel.h"
#include "report/layout/RpReport.h"

#include <QMouseEvent>
#include <QPainter>
#include <cstdlib>

namespace {

constexpr int Dpi = 96;

// Ruler numbers: a small font every system has, in place of "Small Fonts".
QFont RulerFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    return font;
}

// The grid follows millimetres, inches or character cells; pixel and native
// lengths are shown in millimetres.
TRpUnit GridUnits(TRpUnit units)
{
    return units == TRpUnit::Inches || units == TRpUnit::Characters ? units : TRpUnit::MM;
}

int ScreenColors(const QWidget &widget)
{
    const int depth = widget.depth();
    return depth > 8 ? -1 : 1 << depth;
}

} // namespace

TRpDesignSurface::TRpDesignSurface(TCustomReport &report, QWidget *parent) : QWidget(parent), report_(report)
{
    setAutoFillBackground(true);
    setMouseTracking(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x808080));
    setPalette(palette);
    report_.OnDesignImageChanged = [this](TCustomReport &) { update(); };
    Relayout();
}

TRpDesignSurface::~TRpDesignSurface()
{
    report_.OnDesignImageChanged = nullptr;
}

void TRpDesignSurface::SetZoom(int zoom)
{
    if (zoom < 1 || zoom > 300)
        return;
    report_.SetZoom(zoom);
    Relayout();
}

void TRpDesignSurface::Relayout()
{
    setMinimumSize(sizeHint());
    updateGeometry();
    update();
}

QSize TRpDesignSurface::sizeHint() const
{
    const QRect paper = PaperRect();
    return QSize(paper.right() + 1 + RulerSize / 2, paper.bottom() + 1 + RulerSize / 2);
}

QRect TRpDesignSurface::PaperRect() const
{
    const int zoom = report_.Zoom();
    return QRect(RulerSize, RulerSize, DesignPixels(report_.Page.Native(TRpPage::WidthIdx), zoom, Dpi),
                 DesignPixels(report_.Page.Native(TRpPage::LengthIdx), zoom, Dpi));
}

double TRpDesignSurface::ScreenFactor() const
{
    return Dpi / 254.0;
}

TRpCustomBand *TRpDesignSurface::BandEdgeAt(const QPoint &point) const
{
    const QPoint origin = PaperRect().topLeft();
    for (const TRpBandPlace &place : LayoutBands(report_, Dpi)) {
        const QRect r = place.Rect.translated(origin);
        if (point.x() >= r.left() && point.x() <= r.right() && std::abs(point.y() - (r.bottom() + 1)) <= 3)
            return place.Band;
    }
    return nullptr;
}

// The lower edge of a band is dragged to give it a new height; the bands
// under it move along.
void TRpDesignSurface::mousePressEvent(QMouseEvent *event)
{
    resizing_ = event->button() == Qt::LeftButton ? BandEdgeAt(event->position().toPoint()) : nullptr;
    if (!resizing_)
        return;
    const QPoint origin = PaperRect().topLeft();
    for (const TRpBandPlace &place : LayoutBands(report_, Dpi))
        if (place.Band == resizing_)
            resizeTop_ = place.Rect.top() + origin.y();
}

void TRpDesignSurface::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (!resizing_) {
        setCursor(BandEdgeAt(point) ? Qt::SizeVerCursor : Qt::ArrowCursor);
        return;
    }
    SetBandHeightPixels(*resizing_, point.y() - resizeTop_, Dpi);
    update();
}

void TRpDesignSurface::mouseReleaseEvent(QMouseEvent *)
{
    if (resizing_)
        Relayout();
    resizing_ = nullptr;
}

void TRpDesignSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect paper = PaperRect();
    painter.fillRect(paper, Qt::white);
    if (report_.DesignImage)
        report_.DesignImage->replay(painter, QRectF(paper));
    PaintRulers(painter, paper);
    const std::vector<TRpBandPlace> places = LayoutBands(report_, Dpi);
    for (const TRpBandPlace &place : places)
        painter.fillRect(place.Rect.translated(paper.topLeft()),
                         place.Band->Enabled ? place.Band->Color : QColor(0xC0C0C0)); // silver when disabled
    if (report_.Page.Ruler)
        PaintGrid(painter, paper);
    PaintMargins(painter, paper);
    for (const TRpBandPlace &place : places)
        PaintBand(painter, *place.Band, place.Rect.translated(paper.topLeft()));
}

void TRpDesignSurface::PaintRulers(QPainter &painter, const QRect &paper)
{
    const TRpUnit units = GridUnits(report_.Units());
    const double points = report_.Font.pointSizeF();
    const QColor face(0xF0F0F0);
    painter.fillRect(QRect(paper.left(), 0, paper.width(), RulerSize), face);
    painter.fillRect(QRect(0, paper.top(), RulerSize, paper.height()), face);
    painter.setFont(RulerFont());
    painter.setPen(Qt::black);
    for (const TRpGridLine &line : DesignGridLines(units, paper.width(), report_.Zoom(), true, points, Dpi)) {
        const int x = paper.left() + line.Position;
        painter.drawLine(x, RulerSize - (line.Major ? 8 : 3), x, RulerSize - 1);
        if (line.Major)
            painter.drawText(QRect(x - 20, 0, 19, RulerSize - 4), Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(line.Number * (units == TRpUnit::Characters ? 10 : 1)));
    }
    for (const TRpGridLine &line :
         DesignGridLines(units, paper.height(), report_.Zoom(), false, points, Dpi)) {
        const int y = paper.top() + line.Position;
        painter.drawLine(RulerSize - (line.Major ? 8 : 3), y, RulerSize - 1, y);
        if (line.Major)
            painter.drawText(QRect(0, y - 12, RulerSize - 3, 11), Qt::AlignRight | Qt::AlignBottom,
                             QString::number(line.Number * (units == TRpUnit::Characters ? 10 : 1)));
    }
}

void TRpDesignSurface::PaintGrid(QPainter &painter, const QRect &paper)
{
    const TRpGridColors colors = DesignGridColors(ScreenColors(*this));
    const TRpUnit units = GridUnits(report_.Units());
    const double points = report_.Font.pointSizeF();
    const QPen minor(colors.Minor, 0, colors.MinorStyle), major(colors.Major, 0, colors.MajorStyle);
    // Minor lines first, so that the major ones stay whole where they cross.
    for (bool majorPass : {false, true}) {
        painter.setPen(majorPass ? major : minor);
        for (const TRpGridLine &line :
             DesignGridLines(units, paper.width(), report_.Zoom(), true, points, Dpi))
            if (line.Major == majorPass)
                painter.drawLine(paper.left() + line.Position, paper.top(), paper.left() + line.Position,
                                 paper.bottom());
        for (const TRpGridLine &line :
             DesignGridLines(units, paper.height(), report_.Zoom(), false, points, Dpi))
            if (line.Major == majorPass)
                painter.drawLine(paper.left(), paper.top() + line.Position, paper.right(),
                                 paper.top() + line.Position);
    }
}

void TRpDesignSurface::PaintMargins(QPainter &painter, const QRect &paper)
{
    const int zoom = report_.Zoom();
    const TRpPage &page = report_.Page;
    const int left = paper.left() + DesignPixels(page.Native(TRpPage::LeftMarginIdx), zoom, Dpi);
    const int top = paper.top() + DesignPixels(page.Native(TRpPage::TopMarginIdx), zoom, Dpi);
    const int right = paper.right() - DesignPixels(page.Native(TRpPage::RightMarginIdx), zoom, Dpi);
    const int bottom = paper.bottom() - DesignPixels(page.Native(TRpPage::BottomMarginIdx), zoom, Dpi);
    painter.setPen(QPen(QColor(0x8080FF), 0, Qt::DashLine));
    painter.drawLine(left, paper.top(), left, paper.bottom());
    painter.drawLine(right, paper.top(), right, paper.bottom());
    painter.drawLine(paper.left(), top, paper.right(), top);
    painter.drawLine(paper.left(), bottom, paper.right(), bottom);
    // Column lines: both edges of every gap between columns.
    const int columns = page.Columns();
    const int width = ColumnWidthPixels(report_, Dpi);
    const int space = DesignPixels(page.Native(TRpPage::ColumnSpaceIdx), zoom, Dpi);
    painter.setPen(QPen(QColor(0xFF8080), 0, Qt::DashDotLine));
    for (int c = 1; c < columns; ++c) {
        const int x = left + c * width + (c - 1) * space;
        painter.drawLine(x, top, x, bottom);
        if (space > 0)
            painter.drawLine(x + space, top, x + space, bottom);
    }
}

void TRpDesignSurface::PaintBand(QPainter &painter, TRpCustomBand &band, const QRect &rect)
{
    painter.setPen(QPen(QColor(0xA0A0A0), 0, Qt::DotLine));
    painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    if (band.Frame.AnyFrame()) {
        PainterCanvas canvas(painter);
        band.Frame.Paint(canvas, rect, ScreenFactor(), ScreenFactor());
    }
    for (const auto &printable : band.Printables())
        PaintPrintable(painter, rect, *printable);
    QFont font = RulerFont();
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(QColor(0x606060));
    // Right-aligned, where printables rarely stand; its baseline 4 pixels above the lower edge.
    const QString caption = BandCaption(band.BandType());
    painter.drawText(rect.right() - 4 - painter.fontMetrics().horizontalAdvance(caption), rect.bottom() - 4,
                     caption);
}

void TRpDesignSurface::PaintPrintable(QPainter &painter, const QRect &bandRect, TRpPrintable &printable)
{
    const int zoom = report_.Zoom();
    const TRpPrintableSize &size = printable.Size;
    const QRect rect(bandRect.left() + DesignPixels(size.Native(TRpPrintableSize::LeftIdx), zoom, Dpi),
                     bandRect.top() + DesignPixels(size.Native(TRpPrintableSize::TopIdx), zoom, Dpi),
                     DesignPixels(size.Native(TRpPrintableSize::WidthIdx), zoom, Dpi),
                     DesignPixels(size.Native(TRpPrintableSize::HeightIdx), zoom, Dpi));
    if (auto *label = dynamic_cast<TRpCustomLabel *>(&printable)) {
        if (!label->Transparent)
            painter.fillRect(rect, label->Color);
        QFont font = label->Font();
        font.setPointSizeF(font.pointSizeF() * zoom / 100);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const Qt::Alignment align = printable.Alignment() == TRpAlignment::Right    ? Qt::AlignRight
                                    : printable.Alignment() == TRpAlignment::Center ? Qt::AlignHCenter
                                                                                    : Qt::AlignLeft;
        painter.save();
        painter.setClipRect(rect);
        painter.drawText(rect, int(align | Qt::AlignTop | Qt::TextWordWrap), label->Caption());
        painter.restore();
    }
    if (printable.Frame.AnyFrame()) {
        PainterCanvas canvas(painter);
        printable.Frame.Paint(canvas, rect, ScreenFactor(), ScreenFactor());
    }
    // Corner marks, three pixels along each edge.
    painter.setPen(Qt::black);
    const QPoint corners[] = {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()};
    for (const QPoint &c : corners) {
        const int dx = c.x() == rect.left() ? 1 : -1, dy = c.y() == rect.top() ? 1 : -1;
        painter.drawLine(c, c + QPoint(dx * 2, 0));
        painter.drawLine(c, c + QPoint(0, dy * 2));
    }
}
