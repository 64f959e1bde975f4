#pragma once

#include "platform/db/FbParams.h"
#include "platform/db/FbSql.h"
#include "platform/db/FbTransaction.h"

#include <QStringList>

class FbDatabase;

// What every statement class holds: its connection, its transaction (which
// tells it when to let go of its cursor), its text with named parameters and
// the prepared statement. Changing any of them lets go of the cursor first.
class FbSqlLink : public FbTransactionUser {
public:
    FbSqlLink(const FbSqlLink &) = delete;
    FbSqlLink &operator=(const FbSqlLink &) = delete;

    void SetDatabase(FbDatabase *db);
    // The connection set, else the transaction's.
    FbDatabase *Database() const;
    void SetTransaction(FbTransaction *tr);
    FbTransaction *Transaction() const { return tr_; }

    const QStringList &SQL() const { return text_.Lines(); }
    void SetSQL(const QStringList &lines);
    void SetSQL(const QString &text) { SetSQL(text.split(u'\n')); }
    void AddLine(const QString &line) { SetSQL(text_.WithLine(line)); }
    void Clear() { SetSQL(QStringList()); } // lets go of the cursor and empties the SQL

    Param *ParamByName(const QString &name) { return text_.Params().ByName(name); }
    ParamList &Params() { return text_.Params(); }

protected:
    FbSqlLink() = default;
    ~FbSqlLink();

    // The owner closes its cursor (a dataset closes, a statement drops its row).
    virtual void ReleaseCursor() = 0;
    void TransactionEnding() override { ReleaseCursor(); }
    void TransactionGone() override;

    FbSqlText text_;
    FbSql stmt_;

private:
    FbDatabase *db_ = nullptr;
    FbTransaction *tr_ = nullptr;
};
