#include "platform/gui/DialogFolder.h"
#include "platform/gui/Printer.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Answers the next file dialog from inside its event loop: notes the folder it
// opened in and picks the file, or cancels when the file is empty.
void AnswerFileDialog(QString &openedIn, const QString &file)
{
    QTimer::singleShot(0, [&openedIn, file] {
        auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!d)
            return;
        openedIn = d->directory().absolutePath();
        if (file.isEmpty()) {
            d->reject();
            return;
        }
        d->selectFile(file);
        static_cast<QDialog *>(d)->accept();
    });
}

} // namespace

TEST(FileDialogFolder, ThePdfDialogOpensInTheFolderLastUsedAndRemembersTheOneChosen)
{
    QTemporaryDir first, second;
    RememberDialogFolder(first.path());

    QString openedIn;
    AnswerFileDialog(openedIn, QDir(second.path()).filePath(QStringLiteral("dziennik.pdf")));
    const QString pdf = Printer::AskPdfFileName(nullptr);
    EXPECT_EQ(openedIn, QDir(first.path()).absolutePath()) << "not the program's working folder";
    EXPECT_EQ(pdf, QDir(second.path()).filePath(QStringLiteral("dziennik.pdf")));
    EXPECT_EQ(DialogStartFolder(), QDir(second.path()).absolutePath());

    AnswerFileDialog(openedIn, QString());
    EXPECT_TRUE(Printer::AskPdfFileName(nullptr).isEmpty());
    EXPECT_EQ(openedIn, QDir(second.path()).absolutePath());
    EXPECT_EQ(DialogStartFolder(), QDir(second.path()).absolutePath())
        << "a cancelled dialog changes nothing";
}
