#pragma once

#include "platform/db/DataSet.h"
#include "platform/db/DataSource.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <optional>
#include <span>
#include <vector>

class DataSetModel;
class Field;
class FrozenColumns;
class TExDBGrid;
class TPlacementLink;
class TPlacementStore;
class PlacementStorage;

// The marker a window puts on the title of the sorted column.
enum TSortMarker { smNone, smDown, smUp };

enum TDBGridOption : unsigned {
    dgEditing = 1u << 0,
    dgAlwaysShowEditor = 1u << 1,
    dgTitles = 1u << 2,
    dgIndicator = 1u << 3,
    dgColumnResize = 1u << 4,
    dgColLines = 1u << 5,
    dgRowLines = 1u << 6,
    dgTabs = 1u << 7,
    dgRowSelect = 1u << 8,
    dgAlwaysShowSelection = 1u << 9,
    dgConfirmDelete = 1u << 10,
    dgCancelOnExit = 1u << 11,
    dgMultiSelect = 1u << 12,
};
using TDBGridOptions = unsigned;

constexpr TDBGridOptions DefaultGridOptions = dgEditing | dgTitles | dgIndicator | dgColumnResize |
                                              dgColLines | dgRowLines | dgConfirmDelete | dgCancelOnExit;

// A column of a list the program fills from a table of these: its field and
// title, the least width in pixels and a sample of the widest value it shows
// whole (with neither, the field's display width), its alignment (none: the
// field's) and whether it shows a check mark.
struct TListColumn {
    const char *Field;
    const char *Title;
    int Width = 0;
    const char *Sample = "";
    Qt::Alignment Alignment = {};
    bool CheckMark = false;
};

// A font with its colour, as the drawing events receive it.
struct TGridFont {
    QFont Font;
    QColor Color;
};

// One column of a grid whose columns are set by the program. A column with
// CheckMarkFont shows the check mark where the text holds it (U+2713, or the
// mark byte 214 of stored statistic cells).
struct TColumn {
    QString FieldName;
    QString Title;                // empty: the field's display label
    int Width = 0;                // pixels; 0: from the field's display width
    Qt::Alignment Alignment = {}; // none: the field's alignment
    bool CheckMarkFont = false;
    std::optional<QFont> Font;
    QColor FontColor; // invalid: the grid's
    QColor Color;     // cell background; invalid: the grid's
};

// Process-wide cache of the field glyphs (0..6) and sort markers (7 smDown, 8 smUp).
const QImage &GetGridBitmap(int index);

// The data grid on which the windows show their tables: a table view over a
// DataSource whose title cells can act as push buttons with a sort marker.
// Up, Down, paging keys and the wheel move the dataset; the view follows it.
class TExDBGrid : public QTableView {
    Q_OBJECT
public:
    explicit TExDBGrid(QWidget *parent = nullptr);
    ~TExDBGrid() override;

    void SetDataSource(DataSource *source); // nullptr detaches the grid
    DataSource *dataSource() const { return source_; }
    DataSet *dataSet() const;
    bool LinkActive() const; // a dataset is attached and open

