#include "platform/db/FbUpdateSql.h"

#include "platform/db/DataSet.h"
#include "platform/db/FbSqlLink.h"

FbUpdateSql::FbUpdateSql()
{
    SetRowLostMessage(Modify,
                      QStringLiteral("Nie zapisano: pozycja została w międzyczasie zmieniona lub usunięta."));
    SetRowLostMessage(Delete,
                      QStringLiteral("Nie usunięto: pozycja została w międzyczasie zmieniona lub usunięta."));
}

void FbUpdateSql::SetSQL(Kind kind, const QStringList &lines)
{
    Statement &s = stmts_[kind];
    s.sql.Free();
    s.text.SetLines(lines);
    s.mappedFor = nullptr;
}

void FbUpdateSql::Unprepare()
{
    for (Statement &s : stmts_)
        s.sql.Free();
}

void FbUpdateSql::Map(Statement &s, DataSet &dataSet)
{
    s.fields.clear();
    s.old.clear();
    for (Param *p : s.text.Params().Positions()) {
        const QString &name = p->Name();
        Field *f = dataSet.FindField(name);
        bool old = false;
        if (!f && name.startsWith(QStringLiteral("OLD_"), Qt::CaseInsensitive)) {
            f = dataSet.FindField(name.mid(4));
            old = f != nullptr;
        }
        s.fields.push_back(f);
        s.old.push_back(old);
    }
    s.mappedFor = &dataSet;
    s.mappedSerial = dataSet.OpenSerial();
}

void FbUpdateSql::Apply(Kind kind, DataSet &dataSet, const FbSqlLink &link)
{
    Statement &s = stmts_[kind];
    if (s.text.Parsed().trimmed().isEmpty())
        throw DbError(QStringLiteral("No SQL statement for this kind of update"));
    if (!s.sql.Prepared()) {
        s.sql.Prepare(link.Database(), link.Transaction(), s.text.Parsed());
        s.mappedFor = nullptr;
    }
    if (s.mappedFor != &dataSet || s.mappedSerial != dataSet.OpenSerial())
        Map(s, dataSet);
    const int row = dataSet.CurrentIndex();
    const bool inserting = dataSet.State() == DataSetState::Insert;
    for (int i = 0; i < int(s.fields.size()) && i < s.sql.ParamCount(); ++i) {
        const Field *f = s.fields[i];
        if (!f) {
            const Param *p = s.text.Params().Positions()[i];
            s.sql.SetParam(i, p->Value(), p->Type());
        } else if (s.old[i]) {
            s.sql.SetParam(i, inserting ? FieldValue() : dataSet.ValueAt(row, f), f->DataType());
        } else {
            s.sql.SetParam(i, f->Value(), f->DataType());
        }
    }
    s.sql.Execute(link.Transaction());
    // Checked by the engine's own count: the rows this dataset holds may be
    // long gone from the table.
    if ((kind == Modify || kind == Delete) && s.sql.RowsAffected() == 0)
        throw DbError(s.rowLost);
}

bool FbUpdateSql::Fetch(DataSet &dataSet, const FbSqlLink &link, std::vector<FieldValue> &row,
                        std::vector<QString> &names)
{
    Apply(Refresh, dataSet, link);
    FbSql &sql = stmts_[Refresh].sql;
    const bool found = sql.Fetch(row);
    sql.CloseCursor();
    names.clear();
    for (const FbColumn &c : sql.Columns())
        names.push_back(c.name);
    return found;
}
