#pragma once

#include "platform/db/DataSetModel.h"
#include "platform/db/DataSource.h"
#include "platform/db/FbQuery.h"
#include "platform/db/FbStatement.h"
#include "platform/db/FbUpdateSql.h"
#include "support/TempDb.h"

#include <gtest/gtest.h>

// A thousand rows (every tenth in "D") behind a query with update SQL, shown through a model.
class DbModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.Exec(QStringLiteral(
            "create table M (ID integer not null primary key, CALL varchar(14), WOJ char(1))"));
        tr.StartTransaction();
        FbStatement ins(&db.Db(), &tr);
        ins.SetSQL(QStringLiteral("insert into M values (:ID, :CALL, :WOJ)"));
        for (int i = 1; i <= 1000; ++i) {
            ins.ParamByName(QStringLiteral("ID"))->SetAsInteger(i);
            ins.ParamByName(QStringLiteral("CALL"))->SetAsString(QStringLiteral("SP%1").arg(i));
            ins.ParamByName(QStringLiteral("WOJ"))
                ->SetAsString(i % 10 == 0 ? QStringLiteral("D") : QStringLiteral("B"));
            ins.ExecQuery();
        }
        q.SetTransaction(&tr);
        q.SetSQL(QStringLiteral("select * from M order by ID"));
        upd.SetModifySQL({QStringLiteral("update M set CALL = :CALL where ID = :OLD_ID")});
        upd.SetDeleteSQL({QStringLiteral("delete from M where ID = :OLD_ID")});
        q.SetUpdateObject(&upd);
    }
    TempDb db;
    FbTransaction tr{&db.Db()};
    FbQuery q;
    FbUpdateSql upd;
    DataSource source{&q};
    DataSetModel model{&source};
};
