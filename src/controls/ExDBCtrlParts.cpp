#include "controls/ExDBCtrlParts.h"

#include "controls/DrawUtils.h"
#include "controls/ExDBCtrl.h"
#include "platform/db/DataSetModel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <qdrawutil.h>

namespace {

QImage NewBitmap(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A sort marker: a small filled triangle, 10 x 9 pixels.
QImage MarkerBitmap(bool up)
{
    QImage image = NewBitmap(10, 9);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x40, 0x40));
    QPainterPath path;
    if (up) {
        path.moveTo(5, 1);
        path.lineTo(9.5, 8);
        path.lineTo(0.5, 8);
    } else {
        path.moveTo(0.5, 1);
        path.lineTo(9.5, 1);
        path.lineTo(5, 8);
    }
    path.closeSubpath();
    p.drawPath(path);
    return image;
}

// A field glyph, 18 x 14 pixels: a framed page with a picture of its kind.
QImage FieldBitmap(int index)
{
    QImage image = NewBitmap(18, 14);
    QPainter p(&image);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(Qt::white);
    p.drawRect(2, 1, 13, 11);
    p.setPen(Qt::black);
    switch (index) {
    case 0: // blob: bits
        for (int x = 4; x < 14; x += 3)
            for (int y = 3; y < 11; y += 3)
                p.drawPoint(x + (y % 2), y);
        break;
    case 1: // memo: lines of text
        for (int y = 3; y < 11; y += 2)
            p.drawLine(4, y, y == 9 ? 9 : 13, y);
        break;
    case 2: // picture: a hill under the sun
        p.drawLine(3, 10, 7, 5);
        p.drawLine(7, 5, 10, 8);
        p.drawLine(10, 8, 14, 4);
        p.drawEllipse(10, 2, 2, 2);
        break;
    case 3: // embedded object
        p.drawRect(4, 3, 4, 4);
        p.drawRect(9, 6, 4, 4);
        break;
    case 5: // cursor, reference, nested data: a small table
        p.drawLine(3, 5, 14, 5);
        p.drawLine(3, 8, 14, 8);
        p.drawLine(8, 2, 8, 11);
        break;
    default: // object, not empty
        p.fillRect(5, 4, 7, 5, Qt::black);
        break;
    }
    return image;
}

// The caption stands as far in from the edges as cell text does (the inset
// DrawCellText writes at); a marker takes its own width and six pixels.
constexpr int TextInset = 2;

int MarkerRoom(bool marker)
{
    return marker ? GetGridBitmap(7).width() + 6 : TextInset;
}

// The multiselection marks: a dot (selected row) and an arrow (selected current row).
void DrawIndicatorMark(QPainter &p, const QRect &rect, bool current, bool selected)
{
    const QColor ink = QApplication::palette().color(QPalette::ButtonText);
    const int cx = rect.center().x();
    const int cy = rect.center().y();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    if (current) {
        QPainterPath path;
        path.moveTo(cx - 2, cy - 4);
        path.lineTo(cx + 3, cy);
        path.lineTo(cx - 2, cy + 4);
        path.closeSubpath();
        p.drawPath(path);
        if (selected)
            p.drawRect(cx - 5, cy - 1, 2, 2);
    } else if (selected) {
        p.drawEllipse(QPoint(cx, cy), 2, 2);
    }
    p.restore();
}

} // namespace

const QImage &GetGridBitmap(int index)
{
    static std::array<QImage, 9> cache;
    index = std::clamp(index, 0, 8);
    if (cache[index].isNull())
        cache[index] = index >= 7 ? MarkerBitmap(index == 8) : FieldBitmap(index);
    return cache[index];
}

// ---- title row

TitleHeader::TitleHeader(TExDBGrid *grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionsMovable(false);
}

int TitleHeader::PanelEdge() const
{
    const TExDBGrid &g = *grid_;
    return g.titleButtons_ || (g.options_ & dgColLines && g.options_ & dgRowLines) ? 1 : 0;
}

QString TitleHeader::Caption(int logical) const
{
    const TExDBGrid &g = *grid_;
    const int column = g.GridColumnOf(logical);
    if (column >= 0 && column < int(g.columns_.size()) && !g.columns_[column].Title.isEmpty())
        return g.columns_[column].Title;
    const Field *field = g.model_ ? g.model_->FieldAt(logical) : nullptr;
    return field ? field->DisplayLabel() : QString();
}

