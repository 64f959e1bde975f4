#pragma once

#include "platform/db/FbError.h"

#include <memory>
#include <vector>

class FbDatabase;
class FbTransaction;

struct FbColumn {
    QString name; // the alias the engine reports, upper case unless quoted
    FieldType type;
    int size;
    bool nullable;
};

// One prepared DSQL statement with "?" parameters: the engine handle, its
// input and output descriptors and the conversion of values in both directions
// (text in Windows-1250, date-times in 1/10000 s). Used by every statement class.
class FbSql {
public:
    FbSql();
    ~FbSql();
    FbSql(const FbSql &) = delete;
    FbSql &operator=(const FbSql &) = delete;

    // The longest statement text the engine takes, in Windows-1250 bytes.
    static constexpr int MaxStatementBytes = 65535;
    void Prepare(FbDatabase *db, FbTransaction *tr, const QString &sql);
    void Free();
    bool Prepared() const;
    bool HasCursor() const; // a select: Execute opens a cursor
    const std::vector<FbColumn> &Columns() const;
    int ParamCount() const;

    // Values for the "?" markers; converted to the engine's types when executed.
    void SetParam(int index, const FieldValue &value, FieldType type);
    void Execute(FbTransaction *tr);
    bool Fetch(std::vector<FieldValue> &row); // false after the last row
    void CloseCursor();
    bool CursorOpen() const;
    // The single result row of an executable procedure ("execute procedure"), else empty.
    const std::vector<FieldValue> &Output() const;
    // Rows the last execution inserted, updated or deleted, as the engine counts them.
    qint64 RowsAffected() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
