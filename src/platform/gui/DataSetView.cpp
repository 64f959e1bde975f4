#include "platform/gui/DataSetView.h"

#include "platform/db/DataSetModel.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>

namespace {

// The column of the view's current cell, or its first column on screen: a view
// neither scrolls to nor highlights a cell of a hidden column.
int ShownColumn(const QAbstractItemView &view)
{
    const int current = view.currentIndex().isValid() ? view.currentIndex().column() : -1;
    const auto *table = qobject_cast<const QTableView *>(&view);
    if (!table)
        return std::max(current, 0);
    const QHeaderView *header = table->horizontalHeader();
    if (current >= 0 && !header->isSectionHidden(current))
        return current;
    for (int visual = 0; visual < header->count(); ++visual)
        if (!header->isSectionHidden(header->logicalIndex(visual)))
            return header->logicalIndex(visual);
    return 0;
}

}

void AttachView(DataSetModel &model, QAbstractItemView &view)
{
    view.setModel(&model);
    QObject::connect(view.selectionModel(), &QItemSelectionModel::currentRowChanged, &model,
                     [&model](const QModelIndex &current) {
                         if (current.isValid())
                             model.SetCurrentRow(current.row());
                     });
    // The dataset moved, perhaps to a row fetched just now: the view follows
    // and scrolls it into sight, also while it is hidden behind another page.
    QObject::connect(&model, &DataSetModel::currentRowChanged, &view, [&view](const QModelIndex &index) {
        if (!index.isValid() || view.currentIndex().row() == index.row())
            return;
        const QModelIndex target = index.sibling(index.row(), ShownColumn(view));
        view.setCurrentIndex(target);
        view.scrollTo(target);
    });
    model.AnnounceCurrentRow();
}
