// A connection the server ends under a running program (as an administrator's
// `delete from MON$ATTACHMENTS`, a server restart or a network cut would):
// against the real Firebird server that ./test.sh starts.
#include "platform/db/DataSet.h"
#include "platform/db/FbError.h"
#include "platform/db/FbQuery.h"
#include "platform/db/FbStatement.h"
#include "platform/db/FbTransaction.h"
#include "support/TempDb.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

namespace {

void MakeTable(FbDatabase &db)
{
    ExecSql(db, QStringLiteral("create table T (ID integer not null primary key)"));
    ExecSql(db, QStringLiteral("insert into T (ID) values (1)"));
}

int Count(FbDatabase &db, FbTransaction &tr)
{
    FbStatement st(&db, &tr);
    st.SetSQL(QStringLiteral("select count(*) as N from T"));
    st.ExecQuery();
    const int n = int(st.ColumnByName(QStringLiteral("N"))->AsInteger());
    st.Close();
    return n;
}

// A log of one row on the test server, with the server's credentials set
// while the test runs.
class DbLostConnection : public ::testing::Test {
protected:
    void SetUp() override
    {
        server = TestServer::FromEnvironment();
        if (!server)
            GTEST_SKIP() << NoTestServer;
        log.emplace(*server, MakeTable);
        credentials.emplace(*server);
    }
    void Attach(FbDatabase &db)
    {
        db.SetDatabaseName(log->Name());
        db.Open();
    }
    // Ends the attachment as an administrator does.
    void EndAttachmentOf(FbDatabase &db) { EndAttachment(*server, log->Name(), AttachmentId(db)); }

    std::optional<TestServer> server;
    std::optional<ServerDb> log;
    std::optional<ServerCredentials> credentials;
};

} // namespace

// The first failure says the connection is lost and carries the Polish notice;
// the ones after it fail at once, without the server, and carry no notice
// (told already). Ending the transactions and detaching throw nothing.
TEST_F(DbLostConnection, IsKnownFromTheFirstFailureToldOnceAndClosesWithoutThrowing)
{
    auto db = std::make_unique<FbDatabase>();
    Attach(*db);
    auto reading = std::make_unique<FbTransaction>(db.get());
    reading->StartTransaction();
    FbQuery open;
    open.SetDatabase(db.get());
    open.SetTransaction(reading.get());
    open.SetSQL(QStringLiteral("select ID from T"));
    open.Open();
    FbTransaction counting(db.get());
    counting.StartTransaction();
    ASSERT_EQ(Count(*db, counting), 1);
    counting.Commit();

    EndAttachmentOf(*db);

    QString notice;
    try {
        counting.StartTransaction();
        Count(*db, counting);
        FAIL() << "the ended attachment still answered";
    } catch (const FbError &e) {
        EXPECT_TRUE(e.ConnectionLost()) << e.what();
        notice = FailureMessage(e);
    }
    EXPECT_TRUE(db->Lost());
    const QStringList lines = notice.split(u'\n');
    ASSERT_EQ(lines.size(), 4) << notice.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("Połączenie z bazą dziennika zostało przerwane."));
    EXPECT_EQ(lines[1], QStringLiteral("Wszystko, co zapisano wcześniej, jest w dzienniku."));
    EXPECT_EQ(lines[2], QStringLiteral("Program trzeba uruchomić ponownie."));
    EXPECT_FALSE(lines[3].isEmpty()); // the engine's own message, last

    // Told once: every failure after it ends quietly.
    for (int i = 0; i < 3; ++i) {
        try {
            if (counting.Active())
                counting.Commit();
            counting.StartTransaction();
            Count(*db, counting);
            FAIL() << "a lost attachment answered";
        } catch (const FbError &e) {
            EXPECT_TRUE(e.ConnectionLost());
            EXPECT_EQ(FailureMessage(e), QString());
        }
    }
    EXPECT_THROW(reading->Commit(), FbError);
    EXPECT_FALSE(reading->Active()); // gone with its attachment
    EXPECT_THROW(reading->StartTransaction(), FbError);
    EXPECT_FALSE(open.Active());

    // The way out: nothing throws, nothing waits for the server.
    EXPECT_NO_THROW(db->Close());
    EXPECT_FALSE(db->Connected());
    EXPECT_NO_THROW(reading.reset());
    // The rest ends with the scope, the attachment last.
}

