#include "controls/ExDBCtrl.h"

#include "controls/DrawUtils.h"
#include "controls/ExDBCtrlParts.h"
#include "controls/FormPlacement.h"
#include "controls/FrozenColumns.h"
#include "platform/Messages.h"
#include "platform/db/DataSetModel.h"
#include "platform/db/DataSource.h"
#include "platform/gui/DataSetView.h"
#include "platform/gui/Guarded.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>
#include <algorithm>

TExDBGrid::TExDBGrid(QWidget *parent) : QTableView(parent)
{
    auto *titles = new TitleHeader(this);
    setHorizontalHeader(titles);
    setVerticalHeader(new IndicatorHeader(this));
    setItemDelegate(new GridCellDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    titleFont_.Font = font();
    titleFont_.Color = palette().color(QPalette::ButtonText);
    // Sizes are the program's to choose, whatever the style's minimum.
    verticalHeader()->setMinimumSectionSize(1);
    titles->setMinimumSectionSize(8);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(titles, &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) {
                StoreColumnWidth(logical, size);
                if (!holdLeft_ && HasFrozenColumns()) {
                    SyncFrozen();
                    KeepLeftCol();
                }
            });
    SetOptions(DefaultGridOptions);
}

TExDBGrid::~TExDBGrid()
{
    delete frozen_; // before the grid's parts it follows
    delete iniLink_;
}

// ---- data link

DataSet *TExDBGrid::dataSet() const
{
    return source_ ? source_->dataSet() : nullptr;
}

bool TExDBGrid::LinkActive() const
{
    DataSet *ds = dataSet();
    return model_ && ds && ds->Active();
}

void TExDBGrid::SetDataSource(DataSource *source)
{
    if (source == source_ && (model_ || !source))
        return;
    StopTracking();
    QItemSelectionModel *oldSelection = selectionModel();
    DataSetModel *oldModel = model_;
    model_ = nullptr;
    source_ = source;
    if (source) {
        model_ = new DataSetModel(source, this);
        model_->SetEditable(cellEditing_);
        AttachView(*model_, *this);
        connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { holdLeft_ = true; });
        connect(model_, &QAbstractItemModel::modelReset, this, &TExDBGrid::ApplyColumns);
        // After the view's own cursor sync, which may pick a frozen column.
        connect(model_, &DataSetModel::currentRowChanged, this, &TExDBGrid::LeaveFrozenColumns);
        connect(model_, &DataSetModel::error, this,
                [](const QString &message) { Messages::ShowWarning(message); });
        ShowColumnsBeforeOpen();
    } else {
        setModel(nullptr);
    }
    SyncFrozen(); // lets go of the old model before it goes
    delete oldSelection;
    delete oldModel;
    selectedRows_.clear();
    ApplyColumns();
}

void TExDBGrid::SetCellEditing(bool on)
{
    cellEditing_ = on;
    if (model_)
        model_->SetEditable(on);
    ApplyOptions();
}

// ---- columns

void TExDBGrid::SetColumns(const std::vector<TColumn> &columns)
{
    columns_ = columns;
    ShowColumnsBeforeOpen();
    ApplyColumns();
}

void TExDBGrid::ShowColumnsBeforeOpen()
{
    if (!model_)
        return;
    QStringList names;
    for (const TColumn &c : columns_)
        names << c.FieldName;
    model_->SetStandInColumns(names);
}

int TExDBGrid::ColumnCount() const
{
    if (!columns_.empty())
        return int(columns_.size());
    return model_ ? model_->columnCount() : 0;
}