int TitleHeader::TitleWidth(const QFont &font, const QString &caption, bool withMarker) const
{
    return 2 * PanelEdge() + TextInset + QFontMetrics(font).horizontalAdvance(caption) +
           MarkerRoom(withMarker);
}

QSize TitleHeader::sectionSizeFromContents(int logical) const
{
    QSize size = QHeaderView::sectionSizeFromContents(logical);
    const TExDBGrid &g = *grid_;
    size.setWidth(TitleWidth(g.titleFont_.Font, Caption(logical), g.titleButtons_ && g.OnGetBtnParams));
    return size;
}

void TitleHeader::paintSection(QPainter *painter, const QRect &rect, int logical) const
{
    painter->save();
    const TExDBGrid &g = *grid_;
    const bool down = g.titleButtons_ && g.pressed_ && logical == g.pressedCol_;
    Field *field = g.model_ ? g.model_->FieldAt(logical) : nullptr;
    QColor background = palette().color(QPalette::Button);
    TGridFont font = g.titleFont_;
    TSortMarker marker = smNone;
    if (g.titleButtons_ && field && g.OnGetBtnParams)
        g.OnGetBtnParams(const_cast<TExDBGrid &>(g), field, font, background, marker, down);
    QRect r = rect;
    painter->fillRect(r, background);
    if (const int edge = PanelEdge()) {
        qDrawShadePanel(painter, r, palette(), down, edge);
        r.adjust(edge, edge, -edge, -edge);
    }
    if (down)
        r.translate(1, 1);
    // A dataset not open yet still shows what its columns will hold; only an
    // open one is sorted, so only then can a title carry the marker.
    const QImage *bitmap = !g.LinkActive()    ? nullptr
                           : marker == smDown ? &GetGridBitmap(7)
                           : marker == smUp   ? &GetGridBitmap(8)
                                              : nullptr;
    painter->setFont(font.Font);
    painter->setPen(font.Color);
    painter->setBrush(background);
    painter->setClipRect(r);
    const QString text = ShortenText(painter->fontMetrics(), Caption(logical),
                                     r.width() - TextInset - MarkerRoom(bitmap != nullptr));
    DrawCellText(*painter, r, text, Qt::AlignLeft | Qt::AlignVCenter, false);
    if (bitmap) {
        const int right = r.x() + r.width();
        const int x = right - bitmap->width() - (down ? 2 : 3);
        if (x > r.x() && x + bitmap->width() < right)
            painter->drawImage(x, r.y() + (r.height() - bitmap->height()) / 2, *bitmap);
    }
    painter->restore();
}

bool TitleHeader::OnSectionBorder(const QPoint &pos) const
{
    if (!(grid_->options_ & dgColumnResize))
        return false;
    const int logical = logicalIndexAt(pos);
    if (logical < 0)
        return false;
    const int margin = std::max(style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this), 2) + 1;
    const int left = sectionViewportPosition(logical);
    const int right = left + sectionSize(logical);
    return pos.x() >= right - margin || (pos.x() < left + margin && visualIndex(logical) > 0);
}

bool TitleHeader::InsideTitle(const QPoint &pos) const
{
    return rect().contains(pos);
}

void TitleHeader::mousePressEvent(QMouseEvent *event)
{
    TExDBGrid &g = *grid_;
    if (g.focusPolicy() != Qt::NoFocus) {
        g.setFocus(Qt::MouseFocusReason);
        if (!g.hasFocus() && g.window()->isActiveWindow())
            return;
    }
    baseHandled_ = false;
    const QPoint pos = event->position().toPoint();
    const int logical = logicalIndexAt(pos);
    if (OnSectionBorder(pos)) {
        baseHandled_ = true;
        QHeaderView::mousePressEvent(event);
        return;
    }
    if (!g.titleButtons_ || !g.LinkActive() || logical < 0)
        return;
    if (event->button() == Qt::RightButton && (g.options_ & dgColumnResize)) {
        g.swapButtons_ = true;
        return;
    }
    g.Guard([&] { g.TitlePress(logical, event->button()); });
}

void TitleHeader::mouseMoveEvent(QMouseEvent *event)
{
    if (!grid_->tracking_)
        return QHeaderView::mouseMoveEvent(event);
    const QPoint pos = event->position().toPoint();
    grid_->TitleTrack(logicalIndexAt(pos), InsideTitle(pos));
}

