#include "platform/db/FbStatement.h"

#include "platform/db/FbDatabase.h"

FbStatement::FbStatement(FbDatabase *db, FbTransaction *tr) : db_(db)
{
    SetTransaction(tr);
}

FbStatement::~FbStatement()
{
    if (tr_)
        tr_->RemoveUser(this);
}

void FbStatement::SetDatabase(FbDatabase *db)
{
    if (db == db_)
        return;
    Close();
    sql.Free();
    db_ = db;
}

void FbStatement::SetTransaction(FbTransaction *tr)
{
    if (tr == tr_)
        return;
    Close();
    if (tr_)
        tr_->RemoveUser(this);
    tr_ = tr;
    if (tr_) {
        tr_->AddUser(this);
        if (!db_)
            db_ = tr_->DefaultDatabase();
    }
}

void FbStatement::TransactionGone()
{
    Close();
    tr_ = nullptr;
}

void FbStatement::SetSQL(const QStringList &lines)
{
    Close();
    sql.Free();
    text_.SetLines(lines);
}

void FbStatement::AddLine(const QString &line)
{
    SetSQL(text_.WithLine(line));
}

void FbStatement::Clear()
{
    SetSQL(QStringList());
}

void FbStatement::Prepare()
{
    if (sql.Prepared())
        return;
    sql.Prepare(db_, tr_, text_.Parsed());
    result_.clear();
    for (const FbColumn &c : sql.Columns())
        result_.push_back(std::make_unique<Param>(c.name));
}

void FbStatement::SetResult(const std::vector<FieldValue> &row)
{
    const auto &cols = sql.Columns();
    for (size_t i = 0; i < result_.size() && i < row.size(); ++i)
        result_[i]->SetValue(row[i], cols[i].type);
}

void FbStatement::ExecQuery()
{
    Close();
    Prepare();
    text_.Bind(sql);
    sql.Execute(tr_);
    if (sql.HasCursor()) {
        Next();
    } else if (!sql.Output().empty()) {
        SetResult(sql.Output());
        eof_ = false;
    }
}

void FbStatement::Next()
{
    if (!sql.CursorOpen()) {
        eof_ = true;
        return;
    }
    eof_ = !sql.Fetch(row_);
    if (eof_) {
        for (auto &r : result_)
            r->Clear();
    } else {
        SetResult(row_);
    }
}

void FbStatement::Close()
{
    sql.CloseCursor();
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