int TExDBGrid::GridColumnOf(int modelColumn) const
{
    if (!model_ || modelColumn < 0 || modelColumn >= model_->columnCount())
        return -1;
    if (columns_.empty())
        return modelColumn;
    const Field *f = model_->FieldAt(modelColumn);
    for (int i = 0; i < int(columns_.size()); ++i)
        if (columns_[i].FieldName.compare(f->FieldName(), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TExDBGrid::ModelColumnOf(int column) const
{
    if (!model_ || column < 0 || column >= ColumnCount())
        return -1;
    if (columns_.empty())
        return column;
    for (int c = 0; c < model_->columnCount(); ++c)
        if (model_->FieldAt(c)->FieldName().compare(columns_[column].FieldName, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

Field *TExDBGrid::ColumnField(int column) const
{
    const int mc = ModelColumnOf(column);
    if (mc >= 0)
        return model_->FieldAt(mc);
    if (column >= 0 && column < int(columns_.size()) && dataSet())
        return dataSet()->FindField(columns_[column].FieldName);
    return nullptr;
}

int TExDBGrid::ColumnWidth(int column) const
{
    const int mc = ModelColumnOf(column);
    if (mc >= 0)
        return horizontalHeader()->sectionSize(mc);
    return column >= 0 && column < int(columns_.size()) ? columns_[column].Width : 0;
}

void TExDBGrid::SetColumnWidth(int column, int width)
{
    if (column >= 0 && column < int(columns_.size()))
        columns_[column].Width = width;
    const int mc = ModelColumnOf(column);
    if (mc >= 0)
        horizontalHeader()->resizeSection(mc, width);
}

void TExDBGrid::SetListColumns(std::span<const TListColumn> table, bool withMarker)
{
    std::vector<TColumn> columns;
    for (const TListColumn &c : table) {
        TColumn col;
        col.FieldName = QString::fromLatin1(c.Field);
        col.Title = QString::fromUtf8(c.Title);
        if (c.Width || *c.Sample)
            col.Width = FitColumnWidth(c.Width, col.Title, QString::fromUtf8(c.Sample), withMarker);
        col.Alignment = c.Alignment;
        col.CheckMarkFont = c.CheckMark;
        columns.push_back(col);
    }
    SetColumns(columns);
}

int TExDBGrid::FitColumnWidth(int width, const QString &title, const QString &value, bool withMarker) const
{
    const int titleWidth =
        static_cast<const TitleHeader *>(horizontalHeader())->TitleWidth(titleFont_.Font, title, withMarker);
    // Cell text stands 2 pixels in, 3 from the right.
    const int valueWidth = value.isEmpty() ? 0 : QFontMetrics(font()).horizontalAdvance(value) + 5;
    return std::max({width, titleWidth, valueWidth});
}

int TExDBGrid::WidthForAllColumns() const
{
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    if (options_ & dgIndicator)
        width += verticalHeader()->width();
    for (int column = 0; column < ColumnCount(); ++column)
        width += ColumnWidth(column);
    return width;
}

void TExDBGrid::StoreColumnWidth(int modelColumn, int width)
{
    const int column = columns_.empty() ? -1 : GridColumnOf(modelColumn);
    if (column >= 0)
        columns_[column].Width = width;
}

void TExDBGrid::ApplyColumns()
{
    if (!model_)
        return;
    holdLeft_ = true;
    QHeaderView *header = horizontalHeader();
    const QFontMetrics fm(font());
    const int count = model_->columnCount();
    for (int c = 0; c < count; ++c) {
        const int column = GridColumnOf(c);
        header->setSectionHidden(c, column < 0);
        if (column < 0)
            continue;
        const Field *f = model_->FieldAt(c);
        int width = columns_.empty() ? 0 : columns_[column].Width;
        if (width <= 0) {
            const QString title = columns_.empty() || columns_[column].Title.isEmpty()
                                      ? f->DisplayLabel()
                                      : columns_[column].Title;
            width = FitColumnWidth(f->DisplayWidth() * fm.horizontalAdvance(u'0') + 4, title);
        }
        header->resizeSection(c, width);
    }
    for (int column = 0; column < ColumnCount(); ++column) {
        const int mc = ModelColumnOf(column);
        if (mc >= 0)
            header->moveSection(header->visualIndex(mc), column);
    }
    SetFixedCols(fixedColsValue_);
    holdLeft_ = false;
    KeepLeftCol();
}

// ---- layout storage

TPlacementStore *TExDBGrid::IniStorage() const
{
    return iniLink_ ? iniLink_->Store() : nullptr;
}

void TExDBGrid::SetIniStorage(TPlacementStore *store)
{
    if (store == IniStorage())
        return;
    delete iniLink_;
    if (!store)
        return;
    iniLink_ = new TPlacementLink(store);
    connect(iniLink_, &TPlacementLink::OnSave, this, &TExDBGrid::SaveLayout);
    connect(iniLink_, &TPlacementLink::OnLoad, this, &TExDBGrid::RestoreLayout);
}

QString TExDBGrid::LayoutSection() const
{
    // The customised columns have a section of their own.
    return iniLink_->RootSection() + GetDefaultSection(this);
}

PlacementStorage *TExDBGrid::LayoutStorage() const
{
    if (objectName().isEmpty() || columns_.empty() || !IniStorage() || !IniStorage()->Active())
        return nullptr;
    return iniLink_->Storage();
}

QString TExDBGrid::ColumnKey(int column) const
{
    return QStringLiteral("%1.%2").arg(objectName(), columns_[column].FieldName);
}

void TExDBGrid::SaveLayout()
{
    PlacementStorage *storage = LayoutStorage();
    if (!storage)
        return;
    const QString section = LayoutSection();
    for (int i = 0; i < int(columns_.size()); ++i)
        storage->WriteString(section, ColumnKey(i), QStringLiteral("%1,%2").arg(i).arg(ColumnWidth(i)));
}

void TExDBGrid::RestoreLayout()
{
    PlacementStorage *storage = LayoutStorage();
    if (!storage)
        return;
    const QString section = LayoutSection();
    std::vector<std::pair<int, int>> wanted; // wanted index, current index
    for (int i = 0; i < int(columns_.size()); ++i) {
        const QStringList words = storage->ReadString(section, ColumnKey(i), QString()).split(u',');
        bool ok = false;
        const int index = words.value(0).trimmed().toInt(&ok);
        wanted.emplace_back(ok ? index : i, i);
        const int width = words.value(1).trimmed().toInt(&ok);
        if (ok && width > 0)
            columns_[i].Width = width;
    }
    std::stable_sort(wanted.begin(), wanted.end());
    std::vector<TColumn> ordered;
    for (const auto &w : wanted)
        ordered.push_back(columns_[w.second]);
    SetColumns(ordered);
}

// ---- properties

TDBGridOptions TExDBGrid::Options() const
{
    return multiSelect_ ? (options_ | dgMultiSelect) : options_;
}

void TExDBGrid::SetOptions(TDBGridOptions options)
{
    options_ = options & ~TDBGridOptions(dgMultiSelect);
    ApplyOptions();
    SetMultiSelect(options & dgMultiSelect);
}

void TExDBGrid::ApplyOptions()
{
    horizontalHeader()->setVisible(options_ & dgTitles);
    verticalHeader()->setVisible(options_ & dgIndicator);
    horizontalHeader()->setSectionResizeMode((options_ & dgColumnResize) ? QHeaderView::Interactive
                                                                         : QHeaderView::Fixed);
    setShowGrid(options_ & (dgColLines | dgRowLines));
    // With dgTabs Tab walks the columns; without, it leaves the grid.
    setTabKeyNavigation(options_ & dgTabs);
    setSelectionBehavior((options_ & dgRowSelect) ? QAbstractItemView::SelectRows
                                                  : QAbstractItemView::SelectItems);
    // With cells edited in place, typing into a cell starts its editor too.
    setEditTriggers(
        (options_ & dgEditing)
            ? (QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
               (cellEditing_ ? QAbstractItemView::AnyKeyPressed : QAbstractItemView::NoEditTriggers))
            : QAbstractItemView::NoEditTriggers);
    viewport()->update();
    horizontalHeader()->viewport()->update();
    SyncFrozen();
}

void TExDBGrid::SetShowGlyphs(bool on)
{
    if (showGlyphs_ == on)
        return;
    showGlyphs_ = on;
    viewport()->update();
}

void TExDBGrid::SetDefaultDrawing(bool on)
{
    if (defaultDrawing_ == on)
        return;
    defaultDrawing_ = on;
    viewport()->update();
}

void TExDBGrid::SetMultiSelect(bool on)
{
    if (multiSelect_ == on)
        return;
    multiSelect_ = on;
    if (!on)
        ClearSelectedRows();
}

void TExDBGrid::SetTitleButtons(bool on)
{
    if (titleButtons_ == on)
        return;
    titleButtons_ = on;
    horizontalHeader()->viewport()->update();
    SetOptions(Options());
}

void TExDBGrid::SetTitleFont(const TGridFont &font)
{
    titleFont_ = font;
    titleFontSet_ = true;
    horizontalHeader()->viewport()->update();
    SyncFrozen();
}

int TExDBGrid::FixedCols() const
{
    return LinkActive() ? frozenCols_ : fixedColsValue_;
}

void TExDBGrid::SetFixedCols(int count)
{
    count = std::max(count, 0);
    // Columns freeze only over an open dataset and never all of them: a grid
    // of one column keeps it free, and the count waits for more columns.
    if (LinkActive()) {
        if (ColumnCount() > 1)
            count = std::min(count, ColumnCount() - 1);
        frozenCols_ = ColumnCount() > 1 ? count : 0;
    }
    fixedColsValue_ = count;
    // Frozen columns scroll by pixels, so that the column beside them can
    // start right at their edge; the program's grids keep scrolling by columns.
    if (frozenCols_ > 0 && !frozen_) {
        frozen_ = new FrozenColumns(this);
        setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        leftCol_ = frozenCols_;
    } else if (frozenCols_ == 0 && frozen_) {
        delete frozen_;
        frozen_ = nullptr;
        setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    }
    SyncFrozen();
    LeaveFrozenColumns();
}

void TExDBGrid::LeaveFrozenColumns()
{
    const int current = CurrentColumn();
    if (HasFrozenColumns() && current >= 0 && current < frozenCols_)
        SelectColumn(std::clamp(lastColumn_, frozenCols_, ColumnCount() - 1));
}

void TExDBGrid::SyncFrozen()
{
    if (frozen_)
        frozen_->Sync();
}

int TExDBGrid::FrozenWidth() const
{
    return frozen_ && HasFrozenColumns() ? frozen_->FrozenWidth() : 0;
}

int TExDBGrid::LeftCol() const
{
    return GridColumnOf(columnAt(FrozenWidth()));
}

void TExDBGrid::SetLeftCol(int column)
{
    const int mc = ModelColumnOf(column);
    if (mc < 0)
        return;
    updateGeometries(); // the scroll range follows the columns' widths at once
    if (horizontalScrollMode() == QAbstractItemView::ScrollPerPixel)
        horizontalScrollBar()->setValue(horizontalHeader()->sectionPosition(mc) - FrozenWidth());
    else
        horizontalScrollBar()->setValue(column); // columns before it, all shown
}

void TExDBGrid::KeepLeftCol()
{
    if (HasFrozenColumns() && ColumnCount() > 0)
        SetLeftCol(std::min(std::max(frozenCols_, leftCol_), ColumnCount() - 1));
}

int TExDBGrid::ScrollToShow(int column, int from) const
{
    const QHeaderView *header = horizontalHeader();
    const auto position = [&](int c) { return header->sectionPosition(ModelColumnOf(c)); };
    const int mc = ModelColumnOf(column);
    if (column < frozenCols_ || mc < 0)
        return from; // a frozen column is always in sight
    const int edge = FrozenWidth();
    const int room = viewport()->width() - edge;
    const int left = position(column);
    const int right = left + header->sectionSize(mc);
    if (left < from + edge)
        return left - edge;
    if (right <= from + edge + room)
        return from;
    // From the right: as many columns before it as fit whole.
    int first = column;
    while (first > frozenCols_ && ModelColumnOf(first - 1) >= 0 && right - position(first - 1) <= room)
        --first;
    return position(first) - edge;
}

void TExDBGrid::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!frozen_ || !HasFrozenColumns() || !index.isValid())
        return QTableView::scrollTo(index, hint);
    const int from = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint); // the rows; the columns are set below
    horizontalScrollBar()->setValue(ScrollToShow(GridColumnOf(index.column()), from));
}

void TExDBGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    const int column = current.isValid() ? GridColumnOf(current.column()) : -1;
    if (column >= frozenCols_)
        lastColumn_ = column;
}

int TExDBGrid::RowsHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

void TExDBGrid::SetRowsHeight(int height)
{
    if (height == RowsHeight() || height <= 0)
        return;
    rowsHeightSet_ = true;
    verticalHeader()->setDefaultSectionSize(height);
    if (options_ & dgTitles)
        horizontalHeader()->setFixedHeight(height + 2);
    SyncFrozen();
}

void TExDBGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    if (!titleFontSet_)
        titleFont_.Font = font();
    if (!rowsHeightSet_)
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    ApplyColumns();
}

// ---- cells

int TExDBGrid::GetImageIndex(const Field *field) const
{
    if (!showGlyphs_ || !field)
        return -1;
    switch (field->DataType()) {
    case FieldType::Bytes:
    case FieldType::VarBytes:
    case FieldType::Blob:
    case FieldType::TypedBinary:
    case FieldType::OraBlob: return 0;
    case FieldType::Memo:
    case FieldType::FmtMemo:
    case FieldType::OraClob: return 1;
    case FieldType::Graphic: return 2;
    case FieldType::ParadoxOle:
    case FieldType::DBaseOle: return 3;
    case FieldType::Cursor:
    case FieldType::Reference:
    case FieldType::NestedTable: return 5;
    default: return -1;
    }
}

QString TExDBGrid::CellText(const QModelIndex &index) const
{
    if (!model_ || !index.isValid())
        return QString();
    QString text = model_->data(index, Qt::DisplayRole).toString();
    const int column = columns_.empty() ? -1 : GridColumnOf(index.column());
    if (column >= 0 && columns_[column].CheckMarkFont)
        text.replace(QChar(0xD6), QChar(CheckMarkChar));
    return text;
}

void TExDBGrid::GetCellProps(Field *field, TGridFont &font, QColor &background, bool highlight)
{
    if (OnGetCellParams) {
        OnGetCellParams(*this, field, font, background, highlight);
    } else if (OnGetCellProps) {
        const QColor textColor = font.Color;
        OnGetCellProps(*this, field, font, background);
        if (highlight)
            font.Color = textColor;
    }
}

bool TExDBGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (!(options_ & dgEditing) || readOnly_ || !model_)
        return false;
    Field *field = model_->FieldAt(index.column());
    bool allow = GetImageIndex(field) < 0;
    if (OnShowEditor)
        OnShowEditor(*this, field, allow);
    return allow && QTableView::edit(index, trigger, event);
}

