#include "platform/db/FbQuery.h"

#include "platform/db/FbDatabase.h"
#include "platform/db/FbUpdateSql.h"

FbQuery::FbQuery(QObject *parent) : DataSet(parent) {}

FbQuery::~FbQuery()
{
    try {
        Close();
    } catch (...) {
    }
    if (tr_)
        tr_->RemoveUser(this);
}

void FbQuery::SetDatabase(FbDatabase *db)
{
    if (db == db_)
        return;
    Close();
    stmt_.Free();
    db_ = db;
}

FbDatabase *FbQuery::Database() const
{
    return db_ ? db_ : (tr_ ? tr_->DefaultDatabase() : nullptr);
}

void FbQuery::SetTransaction(FbTransaction *tr)
{
    if (tr == tr_)
        return;
    Close();
    if (tr_)
        tr_->RemoveUser(this);
    tr_ = tr;
    if (tr_)
        tr_->AddUser(this);
}

void FbQuery::TransactionGone()
{
    Close();
    tr_ = nullptr;
}

void FbQuery::SetSQL(const QStringList &lines)
{
    Close();
    stmt_.Free();
    text_.SetLines(lines);
}

void FbQuery::AddLine(const QString &line)
{
    SetSQL(text_.WithLine(line));
}

void FbQuery::Clear()
{
    SetSQL(QStringList());
}

void FbQuery::SetSelectText(const QString &text)
{
    if (text_.Is(text))
        return;
    stmt_.Free();
    text_.SetLines(text.split(u'\n'));
}

void FbQuery::StartTransactionIfNeeded()
{
    // Like the datasets the program was written against: opening starts an idle transaction.
    if (tr_ && !tr_->Active() && Database() && Database()->Connected())
        tr_->StartTransaction();
}

void FbQuery::Prepare()
{
    StartTransactionIfNeeded();
    if (!stmt_.Prepared())
        stmt_.Prepare(Database(), tr_, text_.Parsed());
}

void FbQuery::Unprepare()
{
    Close();
    stmt_.Free();
}

void FbQuery::ExecSQL()
{
    if (Active())
        Close();
    Prepare();
    text_.Bind(stmt_);
    stmt_.Execute(tr_);
    stmt_.CloseCursor();
}

void FbQuery::InternalOpen()
{
    StartTransactionIfNeeded();
    if (!tr_ || !tr_->Active())
        throw DbError(QStringLiteral("Transaction is not active"));
    Prepare();
    if (!stmt_.HasCursor())
        throw DbError(QStringLiteral("The statement returns no rows: use ExecSQL"));
    text_.Bind(stmt_);
    stmt_.Execute(tr_);
    for (const FbColumn &c : stmt_.Columns())
        BindField(c.name, c.type, c.type == FieldType::Memo ? 0 : c.size);
}

void FbQuery::InternalClose()
{
    stmt_.CloseCursor();
}

bool FbQuery::FetchRow()
{
    if (!stmt_.Fetch(row_))
        return false;
    AppendFetched(row_);
    return true;
}

void FbQuery::InternalPost(bool inserting)
{
    if (!update_)
        throw DbError(QStringLiteral("Cannot modify a read-only dataset"));
    update_->Apply(inserting ? FbUpdateSql::Insert : FbUpdateSql::Modify, *this);
}

void FbQuery::InternalDelete()
{
    if (!update_)
        throw DbError(QStringLiteral("Cannot modify a read-only dataset"));
    update_->Apply(FbUpdateSql::Delete, *this);
}

void FbQuery::RefreshRecord()
{
    CheckBrowseMode();
    if (!update_ || CurrentIndex() < 0)
        return;
    std::vector<FieldValue> fresh;
    std::vector<QString> names;
    if (!update_->Fetch(*this, fresh, names))
        return;
    std::vector<FieldValue> values;
    Store().ReadAll(CurrentIndex(), values);
    for (size_t i = 0; i < names.size() && i < fresh.size(); ++i) {
        Field *f = FindField(names[i]);
        if (f && !f->Calculated() && f->Index() >= 0 && f->Index() < int(values.size()))
            values[f->Index()] = f->Coerce(fresh[i]);
    }
    Store().Replace(CurrentIndex(), values);
    RowChanged(CurrentIndex());
}
