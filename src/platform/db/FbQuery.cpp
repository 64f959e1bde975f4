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
    if (Transaction() && !Transaction()->Active() && Database() && Database()->Connected())
        Transaction()->StartTransaction();
}

void FbQuery::Prepare()
{
    StartTransactionIfNeeded();
    if (!stmt_.Prepared())
        stmt_.Prepare(Database(), Transaction(), text_.Parsed());
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
    stmt_.Execute(Transaction());
    stmt_.CloseCursor();
}

void FbQuery::InternalOpen()
{
    StartTransactionIfNeeded();
    if (!Transaction() || !Transaction()->Active())
        throw DbError(QStringLiteral("Transaction is not active"));
    Prepare();
    if (!stmt_.HasCursor())
        throw DbError(QStringLiteral("The statement returns no rows: use ExecSQL"));
    text_.Bind(stmt_);
    stmt_.Execute(Transaction());
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
    update_->Apply(inserting ? FbUpdateSql::Insert : FbUpdateSql::Modify, *this, *this);
}

void FbQuery::InternalDelete()
{
    if (!update_)
        throw DbError(QStringLiteral("Cannot modify a read-only dataset"));
    update_->Apply(FbUpdateSql::Delete, *this, *this);
}

void FbQuery::RefreshRecord()
{
    CheckBrowseMode();
    if (!update_ || CurrentIndex() < 0)
        return;
    std::vector<FieldValue> fresh;
    std::vector<QString> names;
    if (!update_->Fetch(*this, *this, fresh, names))
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