void TExDBGrid::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    if (!(options_ & dgRowSelect) || !defaultDrawing_ || !hasFocus() || !currentIndex().isValid())
        return;
    const int row = currentIndex().row();
    const QRect rect(0, rowViewportPosition(row), viewport()->width(), rowHeight(row));
    QPainter painter(viewport());
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect.adjusted(0, 0, -1, -1);
    option.backgroundColor = palette().color(QPalette::Highlight);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void TExDBGrid::updateGeometries()
{
    QTableView::updateGeometries();
    FetchVisibleRows();
    SyncFrozen();
}

void TExDBGrid::FetchVisibleRows()
{
    if (fetchingRows_ || !model_)
        return;
    fetchingRows_ = true;
    while (model_->canFetchMore(QModelIndex())) {
        const int rows = model_->rowCount();
        if (rows > 0 && rowViewportPosition(rows - 1) >= viewport()->height())
            break;
        model_->fetchMore(QModelIndex());
        if (model_->rowCount() == rows)
            break;
    }
    fetchingRows_ = false;
}

void TExDBGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    // The scroll moved the focus frame drawn around the current row along
    // with the cells: all of it is drawn again where it belongs.
    if (dy && (options_ & dgRowSelect) && defaultDrawing_)
        viewport()->update();
    if (dx && !holdLeft_ && HasFrozenColumns())
        leftCol_ = LeftCol();
    FetchVisibleRows();
    StopTracking();
    if (OnTopLeftChanged)
        OnTopLeftChanged(*this);
}

