#pragma once

#include "platform/db/FbParams.h"
#include "platform/db/FbSql.h"

#include <QStringList>

class DataSet;
class FbSqlLink;
class Field;

// The statements that write an edited query row back: ":X" takes the field's
// new value, ":OLD_X" its value before the edit. Each is prepared once.
class FbUpdateSql {
public:
    enum Kind { Modify, Insert, Delete, Refresh };

    FbUpdateSql();

    const QStringList &SQL(Kind kind) const { return stmts_[kind].text.Lines(); }
    void SetSQL(Kind kind, const QStringList &lines);
    void SetModifySQL(const QStringList &lines) { SetSQL(Modify, lines); }
    void SetInsertSQL(const QStringList &lines) { SetSQL(Insert, lines); }
    void SetDeleteSQL(const QStringList &lines) { SetSQL(Delete, lines); }
    void SetRefreshSQL(const QStringList &lines) { SetSQL(Refresh, lines); }

    // Runs one statement with the values of the dataset's current (edited) row,
    // on the connection and in the transaction of `link` (a query is both).
    // A modify or delete that reaches no row (changed or deleted meanwhile
    // through another connection) throws DbError with the row-lost message.
    void Apply(Kind kind, DataSet &dataSet, const FbSqlLink &link);
    void SetRowLostMessage(Kind kind, const QString &text) { stmts_[kind].rowLost = text; }
    // Runs the refresh statement for the current row; its first result row and column names.
    bool Fetch(DataSet &dataSet, const FbSqlLink &link, std::vector<FieldValue> &row,
               std::vector<QString> &names);
    void Unprepare();

private:
    struct Statement {
        FbSqlText text;
        FbSql sql;
        std::vector<Field *> fields; // per "?": the field it reads, null when none
        std::vector<bool> old;       // per "?": the value before the edit
        const DataSet *mappedFor = nullptr;
        unsigned mappedSerial = 0;
        QString rowLost;
    };
    void Map(Statement &s, DataSet &dataSet);

    Statement stmts_[4];
};
