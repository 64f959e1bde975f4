#pragma once

#include "platform/db/FbDatabase.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

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
