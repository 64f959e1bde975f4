#include "platform/db/DataSet.h"

namespace {

// Restores a member on scope exit, so that handler exceptions leave the dataset sane.
template <typename T> class Restore {
public:
    Restore(T &ref, T value) : ref_(ref), old_(ref) { ref_ = value; }
    ~Restore() { ref_ = old_; }
    Restore(const Restore &) = delete;
    Restore &operator=(const Restore &) = delete;

private:
    T &ref_;
    T old_;
};

} // namespace

DataSet::DataSet(QObject *parent) : QObject(parent) {}

DataSet::~DataSet() = default;

QString DataSet::NotEditingText() const
{
    return QStringLiteral("Dataset not in edit or insert mode");
}

QString DataSet::ReadOnlyText() const
{
    return QStringLiteral("Field '%1' cannot be modified");
}

QString DataSet::FieldNotFoundText() const
{
    return QStringLiteral("%1: Field '%2' not found")
        .arg(objectName().isEmpty() ? QStringLiteral("DataSet") : objectName());
}

void DataSet::CheckActive() const
{
    if (!Active())
        throw DbError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void DataSet::CheckEditing() const
{
    if (!editing_)
        throw DbError(NotEditingText());
}

void DataSet::CheckModifiable() const
{
    if (!CanModify())
        throw DbError(QStringLiteral("Cannot modify a read-only dataset"));
}

void DataSet::SetState(DataSetState s)
{
    if (state_ == s)
        return;
    state_ = s;
    EmitStateChanged();
}

void DataSet::EmitStateChanged()
{
    if (disableCount_ == 0)
        emit stateChanged();
}

void DataSet::EmitScrolled()
{
    if (disableCount_ > 0)
        pendingChange_ = true;
    else
        emit scrolled(cur_);
}

void DataSet::DataEvent()
{
    if (disableCount_ > 0)
        pendingChange_ = true;
    else
        emit dataSetChanged();
}

void DataSet::RowChanged(int row)
{
    calcRow_ = -2;
    if (disableCount_ > 0)
        pendingChange_ = true;
    else
        emit recordChanged(row);
}

void DataSet::DisableControls()
{
    ++disableCount_;
}

void DataSet::EnableControls()
{
    if (disableCount_ == 0)
        return;
    if (--disableCount_ == 0 && pendingChange_) {
        pendingChange_ = false;
        emit dataSetChanged();
        emit scrolled(cur_);
    }
}

// ---- fields

Field *DataSet::FindField(const QString &name) const
{
    for (Field *f : fields_)
        if (f->name_.compare(name, Qt::CaseInsensitive) == 0)
            return f;
    for (const auto &f : owned_)
        if (f->declared_ && f->name_.compare(name, Qt::CaseInsensitive) == 0)
            return f.get();
    return nullptr;
}

Field *DataSet::FieldByName(const QString &name) const
{
    if (Field *f = FindField(name))
        return f;
    throw DbError(FieldNotFoundText().arg(name));
}

QStringList DataSet::FieldNames() const
{
    QStringList names;
    for (Field *f : fields_)
        names << f->name_;
    return names;
}

Field *DataSet::AddField(const QString &name, FieldType type, int size, FieldKind kind)
{
    if (Active())
        throw DbError(QStringLiteral("Cannot add field '%1' to an open dataset").arg(name));
    for (const auto &f : owned_) {
        if (f->name_.compare(name, Qt::CaseInsensitive) == 0) {
            f->type_ = type;
            f->size_ = size;
            f->kind_ = kind;
            f->declared_ = true;
            return f.get();
        }
    }
    owned_.push_back(std::make_unique<Field>(static_cast<FieldOwner *>(this), name, type, size, kind));
    owned_.back()->declared_ = true;
    return owned_.back().get();
}

Field *DataSet::BindField(const QString &name, FieldType type, int size, bool required, bool readOnly)
{
    Field *field = nullptr;
    for (const auto &f : owned_)
        if (f->kind_ == FieldKind::Data && f->name_.compare(name, Qt::CaseInsensitive) == 0)
            field = f.get();
    if (!field) {
        owned_.push_back(
            std::make_unique<Field>(static_cast<FieldOwner *>(this), name, type, size, FieldKind::Data));
        field = owned_.back().get();
    } else {
        if (field->type_ != type) {
            const bool numeric = IsIntegerType(type) || type == FieldType::Float;
            if (!field->declared_)
                field->alignment_ = numeric ? Qt::AlignRight : Qt::AlignLeft;
            field->type_ = type;
        }
        if (!field->declared_ || field->size_ <= 0)
            field->size_ = size;
    }
    field->required_ = field->required_ || required;
    field->readOnly_ = field->readOnly_ || readOnly;
    field->slot_ = int(dataFields_.size());
    dataFields_.push_back(field);
    return field;
}

void DataSet::BindDeclaredFields()
{
    std::vector<Field *> declared;
    for (const auto &f : owned_)
        if (f->declared_ && f->kind_ == FieldKind::Data)
            declared.push_back(f.get());
    for (Field *f : declared)
        BindField(f->name_, f->type_, f->size_, f->required_, f->readOnly_);
}

FieldValue DataSet::ReadValue(const Field &f) const
{
    if (f.slot_ < 0 || state_ == DataSetState::Inactive)
        return FieldValue();
    auto *self = const_cast<DataSet *>(this);
    if (f.kind_ == FieldKind::Calculated) {
        if (state_ != DataSetState::CalcFields) {
            const int row = activeRow_ >= 0 ? activeRow_ : (editing_ ? -3 : cur_);
            if (row != calcRow_)
                self->CalcRow(row);
        }
        return calc_[f.slot_];
    }
    if (activeRow_ < 0 && editing_)
        return edit_[f.slot_];
    const int row = activeRow_ >= 0 ? activeRow_ : cur_;
    if (row < 0 || row >= store_.Count())
        return FieldValue();
    return store_.Read(row, f.slot_);
}

void DataSet::WriteValue(Field &f, const FieldValue &v)
{
    if (f.slot_ < 0)
        throw DbError(NotEditingText());
    if (f.kind_ == FieldKind::Calculated) {
        if (state_ != DataSetState::CalcFields)
            throw DbError(NotEditingText());
        calc_[f.slot_] = v;
        return;
    }
    if (!editing_ || state_ == DataSetState::CalcFields || state_ == DataSetState::Filter)
        throw DbError(NotEditingText());
    if (f.readOnly_)
        throw DbError(ReadOnlyText().arg(f.DisplayLabel()));
    edit_[f.slot_] = v;
    modified_ = true;
    calcRow_ = -2;
    if (state_ == DataSetState::Edit && disableCount_ == 0)
        emit recordChanged(cur_);
}

void DataSet::CalcRow(int row)
{
    calc_.assign(calcFields_.size(), FieldValue());
    calcRow_ = row;
    if (calcFields_.empty() || !OnCalcFields)
        return;
    if (row == -3 || row >= 0) {
        Restore<int> active(activeRow_, row == -3 ? -1 : row);
        Restore<DataSetState> state(state_, DataSetState::CalcFields);
        OnCalcFields(*this);
    }
}

// ---- open and close

void DataSet::Open()
{
    if (Active())
        return;
    if (BeforeOpen)
        BeforeOpen(*this);
    for (const auto &f : owned_)
        f->slot_ = -1;
    dataFields_.clear();
    calcFields_.clear();
    fields_.clear();
    try {
        InternalOpen();
    } catch (...) {
        for (Field *f : dataFields_)
            f->slot_ = -1;
        dataFields_.clear();
        InternalClose();
        throw;
    }
    std::vector<FieldType> types;
    for (Field *f : dataFields_) {
        types.push_back(f->type_);
        fields_.push_back(f);
    }
    for (const auto &f : owned_) {
        if (f->kind_ == FieldKind::Calculated) {
            f->slot_ = int(calcFields_.size());
            calcFields_.push_back(f.get());
            fields_.push_back(f.get());
        }
    }
    for (const auto &f : owned_)
        f->index_ = -1;
    for (int i = 0; i < int(fields_.size()); ++i)
        fields_[i]->index_ = i;
    store_.SetLayout(types);
    ++openSerial_;
    fetchedAll_ = false;
    editing_ = false;
    modified_ = false;
    calcRow_ = -2;
    state_ = DataSetState::Browse;
    try {
        cur_ = FindAccepted(0, 1);
    } catch (...) {
        Close();
        throw;
    }
    bof_ = true;
    eof_ = cur_ < 0;
    if (AfterOpen)
        AfterOpen(*this);
    if (AfterScroll)
        AfterScroll(*this);
    DataEvent();
    EmitStateChanged();
}

void DataSet::Close()
{
    if (!Active())
        return;
    if (BeforeClose)
        BeforeClose(*this);
    editing_ = false;
    modified_ = false;
    InternalClose();
    ClearRows();
    fetchedAll_ = true;
    state_ = DataSetState::Inactive;
    DataEvent();
    EmitStateChanged();
}

void DataSet::ClearRows()
{
    store_.Clear();
    cur_ = -1;
    bof_ = eof_ = true;
    calcRow_ = -2;
}

void DataSet::AppendFetched(const std::vector<FieldValue> &row)
{
    store_.Insert(store_.Count(), row);
}

bool DataSet::FetchUpTo(int index)
{
    if (index < store_.Count())
        return true;
    if (fetchedAll_ || !Active())
        return false;
    const int first = store_.Count();
    while (store_.Count() <= index) {
        if (!FetchRow()) {
            fetchedAll_ = true;
            break;
        }
    }
    if (store_.Count() > first) {
        if (disableCount_ > 0)
            pendingChange_ = true;
        else
            emit rowsFetched(first, store_.Count() - 1);
    }
    return index < store_.Count();
}

int DataSet::FetchMore(int count)
{
    const int before = store_.Count();
    FetchUpTo(before + count - 1);
    return store_.Count() - before;
}

// ---- navigation

bool DataSet::Accepts(int row)
{
    if (!filtered_ || !OnFilterRecord)
        return true;
    if (row < 0 || row >= store_.Count())
        return false;
    Restore<int> active(activeRow_, row);
    Restore<DataSetState> state(state_, DataSetState::Filter);
    bool accept = true;
    OnFilterRecord(*this, accept);
    calcRow_ = -2;
    return accept;
}

int DataSet::FindAccepted(int from, int step)
{
    if (step > 0) {
        for (int r = std::max(from, 0); FetchUpTo(r); ++r)
            if (Accepts(r))
                return r;
        return -1;
    }
    for (int r = std::min(from, store_.Count() - 1); r >= 0; --r)
        if (Accepts(r))
            return r;
    return -1;
}

void DataSet::MoveTo(int row)
{
    if (BeforeScroll)
        BeforeScroll(*this);
    cur_ = row;
    calcRow_ = -2;
    if (AfterScroll)
        AfterScroll(*this);
    EmitScrolled();
}

void DataSet::First()
{
    CheckBrowseMode();
    const int r = FindAccepted(0, 1);
    MoveTo(r);
    bof_ = true;
    eof_ = r < 0;
}

void DataSet::Last()
{
    CheckBrowseMode();
    FetchUpTo(INT_MAX - 1);
    const int r = FindAccepted(store_.Count() - 1, -1);
    MoveTo(r);
    eof_ = true;
    bof_ = r < 0;
}

void DataSet::Next()
{
    MoveBy(1);
}

void DataSet::Prior()
{
    MoveBy(-1);
}

int DataSet::MoveBy(int distance)
{
    CheckBrowseMode();
    if (cur_ < 0 || distance == 0)
        return 0;
    int row = cur_;
    int moved = 0;
    const int step = distance > 0 ? 1 : -1;
    bool hitEnd = false;
    while (moved != distance) {
        const int r = FindAccepted(row + step, step);
        if (r < 0) {
            hitEnd = true;
            break;
        }
        row = r;
        moved += step;
    }
    if (moved != 0) {
        MoveTo(row);
        bof_ = eof_ = false;
    }
    if (hitEnd)
        (step > 0 ? eof_ : bof_) = true;
    return moved;
}

bool DataSet::IsEmpty() const
{
    return state_ != DataSetState::Insert && cur_ < 0;
}

int DataSet::RecNo() const
{
    return cur_ + 1;
}

void DataSet::SetRecNo(int recNo)
{
    CheckBrowseMode();
    if (recNo < 1 || !FetchUpTo(recNo - 1))
        return;
    MoveTo(recNo - 1);
    bof_ = eof_ = false;
}

int DataSet::RecordCount()
{
    if (!Active())
        return 0;
    FetchUpTo(INT_MAX - 1);
    return store_.Count();
}

// ---- editing

void DataSet::StartEditBuffer(bool fromCurrent)
{
    if (fromCurrent)
        store_.ReadAll(cur_, edit_);
    else
        edit_.assign(dataFields_.size(), FieldValue());
    editing_ = true;
    calcRow_ = -2;
}

void DataSet::Edit()
{
    CheckActive();
    if (editing_)
        return;
    CheckModifiable();
    if (cur_ < 0)
        return Insert();
    StartEditBuffer(true);
    modified_ = false;
    SetState(DataSetState::Edit);
}

void DataSet::Insert()
{
    CheckBrowseMode();
    CheckModifiable();
    StartInsert(cur_ < 0 ? 0 : cur_);
}

void DataSet::Append()
{
    CheckBrowseMode();
    CheckModifiable();
    // The new row goes after every row of the result, so the rest is fetched first.
    FetchUpTo(INT_MAX - 1);
    StartInsert(-1);
}

void DataSet::StartInsert(int position)
{
    insertPos_ = position;
    StartEditBuffer(false);
    SetState(DataSetState::Insert);
    InitNewRecord();
    if (OnNewRecord)
        OnNewRecord(*this);
    modified_ = false;
}

void DataSet::InternalPost(bool) {}

void DataSet::Post()
{
    CheckActive();
    if (!editing_)
        return;
    if (BeforePost)
        BeforePost(*this);
    // A required text of blanks only is as empty as no text at all.
    for (Field *f : dataFields_) {
        const FieldValue &v = edit_[f->slot_];
        if (f->required_ && !f->readOnly_ && f->type_ != FieldType::AutoInc &&
            (v.null || (IsStringType(f->type_) && v.s.trimmed().isEmpty())))
            throw DbError(QStringLiteral("Pole '%1' musi być wypełnione.").arg(f->DisplayLabel()));
    }
    const bool inserting = state_ == DataSetState::Insert;
    for (;;) {
        try {
            InternalPost(inserting);
            break;
        } catch (const DataSetAbort &) {
            throw;
        } catch (const std::exception &e) {
            if (!OnPostError)
                throw;
            PostErrorAction action = PostErrorAction::Fail;
            OnPostError(*this, e, action);
            if (action == PostErrorAction::Abort)
                throw DataSetAbort();
            if (action != PostErrorAction::Retry || !editing_)
                throw;
        }
    }
    StoreEditBuffer(inserting);
    if (AfterPost)
        AfterPost(*this);
}

void DataSet::StoreEditBuffer(bool inserting)
{
    editing_ = false;
    modified_ = false;
    calcRow_ = -2;
    if (inserting) {
        const int pos = store_.Insert(insertPos_, edit_);
        cur_ = pos;
        bof_ = eof_ = false;
        SetState(DataSetState::Browse);
        if (disableCount_ > 0)
            pendingChange_ = true;
        else
            emit rowInserted(pos);
    } else {
        store_.Replace(cur_, edit_);
        SetState(DataSetState::Browse);
        if (disableCount_ > 0)
            pendingChange_ = true;
        else
            emit recordChanged(cur_);
    }
    EmitScrolled();
}

void DataSet::Cancel()
{
    if (!editing_)
        return;
    InternalCancel();
    const bool wasEdit = state_ == DataSetState::Edit;
    editing_ = false;
    modified_ = false;
    calcRow_ = -2;
    SetState(DataSetState::Browse);
    if (wasEdit && disableCount_ == 0)
        emit recordChanged(cur_);
}

void DataSet::Delete()
{
    CheckActive();
    if (state_ == DataSetState::Insert)
        return Cancel();
    if (cur_ < 0)
        throw DbError(QStringLiteral("Cannot perform this operation on an empty dataset"));
    CheckModifiable();
    if (BeforeDelete)
        BeforeDelete(*this);
    if (editing_) {
        editing_ = false;
        modified_ = false;
    }
    InternalDelete();
    const int removed = cur_;
    store_.Remove(removed);
    calcRow_ = -2;
    SetState(DataSetState::Browse);
    if (disableCount_ > 0)
        pendingChange_ = true;
    else
        emit rowRemoved(removed);
    // The record that followed is current; after the last one, the one before.
    if (const int next = FindAccepted(removed, 1); next >= 0)
        cur_ = next;
    else
        cur_ = FindAccepted(removed - 1, -1);
    bof_ = eof_ = cur_ < 0;
    if (AfterDelete)
        AfterDelete(*this);
    if (AfterScroll)
        AfterScroll(*this);
    EmitScrolled();
}

void DataSet::CheckBrowseMode()
{
    CheckActive();
    if (!editing_)
        return;
    if (modified_)
        Post();
    else
        Cancel();
}

// ---- filtering

void DataSet::SetFiltered(bool on)
{
    if (filtered_ == on)
        return;
    filtered_ = on;
    Refilter();
}

void DataSet::Refilter()
{
    if (!Active())
        return;
    CheckBrowseMode();
    First();
    DataEvent();
}

// ---- bookmarks

Bookmark DataSet::GetBookmark() const
{
    return cur_ < 0 ? NoBookmark : store_.Id(cur_);
}

Bookmark DataSet::BookmarkAt(int row) const
{
    return row >= 0 && row < store_.Count() ? store_.Id(row) : NoBookmark;
}

bool DataSet::BookmarkValid(Bookmark b) const
{
    return Active() && b != NoBookmark && b <= store_.LastId();
}

void DataSet::GotoBookmark(Bookmark b)
{
    CheckBrowseMode();
    const int row = store_.IndexOfId(b);
    if (row < 0 || !Accepts(row))
        return;
    MoveTo(row);
    bof_ = eof_ = false;
}

int DataSet::CompareBookmarks(Bookmark a, Bookmark b)
{
    if (a == NoBookmark && b == NoBookmark)
        return 0;
    if (a == NoBookmark)
        return -1;
    if (b == NoBookmark)
        return 1;
    return a < b ? -1 : (a > b ? 1 : 0);
}

// ---- locate

namespace {

bool VariantEquals(const Field &f, const QVariant &key)
{
    const bool keyNull = !key.isValid() || key.isNull();
    if (f.IsNull())
        return keyNull;
    if (keyNull)
        return false;
    const FieldType t = f.DataType();
    bool ok = true;
    if (IsStringType(t))
        return f.AsString() == key.toString();
    if (IsIntegerType(t)) {
        const qint64 k = key.toLongLong(&ok);
        return ok && k == f.AsLargeInt();
    }
    if (t == FieldType::Boolean)
        return key.toBool() == f.AsBoolean();
    if (t == FieldType::Float) {
        const double k = key.toDouble(&ok);
        return ok && k == f.AsFloat();
    }
    DateTime k;
    if (key.metaType() == QMetaType::fromType<DateTime>())
        k = key.value<DateTime>();
    else if (key.typeId() == QMetaType::QDateTime)
        k = DateTime::fromQDateTime(key.toDateTime());
    else if (key.typeId() == QMetaType::QDate)
        k = DateTime::fromQDate(key.toDate());
    else
        k = DateTime::fromDays(key.toDouble());
    return k == f.AsDateTime();
}

} // namespace

bool DataSet::MatchRow(int row, const std::vector<Field *> &keys, const QVariantList &values,
                       LocateOptions options)
{
    Restore<int> active(activeRow_, row);
    for (size_t i = 0; i < keys.size(); ++i) {
        const Field &f = *keys[i];
        const QVariant key = i < size_t(values.size()) ? values[int(i)] : QVariant();
        // Fixed-width text takes the partial and case options like any text.
        if (IsStringType(f.DataType())) {
            QString text = f.AsString();
            const QString k = key.toString();
            if (options & LocatePartialKey)
                text.truncate(k.size());
            const Qt::CaseSensitivity cs =
                (options & LocateCaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
            if (text.compare(k, cs) != 0)
                return false;
        } else if (!VariantEquals(f, key)) {
            return false;
        }
    }
    return true;
}

bool DataSet::Locate(const QString &keyFields, const QVariant &keyValues, LocateOptions options)
{
    CheckBrowseMode();
    if (cur_ < 0)
        return false;
    std::vector<Field *> keys;
    for (const QString &name : keyFields.split(u';', Qt::SkipEmptyParts))
        keys.push_back(FieldByName(name.trimmed()));
    QVariantList values;
    if (keys.size() == 1)
        values << (keyValues.typeId() == QMetaType::QVariantList && keyValues.toList().size() == 1
                       ? keyValues.toList().first()
                       : keyValues);
    else
        values = keyValues.toList();
    if (MatchRow(cur_, keys, values, options))
        return true;
    for (int r = 0; FetchUpTo(r); ++r) {
        if (Accepts(r) && MatchRow(r, keys, values, options)) {
            MoveTo(r);
            bof_ = eof_ = false;
            return true;
        }
    }
    return false;
}

// ---- views

FieldValue DataSet::ValueAt(int row, const Field *field)
{
    FetchUpTo(row);
    if (row < 0 || row >= store_.Count() || field->Calculated() || field->slot_ < 0 ||
        field->owner_ != static_cast<const FieldOwner *>(this))
        return row >= 0 && row < store_.Count() && field->Calculated() ? ValueOfRow(row, field)
                                                                       : FieldValue();
    return store_.Read(row, field->slot_);
}

FieldValue DataSet::ValueOfRow(int row, const Field *field)
{
    Restore<int> active(activeRow_, row);
    return field->Value();
}

QString DataSet::DisplayTextAt(int row, const Field *field)
{
    if (row == cur_ && editing_ && state_ == DataSetState::Edit)
        return field->DisplayText();
    FetchUpTo(row);
    Restore<int> active(activeRow_, row);
    return field->DisplayText();
}