// ---- multiselection

void TExDBGrid::SelectCurrentRow(bool select)
{
    DataSet *ds = dataSet();
    if (!LinkActive() || ds->IsEmpty())
        return;
    const Bookmark b = ds->GetBookmark();
    const bool has = selectedRows_.contains(b);
    if (select && !has)
        selectedRows_.append(b);
    else if (!select && has)
        selectedRows_.removeAll(b);
    viewport()->update();
    verticalHeader()->viewport()->update();
}

bool TExDBGrid::RowInMultiSelection(int viewRow) const
{
    if (!multiSelect_ || selectedRows_.isEmpty() || !model_)
        return false;
    const Bookmark b = model_->RowBookmark(viewRow);
    return b != NoBookmark && selectedRows_.contains(b);
}

void TExDBGrid::ClearSelectedRows()
{
    if (selectedRows_.isEmpty())
        return;
    selectedRows_.clear();
    viewport()->update();
    verticalHeader()->viewport()->update();
}

void TExDBGrid::EndRangeSelection()
{
    selecting_ = false;
    if (clearSelection_)
        ClearSelectedRows();
}

// ---- keys, wheel and mouse

int TExDBGrid::VisibleRowCount() const
{
    return std::max(1, viewport()->height() / std::max(1, verticalHeader()->defaultSectionSize()));
}

