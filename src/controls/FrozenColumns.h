#pragma once

#include <QTableView>

class TExDBGrid;

// The frozen columns of a grid: a view of the grid's model and selection laid
// over the left edge of its cells that shows only the first FixedCols columns,
// so that they stay in sight while the other columns scroll sideways. It has
// no scroll bars and takes no focus; it follows the grid's rows, widths and
// options, and hands presses, double clicks and the wheel to the grid.
class FrozenColumns : public QTableView {
public:
    explicit FrozenColumns(TExDBGrid *grid);

    // Takes the grid's model, frozen columns and their widths, fonts, row
    // height, options, vertical scroll position and place.
    void Sync();
    // Width of the frozen columns, 0 while hidden.
    int FrozenWidth() const;

    // The grid scrolls; this view only follows.
    void scrollTo(const QModelIndex &, ScrollHint) override {}

protected:
    void updateGeometries() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *) override {}
    void mouseReleaseEvent(QMouseEvent *) override {}
    void wheelEvent(QWheelEvent *event) override;

private:
    TExDBGrid *grid_;
    bool syncing_ = false; // widths taken from the grid are not handed back to it
    int width_ = 0;
};
