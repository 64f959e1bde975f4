#include "platform/db/FbStatement.h"
#include "platform/db/FbTransaction.h"
#include "support/TempDb.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

int Count(FbDatabase &db)
{
    return SelectInteger(db, QStringLiteral("select count(*) from T"));
}

void Insert(FbDatabase &db, FbTransaction &tr, int id)
{
    FbStatement st(&db, &tr);
    st.SetSQL(QStringLiteral("insert into T (ID) values (%1)").arg(id));
    st.ExecQuery();
}

} // namespace

TEST(FbTransactionScope, CommitsAtTheEndOfItsScopeAndRollsBackWhenAnExceptionLeavesIt)
{
    TempDb db;
    db.Exec(QStringLiteral("create table T (ID integer not null primary key)"));
    FbTransaction tr(&db.Db());

    tr.StartTransaction();
    Insert(db.Db(), tr, 1);
    {
        FbTransactionScope scope(tr); // restarts: the pending insert is committed first
        EXPECT_TRUE(tr.Active());
        EXPECT_EQ(Count(db.Db()), 1);
        Insert(db.Db(), tr, 2);
    }
    EXPECT_FALSE(tr.Active());
    EXPECT_EQ(Count(db.Db()), 2);

    EXPECT_THROW(
        {
            FbTransactionScope scope(tr);
            Insert(db.Db(), tr, 3);
            Insert(db.Db(), tr, 1); // duplicate key
        },
        DbError);
    EXPECT_FALSE(tr.Active());
    EXPECT_EQ(Count(db.Db()), 2);

    try {
        FbTransactionScope scope(tr);
        Insert(db.Db(), tr, 4);
        scope.Commit();
        throw std::runtime_error("after the commit");
    } catch (const std::runtime_error &) {
    }
    EXPECT_FALSE(tr.Active());
    EXPECT_EQ(Count(db.Db()), 3);

    tr.Restart();
    EXPECT_TRUE(tr.Active());
    tr.Restart();
    EXPECT_TRUE(tr.Active());
}
