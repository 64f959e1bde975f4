#include "support/LogDb.h"

#include "core/BaseSchema.h"
#include "core/NewDatabase.h"
#include "platform/Messages.h"
#include "platform/db/FbStatement.h"

#include <QDir>
#include <QFile>
#include <mutex>

namespace {

QString TemplatePath()
{
    static QTemporaryDir dir;
    static QString path;
    static std::once_flag once;
    std::call_once(once, [] {
        path = dir.filePath("template.dat");
        CreateLogDatabase(path, QStringLiteral(QUARN_SOURCE_DIR "/data"));
    });
    return path;
}

}

TempLogDb::TempLogDb() : path_(dir_.filePath("Log.dat"))
{
    if (!QFile::copy(TemplatePath(), path_))
        throw std::runtime_error("cannot copy the template database");
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
}

void DataModuleTest::SetUp()
{
    db = std::make_unique<TempLogDb>();
    qputenv("QUARN_DATABASE", db->Path().toLocal8Bit());
    Messages::setHandler([this](Messages::Kind kind, const QString &, const QString &text) {
        if (kind == Messages::Kind::Warning) {
            warnings << text;
            return true;
        }
        confirms << text;
        return confirmAnswer;
    });
    dm = std::make_unique<TDM>();
    DM = dm.get();
    ASSERT_TRUE(dm->OpenDatabase());
}

void DataModuleTest::TearDown()
{
    dm.reset();
    DM = nullptr;
    Messages::setHandler({});
    qunsetenv("QUARN_DATABASE");
    db.reset();
}

int DataModuleTest::AddQso(const QString &call, const DateTime &when, const QString &band,
                           const QString &name)
{
    const int id = dm->NewLogId();
    FbTransaction tr(&dm->Baza);
    tr.StartTransaction();
    FbStatement ins(&dm->Baza, &tr);
    ins.SetSQL({"INSERT INTO LOGI (LOGID, DATA, PASMO, STACJA, IMIE, QSL_WYS, QSL_ODB, KRAJID)",
                "VALUES (:LOGID, :DATA, :PASMO, :STACJA, :IMIE, 'N', 'N', :KRAJID)"});
    ins.ParamByName("LOGID")->SetAsInteger(id);
    ins.ParamByName("DATA")->SetAsDateTime(when);
    ins.ParamByName("PASMO")->SetAsString(band);
    ins.ParamByName("STACJA")->SetAsString(call);
    ins.ParamByName("IMIE")->SetAsString(name);
    ins.ParamByName("KRAJID")->SetAsInteger(dm->KrajIdForCall(call));
    ins.ExecQuery();
    tr.Commit();
    return id;
}

OtherCopy::OtherCopy(const QString &path)
{
    Db.SetDatabaseName(path);
    Db.Open();
}

OtherCopy::~OtherCopy()
{
    saving_.reset();
    Db.Close();
}

void OtherCopy::Hold(const QString &sql)
{
    saving_ = std::make_unique<FbTransaction>(&Db);
    saving_->StartTransaction();
    FbStatement s(&Db, saving_.get());
    s.SetSQL(sql);
    s.ExecQuery();
}

void OtherCopy::Commit()
{
    saving_->Commit();
}

void ServerDataModuleTest::SetUp()
{
    server = TestServer::FromEnvironment();
    if (!server)
        GTEST_SKIP() << "No Firebird server: QUARN_TEST_SERVER is not set (./test.sh starts one and sets it)";
    credentials = std::make_unique<ServerCredentials>(*server);
    log = std::make_unique<ServerDb>(*server, [](FbDatabase &db) {
        BaseSchema::Create(db);
        ExecSql(db, "insert into KrajeDX (KrajId, PrefixDX, NazwaAng, NazwaPol, Kontynent) "
                    "values (269, 'SP', 'Poland', 'Polska', 'EU')");
        ExecSql(db, "insert into PrefiksyDX (KrajId, Prefix) values (269, 'SP')");
    });
    qputenv("QUARN_DATABASE", log->Name().toUtf8());
    Messages::setHandler([this](Messages::Kind kind, const QString &, const QString &text) {
        if (kind == Messages::Kind::Warning)
            warnings << text;
        return true;
    });
    dm = std::make_unique<TDM>();
    DM = dm.get();
    ASSERT_TRUE(dm->OpenDatabase()) << dm->ConnectionError().toStdString();
}

void ServerDataModuleTest::TearDown()
{
    dm.reset(); // detaches before the log is dropped
    DM = nullptr;
    Messages::setHandler({});
    qunsetenv("QUARN_DATABASE");
    log.reset();
    credentials.reset();
}

void ServerDataModuleTest::EndConnection()
{
    EndAttachment(*server, log->Name(), AttachmentId(dm->Baza));
}

int ServerDataModuleTest::SelectOnServer(const QString &sql)
{
    FbDatabase db;
    db.SetDatabaseName(log->Name());
    db.Open();
    const int value = SelectInteger(db, sql);
    db.Close();
    return value;
}