    // Columns: without any, every visible field shows in field order. Their
    // titles show also before the dataset is first opened.
    void SetColumns(const std::vector<TColumn> &columns);
    // The columns of a table; withMarker leaves every title room for the sort marker.
    void SetListColumns(std::span<const TListColumn> table, bool withMarker = false);
    const std::vector<TColumn> &Columns() const { return columns_; }
    int ColumnCount() const;
    Field *ColumnField(int column) const;
    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);
    // The width a window gives a column: at least `width`, and wide enough for
    // the title as the title row paints it (with room for the sort marker on a
    // column the window sorts by) and for the value, in this grid's fonts.
    int FitColumnWidth(int width, const QString &title, const QString &value = QString(),
                       bool withMarker = false) const;
    // The grid's width when every column shows, with the vertical scroll bar.
    int WidthForAllColumns() const;

    TDBGridOptions Options() const;
    void SetOptions(TDBGridOptions options);
    bool ShowGlyphs() const { return showGlyphs_; }
    void SetShowGlyphs(bool on);
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool on);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool on);
    bool ClearSelection() const { return clearSelection_; }
    void SetClearSelection(bool on) { clearSelection_ = on; }
    bool TitleButtons() const { return titleButtons_; }
    void SetTitleButtons(bool on);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }
    // Cells are edited in place (with dgEditing and not ReadOnly); off by default.
    bool CellEditing() const { return cellEditing_; }
    void SetCellEditing(bool on);
    int FixedCols() const;
    void SetFixedCols(int count);
    // The first scrolling column in sight: the one at the cells' left edge, or
    // beside the frozen columns.
    int LeftCol() const;
    void SetLeftCol(int column);
    // With frozen columns a cell is brought into sight beside them.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    int RowsHeight() const;
    void SetRowsHeight(int height);
    const TGridFont &TitleFont() const { return titleFont_; }
    void SetTitleFont(const TGridFont &font);

    // Column layout kept in a placement store: each program column saves its
    // index and width under "<grid name>.<field name>" when the store saves,
    // and gets them back when it restores. A grid without a name keeps nothing.
    TPlacementStore *IniStorage() const;
    void SetIniStorage(TPlacementStore *store);
    void SaveLayout();
    void RestoreLayout();

    // The multiselection, as bookmarks of the selected rows.
    const QList<Bookmark> &SelectedRows() const { return selectedRows_; }
    bool IsRowSelected(Bookmark b) const { return selectedRows_.contains(b); }
    // The record shown in a view row is in the multiselection: the row paints
    // highlighted and its indicator carries the mark.
    bool RowInMultiSelection(int viewRow) const;
    void SelectCurrentRow(bool select);
    void ClearSelectedRows();

    // Glyph index of a field (-1: the field shows as text).
    int GetImageIndex(const Field *field) const;
    // Text of a cell as drawn: the field's display text, with the check mark
    // for check-mark columns.
    QString CellText(const QModelIndex &index) const;
    // Grid column of a view column (a model column), -1 when it is not shown.
    int GridColumnOf(int modelColumn) const;
    int ModelColumnOf(int column) const;

    // Events (the grid is the sender).
    std::function<void(TExDBGrid &, Field *, TGridFont &, QColor &background, TSortMarker &, bool isDown)>
        OnGetBtnParams;
    std::function<void(TExDBGrid &, int column, Field *)> OnTitleBtnClick;
    std::function<void(TExDBGrid &, int column, Field *, bool &enabled)> OnCheckButton;
    std::function<void(TExDBGrid &, Field *, TGridFont &, QColor &background, bool highlight)>
        OnGetCellParams;
    std::function<void(TExDBGrid &, Field *, TGridFont &, QColor &background)> OnGetCellProps;
    std::function<void(TExDBGrid &, Field *, bool &allowEdit)> OnShowEditor;
    std::function<void(TExDBGrid &)> OnTopLeftChanged, OnDblClick;
    // A typed character; setting it to 0 consumes it.
    std::function<void(TExDBGrid &, QChar &key)> OnKeyPress;
    // A key going down; setting it to 0 consumes it.
    std::function<void(TExDBGrid &, int &key, Qt::KeyboardModifiers)> OnKeyDown;
    // A left-button release over a title cell (column index in the grid's columns).
    std::function<void(TExDBGrid &, int column)> OnTitleClick;
    // Wheel handlers answer true when they handled the turn.
    std::function<bool(TExDBGrid &)> OnMouseWheelDown, OnMouseWheelUp;

    // Title button machinery, used by the title row.
    bool Pressed() const { return pressed_; }
    bool Tracking() const { return tracking_; }
    int PressedCol() const { return pressedCol_; }
    void CheckTitleButton(int column, bool &enabled);
    void DoTitleClick(int column, Field *field);
    void GetCellProps(Field *field, TGridFont &font, QColor &background, bool highlight);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    void keyboardSearch(const QString &) override {}
    void changeEvent(QEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    friend class TitleHeader;
    friend class FrozenColumns;
    // Qt fetches more rows only when the last row's cell in model column 0 is
    // in view; that column may be hidden, so the grid asks for rows itself.
    void FetchVisibleRows();
    bool fetchingRows_ = false;
    friend class IndicatorHeader;
    friend class GridCellDelegate;
    void ApplyColumns();
    void ShowColumnsBeforeOpen();
    QString LayoutSection() const;
    // Where the column layout is kept; null when the grid has nothing to keep
    // or no active store to keep it in.
    PlacementStorage *LayoutStorage() const;
    QString ColumnKey(int column) const;
    void ApplyOptions();
    void StoreColumnWidth(int modelColumn, int width);
    void SelectionStep(Qt::KeyboardModifiers modifiers, int distance);
    void EndRangeSelection();
    // Ctrl+Delete: the selected rows, or the current one, after the question.
    void DeleteRows();
    // Columns are grid columns; frozen ones come first and take no tab stop.
    int CurrentColumn() const;
    void SelectColumn(int column);
    bool HasFrozenColumns() const { return frozenCols_ > 0 && frozenCols_ < ColumnCount() && LinkActive(); }
    // The current cell moved to a frozen column (the view's cursor sync after
    // a reopen does): back to the column it was on.
    void LeaveFrozenColumns();
    int FrozenWidth() const;
    // The scroll position that brings a column into sight beside the frozen
    // ones, from position `from`, with a column's left edge at theirs.
    int ScrollToShow(int column, int from) const;
    // After a layout or width change, the left column from before.
    void KeepLeftCol();
    void SyncFrozen();
    void PressFrozenRow(QMouseEvent *event, int row);
    void PressSelects(QMouseEvent *event);
    void RaiseDblClick();
    void TabMove(bool back);
    void MoveDataSet(int distance);
    void HandleKey(QKeyEvent *event);
    void HandleWheel(QWheelEvent *event);
    // Runs an action started by the user; a failure is shown, never thrown
    // through Qt's event handling.
    void Guard(const std::function<void()> &action);
    int VisibleRowCount() const;
    bool CanAppendAtEnd() const;
    void TitlePress(int modelColumn, Qt::MouseButton button);
    void TitleTrack(int modelColumn, bool insideTitle);
    void TitleRelease(int modelColumn, bool insideTitle, Qt::MouseButton button);
    void StopTracking();

    QPointer<DataSource> source_;
    DataSetModel *model_ = nullptr;
    std::vector<TColumn> columns_;
    TDBGridOptions options_ = 0;
    bool showGlyphs_ = true;
    bool defaultDrawing_ = true;
    bool multiSelect_ = false;
    bool selecting_ = false;
    bool clearSelection_ = true;
    bool titleButtons_ = false;
    bool readOnly_ = false;
    bool cellEditing_ = false;
    int fixedColsValue_ = 0; // the count asked for, kept while it cannot apply
    int frozenCols_ = 0;     // the count frozen over the open dataset
    FrozenColumns *frozen_ = nullptr; // only while FixedCols > 0
    int leftCol_ = 0;                 // the left column the user last saw
    bool holdLeft_ = false;           // a layout change is under way: leftCol_ stays
    int lastColumn_ = -1;             // the last current column that was not frozen
    TGridFont titleFont_;
    bool titleFontSet_ = false;  // otherwise the titles follow the grid's font
    bool rowsHeightSet_ = false; // otherwise the rows follow the grid's font
    QList<Bookmark> selectedRows_;
    Bookmark selectionAnchor_ = NoBookmark;
    // Title press tracking.
    int pressedCol_ = -1; // model column
    bool pressed_ = false;
    bool tracking_ = false;
    bool swapButtons_ = false;
    int wheelRest_ = 0;
    QPointer<TPlacementLink> iniLink_; // owned by its store; freed with the grid
};
