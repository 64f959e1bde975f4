#include "platform/db/DataSetModel.h"

#include "platform/db/DataSet.h"
#include "platform/db/DataSource.h"
#include "platform/db/FbError.h"

#include <algorithm>

namespace {

constexpr int FetchBatch = 200;

// The owner of stand-in columns: they hold no values.
class NoValues final : public FieldOwner {
public:
    FieldValue ReadValue(const Field &) const override { return {}; }
    void WriteValue(Field &, const FieldValue &) override {}
    void FieldVisibilityChanged() override {}
};

NoValues &StandInOwner()
{
    static NoValues owner;
    return owner;
}

}

DataSetModel::DataSetModel(DataSource *source, QObject *parent) : QAbstractTableModel(parent), source_(source)
{
    connect(source, &DataSource::dataSetReplaced, this, [this](DataSet *ds) {
        Connect(ds);
        Reset();
    });
    Connect(source->dataSet());
    Reset();
}

DataSetModel::~DataSetModel() = default;

void DataSetModel::SetStandInColumns(const QStringList &fieldNames)
{
    standIns_.clear();
    for (const QString &name : fieldNames)
        standIns_.push_back(
            std::make_unique<Field>(&StandInOwner(), name, FieldType::String, 0, FieldKind::Data));
    Reset();
}

DataSet *DataSetModel::dataSet() const
{
    return source_ ? source_->dataSet() : nullptr;
}

void DataSetModel::Connect(DataSet *ds)
{
    if (connected_)
        disconnect(connected_, nullptr, this, nullptr);
    connected_ = ds;
    if (!ds)
        return;
    connect(ds, &DataSet::dataSetChanged, this, &DataSetModel::Reset);
    connect(ds, &DataSet::rowsFetched, this, &DataSetModel::OnFetched);
    connect(ds, &DataSet::rowInserted, this, &DataSetModel::OnInserted);
    connect(ds, &DataSet::rowRemoved, this, &DataSetModel::OnRemoved);
    connect(ds, &DataSet::recordChanged, this, &DataSetModel::OnRecordChanged);
    connect(ds, &DataSet::scrolled, this, &DataSetModel::OnScrolled);
    connect(ds, &DataSet::stateChanged, this, &DataSetModel::OnStateChanged);
    connect(ds, &QObject::destroyed, this, [this] {
        beginResetModel();
        columns_.clear();
        rows_ = 0;
        endResetModel();
    });
}

void DataSetModel::Reset()
{
    QString failure;
    beginResetModel();
    columns_.clear();
    rows_ = 0;
    pendingShown_ = false;
    if (DataSet *ds = dataSet()) {
        for (Field *f : ds->Fields())
            if (f->Visible())
                columns_.push_back(f);
        if (ds->Fields().empty())
            for (const auto &f : standIns_)
                columns_.push_back(f.get());
        rows_ = ds->Active() ? ds->FetchedCount() : 0;
        filtered_ = ds->Active() && ds->FilterActive();
        map_.clear();
        if (filtered_) {
            // Filtered tables are small lookup tables: map the rows the filter
            // lets through. A fetch that fails (a lost connection) leaves the
            // rows mapped so far and is reported, never thrown: a reset comes
            // from a dataset's signal, also when a scope lets its views go.
            const ControlsStill still(*ds);
            try {
                const int count = ds->RecordCount();
                for (int r = 0; r < count; ++r)
                    if (ds->RowVisible(r))
                        map_.push_back(r);
            } catch (const std::exception &e) {
                failure = FailureMessage(e);
            }
            rows_ = int(map_.size());
        }
    }
    endResetModel();
    AnnounceCurrentRow();
    if (!failure.isEmpty())
        emit error(failure);
}

int DataSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows_ + (pendingShown_ ? 1 : 0);
}

int DataSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

Field *DataSetModel::FieldAt(int column) const
{
    return column >= 0 && column < int(columns_.size()) ? columns_[column] : nullptr;
}

Bookmark DataSetModel::RowBookmark(int viewRow) const
{
    DataSet *ds = dataSet();
    if (!ds || !ds->Active() || viewRow < 0 || viewRow >= rowCount() || PendingRow(viewRow) ||
        (ds->State() == DataSetState::Insert && DataSetRow(viewRow) == ds->CurrentIndex()))
        return NoBookmark;
    return ds->BookmarkAt(DataSetRow(viewRow));
}

