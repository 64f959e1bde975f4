#include "support/LogDb.h"

#include "core/BaseSchema.h"
#include "platform/db/FbError.h"
#include "support/TempDb.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

TEST(DataModuleStart, MissingFileFailsWithTheFullPathTwice)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("brak/Log.dat");
    qputenv("QUARN_DATABASE", path.toLocal8Bit());
    TDM dm;
    EXPECT_FALSE(dm.OpenDatabase());
    qunsetenv("QUARN_DATABASE");

    const QString text = TDM::ConnectionFailureText(path);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Nie udało się połączyć z bazą: ") + path + "\r\r"));
    EXPECT_TRUE(text.endsWith(QStringLiteral("2. Brak pliku bazy: ") + path));
    EXPECT_EQ(text.count('\r'), 6);
    EXPECT_FALSE(text.contains('\n'));
}

// The advice holds on this system: no Windows control panel. For a log on a
// server: start the Firebird server on that machine; for a file the embedded
// engine opens: the other copy of the program holding it.
TEST(DataModuleStart, TheFailureAdviceFitsThisSystemAndTheKindOfLog)
{
    const QString server = QStringLiteral("serwer:/var/lib/firebird/3.0/data/Log.dat");
    const QStringList remote = TDM::ConnectionFailureText(server).split('\r');
    ASSERT_EQ(remote.size(), 7);
    EXPECT_EQ(remote[0], QStringLiteral("Nie udało się połączyć z bazą: ") + server);
    EXPECT_EQ(remote[3], QStringLiteral("1. Nie został uruchomiony serwer baz danych Firebird"));
    EXPECT_EQ(remote[4], QStringLiteral("   (Należy uruchomić serwer Firebird na komputerze serwer,"));
    EXPECT_EQ(remote[5], QStringLiteral("    np. poleceniem: sudo systemctl start firebird3.0),"));
    EXPECT_EQ(remote[6], QStringLiteral("2. Brak pliku bazy: ") + server);

    const QString file = QStringLiteral("/home/op/Log.dat");
    const QStringList local = TDM::ConnectionFailureText(file).split('\r');
    ASSERT_EQ(local.size(), 7);
    EXPECT_EQ(local[3], QStringLiteral("1. Dziennik jest otwarty w innej kopii programu"));
    EXPECT_TRUE(local[4].startsWith(QStringLiteral("   (Należy ")));
    EXPECT_EQ(local[6], QStringLiteral("2. Brak pliku bazy: ") + file);

    for (const QString &text : {TDM::ConnectionFailureText(server), TDM::ConnectionFailureText(file),
                                TDM::ConnectionFailureText(file, true)}) {
        EXPECT_FALSE(text.contains(QStringLiteral("Windows"))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("Panel"))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("Server Manager"))) << text.toStdString();
    }
}

// The client library's ways of naming a log on a server: with or without the
// port, an IPv6 host, the URL form. Anything else is a file for the embedded
// engine, Windows drive letters and colons further down a path included.
TEST(DataModuleStart, ServerNamesAreToldFromFilesWithTheirHost)
{
    const struct {
        const char *name;
        const char *host;
    } cases[] = {
        {"serwer:/var/lib/firebird/3.0/data/Log.dat", "serwer"},
        {"localhost/3050:/srv/Log.dat", "localhost"},
        {"radio.example.org/gds_db:/srv/Log.dat", "radio.example.org"},
        {"[::1]/3051:/srv/Log.dat", "[::1]"},
        {"[::1]:/srv/Log.dat", "[::1]"},
        {"inet://serwer:3050//srv/Log.dat", "serwer"},
        {"host:C:\\Logi\\Log.dat", "host"},
        {"/home/op/Log.dat", ""},
        {"/home/op:1/Log.dat", ""},
        {"logi/a/b:Log.dat", ""},
        {"C:\\Logi\\Log.dat", ""},
        {"Log.dat", ""},
        {"/3050:/srv/Log.dat", ""},
        {"localhost/:/srv/Log.dat", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FbDatabase::ServerHost(QString::fromUtf8(c.name)), QString::fromUtf8(c.host)) << c.name;
        EXPECT_EQ(FbDatabase::IsRemote(QString::fromUtf8(c.name)), *c.host != 0) << c.name;
    }
    const QStringList advice = TDM::ConnectionFailureText(QStringLiteral("localhost/3050:/srv/Log.dat")).split('\r');
    ASSERT_EQ(advice.size(), 7);
    EXPECT_EQ(advice[3], QStringLiteral("1. Nie został uruchomiony serwer baz danych Firebird"));
    EXPECT_EQ(advice[4], QStringLiteral("   (Należy uruchomić serwer Firebird na komputerze localhost,"));
}

