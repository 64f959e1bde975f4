#include "platform/db/FbStatement.h"

#include "platform/db/FbDatabase.h"

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
        result_.push_back(std::make_unique<Param>(c.name));
}

void FbStatement::SetResult(const std::vector<FieldValue> &row)
{
    const auto &cols = stmt_.Columns();
    for (size_t i = 0; i < result_.size() && i < row.size(); ++i)
        result_[i]->SetValue(row[i], cols[i].type);
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
            r->Clear();
    } else {
        SetResult(row_);
    }
}

void FbStatement::Close()
{
    stmt_.CloseCursor();
    eof_ = true;
}

Param *FbStatement::FindField(const QString &name) const
{
    for (const auto &r : result_)
        if (r->Name().compare(name, Qt::CaseInsensitive) == 0)
            return r.get();
    return nullptr;
}

Param *FbStatement::FieldByName(const QString &name) const
{
    if (Param *p = FindField(name))
        return p;
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
            names << u':' + inputs.FieldByName(QStringLiteral("RDB$PARAMETER_NAME"))->AsString().trimmed();
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
    if (Param *p = Params().Find(name))
        return p;
    return FieldByName(name);
}
