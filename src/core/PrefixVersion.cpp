#include "core/PrefixVersion.h"

#include "platform/db/FbStatement.h"

QStringList PrefixVersion::CreateTable()
{
    return {"CREATE TABLE PrefiksyWersja(", "Id      INTEGER NOT NULL,", "Wersja  INTEGER NOT NULL,",
            "CONSTRAINT pk_PrefiksyWersja PRIMARY KEY (Id) )"};
}

void PrefixVersion::Raise(FbDatabase &db, FbTransaction &tr)
{
    FbStatement s(&db, &tr);
    s.SetSQL(QStringList{"UPDATE OR INSERT INTO PrefiksyWersja (Id, Wersja)",
                         "VALUES (1, COALESCE((SELECT Wersja FROM PrefiksyWersja WHERE Id=1), 0) + 1)",
                         "MATCHING (Id)"});
    s.ExecQuery();
}

void PrefixVersion::PrepareRead(FbStatement &s)
{
    s.SetSQL(QStringList{"SELECT Wersja", "FROM PrefiksyWersja", "WHERE Id=1"});
    s.Prepare();
}

int64_t PrefixVersion::Read(FbStatement &s)
{
    s.ExecQuery();
    const int64_t version = s.Eof() ? 0 : s.ResultAt(0)->AsInteger();
    s.Close();
    return version;
}
