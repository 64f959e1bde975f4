#include "platform/gui/DataSetView.h"

#include "platform/db/DataSetModel.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <algorithm>

void AttachView(DataSetModel &model, QAbstractItemView &view)
{
    view.setModel(&model);
    QObject::connect(view.selectionModel(), &QItemSelectionModel::currentRowChanged, &model,
                     [&model](const QModelIndex &current) {
                         if (current.isValid())
                             model.SetCurrentRow(current.row());
                     });
    QObject::connect(&model, &DataSetModel::currentRowChanged, &view, [&view](const QModelIndex &index) {
        if (!index.isValid() || view.currentIndex().row() == index.row())
            return;
        const int column = std::max(view.currentIndex().column(), 0);
        view.setCurrentIndex(index.sibling(index.row(), column));
    });
    model.AnnounceCurrentRow();
}