QVariant DataSetModel::data(const QModelIndex &index, int role) const
{
    DataSet *ds = dataSet();
    Field *f = FieldAt(index.column());
    if (!ds || !f || index.row() >= rowCount() || !ds->Active())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        // A row being inserted is not stored yet: the cursor's row shows it.
        // Asked for while painting: a row or a calculated value that needs
        // the server shows empty when it cannot be had (a lost connection is
        // told by what the user does next, never from a paint).
        try {
            if (PendingRow(index.row()) ||
                (ds->State() == DataSetState::Insert && DataSetRow(index.row()) == ds->CurrentIndex()))
                return f->DisplayText();
            return ds->DisplayTextAt(DataSetRow(index.row()), f);
        } catch (const std::exception &) {
            return QVariant();
        }
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(f->Alignment() | Qt::AlignVCenter);
    return QVariant();
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        if (Field *f = FieldAt(section))
            return f->DisplayLabel();
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const Field *f = FieldAt(index.column());
    const DataSet *ds = dataSet();
    if (editable_ && f && !f->ReadOnly() && !f->Calculated() && ds && ds->CanModify())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool DataSetModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    DataSet *ds = dataSet();
    Field *f = FieldAt(index.column());
    if (role != Qt::EditRole || !ds || !ds->Active() || !(flags(index) & Qt::ItemIsEditable) ||
        index.row() >= rowCount())
        return false;
    if (!PendingRow(index.row())) {
        SetCurrentRow(index.row());
        if (ds->CurrentIndex() != DataSetRow(index.row()))
            return false; // leaving the row being edited failed; the error is out
    }
    if (ds->State() == DataSetState::Browse && f->AsString() == value.toString())
        return false; // nothing typed: no edit mode for nothing
    try {
        if (ds->State() == DataSetState::Browse)
            ds->Edit();
        f->SetAsString(value.toString());
    } catch (const std::exception &e) {
        EmitFailure(e);
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

int DataSetModel::ViewRow(int dataSetRow) const
{
    if (!filtered_)
        return dataSetRow;
    const auto it = std::lower_bound(map_.begin(), map_.end(), dataSetRow);
    return it != map_.end() && *it == dataSetRow ? int(it - map_.begin()) : -1;
}

bool DataSetModel::canFetchMore(const QModelIndex &parent) const
{
    DataSet *ds = dataSet();
    return !parent.isValid() && ds && !filtered_ && ds->CanFetchMore();
}

void DataSetModel::fetchMore(const QModelIndex &parent)
{
    // Called by the view from the event loop: a failure (a lost connection)
    // is reported, never thrown through Qt.
    try {
        if (DataSet *ds = dataSet(); ds && !parent.isValid())
            ds->FetchMore(FetchBatch);
    } catch (const std::exception &e) {
        EmitFailure(e);
    }
}

void DataSetModel::EmitFailure(const std::exception &e)
{
    const QString text = FailureMessage(e);
    if (!text.isEmpty())
        emit error(text);
}

void DataSetModel::OnFetched(int first, int last)
{
    if (filtered_ || first != rows_)
        return Reset();
    beginInsertRows(QModelIndex(), first, last);
    rows_ = last + 1;
    endInsertRows();
}

void DataSetModel::OnInserted(int row)
{
    if (filtered_)
        return Reset();
    beginInsertRows(QModelIndex(), row, row);
    ++rows_;
    endInsertRows();
}

void DataSetModel::OnRemoved(int row)
{
    if (filtered_)
        return Reset();
    RemoveViewRow(row);
}

void DataSetModel::RemoveViewRow(int row)
{
    // A view moves its current row off a row being removed, counting in the
    // rows before the removal; the dataset has removed it already and places
    // its cursor itself, which the view then follows (OnScrolled).
    removing_ = true;
    beginRemoveRows(QModelIndex(), row, row);
    if (PendingRow(row))
        pendingShown_ = false;
    else
        --rows_;
    endRemoveRows();
    removing_ = false;
}

void DataSetModel::OnRecordChanged(int dataSetRow)
{
    const int row = ViewRow(dataSetRow);
    if (row >= 0 && row < rows_ && !columns_.empty())
        emit dataChanged(index(row, 0), index(row, int(columns_.size()) - 1));
}

void DataSetModel::OnScrolled(int dataSetRow)
{
    if (moving_)
        return;
    const int row = ViewRow(dataSetRow);
    emit currentRowChanged(row >= 0 && row < rows_ ? index(row, 0) : QModelIndex());
}

void DataSetModel::OnStateChanged()
{
    DataSet *ds = dataSet();
    const bool pending =
        ds && ds->Active() && ds->State() == DataSetState::Insert && ds->CurrentIndex() < 0 && !filtered_;
    if (pending == pendingShown_) {
        // A row being inserted shows in the cursor's row: starting and
        // cancelling the insert change what that row shows.
        if (ds && ds->Active())
            OnRecordChanged(ds->CurrentIndex());
        return;
    }
    if (pending) {
        beginInsertRows(QModelIndex(), rows_, rows_);
        pendingShown_ = true;
        endInsertRows();
        emit currentRowChanged(index(rows_, 0));
    } else {
        RemoveViewRow(rows_);
    }
}

void DataSetModel::SetCurrentRow(int row)
{
    DataSet *ds = dataSet();
    if (!ds || !ds->Active() || removing_ || row < 0 || row >= rows_ || DataSetRow(row) == ds->CurrentIndex())
        return;
    moving_ = true;
    try {
        ds->SetRecNo(DataSetRow(row) + 1);
    } catch (const std::exception &e) {
        moving_ = false;
        OnScrolled(ds->CurrentIndex());
        EmitFailure(e);
        return;
    }
    moving_ = false;
}

void DataSetModel::AnnounceCurrentRow()
{
    if (DataSet *ds = dataSet(); ds && ds->Active())
        OnScrolled(ds->CurrentIndex());
}
