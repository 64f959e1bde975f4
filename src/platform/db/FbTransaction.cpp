#include "platform/db/FbTransaction.h"

#include <algorithm>
#include <ibase.h>

FbTransaction::FbTransaction(FbDatabase *db)
{
    SetDefaultDatabase(db);
}

FbTransaction::~FbTransaction()
{
    try {
        if (Active())
            Rollback();
    } catch (...) {
    }
    const std::vector<FbTransactionUser *> users = users_;
    for (FbTransactionUser *u : users)
        u->TransactionGone();
    if (db_)
        db_->RemoveUser(this);
}

void FbTransaction::SetDefaultDatabase(FbDatabase *db)
{
    if (db == db_)
        return;
    if (Active())
        throw DbError(QStringLiteral("Cannot change the database of an active transaction"));
    if (db_)
        db_->RemoveUser(this);
    db_ = db;
    if (db_)
        db_->AddUser(this);
}

void FbTransaction::DatabaseClosing()
{
    if (!Active())
        return;
    try {
        Commit();
    } catch (const FbError &) {
        Rollback();
    }
}

void FbTransaction::CheckActive() const
{
    if (!Active())
        throw DbError(QStringLiteral("Transaction is not active"));
}

void FbTransaction::StartTransaction()
{
    if (Active())
        throw DbError(QStringLiteral("Transaction is active"));
    if (!db_ || !db_->Connected())
        throw DbError(QStringLiteral("Database not connected"));
    static const char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version,
                               isc_tpb_nowait};
    ISC_STATUS_ARRAY status;
    isc_start_transaction(status, &handle_, 1, db_->HandlePtr(), short(sizeof tpb), tpb);
    if (status[0] == 1 && status[1]) {
        handle_ = 0;
        FbError::Check(status);
    }
}

void FbTransaction::EndUsers()
{
    // A user may unregister itself while being told; walk a copy.
    const std::vector<FbTransactionUser *> users = users_;
    for (FbTransactionUser *u : users)
        if (std::find(users_.begin(), users_.end(), u) != users_.end())
            u->TransactionEnding();
}

void FbTransaction::Commit()
{
    CheckActive();
    EndUsers();
    ISC_STATUS_ARRAY status;
    isc_commit_transaction(status, &handle_);
    FbError::Check(status);
    handle_ = 0;
}

void FbTransaction::CommitRetaining()
{
    CheckActive();
    ISC_STATUS_ARRAY status;
    isc_commit_retaining(status, &handle_);
    FbError::Check(status);
}

void FbTransaction::Rollback()
{
    CheckActive();
    EndUsers();
    ISC_STATUS_ARRAY status;
    isc_rollback_transaction(status, &handle_);
    if (status[0] == 1 && status[1]) {
        // A failed rollback leaves nothing usable behind: the handle is gone either way.
        handle_ = 0;
        FbError::Check(status);
    }
}

void FbTransaction::AddUser(FbTransactionUser *user)
{
    if (std::find(users_.begin(), users_.end(), user) == users_.end())
        users_.push_back(user);
}

void FbTransaction::RemoveUser(FbTransactionUser *user)
{
    std::erase(users_, user);
}
