#pragma once

#include "platform/db/FbError.h"

#include <QString>
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
    void SetDatabaseName(const QString &name) { name_ = name; }
    void SetUserName(const QString &user) { user_ = user; }
    void SetPassword(const QString &password) { password_ = password; }

    void Open();  // attach to DatabaseName
    void Close(); // tells every user (active transactions commit, closing their datasets), then detaches
    bool Connected() const { return handle_ != 0; }
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
    QByteArray ParamBlock(bool creating) const;

    QString name_;
    QString user_ = QStringLiteral("sysdba");
    QString password_ = QStringLiteral("masterkey");
    FbHandle handle_ = 0;
    unsigned generation_ = 0;
    std::vector<FbDatabaseUser *> users_;
};
