#include "support/TempDb.h"

#include "platform/db/FbQuery.h"
#include "platform/db/FbStatement.h"
#include "platform/db/FbTransaction.h"

#include <QFile>
#include <QUuid>
#include <ibase.h>
#include <stdexcept>

TempDb::TempDb(const QString &fileName) : db_(std::make_unique<FbDatabase>())
{
    path_ = dir_.filePath(fileName);
    db_->Create(path_);
}

TempDb::~TempDb()
{
    try {
        db_->Close();
    } catch (...) {
    }
    db_.reset();
    QFile::remove(path_);
}

void ExecSql(FbDatabase &db, const QString &sql)
{
    FbTransaction tr(&db);
    tr.StartTransaction();
    FbStatement st(&db, &tr);
    st.SetSQL(sql);
    st.ExecQuery();
    st.Close();
    tr.Commit();
}

void TempDb::Exec(const QString &sql)
{
    ExecSql(*db_, sql);
}

void TempDb::Exec(const QStringList &statements)
{
    for (const QString &s : statements)
        Exec(s);
}

std::optional<TestServer> TestServer::FromEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QUARN_TEST_SERVER"))
        return std::nullopt;
    TestServer s;
    s.Host = qEnvironmentVariable("QUARN_TEST_SERVER");
    s.Dir = qEnvironmentVariable("QUARN_TEST_SERVER_DIR", QStringLiteral("/tmp"));
    s.User = qEnvironmentVariable("QUARN_TEST_SERVER_USER", QStringLiteral("SYSDBA"));
    s.Password = qEnvironmentVariable("QUARN_TEST_SERVER_PASSWORD");
    return s;
}

QString TestServer::DatabaseName(const QString &fileName) const
{
    return Host + u':' + Dir + u'/' + fileName;
}

ServerCredentials::ServerCredentials(const TestServer &server)
    : user_(qgetenv("ISC_USER")), password_(qgetenv("ISC_PASSWORD")),
      hadUser_(qEnvironmentVariableIsSet("ISC_USER")), hadPassword_(qEnvironmentVariableIsSet("ISC_PASSWORD"))
{
    qputenv("ISC_USER", server.User.toUtf8());
    qputenv("ISC_PASSWORD", server.Password.toUtf8());
}

ServerCredentials::~ServerCredentials()
{
    if (hadUser_)
        qputenv("ISC_USER", user_);
    else
        qunsetenv("ISC_USER");
    if (hadPassword_)
        qputenv("ISC_PASSWORD", password_);
    else
        qunsetenv("ISC_PASSWORD");
}

namespace {

// A connection to the server as its SYSDBA, whatever ISC_USER says.
void OpenAsAdministrator(FbDatabase &db, const TestServer &server, const QString &name)
{
    ServerCredentials credentials(server);
    db.SetDatabaseName(name);
    db.Open();
}

}

ServerDb::ServerDb(const TestServer &server, const std::function<void(FbDatabase &)> &prepare)
    : server_(server), name_(server.DatabaseName(
                           QStringLiteral("quarn-%1.fdb").arg(QUuid::createUuid().toString(QUuid::Id128))))
{
    try {
        ServerCredentials credentials(server);
        FbDatabase db;
        db.Create(name_);
        if (prepare)
            prepare(db);
        db.Close();
    } catch (const std::exception &e) {
        throw std::runtime_error(
            QStringLiteral("The Firebird server named by QUARN_TEST_SERVER=%1 could not make "
                           "%2 (is it running? ./test.sh starts it): %3")
                .arg(server.Host, name_, QString::fromUtf8(e.what()))
                .toStdString());
    }
}

ServerDb::~ServerDb()
{
    // The file belongs to the server's user: only the server can remove it.
    try {
        FbDatabase db;
        OpenAsAdministrator(db, server_, name_);
        ISC_STATUS_ARRAY status;
        isc_drop_database(status, db.HandlePtr());
    } catch (...) {
    }
}

QStringList SelectStrings(FbDatabase &db, const QString &sql)
{
    FbTransaction tr(&db);
    tr.StartTransaction();
    FbQuery q;
    q.SetDatabase(&db);
    q.SetTransaction(&tr);
    q.SetSQL(sql);
    q.Open();
    QStringList out;
    for (; !q.Eof(); q.Next())
        out << q.Fields().front()->AsString().trimmed();
    tr.Commit();
    return out;
}

QStringList SelectRows(FbDatabase &db, const QString &sql, const QString &skip)
{
    FbTransaction tr(&db);
    tr.StartTransaction();
    FbStatement s(&db, &tr);
    s.SetSQL(sql);
    s.ExecQuery();
    QStringList rows;
    for (; !s.Eof(); s.Next()) {
        QStringList cols;
        for (int i = 0; i < s.ColumnCount(); ++i) {
            const ResultColumn *p = s.ResultAt(i);
            if (p->Name().compare(skip, Qt::CaseInsensitive) == 0)
                continue;
            const bool when = p->Type() == FieldType::DateTime;
            cols << p->Name() + "=" +
                        (when ? QString::number(p->AsDateTime().ticks()) + "/" +
                                    QString::number(p->AsDateTime().days())
                              : p->AsString());
        }
        rows << cols.join('|');
    }
    tr.Commit();
    return rows;
}

int SelectInteger(FbDatabase &db, const QString &sql)
{
    const QStringList values = SelectStrings(db, sql);
    return values.isEmpty() ? 0 : values.front().toInt();
}

long AttachmentId(FbDatabase &db)
{
    return SelectInteger(db, QStringLiteral("select current_connection from rdb$database"));
}

std::vector<long> AttachmentsOfProcess(const TestServer &server, const QString &databaseName, qint64 pid)
{
    FbDatabase db;
    OpenAsAdministrator(db, server, databaseName);
    FbTransaction tr(&db);
    tr.StartTransaction();
    FbStatement st(&db, &tr);
    st.SetSQL(QStringLiteral("select mon$attachment_id as ID from mon$attachments where mon$remote_pid = %1")
                  .arg(pid));
    std::vector<long> ids;
    for (st.ExecQuery(); !st.Eof(); st.Next())
        ids.push_back(long(st.ColumnByName(QStringLiteral("ID"))->AsInteger()));
    st.Close();
    tr.Commit();
    db.Close();
    return ids;
}

void EndAttachment(const TestServer &server, const QString &databaseName, long attachmentId)
{
    FbDatabase db;
    OpenAsAdministrator(db, server, databaseName);
    FbTransaction tr(&db);
    tr.StartTransaction();
    FbStatement st(&db, &tr);
    st.SetSQL(QStringLiteral("delete from mon$attachments where mon$attachment_id = %1").arg(attachmentId));
    st.ExecQuery();
    st.Close();
    tr.Commit();
    db.Close();
}
