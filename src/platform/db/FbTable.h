#pragma once

#include "platform/db/FbQuery.h"
#include "platform/db/FbUpdateSql.h"

// A whole table by name, editable: its insert, update and delete statements are
// built from the primary key (or from every column when it has none), and rows
// come ordered by IndexFieldNames ("A;B") or by the columns of IndexName.
class FbTable : public FbQuery {
    Q_OBJECT
public:
    explicit FbTable(QObject *parent = nullptr);

    const QString &TableName() const { return table_; }
    void SetTableName(const QString &name);
    const QString &IndexFieldNames() const { return indexFields_; }
    void SetIndexFieldNames(const QString &names);
    const QString &IndexName() const { return indexName_; }
    void SetIndexName(const QString &name);

protected:
    void InternalOpen() override;

private:
    QStringList Column(const QString &sql, const QString &param);
    void BuildUpdates();

    QString table_;
    QString indexFields_;
    QString indexName_;
    FbUpdateSql updates_;
    bool built_ = false;
};
