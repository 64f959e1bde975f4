#include "controls/FrozenColumns.h"

#include "controls/ExDBCtrl.h"
#include "controls/ExDBCtrlParts.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

FrozenColumns::FrozenColumns(TExDBGrid *grid) : QTableView(grid), grid_(grid)
{
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(NoEditTriggers);
    setWordWrap(false);
    setHorizontalHeader(new TitleHeader(grid));
    setItemDelegate(new GridCellDelegate(grid));
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Rows follow the grid one way only: a range of this view not updated yet
    // must not pull the grid back.
    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    // A frozen column resized on its title resizes the grid's column.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        if (!syncing_)
            grid_->SetColumnWidth(grid_->GridColumnOf(logical), size);
    });
    hide();
}

int FrozenColumns::FrozenWidth() const
{
    return isHidden() ? 0 : width_;
}

void FrozenColumns::Sync()
{
    syncing_ = true;
    // The grid's own selection model is shared, never deleted here.
    if (model() != grid_->model()) {
        QItemSelectionModel *old = selectionModel();
        setModel(grid_->model());
        if (old && old->parent() == this)
            delete old;
    }
    if (model() && selectionModel() != grid_->selectionModel()) {
        QItemSelectionModel *own = selectionModel();
        setSelectionModel(grid_->selectionModel());
        if (own && own->parent() == this)
            delete own;
    }
    setFont(grid_->font());
    setShowGrid(grid_->showGrid());
    setSelectionBehavior(grid_->selectionBehavior());
    verticalHeader()->setDefaultSectionSize(grid_->verticalHeader()->defaultSectionSize());
    QHeaderView *titles = horizontalHeader();
    const QHeaderView *gridTitles = grid_->horizontalHeader();
    titles->setVisible(!gridTitles->isHidden());
    titles->setFixedHeight(gridTitles->height());
    titles->setMinimumSectionSize(gridTitles->minimumSectionSize());
    titles->setSectionResizeMode((grid_->Options() & dgColumnResize) ? QHeaderView::Interactive
                                                                     : QHeaderView::Fixed);
    const int frozen = grid_->FixedCols();
    width_ = 0;
    const int count = model() ? model()->columnCount() : 0;
    for (int c = 0; c < count; ++c) {
        const int column = grid_->GridColumnOf(c);
        setColumnHidden(c, column < 0 || column >= frozen);
    }
    for (int column = 0; column < frozen && model(); ++column) {
        const int mc = grid_->ModelColumnOf(column);
        if (mc < 0)
            continue;
        setColumnWidth(mc, grid_->columnWidth(mc));
        titles->moveSection(titles->visualIndex(mc), column);
        width_ += grid_->columnWidth(mc);
    }
    const QRect cells = grid_->viewport()->geometry();
    const int top = titles->isHidden() ? 0 : titles->height();
    setGeometry(cells.x(), cells.y() - top, std::min(width_, cells.width()), cells.height() + top);
    setVisible(frozen > 0 && width_ > 0 && grid_->LinkActive());
    raise();
    verticalScrollBar()->setValue(grid_->verticalScrollBar()->value());
    viewport()->update();
    titles->viewport()->update();
    syncing_ = false;
}

void FrozenColumns::updateGeometries()
{
    QTableView::updateGeometries();
    verticalScrollBar()->setValue(grid_->verticalScrollBar()->value());
}

void FrozenColumns::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex hit = indexAt(event->position().toPoint());
    grid_->PressFrozenRow(event, hit.isValid() ? hit.row() : -1);
}

void FrozenColumns::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        grid_->RaiseDblClick();
}

void FrozenColumns::wheelEvent(QWheelEvent *event)
{
    grid_->wheelEvent(event);
}