// A log on the server named with the server's port opens through the server.
TEST(DataModuleStart, OpensAServerLogNamedWithItsPort)
{
    QUARN_TEST_SERVER_OR_SKIP(server);
    ServerCredentials credentials(*server);
    ServerDb log(*server, [](FbDatabase &db) { BaseSchema::Create(db); });
    QString name = log.Name();
    name.insert(name.indexOf(u':'), QStringLiteral("/3050"));
    qputenv("QUARN_DATABASE", name.toUtf8());
    TDM dm;
    const bool opened = dm.OpenDatabase();
    qunsetenv("QUARN_DATABASE");
    ASSERT_TRUE(opened) << dm.ConnectionError().toStdString();
    EXPECT_EQ(dm.Baza.DatabaseName(), name);
    EXPECT_TRUE(dm.Logi.Active());
    dm.Baza.Close();
}

// A second copy of the program on the same embedded log (here isql-fb, another
// process with the embedded engine, holds the file): the box says first, in
// Polish, that the log is open in another copy; the list of causes follows and
// the engine's own line stands last.
TEST(DataModuleStart, ALogHeldByAnotherCopySaysSoFirstAndKeepsTheEnginesLineLast)
{
    TempLogDb db;
    QProcess other;
    other.setProgram(QStringLiteral("isql-fb"));
    other.setArguments({QStringLiteral("-q"), QStringLiteral("-user"), QStringLiteral("SYSDBA"), db.Path()});
    other.start();
    ASSERT_TRUE(other.waitForStarted(10000)) << "isql-fb (firebird3.0-utils) did not start";
    other.write("select 'READY' from rdb$database;\n");
    QByteArray out;
    for (int i = 0; i < 100 && !out.contains("READY"); ++i)
        if (other.waitForReadyRead(100))
            out += other.readAllStandardOutput();
    ASSERT_TRUE(out.contains("READY"))
        << "isql-fb did not open the log: " << other.readAllStandardError().constData();

    qputenv("QUARN_DATABASE", QFile::encodeName(db.Path()));
    {
        TDM dm;
        EXPECT_FALSE(dm.OpenDatabase());
        EXPECT_TRUE(dm.ConnectionFileInUse()) << dm.ConnectionError().toStdString();
        const QStringList lines = dm.ConnectionFailureMessage().split('\n');
        ASSERT_EQ(lines.size(), 10) << dm.ConnectionFailureMessage().toStdString();
        EXPECT_EQ(
            lines[0],
            QStringLiteral("Dziennik jest już otwarty w innej kopii programu (albo przez serwer Firebird)."));
        EXPECT_EQ(lines[1], QString());
        EXPECT_EQ(lines[2], QStringLiteral("Nie udało się połączyć z bazą: ") + db.Path());
        EXPECT_EQ(lines[8], QStringLiteral("2. Brak pliku bazy: ") + db.Path());
        EXPECT_TRUE(lines[9].contains(QStringLiteral("Database already opened with engine instance")))
            << lines[9].toStdString();
    }
    qunsetenv("QUARN_DATABASE");
    other.closeWriteChannel();
    other.waitForFinished(10000);

    // A missing file is not taken for one held by another copy.
    QTemporaryDir dir;
    qputenv("QUARN_DATABASE", QFile::encodeName(dir.filePath(QStringLiteral("brak/Log.dat"))));
    TDM dm;
    EXPECT_FALSE(dm.OpenDatabase());
    qunsetenv("QUARN_DATABASE");
    EXPECT_FALSE(dm.ConnectionFileInUse());
    EXPECT_TRUE(dm.ConnectionFailureMessage().startsWith(QStringLiteral("Nie udało się połączyć z bazą: ")));
}

TEST(DataModuleStart, DatabasePathFollowsTheEnvironment)
{
    qputenv("QUARN_DATABASE", "serwer:/dane/Log.dat");
    EXPECT_EQ(TDM::DatabasePath(), QStringLiteral("serwer:/dane/Log.dat"));
    qunsetenv("QUARN_DATABASE");
    EXPECT_TRUE(TDM::DatabasePath().endsWith("/Log.dat"));
}

