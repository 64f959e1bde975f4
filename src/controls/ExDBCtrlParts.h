#pragma once

// The pieces a TExDBGrid is made of: its title row, its indicator column and
// its cell painter. Only the grid uses them.

#include <QHeaderView>
#include <QStyledItemDelegate>

class TExDBGrid;

// Title cells drawn as push buttons with an optional sort marker; presses on
// them are tracked by the grid.
class TitleHeader : public QHeaderView {
public:
    explicit TitleHeader(TExDBGrid *grid);

    // The section width at which paintSection shows the caption whole, with
    // room for a sort marker when asked.
    int TitleWidth(const QFont &font, const QString &caption, bool withMarker) const;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    // A title's own width, with room for the marker when the window can mark
    // columns: what sizing a column to its contents takes.
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool OnSectionBorder(const QPoint &pos) const;
    bool InsideTitle(const QPoint &pos) const;
    int PanelEdge() const; // the raised edge drawn around each title, 0 or 1 pixel
    QString Caption(int logicalIndex) const;

    TExDBGrid *grid_;
    bool baseHandled_ = false; // the press went to the header itself (a column resize)
};

// The indicator column: the current-row arrow and the multiselection marks.
class IndicatorHeader : public QHeaderView {
public:
    explicit IndicatorHeader(TExDBGrid *grid);
    // A fixed size: measuring row captions on every inserted row would make
    // filling a bound table slow.
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    TExDBGrid *grid_;
};

// Paints a data cell: colours and font through the grid's events, then the
// field's glyph or its text.
class GridCellDelegate : public QStyledItemDelegate {
public:
    explicit GridCellDelegate(TExDBGrid *grid);
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    TExDBGrid *grid_;
};