bool TExDBGrid::CanAppendAtEnd() const
{
    return !readOnly_ && (options_ & dgEditing) && LinkActive() && dataSet()->CanModify();
}

void TExDBGrid::Guard(const std::function<void()> &action)
{
    Guarded(action);
}

void TExDBGrid::MoveDataSet(int distance)
{
    dataSet()->MoveBy(distance);
}

void TExDBGrid::SelectionStep(Qt::KeyboardModifiers modifiers, int distance)
{
    DataSet *ds = dataSet();
    bool addAfter = false;
    if (multiSelect_) {
        if (!(modifiers & Qt::ShiftModifier)) {
            EndRangeSelection();
        } else if (selecting_) {
            if (DataSet::CompareBookmarks(ds->GetBookmark(), selectionAnchor_) == -distance)
                SelectCurrentRow(false);
            else
                addAfter = true;
        } else {
            selectionAnchor_ = ds->GetBookmark();
            SelectCurrentRow(true);
            selecting_ = true;
            addAfter = true;
        }
    }
    const int before = ds->CurrentIndex();
    MoveDataSet(distance);
    if (distance > 0 && ds->CurrentIndex() == before && ds->Eof() && CanAppendAtEnd())
        ds->Append();
    if (addAfter)
        SelectCurrentRow(true);
}