// A new attachment after a lost one is a fresh start: the server answers again.
TEST_F(DbLostConnection, ANewAttachmentWorksAgain)
{
    FbDatabase db;
    Attach(db);
    EndAttachmentOf(db);
    FbTransaction tr(&db);
    EXPECT_THROW(
        {
            tr.StartTransaction();
            Count(db, tr);
        },
        FbError);
    ASSERT_TRUE(db.Lost());
    db.Close();
    db.Open();
    EXPECT_FALSE(db.Lost());
    tr.StartTransaction();
    EXPECT_EQ(Count(db, tr), 1);
    tr.Commit();
}

// Recovery code after a failure commits what went in and, when that fails,
// rolls back. Whichever call first meets the loss, the rollback after it is
// silent, a commit after it reports the loss (not an internal fault), and
// CommitOrRollback says nothing was kept.
TEST_F(DbLostConnection, RecoveryAfterTheLossEndsQuietlyAndKeepsNothing)
{
    const auto insert = [](FbDatabase &db, FbTransaction &tr) {
        FbStatement st(&db, &tr);
        st.SetSQL(QStringLiteral("update T set ID = ID"));
        st.ExecQuery();
    };
    struct Case {
        const char *firstMeets;
        std::function<void(FbDatabase &, FbTransaction &)> meet;
    };
    const std::vector<Case> cases = {
        {"a commit", [](FbDatabase &, FbTransaction &tr) { tr.Commit(); }},
        {"a commit retaining", [](FbDatabase &, FbTransaction &tr) { tr.CommitRetaining(); }},
        {"a statement, then the commit of what went in",
         [&](FbDatabase &db, FbTransaction &tr) {
             try {
                 insert(db, tr);
             } catch (const FbError &) {
                 tr.Commit();
             }
         }},
        {"a rollback", [](FbDatabase &, FbTransaction &tr) { tr.Rollback(); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.firstMeets);
        FbDatabase db;
        Attach(db);
        auto tr = std::make_unique<FbTransaction>(&db);
        tr->StartTransaction();
        insert(db, *tr);
        EndAttachmentOf(db);

        try {
            c.meet(db, *tr);
        } catch (const FbError &e) {
            EXPECT_TRUE(e.ConnectionLost()) << e.what();
        }
        EXPECT_FALSE(tr->Active());
        EXPECT_NO_THROW(tr->Rollback());
        EXPECT_NO_THROW(tr->Rollback());
        for (int i = 0; i < 2; ++i) {
            try {
                tr->Commit();
                ADD_FAILURE() << "a commit after the loss went through";
            } catch (const FbError &e) {
                EXPECT_TRUE(e.ConnectionLost()) << e.what();
            } catch (const std::exception &e) {
                ADD_FAILURE() << "a commit after the loss failed with " << e.what();
            }
        }
        EXPECT_FALSE(tr->CommitOrRollback());
        EXPECT_NO_THROW(tr.reset());
        EXPECT_NO_THROW(db.Close());
    }
}

// A job in a scope that met the loss on a batch's commit (and went on to its
// end) is told the loss by the scope's commit instead of seeing success; a
// transaction that committed before the loss kept what went in.
TEST_F(DbLostConnection, AScopeTheLossEndedReportsItsCommitAsTheLoss)
{
    FbDatabase db;
    Attach(db);
    FbTransaction done(&db), job(&db);
    done.StartTransaction();
    done.Commit();
    {
        FbTransactionScope scope(job);
        EndAttachmentOf(db);
        EXPECT_THROW(job.CommitRetaining(), FbError);
        try {
            scope.Commit();
            ADD_FAILURE() << "the scope's commit reported success after the loss";
        } catch (const FbError &e) {
            EXPECT_TRUE(e.ConnectionLost()) << e.what();
        }
    }
    EXPECT_TRUE(done.CommitOrRollback());
    EXPECT_FALSE(job.CommitOrRollback());
    db.Close();
}