using DataModule = DataModuleTest;

TEST_F(DataModule, FirstStartAddsTheUpgradeColumnsAndTables)
{
    for (const char *col : {"KONTYNENT", "ITU", "CQ", "IARU", "ZAMEK", "GMINA"})
        EXPECT_NE(dm->Logi.FindField(col), nullptr) << col;
    EXPECT_TRUE(TableExists(dm->Baza, "STACJE"));
    EXPECT_TRUE(TableExists(dm->Baza, "ZAMKI"));
    EXPECT_TRUE(TableExists(dm->Baza, "GMINY"));
    EXPECT_TRUE(TableExists(dm->Baza, "PREFIKSYWERSJA"));
    EXPECT_EQ(SelectInteger(dm->Baza, "SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$RELATION_NAME='STACJE'"),
              11);
    // A second start finds everything in place and changes nothing.
    EXPECT_TRUE(dm->OpenDatabase());
    EXPECT_TRUE(dm->Logi.Active());
}

TEST_F(DataModule, EmptyLogLookups)
{
    EXPECT_EQ(dm->QsoCount(), 0);
    const LastQso last = dm->LastQsoWith("SP5ABC");
    EXPECT_TRUE(last.Data.isNull());
    EXPECT_TRUE(last.Pasmo.isEmpty());
    EXPECT_EQ(dm->LogIdForDateTime(DateTime::fromDate(2024, 1, 1, 12)), 0);
}

TEST_F(DataModule, LookupsByDateTimeAndCall)
{
    const DateTime t1 = DateTime::fromDate(2024, 5, 1, 10, 15, 30);
    const DateTime t2 = DateTime::fromDate(2024, 5, 2, 8, 0, 0);
    const int id1 = AddQso("SP5ABC", t1, "40 m");
    AddQso("SP5ABC", t2, "20 m");
    EXPECT_EQ(dm->QsoCount(), 2);
    EXPECT_EQ(dm->LogIdForDateTime(t1), id1);
    EXPECT_EQ(dm->LogIdForDateTime(t1.addSecs(1)), 0);
    const LastQso last = dm->LastQsoWith("SP5ABC");
    EXPECT_EQ(last.Data, t2);
    EXPECT_EQ(last.Pasmo, QStringLiteral("20 m"));
    // A quote in the call sign is a value, never part of the statement.
    EXPECT_TRUE(dm->LastQsoWith("SP5'ABC").Data.isNull());
    EXPECT_TRUE(dm->IslandNameForIota("EU-0'1").isEmpty());
}

TEST_F(DataModule, NewLogIdNeverRepeats)
{
    const int a = dm->NewLogId();
    const int b = dm->NewLogId();
    EXPECT_NE(a, b);
}

TEST_F(DataModule, IslandAndCastleNames)
{
    EXPECT_FALSE(dm->IslandNameForIota("eu-001").isEmpty());
    EXPECT_TRUE(dm->CastleNameForSymbol("ZZ-999").isEmpty());
}

TEST_F(DataModule, ReopenStandsOnTheQsoInEverySortOrder)
{
    AddQso("DL1ABC", DateTime::fromDate(2024, 1, 3, 10), "20 m", "Hans");
    const int id = AddQso("SP9XYZ", DateTime::fromDate(2024, 1, 1, 10), "80 m", "Łukasz");
    AddQso("OK1AA", DateTime::fromDate(2024, 1, 2, 10), "40 m", "Jan");
    for (int order = 0; order < 12; ++order) {
        dm->ReopenLogiOrdered(order, id);
        EXPECT_EQ(dm->Logi.FieldByName("LOGID")->AsInteger(), id) << order;
    }
    dm->ReopenLogiOrdered(3, 0);
    EXPECT_EQ(dm->Logi.RecNo(), 1);
    EXPECT_EQ(dm->Logi.FieldByName("STACJA")->AsString(), QStringLiteral("DL1ABC"));
}

