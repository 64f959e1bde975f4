#include "platform/db/FbTransaction.h"

#include <algorithm>
#include <exception>
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
    // The connection detaches next whatever happens here.
    CommitOrRollback();
}

void FbTransaction::Abandon()
{
    EndUsers();
    handle_ = 0;
    endedByLoss_ = true;
}

void FbTransaction::CheckActive() const
{
    if (Active())
        return;
    // What ends after the loss is told as the loss, not as a fault of its own.
    if (endedByLoss_ && db_)
        db_->CheckNotLost();
    throw DbError(QStringLiteral("Transaction is not active"));
}

void FbTransaction::StartTransaction()
{
    if (Active())
        throw DbError(QStringLiteral("Transaction is active"));
    if (!db_ || !db_->Connected())
        throw DbError(QStringLiteral("Database not connected"));
    db_->CheckNotLost();
    static const char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version,
                               isc_tpb_nowait};
    ISC_STATUS_ARRAY status;
    isc_start_transaction(status, &handle_, 1, db_->HandlePtr(), short(sizeof tpb), tpb);
    if (status[0] == 1 && status[1]) {
        handle_ = 0;
        db_->Check(status);
    }
    endedByLoss_ = false;
}

void FbTransaction::Restart()
{
    if (Active())
        Commit();
    StartTransaction();
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
    CheckNotLost();
    ISC_STATUS_ARRAY status;
    isc_commit_transaction(status, &handle_);
    if (status[0] == 1 && status[1])
        Fail(status);
    handle_ = 0;
}

void FbTransaction::CommitRetaining()
{
    CheckActive();
    CheckNotLost();
    ISC_STATUS_ARRAY status;
    isc_commit_retaining(status, &handle_);
    if (status[0] == 1 && status[1])
        Fail(status);
}

void FbTransaction::Rollback()
{
    // Recovery code rolls back after a failed commit; when the failure was the
    // loss, the server has rolled it back already.
    if (!Active() && endedByLoss_)
        return;
    CheckActive();
    EndUsers();
    if (db_ && db_->Lost()) {
        // The server rolled it back when it ended the attachment.
        handle_ = 0;
        endedByLoss_ = true;
        return;
    }
    ISC_STATUS_ARRAY status;
    isc_rollback_transaction(status, &handle_);
    if (status[0] == 1 && status[1]) {
        // A failed rollback leaves nothing usable behind: the handle is gone either way.
        handle_ = 0;
        Fail(status);
    }
}

bool FbTransaction::CommitOrRollback() noexcept
{
    try {
        if (Active())
            Commit();
        return !endedByLoss_;
    } catch (...) {
    }
    try {
        if (Active())
            Rollback();
    } catch (...) {
        // A rollback that fails has dropped the handle: nothing is left to end.
    }
    return false;
}

void FbTransaction::CheckNotLost()
{
    if (db_ && db_->Lost()) {
        // Gone with its attachment: what it had not committed is lost.
        Abandon();
        db_->CheckNotLost();
    }
}

void FbTransaction::Fail(const intptr_t *status)
{
    if (!db_)
        throw FbError::FromStatus(status);
    try {
        db_->Fail(FbError::FromStatus(status));
    } catch (const FbError &e) {
        if (e.ConnectionLost())
            Abandon();
        throw;
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

FbTransactionScope::FbTransactionScope(FbTransaction &tr) : tr_(tr), exceptions_(std::uncaught_exceptions())
{
    tr_.Restart();
}

FbTransactionScope::~FbTransactionScope()
{
    if (!tr_.Active())
        return;
    if (std::uncaught_exceptions() <= exceptions_) {
        // A commit that fails here has nobody to report to: the transaction
        // ends all the same so that the next job starts clean.
        tr_.CommitOrRollback();
        return;
    }
    try {
        tr_.Rollback();
    } catch (...) {
    }
}

void FbTransactionScope::Commit()
{
    // A transaction the loss ended is committed too, so that the loss is reported.
    if (tr_.Active() || tr_.EndedByLoss())
        tr_.Commit();
}
