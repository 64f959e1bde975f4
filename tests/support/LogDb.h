#pragma once

#include "core/FDM.h"
#include "support/TempDb.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// A fresh Log.dat made the way quarn-mkdb makes it (base schema and seed data),
// in a temporary folder of its own. The seeded file is made once per test
// program and copied for each test, so every test has its own database.
class TempLogDb {
public:
    TempLogDb();
    const QString &Path() const { return path_; }

private:
    QTemporaryDir dir_;
    QString path_;
};

// A second copy of the program on the same log: an attachment of its own.
// Hold() runs a change in a transaction it leaves open, as a copy that is
// saving a QSO at that moment; Commit() ends it.
class OtherCopy {
public:
    explicit OtherCopy(const QString &path);
    ~OtherCopy();
    void Hold(const QString &sql);
    void Commit();

    FbDatabase Db;

private:
    std::unique_ptr<FbTransaction> saving_;
};

// A data module opened on a fresh TempLogDb (QUARN_DATABASE points at it), set
// as the global DM for the test, with message boxes answered and recorded.
class DataModuleTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Inserts a QSO with plain SQL (committed); returns its LOGID.
    int AddQso(const QString &call, const DateTime &when, const QString &band = QStringLiteral("20 m"),
               const QString &name = QString());

    std::unique_ptr<TempLogDb> db;
    std::unique_ptr<TDM> dm;
    QStringList warnings; // texts of the warning boxes shown
    QStringList confirms; // texts of the confirmation boxes shown
    bool confirmAnswer = true;
};

// A data module opened on a fresh log on the Firebird server that ./test.sh
// starts (the test is skipped when none is named), set as the global DM, with
// message boxes recorded. The log holds the schema and one country, Poland
// (prefix SP, Europe).
class ServerDataModuleTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Ends the data module's attachment as an administrator does.
    void EndConnection();
    // An integer a query reads through an attachment of its own: what the log holds.
    int SelectOnServer(const QString &sql);

    std::optional<TestServer> server;
    std::unique_ptr<ServerCredentials> credentials;
    std::unique_ptr<ServerDb> log;
    std::unique_ptr<TDM> dm;
    QStringList warnings; // texts of the warning boxes shown
};
