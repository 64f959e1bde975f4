#include "ui/RecordView.h"

#include "platform/db/DataSet.h"
#include "platform/db/DataSetModel.h"
#include "platform/db/DataSource.h"
#include "platform/gui/DataSetView.h"

#include <QPainter>

namespace {

struct PanelLine {
    const char *caption;
    const char *field;
};

// The panels' captions, dots included.
const PanelLine LeftPanel[] = {
    {"Data godz. [UTC]...", "DATA"},
    {"Pasmo......................", "PASMO"},
    {"Typ emisji................", "EMISJA"},
    {"Raport nadany........", "RAPORT_NAD"},
    {"Raport odebrany.....", "RAPORT_ODB"},
    {"Notatki.......................", "NOTATKI"},
    {"Miejscowość...", "MIASTO"},
    {"SPPA..................", "DOMENA"},
};

const PanelLine RightPanel[] = {
    {"Lokator..............", "LOKATOR"},
    {"IOTA...................", "WYSPA"},
    {"Kont/ITU/CQ........................", "KontITUCQ"},
    {"QSL Manager.....", "QSL_MANAGER"},
    {"QSL W.................", "QSL_WYS"},
    {"QSL O...................", "QSL_ODB"},
    {"DXCC...................", "KrajDxcc"},
};

constexpr int Margin = 6;
constexpr int LineCount = 8; // the longer of the two columns
constexpr int DxccLines = 2; // the country name may wrap

}

TRecordPanelDelegate::TRecordPanelDelegate(DataSet *dataSet, QObject *parent)
    : QStyledItemDelegate(parent), dataSet_(dataSet)
{
}

QString TRecordPanelDelegate::Text(int row, const char *field) const
{
    // Read while painting: what needs the server (the country's name) shows
    // empty when the server cannot be asked; nothing is thrown out of a paint.
    try {
        const Field *f = dataSet_->FindField(QString::fromLatin1(field));
        return f ? dataSet_->DisplayTextAt(row, f) : QString();
    } catch (const std::exception &) {
        return QString();
    }
}

QString TRecordPanelDelegate::Heading(int row) const
{
    return Text(row, "StacjaImie");
}

QList<TRecordPanelDelegate::Line> TRecordPanelDelegate::LeftLines(int row) const
{
    QList<Line> out;
    for (const PanelLine &l : LeftPanel)
        out.append({QString::fromUtf8(l.caption), Text(row, l.field)});
    return out;
}

QList<TRecordPanelDelegate::Line> TRecordPanelDelegate::RightLines(int row) const
{
    QList<Line> out;
    for (const PanelLine &l : RightPanel)
        out.append({QString::fromUtf8(l.caption), Text(row, l.field)});
    return out;
}

QSize TRecordPanelDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    const int lineHeight = option.fontMetrics.height();
    return QSize(600, Margin * 3 + lineHeight * (LineCount + 1) + 4);
}

void TRecordPanelDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    const int row = index.row();
    const QRect r = option.rect.adjusted(2, 2, -2, -2);
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(r, selected ? option.palette.toolTipBase() : option.palette.base());
    painter->setPen(option.palette.mid().color());
    painter->drawRect(r.adjusted(0, 0, -1, -1));

    const QPen textPen(selected ? option.palette.toolTipText().color() : option.palette.text().color());
    painter->setPen(textPen);
    QFont bold = option.font;
    bold.setBold(true);
    const int lineHeight = option.fontMetrics.height();
    painter->setFont(bold);
    painter->drawText(QRect(r.left() + Margin, r.top() + Margin, r.width() - 2 * Margin, lineHeight),
                      Qt::AlignLeft | Qt::AlignVCenter, Heading(row));

    painter->setFont(option.font);
    const int half = r.width() / 2;
    const int captionWidth =
        option.fontMetrics.horizontalAdvance(QStringLiteral("Kont/ITU/CQ......................"));
    auto column = [&](const QList<Line> &lines, int left, int width, bool wrapLast) {
        int y = r.top() + Margin * 2 + lineHeight;
        for (int i = 0; i < lines.size(); ++i) {
            const int h = wrapLast && i == lines.size() - 1 ? lineHeight * DxccLines : lineHeight;
            painter->drawText(QRect(left, y, captionWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                              lines[i].caption);
            painter->drawText(QRect(left + captionWidth + 4, y, width - captionWidth - 4, h),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, lines[i].text);
            y += lineHeight;
        }
    };
    column(LeftLines(row), r.left() + Margin, half - 2 * Margin, false);
    column(RightLines(row), r.left() + half + Margin, half - 2 * Margin, true);
    painter->restore();
}

TRecordView::TRecordView(DataSource *source, QWidget *parent)
    : QListView(parent), model_(new DataSetModel(source, this)),
      delegate_(new TRecordPanelDelegate(source->dataSet(), this))
{
    setModel(model_);
    setItemDelegate(delegate_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    AttachView(*model_, *this);
}
