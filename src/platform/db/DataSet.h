#pragma once

#include "platform/db/Field.h"
#include "platform/db/RowStore.h"

#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

// Raised by Post when an OnPostError handler chose Abort: the caller stops
// quietly, no message is due.
class DataSetAbort : public std::exception {
public:
    const char *what() const noexcept override { return "aborted"; }
};

enum class DataSetState { Inactive, Browse, Edit, Insert, CalcFields, Filter };
enum class PostErrorAction { Fail, Abort, Retry };
enum LocateOption { LocateCaseInsensitive = 1, LocatePartialKey = 2 };
using LocateOptions = int;
using Bookmark = qint64; // a row id; NoBookmark when none
constexpr Bookmark NoBookmark = RowStore::NoId;

// Base of every dataset. Rows live in memory in a RowStore, in table order; a
// subclass says where they come from (a cursor fetched lazily, or nothing for a
// memory table), how a post or delete reaches its backend and which fields exist.
class DataSet : public QObject, private FieldOwner {
    Q_OBJECT
public:
    explicit DataSet(QObject *parent = nullptr);
    ~DataSet() override;

    using Event = std::function<void(DataSet &)>;
    Event BeforeOpen, AfterOpen, BeforeClose, OnNewRecord, BeforePost, AfterPost, BeforeDelete, AfterDelete,
        BeforeScroll, AfterScroll, OnCalcFields;
    std::function<void(DataSet &, const std::exception &, PostErrorAction &)> OnPostError;
    std::function<void(DataSet &, bool &accept)> OnFilterRecord;

    // Open and close.
    void Open();
    void Close();
    bool Active() const { return state_ != DataSetState::Inactive; }
    void SetActive(bool on) { on ? Open() : Close(); }
    DataSetState State() const { return state_; }

    // Navigation. Rows of a cursor are fetched as the position moves on.
    void First();
    void Last();
    void Next();
    void Prior();
    int MoveBy(int distance);
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    bool IsEmpty() const;
    int RecNo() const; // 1-based; 0 when there is no current row
    void SetRecNo(int recNo);
    int RecordCount(); // all rows (fetches the rest of a cursor); a filter is ignored

    // Editing.
    void Append();
    void Insert();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    void CheckBrowseMode(); // posts a pending edit or insert
    bool Modified() const { return modified_; }
    virtual bool CanModify() const { return true; } // false: Edit/Insert/Delete fail (read-only dataset)

    // Fields. Fields declared before Open (persistent) keep their settings; the
    // settings of fields made at open survive a reopen too.
    const std::vector<Field *> &Fields() const { return fields_; }
    int FieldCount() const { return int(fields_.size()); }
    Field *FindField(const QString &name) const;
    Field *FieldByName(const QString &name) const; // throws DbError when missing
    Field *AddField(const QString &name, FieldType type, int size = 0, FieldKind kind = FieldKind::Data);
    QStringList FieldNames() const;

    // Filtering through OnFilterRecord.
    bool Filtered() const { return filtered_; }
    void SetFiltered(bool on);
    void Refilter(); // the filter handler changed: back to the first accepted row
    bool FilterActive() const { return filtered_ && OnFilterRecord != nullptr; }
    bool RowVisible(int row) { return Accepts(row); } // false for a row the filter hides

    // Bookmarks.
    Bookmark GetBookmark() const;
    Bookmark BookmarkAt(int row) const; // NoBookmark outside the rows held
    void GotoBookmark(Bookmark b);
    bool BookmarkValid(Bookmark b) const;
    static int CompareBookmarks(Bookmark a, Bookmark b);

    // Moves to the first row whose key fields ("A;B") equal the values; the
    // current row is tried first. False (cursor unchanged) when none matches.
    bool Locate(const QString &keyFields, const QVariant &keyValues, LocateOptions options = 0);

    // Bound views.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }

