#pragma once

#include "platform/db/FbDatabase.h"

#include <vector>

// Something that must let go of its cursor before its transaction ends (a
// dataset closes, a statement drops its result).
class FbTransactionUser {
public:
    virtual void TransactionEnding() = 0;
    virtual void TransactionGone() = 0; // the transaction object is being destroyed

protected:
    ~FbTransactionUser() = default;
};

// A transaction on one connection: read committed, record version, nowait.
// Commit and Rollback close every dataset bound to it; CommitRetaining keeps them open.
// On a lost attachment a commit fails at once (and the transaction is gone),
// a rollback succeeds without asking the server, which rolled it back already;
// so does a rollback of a transaction the loss has ended, and a commit of one
// fails with the loss.
class FbTransaction : private FbDatabaseUser {
public:
    explicit FbTransaction(FbDatabase *db = nullptr);
    ~FbTransaction(); // rolls back an active transaction; never throws
    FbTransaction(const FbTransaction &) = delete;
    FbTransaction &operator=(const FbTransaction &) = delete;

    FbDatabase *DefaultDatabase() const { return db_; }
    void SetDefaultDatabase(FbDatabase *db);

    void StartTransaction();
    // Commits when active, then starts: the usual way to reuse a transaction.
    void Restart();
    void Commit();
    void CommitRetaining();
    void Rollback();
    // Ends the transaction, keeping what went in when it can: commits, and rolls
    // back when the commit fails. True when what went in is kept (also when
    // nothing was active); false when it was rolled back or the loss of the
    // attachment ended it. Never throws: recovery code calls it after a failure.
    bool CommitOrRollback() noexcept;
    bool Active() const { return handle_ != 0; }
    // The loss of the attachment ended it: nothing of it was committed since
    // its last commit that went through.
    bool EndedByLoss() const { return endedByLoss_; }

    FbHandle Handle() const { return handle_; }
    FbHandle *HandlePtr() { return &handle_; }

    void AddUser(FbTransactionUser *user);
    void RemoveUser(FbTransactionUser *user);

private:
    void DatabaseClosing() override;
    void CheckActive() const;
    void EndUsers();
    // Forgets a transaction its lost attachment took along, without a word to the server.
    void Abandon();
    void CheckNotLost();
    [[noreturn]] void Fail(const intptr_t *status);

    FbDatabase *db_ = nullptr;
    FbHandle handle_ = 0;
    bool endedByLoss_ = false;
    std::vector<FbTransactionUser *> users_;
};

// Restarts a transaction for one job: commits it when the scope ends
// normally, rolls it back when the scope is left by an exception. Commit()
// ends it early and reports a failed commit (also the loss, when the loss of
// the attachment has ended it); the destructor never throws, so a job that
// writes calls Commit() itself.
class FbTransactionScope {
public:
    explicit FbTransactionScope(FbTransaction &tr);
    ~FbTransactionScope();
    FbTransactionScope(const FbTransactionScope &) = delete;
    FbTransactionScope &operator=(const FbTransactionScope &) = delete;

    void Commit();

private:
    FbTransaction &tr_;
    int exceptions_;
};