TEST_F(DataModule, CalculatedColumnsOfTheLog)
{
    AddQso("SP5ABC", DateTime::fromDate(2024, 1, 1, 10), "20 m", "Jan");
    dm->ReopenLogiOrdered(1, 0);
    EXPECT_EQ(dm->Logi.FieldByName("KrajDxcc")->AsString(), QStringLiteral("Polska"));
    EXPECT_EQ(dm->Logi.FieldByName("StacjaImie")->AsString(), QStringLiteral("SP5ABC Jan"));
    EXPECT_EQ(dm->Logi.FieldByName("KontITUCQ")->AsString(), QStringLiteral("  /  /  "));
    EXPECT_EQ(dm->Logi.FieldByName("QSL_WYS")->DisplayText(), QStringLiteral(" "));

    dm->Logi.Edit();
    dm->Logi.FieldByName("KONTYNENT")->SetAsString("EU");
    dm->Logi.FieldByName("ITU")->SetAsInteger(28);
    dm->Logi.FieldByName("CQ")->SetAsInteger(5);
    dm->Logi.FieldByName("QSL_WYS")->SetAsString("T");
    dm->Logi.Post();
    EXPECT_EQ(dm->Logi.FieldByName("KontITUCQ")->AsString(), QStringLiteral("EU/28/ 5"));
    EXPECT_EQ(dm->Logi.FieldByName("QSL_WYS")->DisplayText(), QString(QChar(0x2713)));
}

TEST_F(DataModule, PostedQsoIsDurableAtOnce)
{
    dm->ReopenLogiOrdered(1, 0);
    dm->Logi.Append();
    dm->Logi.FieldByName("LOGID")->SetAsInteger(dm->NewLogId());
    dm->Logi.FieldByName("DATA")->SetAsDateTime(DateTime::fromDate(2024, 2, 2, 2));
    dm->Logi.FieldByName("STACJA")->SetAsString("SP1AAA");
    dm->Logi.FieldByName("QSL_WYS")->SetAsString("N");
    dm->Logi.FieldByName("QSL_ODB")->SetAsString("N");
    dm->Logi.FieldByName("KRAJID")->SetAsInteger(269);
    dm->Logi.Post();
    // Another connection sees the QSO without any further commit.
    FbDatabase other;
    other.SetDatabaseName(db->Path());
    other.Open();
    EXPECT_EQ(SelectInteger(other, "SELECT COUNT(*) FROM LOGI"), 1);
    other.Close();
}

TEST_F(DataModule, DuplicateLabelNameIsReportedAndCancelled)
{
    dm->OpenEtykiety();
    for (int i = 0; i < 2; ++i) {
        dm->Etykiety.Append();
        dm->Etykiety.FieldByName("ETYKIETAID")->SetAsInteger(i + 1);
        dm->Etykiety.FieldByName("NAZWA")->SetAsString("Avery 3x8");
        try {
            dm->Etykiety.Post();
        } catch (const DataSetAbort &) {
        }
    }
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings.front(), QStringLiteral("Etykieta o podanej nazwie jest już w wykazie!"));
    EXPECT_EQ(dm->Etykiety.State(), DataSetState::Browse);
    EXPECT_TRUE(dm->Etykiety.Active());
}

TEST_F(DataModule, ResolvesRealCallSigns)
{
    const std::pair<const char *, int> calls[] = {{"SP5ABC", 269}, {"DL1ABC", 230}, {"JA1ABC", 339},
                                                  {"VK6ABC", 150}, {"W1AW", 291},   {"UA9ABC", 15},
                                                  {"sp5abc", 269}, {"", 0}};
    for (const auto &[call, id] : calls) {
        EXPECT_EQ(dm->KrajIdForCall(call), id) << call;
        EXPECT_EQ(dm->KrajIdForCallSql(call), id) << call;
    }
    EXPECT_EQ(dm->CountryNameForCall("SP5ABC"), QStringLiteral("Polska"));
    EXPECT_EQ(dm->PrefixForCall("SP5ABC"), QStringLiteral("SP5"));
}

TEST_F(DataModule, MemoryAndSqlResolutionAgreeOnTheSeedTable)
{
    dm->Prefiksy.First();
    int checked = 0;
    for (int row = 0; !dm->Prefiksy.Eof(); ++row, dm->Prefiksy.Next()) {
        if (row % 7)
            continue;
        const QString call = dm->Prefiksy.FieldByName("PREFIX")->AsString() + "1XYZ";
        const int mem = dm->KrajIdForCall(call);
        const Bookmark here = dm->Prefiksy.GetBookmark();
        EXPECT_EQ(mem, dm->KrajIdForCallSql(call)) << call.toStdString();
        dm->Prefiksy.GotoBookmark(here);
        ++checked;
    }
    EXPECT_GT(checked, 1000);
}
