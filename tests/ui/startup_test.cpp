#include "core/FDM.h"
#include "platform/Messages.h"
#include "platform/db/FbDatabase.h"
#include "support/UiFixture.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

// The engine's own message on the last line tells the real cause apart.
TEST(Startup, AMissingDatabaseGivesTheConnectionWarningWithThePathTwiceAndTheEnginesMessage)
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
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], QStringLiteral("Nie udało się połączyć z bazą: ") + path);
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], QStringLiteral("Najczęstsze przyczyny to:"));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("   (Należy")));
    EXPECT_EQ(lines[6], QStringLiteral("2. Brak pliku bazy: ") + path);
    EXPECT_TRUE(lines[7].contains(QStringLiteral("No such file or directory"))) << lines[7].toStdString();
    EXPECT_FALSE(shown[0].contains('\r'));
}

TEST(Startup, AFileThatCannotBeUpgradedIsReportedNotThrown)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Log.dat"));
    {
        FbDatabase db; // a database without the program's tables
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

// The confirmation box answers "Tak"/"Nie" and the file dialogs speak Polish;
// window titles are shown as the windows give them, with nothing appended.
TEST(Startup, StandardDialogsSpeakPolishAndTitlesGetNothingAppended)
{
    SetUpApplication();
    QMessageBox box(QMessageBox::Question, QStringLiteral("Potwierdzenie"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Tak"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("&Nie"));

    QFileDialog dialog(nullptr, QStringLiteral("Zapisz"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const auto *lookIn = dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"));
    const auto *fileName = dialog.findChild<QLabel *>(QStringLiteral("fileNameLabel"));
    ASSERT_TRUE(lookIn && fileName);
    EXPECT_EQ(lookIn->text(), QStringLiteral("Szukaj w:"));
    EXPECT_EQ(fileName->text(), QStringLiteral("Nazwa &pliku:"));

    // A display name would be appended to every title ("Uwaga — Quarn"); the
    // display name follows the application name only while none is set.
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Quarn"));
    QApplication::setApplicationName(QStringLiteral("Inna"));
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Inna"));
    QApplication::setApplicationName(QStringLiteral("Quarn"));
}