void TExDBGrid::DeleteRows()
{
    DataSet *ds = dataSet();
    if ((options_ & dgConfirmDelete) &&
        !Messages::AskConfirm(selectedRows_.size() > 1 ? QStringLiteral("Usunąć wszystkie zaznaczone rekordy?")
                                                       : QStringLiteral("Usunąć rekord?")))
        return;
    if (selectedRows_.isEmpty())
        return ds->Delete();
    const QList<Bookmark> rows = selectedRows_;
    for (const Bookmark b : rows) {
        // A row gone or hidden meanwhile leaves the cursor where it was:
        // deleting then would take another record.
        ds->GotoBookmark(b);
        if (ds->IsEmpty() || ds->GetBookmark() != b)
            continue;
        ds->Delete();
        selectedRows_.removeAll(b);
    }
    viewport()->update();
    verticalHeader()->viewport()->update();
}

int TExDBGrid::CurrentColumn() const
{
    return currentIndex().isValid() ? GridColumnOf(currentIndex().column()) : -1;
}

void TExDBGrid::SelectColumn(int column)
{
    const int mc = ModelColumnOf(column);
    const int row = currentIndex().isValid() ? currentIndex().row() : 0;
    if (mc < 0 || row >= model_->rowCount())
        return;
    const QModelIndex target = model_->index(row, mc);
    setCurrentIndex(target);
    scrollTo(target);
}

