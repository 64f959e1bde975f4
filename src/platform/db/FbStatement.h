#pragma once

#include "platform/db/FbSqlLink.h"

#include <memory>
#include <vector>

// One SQL statement without a browsing cursor: run it, then read the current
// result row (Next moves on). Result columns are read through FieldByName.
class FbStatement : public FbSqlLink {
public:
    explicit FbStatement(FbDatabase *db = nullptr, FbTransaction *tr = nullptr);
    virtual ~FbStatement() = default;

    void Prepare();
    bool Prepared() const { return stmt_.Prepared(); }
    void ExecQuery();  // runs the statement; a select stands on its first row
    void Next();
    bool Eof() const { return eof_; }
    void Close();

    int FieldCount() const { return int(result_.size()); }
    Param *ResultAt(int i) const { return result_[i].get(); }
    Param *FindField(const QString &name) const;
    Param *FieldByName(const QString &name) const;  // throws DbError when missing

protected:
    void ReleaseCursor() override { Close(); }
    void SetResult(const std::vector<FieldValue> &row);

private:
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
