#pragma once

#include "platform/db/Field.h"

#include <QStringList>
#include <memory>
#include <vector>

// A named value that keeps the type it was given: a statement parameter or a
// column of a result row.
class SqlValue {
public:
    explicit SqlValue(const QString &name) : name_(name) {}
    const QString &Name() const { return name_; }

    bool IsNull() const { return value_.null; }
    const FieldValue &Value() const { return value_; }
    FieldType Type() const { return type_; }
    QString AsString() const;
    qint64 AsInteger() const;
    double AsFloat() const;
    DateTime AsDateTime() const;

protected:
    FieldValue value_;
    FieldType type_ = FieldType::String;

private:
    QString name_;
};

// A named statement parameter. The conversion to the column's type happens
// when the statement runs.
class Param : public SqlValue {
public:
    using SqlValue::SqlValue;

    void SetAsString(const QString &v);
    void SetAsInteger(qint64 v);
    void SetAsLargeInt(qint64 v) { SetAsInteger(v); }
    void SetAsFloat(double v);
    void SetAsDateTime(const DateTime &v);
    void SetAsBoolean(bool v);
    void SetAsVariant(const QVariant &v);
    void SetValue(const FieldValue &v, FieldType type) { value_ = v, type_ = type; }
    void Clear() { value_ = FieldValue(); }
};

// The parameters of one SQL text: ":NAME" markers outside literals, quoted
// names and comments are turned into "?" and remembered in order.
class ParamList {
public:
    // Returns the SQL with markers replaced; names keep their first spelling.
    QString Parse(const QString &sql);
    Param *Find(const QString &name) const;
    Param *ByName(const QString &name) const; // throws DbError when missing
    int Count() const { return int(params_.size()); }
    Param *At(int i) const { return params_[i].get(); }
    // The parameter behind each "?" of the parsed SQL, in order.
    const std::vector<Param *> &Positions() const { return positions_; }

private:
    std::vector<std::unique_ptr<Param>> params_;
    std::vector<Param *> positions_;
};

class FbSql;

// The text of one statement with its named parameters: the lines as given, the
// text parsed once for the engine, and the values bound before each run.
class FbSqlText {
public:
    const QStringList &Lines() const { return lines_; }
    void SetLines(const QStringList &lines);
    QStringList WithLine(const QString &line) const { return QStringList(lines_) << line; }
    bool Is(const QString &text) const { return lines_.join(u'\n') == text; }
    const QString &Parsed() const { return parsed_; }
    ParamList &Params() { return params_; }
    const ParamList &Params() const { return params_; }
    // The named values into the "?" markers of the prepared statement.
    void Bind(FbSql &statement) const;

private:
    QStringList lines_;
    QString parsed_;
    ParamList params_;
};
