#include "platform/db/FbTable.h"

#include "platform/db/FbStatement.h"

FbTable::FbTable(QObject *parent) : FbQuery(parent) {}

void FbTable::SetTableName(const QString &name)
{
    Close();
    table_ = name.trimmed().toUpper();
    built_ = false;
}

void FbTable::SetIndexFieldNames(const QString &names)
{
    Close();
    indexFields_ = names;
    indexName_.clear();
}

void FbTable::SetIndexName(const QString &name)
{
    Close();
    indexName_ = name.trimmed().toUpper();
    indexFields_.clear();
}

QStringList FbTable::Column(const QString &sql, const QString &param)
{
    FbStatement st(Database(), Transaction());
    st.SetSQL(sql);
    st.ParamByName(QStringLiteral("P"))->SetAsString(param);
    QStringList values;
    for (st.ExecQuery(); !st.Eof(); st.Next())
        values << st.ResultAt(0)->AsString().trimmed();
    st.Close();
    return values;
}

void FbTable::InternalOpen()
{
    if (table_.isEmpty())
        throw DbError(QStringLiteral("Table name missing"));
    StartTransactionIfNeeded();
    if (!Transaction() || !Transaction()->Active())
        throw DbError(QStringLiteral("Transaction is not active"));
    QStringList order;
    if (!indexName_.isEmpty())
        order = Column(QStringLiteral("select RDB$FIELD_NAME from RDB$INDEX_SEGMENTS\n"
                                      "where RDB$INDEX_NAME = :P order by RDB$FIELD_POSITION"),
                       indexName_);
    else
        for (const QString &f : indexFields_.split(u';', Qt::SkipEmptyParts))
            order << f.trimmed();
    QString select = QStringLiteral("select * from ") + table_;
    if (!order.isEmpty())
        select += QStringLiteral("\norder by ") + order.join(QStringLiteral(", "));
    SetSelectText(select);
    FbQuery::InternalOpen();
    if (!built_)
        BuildUpdates();
}

void FbTable::BuildUpdates()
{
    QStringList key =
        Column(QStringLiteral("select s.RDB$FIELD_NAME from RDB$RELATION_CONSTRAINTS c\n"
                              "join RDB$INDEX_SEGMENTS s on s.RDB$INDEX_NAME = c.RDB$INDEX_NAME\n"
                              "where c.RDB$RELATION_NAME = :P and c.RDB$CONSTRAINT_TYPE = 'PRIMARY KEY'\n"
                              "order by s.RDB$FIELD_POSITION"),
               table_);
    const QStringList computed =
        Column(QStringLiteral("select r.RDB$FIELD_NAME from RDB$RELATION_FIELDS r\n"
                              "join RDB$FIELDS f on f.RDB$FIELD_NAME = r.RDB$FIELD_SOURCE\n"
                              "where r.RDB$RELATION_NAME = :P and f.RDB$COMPUTED_BLR is not null"),
               table_);
    QStringList columns, comparable;
    for (Field *f : DataFields()) {
        if (computed.contains(f->FieldName()))
            continue;
        columns << f->FieldName();
        if (f->DataType() != FieldType::Memo)
            comparable << f->FieldName();
    }
    // Without a key a row is found by all its values; NULLs must compare equal too.
    const bool byKey = !key.isEmpty();
    if (!byKey)
        key = comparable;
    QStringList where, sets, params;
    for (const QString &k : key)
        where << (byKey ? QStringLiteral("%1 = :OLD_%1") : QStringLiteral("%1 is not distinct from :OLD_%1"))
                     .arg(k);
    for (const QString &c : columns) {
        sets << QStringLiteral("%1 = :%1").arg(c);
        params << u':' + c;
    }
    const QString whereText = QStringLiteral("where ") + where.join(QStringLiteral(" and "));
    updates_.SetModifySQL({QStringLiteral("update ") + table_,
                           QStringLiteral("set ") + sets.join(QStringLiteral(", ")), whereText});
    updates_.SetInsertSQL(
        {QStringLiteral("insert into %1 (%2)").arg(table_, columns.join(QStringLiteral(", "))),
         QStringLiteral("values (%1)").arg(params.join(QStringLiteral(", ")))});
    updates_.SetDeleteSQL({QStringLiteral("delete from ") + table_, whereText});
    SetUpdateObject(&updates_);
    built_ = true;
}
