#pragma once

#include "platform/db/FbDatabase.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A fresh database file of its own in a temporary folder, attached for the
// lifetime of the object and removed afterwards. Never shared between tests:
// the embedded engine lets one process at a time open a file.
class TempDb {
public:
    explicit TempDb(const QString &fileName = QStringLiteral("test.fdb"));
    ~TempDb();
    TempDb(const TempDb &) = delete;
    TempDb &operator=(const TempDb &) = delete;

    FbDatabase &Db() { return *db_; }
    QString Path() const { return path_; }
    // Runs each statement in a transaction of its own (DDL must be committed before use).
    void Exec(const QString &sql);
    void Exec(const QStringList &statements);

private:
    QTemporaryDir dir_;
    QString path_;
    std::unique_ptr<FbDatabase> db_;
};

// Runs one statement in a transaction of its own and commits it.
void ExecSql(FbDatabase &db, const QString &sql);
// The first column of every row, trimmed, read in a transaction of its own.
QStringList SelectStrings(FbDatabase &db, const QString &sql);
int SelectInteger(FbDatabase &db, const QString &sql);
// Every row as "NAME=value|..." with every column but `skip`, texts as they are
// stored (blanks kept), date-times as ticks/days.
QStringList SelectRows(FbDatabase &db, const QString &sql, const QString &skip = QString());

// The Firebird server the tests may use. test.sh starts one and names it in
// the environment: QUARN_TEST_SERVER (its host), QUARN_TEST_SERVER_DIR (a
// folder the server may write, as the server sees it), QUARN_TEST_SERVER_USER
// and QUARN_TEST_SERVER_PASSWORD (SYSDBA's).
struct TestServer {
    QString Host;
    QString Dir;
    QString User;
    QString Password;

    // Nothing when QUARN_TEST_SERVER is not set (a test program run by hand).
    static std::optional<TestServer> FromEnvironment();
    // "host:DIR/fileName".
    QString DatabaseName(const QString &fileName) const;
};

// Why a test of the server is skipped.
inline constexpr const char *NoTestServer =
    "No Firebird server: QUARN_TEST_SERVER is not set (./test.sh starts one and sets it)";

// Skips the test, saying why, when no server is named; a server that is named
// but does not answer makes the test fail.
#define QUARN_TEST_SERVER_OR_SKIP(server)                                                                    \
    const std::optional<TestServer> server = TestServer::FromEnvironment();                                  \
    if (!server)                                                                                             \
    GTEST_SKIP() << NoTestServer

// The server's credentials in ISC_USER and ISC_PASSWORD, which every
// FbDatabase (and so the data module) logs in with, while the object lives.
class ServerCredentials {
public:
    explicit ServerCredentials(const TestServer &server);
    ~ServerCredentials();
    ServerCredentials(const ServerCredentials &) = delete;
    ServerCredentials &operator=(const ServerCredentials &) = delete;

private:
    QByteArray user_, password_;
    bool hadUser_, hadPassword_;
};

// A fresh database made through the server under a name of its own, dropped
// through the server at the end. `prepare` runs on the new attachment before
// it detaches (e.g. the program's schema). Throws, naming the server, when the
// server cannot make it.
class ServerDb {
public:
    ServerDb(const TestServer &server, const std::function<void(FbDatabase &)> &prepare = {});
    ~ServerDb();
    ServerDb(const ServerDb &) = delete;
    ServerDb &operator=(const ServerDb &) = delete;

    const QString &Name() const { return name_; }

private:
    TestServer server_;
    QString name_;
};

// The attachment's id on the server (CURRENT_CONNECTION).
long AttachmentId(FbDatabase &db);
// The attachments of a process on the server (MON$REMOTE_PID), read as SYSDBA.
std::vector<long> AttachmentsOfProcess(const TestServer &server, const QString &databaseName, qint64 pid);
// Ends an attachment as an administrator does: as SYSDBA, from a connection of
// its own, `delete from MON$ATTACHMENTS` (a server restart or a network cut
// leaves the program in the same state).
void EndAttachment(const TestServer &server, const QString &databaseName, long attachmentId);
