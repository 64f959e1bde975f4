#pragma once

#include "platform/db/FbError.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

// Something that must end its work before its connection detaches (a
// transaction commits, or rolls back when the commit fails).
class FbDatabaseUser {
public:
    virtual void DatabaseClosing() = 0;

protected:
    ~FbDatabaseUser() = default;
};

// One attachment to a Firebird database, always in Windows-1250 and dialect 3.
// A plain path is opened by the embedded engine, "host:/path" through a server.
// ISC_USER and ISC_PASSWORD, when set, replace the user name and password.
class FbDatabase {
public:
    FbDatabase() = default;
    ~FbDatabase();
    FbDatabase(const FbDatabase &) = delete;
    FbDatabase &operator=(const FbDatabase &) = delete;

    const QString &DatabaseName() const { return name_; }
    // "host:/path", "host/port:/path" (or "host:C:\\path"): a database a server
    // opens, not the embedded engine. ServerHost is the host of such a name, else empty.
    static QString ServerHost(const QString &name);
    static bool IsRemote(const QString &name) { return !ServerHost(name).isEmpty(); }
    void SetDatabaseName(const QString &name) { name_ = name; }
    void SetUserName(const QString &user) { user_ = user; }
    void SetPassword(const QString &password) { password_ = password; }

    void Open(); // attach to DatabaseName
    // Tells every user (active transactions commit, closing their datasets),
    // then detaches. On a lost attachment nothing more goes to the server and
    // nothing is thrown: the server has ended it already.
    void Close();
    bool Connected() const { return handle_ != 0; }

    // The attachment is lost (the server ended it, or the network failed):
    // known from the first failure that said so, until the next Open.
    bool Lost() const { return lost_.has_value(); }
    // Throws the loss when the attachment is known to be lost; a job on it
    // then never waits for a server that is gone.
    void CheckNotLost() const;
    // Throws when the status vector of an isc_ call on this attachment holds an
    // error; Fail throws a failure already read. A failure that says the
    // connection is gone marks the attachment lost, and once it is lost every
    // failure on it is thrown as that loss.
    void Check(const intptr_t *status);
    [[noreturn]] void Fail(FbError error);
    // Creates a new database file (WIN1250, dialect 3, 8 KB pages) and stays attached to it.
    void Create(const QString &path);

    FbHandle Handle() const { return handle_; }
    FbHandle *HandlePtr() { return &handle_; }
    // Changes on every attach: statements prepared on an older attachment are stale.
    unsigned Generation() const { return generation_; }

    void AddUser(FbDatabaseUser *user);
    void RemoveUser(FbDatabaseUser *user);

private:
    static void PrepareEnvironment();
    void NewAttachment();
    QByteArray ParamBlock(bool creating) const;

    QString name_;
    QString user_ = QStringLiteral("sysdba");
    QString password_ = QStringLiteral("masterkey");
    FbHandle handle_ = 0;
    unsigned generation_ = 0;
    std::vector<FbDatabaseUser *> users_;
    std::optional<FbError> lost_; // the failure that showed the attachment lost
    std::shared_ptr<FbLossNotice> lossNotice_ = std::make_shared<FbLossNotice>();
};