void TitleHeader::mouseReleaseEvent(QMouseEvent *event)
{
    TExDBGrid &g = *grid_;
    const QPoint pos = event->position().toPoint();
    const int logical = logicalIndexAt(pos);
    Qt::MouseButton button = event->button();
    if (g.tracking_ && g.pressedCol_ >= 0) {
        g.Guard([&] { g.TitleRelease(logical, InsideTitle(pos), button); });
    } else if (g.swapButtons_) {
        g.swapButtons_ = false;
        if (button == Qt::RightButton)
            button = Qt::LeftButton;
    }
    if (baseHandled_) {
        baseHandled_ = false;
        QHeaderView::mouseReleaseEvent(event);
        return;
    }
    const int column = g.GridColumnOf(logical);
    if (button == Qt::LeftButton && column >= 0 && InsideTitle(pos) && g.OnTitleClick)
        g.Guard([&] { g.OnTitleClick(g, column); });
}

void TitleHeader::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (OnSectionBorder(event->position().toPoint()))
        return QHeaderView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        grid_->RaiseDblClick();
}

// ---- indicator column

IndicatorHeader::IndicatorHeader(TExDBGrid *grid) : QHeaderView(Qt::Vertical, grid), grid_(grid)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setFixedWidth(12);
}

QSize IndicatorHeader::sizeHint() const
{
    return QSize(width(), defaultSectionSize());
}

QSize IndicatorHeader::sectionSizeFromContents(int) const
{
    return QSize(width(), defaultSectionSize());
}

void IndicatorHeader::paintSection(QPainter *painter, const QRect &rect, int logical) const
{
    painter->save();
    painter->fillRect(rect, palette().color(QPalette::Button));
    qDrawShadePanel(painter, rect, palette(), false, 1);
    const TExDBGrid &g = *grid_;
    DataSet *ds = g.dataSet();
    if (g.LinkActive()) {
        const bool current = !ds->IsEmpty() && logical == g.currentIndex().row();
        // The multiselection marks show while no row is being edited.
        const bool selected = ds->State() == DataSetState::Browse && g.RowInMultiSelection(logical);
        if (current && ds->State() == DataSetState::Edit) {
            painter->setPen(palette().color(QPalette::ButtonText));
            painter->drawLine(rect.center().x(), rect.top() + 3, rect.center().x(), rect.bottom() - 3);
        } else if (current && ds->State() == DataSetState::Insert) {
            painter->setPen(palette().color(QPalette::ButtonText));
            painter->drawText(rect, Qt::AlignCenter, QStringLiteral("*"));
        } else {
            DrawIndicatorMark(*painter, rect, current, selected);
        }
    }
    painter->restore();
}

// ---- cells

GridCellDelegate::GridCellDelegate(TExDBGrid *grid) : QStyledItemDelegate(grid), grid_(grid) {}

void GridCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    TExDBGrid &g = *grid_;
    Field *field = g.model_ ? g.model_->FieldAt(index.column()) : nullptr;
    const int column = g.columns_.empty() ? -1 : g.GridColumnOf(index.column());
    const TColumn *col = column >= 0 ? &g.columns_[column] : nullptr;
    const bool selected = option.state & QStyle::State_Selected;
    const bool highlight = (selected && ((g.options_ & dgAlwaysShowSelection) || g.hasFocus())) ||
                           g.RowInMultiSelection(index.row());
    const QPalette &pal = option.palette;
    QColor background = col && col->Color.isValid() ? col->Color : pal.color(QPalette::Base);
    TGridFont font{col && col->Font ? *col->Font : g.font(),
                   col && col->FontColor.isValid() ? col->FontColor : pal.color(QPalette::Text)};
    if (highlight) {
        background = pal.color(QPalette::Highlight);
        font.Color = pal.color(QPalette::HighlightedText);
    }
    g.GetCellProps(field, font, background, highlight);
    painter->save();
    painter->fillRect(option.rect, background);
    if (g.defaultDrawing_) {
        const int image = g.GetImageIndex(field);
        if (image >= 0) {
            const QImage &bitmap = GetGridBitmap(image);
            const QRect &r = option.rect;
            painter->drawImage(r.x() + (r.width() - bitmap.width()) / 2,
                               r.y() + (r.height() - bitmap.height()) / 2, bitmap);
        } else {
            const Qt::Alignment align = col && col->Alignment ? col->Alignment
                                        : field               ? field->Alignment()
                                                              : Qt::AlignLeft;
            painter->setFont(font.Font);
            painter->setPen(font.Color);
            painter->setBrush(background);
            painter->setClipRect(option.rect);
            DrawCellText(*painter, option.rect, g.CellText(index), align & Qt::AlignHorizontal_Mask, false);
        }
    }
    painter->restore();
}
