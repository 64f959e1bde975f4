#include "platform/db/FbSqlLink.h"

FbSqlLink::~FbSqlLink()
{
    if (tr_)
        tr_->RemoveUser(this);
}

void FbSqlLink::SetDatabase(FbDatabase *db)
{
    if (db == db_)
        return;
    ReleaseCursor();
    stmt_.Free();
    db_ = db;
}

FbDatabase *FbSqlLink::Database() const
{
    return db_ ? db_ : (tr_ ? tr_->DefaultDatabase() : nullptr);
}

void FbSqlLink::SetTransaction(FbTransaction *tr)
{
    if (tr == tr_)
        return;
    ReleaseCursor();
    if (tr_)
        tr_->RemoveUser(this);
    tr_ = tr;
    if (tr_)
        tr_->AddUser(this);
}

void FbSqlLink::TransactionGone()
{
    ReleaseCursor();
    tr_ = nullptr;
}

void FbSqlLink::SetSQL(const QStringList &lines)
{
    ReleaseCursor();
    stmt_.Free();
    text_.SetLines(lines);
}
