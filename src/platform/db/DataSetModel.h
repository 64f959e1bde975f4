#pragma once

#include "platform/db/DataSet.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>
#include <exception>
#include <memory>
#include <vector>

class DataSource;
class Field;

// Shows a dataset in a Qt view: one column per visible field, the field's
// display text and alignment, rows fetched as the view scrolls. The view's
// current row and the dataset's cursor follow each other once the view is
// bound (platform/gui/DataSetView.h).
class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSetModel(DataSource *source, QObject *parent = nullptr);
    ~DataSetModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Typing into a cell puts the dataset into edit mode and sets the field;
    // the row is posted when the cursor leaves it (or by the caller).
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    // Cells of writable data fields may be edited in place; off by default.
    void SetEditable(bool on) { editable_ = on; }
    bool Editable() const { return editable_; }
    void fetchMore(const QModelIndex &parent) override;

    DataSet *dataSet() const;
    Field *FieldAt(int column) const;
    // The record shown in a view row; NoBookmark for a row not stored yet.
    Bookmark RowBookmark(int viewRow) const;
    // Columns shown, without values, while the dataset has no fields yet (a
    // query not opened so far), so that a view can show its titles.
    void SetStandInColumns(const QStringList &fieldNames);
    // Emits currentRowChanged for the dataset's current record, e.g. for a view just bound.
    void AnnounceCurrentRow();

public slots:
    void SetCurrentRow(int row); // moves the dataset

signals:
    void currentRowChanged(const QModelIndex &index); // the dataset moved
    void error(const QString &message);               // moving the dataset failed (e.g. a post)

private:
    void Connect(DataSet *ds);
    void Reset();
    void OnFetched(int first, int last);
    void OnInserted(int row);
    void OnRemoved(int row);
    void RemoveViewRow(int row);
    void OnRecordChanged(int row);
    void OnScrolled(int row);
    // Emits error with the failure's text, unless there is nothing to tell.
    void EmitFailure(const std::exception &e);
    void OnStateChanged();
    bool PendingRow(int viewRow) const { return pendingShown_ && viewRow == rows_; }

    QPointer<DataSource> source_;
    QPointer<DataSet> connected_;
    int DataSetRow(int viewRow) const { return filtered_ ? map_[viewRow] : viewRow; }
    int ViewRow(int dataSetRow) const;

    std::vector<Field *> columns_;
    std::vector<std::unique_ptr<Field>> standIns_;
    int rows_ = 0;
    bool filtered_ = false;
    std::vector<int> map_; // view row -> dataset row while a filter hides rows
    bool moving_ = false;
    bool removing_ = false; // a row leaves the view: its move of the current row is not the user's
    bool editable_ = false;
    // A row inserted into a dataset without a current row (an empty one) is
    // not stored until posted: the view shows it as one more row at the end.
    bool pendingShown_ = false;
};
