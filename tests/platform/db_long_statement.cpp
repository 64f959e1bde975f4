#include "platform/db/FbQuery.h"
#include "platform/db/FbSql.h"
#include "support/TempDb.h"

#include <gtest/gtest.h>

// A text past the client's 16-bit length would reach the engine cut short: here
// the cut leaves a valid statement without its condition, which must never run.
TEST(DbLongStatement, AStatementTooLongForTheClientIsRefusedNotCutShort)
{
    TempDb db;
    FbTransaction tr(&db.Db());
    tr.StartTransaction();
    FbQuery q;
    q.SetDatabase(&db.Db());
    q.SetTransaction(&tr);

    const QString head = QStringLiteral("select 1 as X from rdb$database");
    const QString tail = QStringLiteral(" where 1 = 0");
    const QString longest = head + QString(FbSql::MaxStatementBytes - head.size() - tail.size(), u' ') + tail;
    q.SetSQL(longest);
    q.Open();
    EXPECT_TRUE(q.IsEmpty()) << "the longest statement the client takes runs whole";
    q.Close();

    q.SetSQL(head + QString(65536 - tail.size(), u' ') + tail);
    try {
        q.Open();
        FAIL() << "a statement of 65536 bytes more than its head ran";
    } catch (const DbError &e) {
        EXPECT_TRUE(
            e.Message().startsWith(QStringLiteral("Polecenie dla bazy danych jest za długie: 65567 bajtów")))
            << e.Message().toStdString();
    }
    EXPECT_FALSE(q.Active());
}
