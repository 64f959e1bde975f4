#pragma once

#include "platform/db/FbSqlLink.h"

#include <memory>
#include <vector>

// One column of a statement's current result row.
class ResultColumn : public SqlValue {
public:
    using SqlValue::SqlValue;

private:
    friend class FbStatement;
};

// One SQL statement without a browsing cursor: run it, then read the current
// result row (Next moves on). Result columns are read through ColumnByName.
class FbStatement : public FbSqlLink {
public:
    explicit FbStatement(FbDatabase *db = nullptr, FbTransaction *tr = nullptr);
    virtual ~FbStatement() = default;

    void Prepare();
    bool Prepared() const { return stmt_.Prepared(); }
    void ExecQuery(); // runs the statement; a select stands on its first row
    void Next();
    bool Eof() const { return eof_; }
    void Close();
    // Rows the last run inserted, updated or deleted.
    qint64 RowsAffected() const { return stmt_.RowsAffected(); }

    int ColumnCount() const { return int(result_.size()); }
    const ResultColumn *ResultAt(int i) const { return result_[i].get(); }
    const ResultColumn *FindColumn(const QString &name) const;
    const ResultColumn *ColumnByName(const QString &name) const; // throws DbError when missing

protected:
    void ReleaseCursor() override { Close(); }
    void SetResult(const std::vector<FieldValue> &row);

private:
    std::vector<std::unique_ptr<ResultColumn>> result_;
    std::vector<FieldValue> row_;
    bool eof_ = true;
};

// An executable stored procedure: its input parameters are found in the
// database; after ExecProc the output parameters (e.g. NUM) are the columns
// of the result row.
class FbStoredProc : public FbStatement {
public:
    explicit FbStoredProc(FbDatabase *db = nullptr, FbTransaction *tr = nullptr) : FbStatement(db, tr) {}
    void SetStoredProcName(const QString &name);
    const QString &StoredProcName() const { return name_; }
    void ExecProc();
    Param *ParamByName(const QString &name); // an input

private:
    void Build(); // "execute procedure NAME(:IN1, ...)" from the catalogue
    QString name_;
    bool built_ = false;
};

// Whether the database has a table of that name (any letter case).
bool TableExists(FbDatabase &db, const QString &name);