    // Access to any row for views: the number of rows held so far, whether a
    // cursor has more, fetching more, and the display text of a cell.
    int FetchedCount() const { return store_.Count(); }
    bool CanFetchMore() const { return Active() && !fetchedAll_; }
    int FetchMore(int count);                           // returns how many rows were added
    int CurrentIndex() const { return cur_; }           // 0-based row of the cursor, -1 when none
    QString DisplayTextAt(int row, const Field *field); // shows the edit buffer for the row being edited
    FieldValue ValueAt(int row, const Field *field);    // the stored value (before any pending edit)
    unsigned OpenSerial() const { return openSerial_; } // changes on every Open

signals:
    void dataSetChanged();       // opened, closed, refiltered, many rows changed
    void recordChanged(int row); // one row's values changed (a post)
    void rowInserted(int row);
    void rowRemoved(int row);
    void rowsFetched(int first, int last);
    void scrolled(int row); // the current row moved
    void stateChanged();

protected:
    // Hooks for subclasses.
    virtual void InternalOpen() = 0;           // bind fields (BindField) and prepare the row source
    virtual void InternalClose() {}            // release the row source; rows are cleared by the base
    virtual bool FetchRow() { return false; }  // append one row with AppendFetched; false at the end
    virtual void InternalPost(bool inserting); // apply the edit buffer to the backend (throws on failure)
    virtual void InternalDelete() {}           // remove the current row from the backend
    virtual void InternalCancel() {}           // an edit or insert was cancelled
    virtual void InitNewRecord() {}            // a new, cleared edit buffer, before OnNewRecord
    virtual QString NotEditingText() const;         // "Dataset not in edit or insert mode"
    virtual QString ReadOnlyText() const;           // "Field '%1' cannot be modified"
    virtual QString FieldNotFoundText() const;      // message of FieldByName for a missing field

    // Field binding during InternalOpen: reuses a field of that name (keeping its
    // settings) or creates one. Unbound data fields drop out of Fields().
    Field *BindField(const QString &name, FieldType type, int size, bool required = false,
                     bool readOnly = false);
    void BindDeclaredFields(); // a memory table binds the fields declared before open

    // Row store access for subclasses.
    RowStore &Store() { return store_; }
    const RowStore &Store() const { return store_; }
    std::vector<FieldValue> &EditBuffer() { return edit_; }
    const std::vector<Field *> &DataFields() const { return dataFields_; }
    void AppendFetched(const std::vector<FieldValue> &row); // a fetched row, last in table order
    void ClearRows();                                       // drop every row; ids restart
    void SetFetchedAll() { fetchedAll_ = true; }
    bool FetchedAll() const { return fetchedAll_; }
    void DataEvent();         // tell views everything changed (unless controls are disabled)
    void RowChanged(int row); // tell views one stored row changed
    void SetState(DataSetState s);
    void CheckActive() const;
    void CheckEditing() const;    // throws NotEditingText outside edit and insert
    void CheckModifiable() const; // throws on a read-only dataset
    int InsertPosition() const { return insertPos_; }

private:
    FieldValue ReadValue(const Field &f) const override;
    void WriteValue(Field &f, const FieldValue &v) override;
    void FieldVisibilityChanged() override { DataEvent(); }
    FieldValue ValueOfRow(int row, const Field *field);
    bool FetchUpTo(int index); // true when row `index` exists afterwards
    bool Accepts(int row);
    int FindAccepted(int from, int step);
    void MoveTo(int row); // scrolls with events
    void CalcActive();
    void CalcRow(int row);
    void StartEditBuffer(bool fromCurrent);
    void StartInsert(int position); // -1: after the last row
    void StoreEditBuffer(bool inserting);
    bool MatchRow(int row, const std::vector<Field *> &keys, const QVariantList &values,
                  LocateOptions options);
    void EmitScrolled();
    void EmitStateChanged();

    RowStore store_;
    std::vector<std::unique_ptr<Field>> owned_;
    std::vector<Field *> fields_;     // bound fields: data fields in row order, then calculated ones
    std::vector<Field *> dataFields_; // bound data fields, slot order
    std::vector<Field *> calcFields_;
    std::vector<FieldValue> edit_; // edit buffer (data slots)
    std::vector<FieldValue> calc_; // calculated values of the row in calcRow_
    int calcRow_ = -2;
    DataSetState state_ = DataSetState::Inactive;
    int cur_ = -1;
    int activeRow_ = -1; // row read by fields when not -1 (views, locate, filter)
    int insertPos_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    bool fetchedAll_ = true;
    bool modified_ = false;
    bool editing_ = false; // the edit buffer holds the active record (edit or insert)
    bool filtered_ = false;
    bool binding_ = false;
    int disableCount_ = 0;
    unsigned openSerial_ = 0;
    bool pendingChange_ = false;
};

// Keeps a dataset's bound views still for a scope, on every path out of it
// (a failed fetch included: views left disabled would never update again).
class ControlsStill {
public:
    explicit ControlsStill(DataSet &ds) : ds_(ds) { ds_.DisableControls(); }
    ~ControlsStill() { ds_.EnableControls(); }
    ControlsStill(const ControlsStill &) = delete;
    ControlsStill &operator=(const ControlsStill &) = delete;

private:
    DataSet &ds_;
};