void TExDBGrid::TabMove(bool back)
{
    const int step = back ? -1 : 1;
    const int first = frozenCols_;
    const int last = ColumnCount() - 1;
    int column = CurrentColumn() + step;
    if (column >= first && column <= last)
        return SelectColumn(column);
    // The move wraps to the neighbouring row.
    DataSet *ds = dataSet();
    if (multiSelect_)
        EndRangeSelection();
    const int before = ds->CurrentIndex();
    MoveDataSet(step);
    if (ds->CurrentIndex() != before)
        SelectColumn(back ? last : first);
}

void TExDBGrid::keyPressEvent(QKeyEvent *event)
{
    Guard([&] { HandleKey(event); });
}

void TExDBGrid::HandleKey(QKeyEvent *event)
{
    int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (OnKeyDown) {
        OnKeyDown(*this, key, modifiers);
        if (key == 0)
            return event->accept();
    }
    if (!LinkActive())
        return event->ignore();
    DataSet *ds = dataSet();
    const bool browsing = ds->State() == DataSetState::Browse;
    const bool rowSelect = options_ & dgRowSelect;
    if (modifiers & Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End: EndRangeSelection(); break;
        default: break;
        }
        switch (key) {
        case Qt::Key_Left:
            if (HasFrozenColumns()) {
                SelectColumn(frozenCols_);
                return event->accept();
            }
            break;
        case Qt::Key_Delete:
            if (!readOnly_ && ds->CanModify() && !ds->IsEmpty()) {
                DeleteRows();
                return event->accept();
            }
            break;
        case Qt::Key_Home: ds->First(); return event->accept();
        case Qt::Key_End: ds->Last(); return event->accept();
        case Qt::Key_Up:
        case Qt::Key_PageUp: {
            const int top = rowAt(0);
            if (top >= 0 && currentIndex().isValid())
                MoveDataSet(top - currentIndex().row());
            return event->accept();
        }
        case Qt::Key_Down:
        case Qt::Key_PageDown: {
            int bottom = rowAt(viewport()->height() - 1);
            if (bottom < 0)
                bottom = model_->rowCount() - 1;
            if (currentIndex().isValid())
                MoveDataSet(bottom - currentIndex().row());
            return event->accept();
        }
        default: break;
        }
    } else {
        switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (browsing)
                SelectionStep(modifiers, key == Qt::Key_Down ? 1 : -1);
            return event->accept();
        case Qt::Key_Left:
            if (HasFrozenColumns() && !rowSelect && CurrentColumn() <= frozenCols_)
                return event->accept();
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if ((options_ & dgTabs) && !(modifiers & Qt::AltModifier)) {
                TabMove(key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier));
                return event->accept();
            }
            break;
        case Qt::Key_PageUp: MoveDataSet(-VisibleRowCount()); return event->accept();
        case Qt::Key_PageDown: MoveDataSet(VisibleRowCount()); return event->accept();
        case Qt::Key_Home:
            if (HasFrozenColumns() && !rowSelect && CurrentColumn() != 0) {
                SelectColumn(frozenCols_);
                return event->accept();
            }
            [[fallthrough]];
        case Qt::Key_End:
            if (rowSelect || ColumnCount() <= 1) {
                key == Qt::Key_Home ? ds->First() : ds->Last();
                return event->accept();
            }
            break;
        default: break;
        }
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint()) {
        QChar typed = text.at(0);
        if (OnKeyPress)
            OnKeyPress(*this, typed);
        if (typed.isNull() || !(options_ & dgEditing) || readOnly_)
            return event->accept();
    }
    QTableView::keyPressEvent(event);
}

void TExDBGrid::wheelEvent(QWheelEvent *event)
{
    event->ignore();
    Guard([&] { HandleWheel(event); });
}

