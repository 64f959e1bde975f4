#include "platform/db/FbStatement.h"

#include "platform/db/FbDatabase.h"
#include "platform/db/FbTransaction.h"

FbStatement::FbStatement(FbDatabase *db, FbTransaction *tr)
{
    SetDatabase(db);
    SetTransaction(tr);
}

void FbStatement::Prepare()
{
    if (stmt_.Prepared())
        return;
    stmt_.Prepare(Database(), Transaction(), text_.Parsed());
    result_.clear();
    for (const FbColumn &c : stmt_.Columns())
        result_.push_back(std::make_unique<ResultColumn>(c.name));
}

void FbStatement::SetResult(const std::vector<FieldValue> &row)
{
    const auto &cols = stmt_.Columns();
    for (size_t i = 0; i < result_.size() && i < row.size(); ++i) {
        result_[i]->value_ = row[i];
        result_[i]->type_ = cols[i].type;
    }
}

void FbStatement::ExecQuery()
{
    Close();
    Prepare();
    text_.Bind(stmt_);
    stmt_.Execute(Transaction());
    if (stmt_.HasCursor()) {
        Next();
    } else if (!stmt_.Output().empty()) {
        SetResult(stmt_.Output());
        eof_ = false;
    }
}

void FbStatement::Next()
{
    if (!stmt_.CursorOpen()) {
        eof_ = true;
        return;
    }
    eof_ = !stmt_.Fetch(row_);
    if (eof_) {
        for (auto &r : result_)
            r->value_ = FieldValue();
    } else {
        SetResult(row_);
    }
}

void FbStatement::Close()
{
    stmt_.CloseCursor();
    eof_ = true;
}

const ResultColumn *FbStatement::FindColumn(const QString &name) const
{
    for (const auto &r : result_)
        if (r->Name().compare(name, Qt::CaseInsensitive) == 0)
            return r.get();
    return nullptr;
}

const ResultColumn *FbStatement::ColumnByName(const QString &name) const
{
    if (const ResultColumn *c = FindColumn(name))
        return c;
    throw DbError(QStringLiteral("Field '%1' not found").arg(name));
}

void FbStoredProc::SetStoredProcName(const QString &name)
{
    name_ = name;
    built_ = false;
    Clear();
}

void FbStoredProc::Build()
{
    {
        // The input parameters come from the catalogue, in their declared order.
        FbStatement inputs(Database(), Transaction());
        inputs.SetSQL(QStringLiteral("select RDB$PARAMETER_NAME from RDB$PROCEDURE_PARAMETERS\n"
                                     "where RDB$PROCEDURE_NAME = :P and RDB$PARAMETER_TYPE = 0\n"
                                     "order by RDB$PARAMETER_NUMBER"));
        inputs.ParamByName(QStringLiteral("P"))->SetAsString(name_.toUpper());
        QStringList names;
        for (inputs.ExecQuery(); !inputs.Eof(); inputs.Next())
            names << u':' + inputs.ColumnByName(QStringLiteral("RDB$PARAMETER_NAME"))->AsString().trimmed();
        inputs.Close();
        QString text = QStringLiteral("execute procedure ") + name_;
        if (!names.isEmpty())
            text += u'(' + names.join(QStringLiteral(", ")) + u')';
        SetSQL(text);
        built_ = true;
    }
}

void FbStoredProc::ExecProc()
{
    if (!built_)
        Build();
    ExecQuery();
}

Param *FbStoredProc::ParamByName(const QString &name)
{
    if (!built_)
        Build();
    return Params().ByName(name);
}

bool TableExists(FbDatabase &db, const QString &name)
{
    FbTransaction tr(&db);
    tr.StartTransaction();
    FbStatement st(&db, &tr);
    st.SetSQL(QStringLiteral("select 1 from RDB$RELATIONS where RDB$RELATION_NAME = :NAME"));
    st.ParamByName(QStringLiteral("NAME"))->SetAsString(name.trimmed().toUpper());
    st.ExecQuery();
    const bool found = !st.Eof();
    st.Close();
    tr.Commit();
    return found;
}
