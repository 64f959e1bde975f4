#include "core/FDM.h"
#include "platform/db/FbDatabase.h"
#include "platform/Messages.h"
#include "support/UiFixture.h"
#include "ui/Startup.h"

#include <QTemporaryDir>

TEST(Startup, AMissingDatabaseGivesTheConnectionWarningWithThePathTwice)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("brak/Log.dat"));
    qputenv("QUARN_DATABASE", path.toUtf8());
    std::vector<QString> shown;
    Messages::setHandler([&](Messages::Kind kind, const QString &caption, const QString &text) {
        EXPECT_EQ(kind, Messages::Kind::Warning);
        EXPECT_EQ(caption, QStringLiteral("Uwaga"));
        shown.push_back(text);
        return true;
    });
    TDM dm;
    DM = &dm;
    EXPECT_FALSE(OpenLogOrWarn());
    DM = nullptr;
    Messages::setHandler({});
    qunsetenv("QUARN_DATABASE");

    ASSERT_EQ(shown.size(), 1u);
    const QStringList lines = shown[0].split('\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QStringLiteral("Nie udało się połączyć z bazą: ") + path);
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], QStringLiteral("Najczęstsze przyczyny to:"));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("   (Należy")));
    EXPECT_EQ(lines[6], QStringLiteral("2. Brak pliku bazy: ") + path);
    EXPECT_FALSE(shown[0].contains('\r'));
}

TEST(Startup, AFileThatCannotBeUpgradedIsReportedNotThrown)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Log.dat"));
    {
        FbDatabase db;  // a database without the program's tables
        db.Create(path);
        db.Close();
    }
    qputenv("QUARN_DATABASE", path.toUtf8());
    std::vector<QString> shown;
    Messages::setHandler([&](Messages::Kind, const QString &, const QString &text) {
        shown.push_back(text);
        return true;
    });
    {
        TDM dm;
        DM = &dm;
        EXPECT_FALSE(OpenLogOrWarn());
        DM = nullptr;
    }
    Messages::setHandler({});
    qunsetenv("QUARN_DATABASE");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_FALSE(shown[0].isEmpty());
    EXPECT_FALSE(shown[0].startsWith(QStringLiteral("Nie udało się połączyć")));
}