void TExDBGrid::HandleWheel(QWheelEvent *event)
{
    wheelRest_ += event->angleDelta().y();
    bool handled = false;
    while (std::abs(wheelRest_) >= QWheelEvent::DefaultDeltasPerStep) {
        const bool down = wheelRest_ < 0;
        wheelRest_ += down ? QWheelEvent::DefaultDeltasPerStep : -QWheelEvent::DefaultDeltasPerStep;
        const auto &handler = down ? OnMouseWheelDown : OnMouseWheelUp;
        if (handler && handler(*this)) {
            handled = true;
            continue;
        }
        if (focusPolicy() != Qt::NoFocus && LinkActive()) {
            const int before = dataSet()->CurrentIndex();
            MoveDataSet(down ? 1 : -1);
            handled = handled || dataSet()->CurrentIndex() != before;
        }
    }
    event->setAccepted(handled);
}

void TExDBGrid::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex hit = indexAt(event->position().toPoint());
    const int hitColumn = hit.isValid() ? GridColumnOf(hit.column()) : -1;
    if (HasFrozenColumns() && hitColumn >= 0 && hitColumn < frozenCols_)
        return PressFrozenRow(event, hit.row());
    Guard([&] { QTableView::mousePressEvent(event); });
    PressSelects(event);
}

void TExDBGrid::PressFrozenRow(QMouseEvent *event, int row)
{
    // A press on a frozen column picks the row only, as one on the indicator.
    if (focusPolicy() != Qt::NoFocus)
        setFocus(Qt::MouseFocusReason);
    const int column = currentIndex().isValid() ? currentIndex().column() : ModelColumnOf(frozenCols_);
    if (model_ && row >= 0 && column >= 0)
        Guard([&] { setCurrentIndex(model_->index(row, column)); });
    PressSelects(event);
}

void TExDBGrid::PressSelects(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !multiSelect_ || !LinkActive())
        return;
    selecting_ = false;
    if (event->modifiers() & Qt::ControlModifier) {
        SelectCurrentRow(!IsRowSelected(dataSet()->GetBookmark()));
    } else {
        ClearSelectedRows();
        if (clearSelection_)
            SelectCurrentRow(true);
    }
}

void TExDBGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        RaiseDblClick();
}

void TExDBGrid::RaiseDblClick()
{
    if (OnDblClick)
        Guard([this] { OnDblClick(*this); });
}

// ---- title buttons

void TExDBGrid::CheckTitleButton(int column, bool &enabled)
{
    if (column < 0 || column >= ColumnCount()) {
        enabled = false;
        return;
    }
    if (OnCheckButton)
        OnCheckButton(*this, column, ColumnField(column), enabled);
}

void TExDBGrid::DoTitleClick(int column, Field *field)
{
    if (OnTitleBtnClick)
        OnTitleBtnClick(*this, column, field);
}

void TExDBGrid::TitlePress(int modelColumn, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    bool enabled = true;
    CheckTitleButton(GridColumnOf(modelColumn), enabled);
    if (!enabled) {
        Beep();
        return;
    }
    tracking_ = true;
    pressedCol_ = modelColumn;
    TitleTrack(modelColumn, true);
}

void TExDBGrid::TitleTrack(int modelColumn, bool insideTitle)
{
    const bool now = tracking_ && insideTitle && modelColumn == pressedCol_ && modelColumn >= 0;
    if (now == pressed_)
        return;
    pressed_ = now;
    horizontalHeader()->viewport()->update();
    if (frozen_)
        frozen_->horizontalHeader()->viewport()->update();
}

void TExDBGrid::TitleRelease(int modelColumn, bool insideTitle, Qt::MouseButton)
{
    const int pressed = pressedCol_;
    const bool counted = insideTitle && modelColumn == pressed;
    StopTracking();
    const int column = GridColumnOf(pressed);
    if (counted && column >= 0 && LinkActive())
        DoTitleClick(column, ColumnField(column));
}

void TExDBGrid::StopTracking()
{
    if (!tracking_)
        return;
    TitleTrack(-1, false);
    tracking_ = false;
    pressedCol_ = -1;
}
