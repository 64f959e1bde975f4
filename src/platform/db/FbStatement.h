#pragma once

#include "platform/db/FbParams.h"
#include "platform/db/FbSql.h"
#include "platform/db/FbTransaction.h"

#include <QStringList>

class FbDatabase;

// One SQL statement without a browsing cursor: run it, then read the current
// result row (Next moves on). Result columns are read through FieldByName.
class FbStatement : public FbTransactionUser {
public:
    explicit FbStatement(FbDatabase *db = nullptr, FbTransaction *tr = nullptr);
    virtual ~FbStatement();
    FbStatement(const FbStatement &) = delete;
    FbStatement &operator=(const FbStatement &) = delete;

    void SetDatabase(FbDatabase *db);
    FbDatabase *Database() const { return db_; }
    void SetTransaction(FbTransaction *tr);
    FbTransaction *Transaction() const { return tr_; }

    const QStringList &SQL() const { return text_.Lines(); }
    void SetSQL(const QStringList &lines);
    void SetSQL(const QString &text) { SetSQL(text.split(u'\n')); }
    void AddLine(const QString &line);
    void Clear();

    Param *ParamByName(const QString &name) { return text_.Params().ByName(name); }
    ParamList &Params() { return text_.Params(); }

    void Prepare();
    bool Prepared() const { return sql.Prepared(); }
    void ExecQuery();  // runs the statement; a select stands on its first row
    void Next();
    bool Eof() const { return eof_; }
    void Close();

    int FieldCount() const { return int(result_.size()); }
    Param *ResultAt(int i) const { return result_[i].get(); }
    Param *FindField(const QString &name) const;
    Param *FieldByName(const QString &name) const;  // throws DbError when missing

protected:
    void TransactionEnding() override { Close(); }
    void TransactionGone() override;
    void SetResult(const std::vector<FieldValue> &row);

    FbSql sql;

private:
    FbDatabase *db_ = nullptr;
    FbTransaction *tr_ = nullptr;
    FbSqlText text_;
    std::vector<std::unique_ptr<Param>> result_;
    std::vector<FieldValue> row_;
    bool eof_ = true;
};

// An executable stored procedure: its input parameters are found in the
// database; after ExecProc the output parameters (e.g. NUM) are read by name.
class FbStoredProc : public FbStatement {
public:
    explicit FbStoredProc(FbDatabase *db = nullptr, FbTransaction *tr = nullptr) : FbStatement(db, tr) {}
    void SetStoredProcName(const QString &name);
    const QString &StoredProcName() const { return name_; }
    void ExecProc();
    // Inputs first, then the outputs of the last ExecProc.
    Param *ParamByName(const QString &name);

private:
    void Build();  // "execute procedure NAME(:IN1, ...)" from the catalogue
    QString name_;
    bool built_ = false;
};
