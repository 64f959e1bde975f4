#include "controls/FileNameEdit.h"
#include "controls/DrawUtils.h"

#include <QApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// The dialog answered without showing it.
class ScriptedFileEdit : public TFileNameEdit {
public:
    using TFileNameEdit::TFileNameEdit;
    QString offered; // the name the dialog was opened with
    QString answer;  // empty: cancelled
    int dialogs = 0;

protected:
    bool ExecuteDialog(QString &name) override
    {
        ++dialogs;
        offered = name;
        if (answer.isEmpty())
            return false;
        name = answer;
        return true;
    }
};

void Drop(QWidget *target, const QStringList &files)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &f : files)
        urls.append(QUrl::fromLocalFile(f));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
}

} // namespace

TEST(FileNameEdit, NamesWithBlanksAreQuoted)
{
    TFileNameEdit ed;
    ed.SetFileName("/home/sp5abc/moje logi/log.adi");
    EXPECT_EQ(ed.text(), "\"/home/sp5abc/moje logi/log.adi\"");
    EXPECT_EQ(ed.FileName(), "/home/sp5abc/moje logi/log.adi");
    // Typed without quotes, a name is never split at its blanks.
    ed.setText("moje logi.adi");
    EXPECT_EQ(ed.FileName(), "moje logi.adi");
    ed.SetFileName("");
    EXPECT_EQ(ed.text(), "");
    const QString longPath = "/tmp/" + QString(300, 'a') + ".adi";
    ed.SetFileName(longPath);
    EXPECT_EQ(ed.FileName(), longPath);
}

TEST(FileNameEdit, InvalidNameIsRefused)
{
    TFileNameEdit ed;
    ed.SetFileName("Prefiksy.txt");
    try {
        ed.SetFileName("log[1].adi");
        FAIL() << "accepted an invalid name";
    } catch (const EButtonEditError &e) {
        EXPECT_STREQ(e.what(), "Invalid file name - log[1].adi");
    }
    EXPECT_EQ(ed.text(), "Prefiksy.txt");
}

TEST(FileNameEdit, FiltersAndDialogSettings)
{
    EXPECT_EQ(TFileNameEdit::NameFilters("Pliki ADIF (*.adi)|*.adi|Wszystkie pliki (*.*)|*.*"),
              QStringList({"Pliki ADIF (*.adi)", "Wszystkie pliki (*)"}));
    EXPECT_EQ(TFileNameEdit::NameFilters("Plik prefiksów|Prefiksy.txt"),
              QStringList({"Plik prefiksów (Prefiksy.txt)"}));
    EXPECT_TRUE(TFileNameEdit::NameFilters("").isEmpty());

    TFileNameEdit ed;
    EXPECT_EQ(ed.DialogTitle(), "Browse");
    EXPECT_EQ(ed.Filter(), "All files (*.*)|*.*");
    EXPECT_EQ(ed.GlyphKind(), gkDefault);
    EXPECT_EQ(ed.ButtonWidth(), 21);
    EXPECT_FALSE(ed.Glyph().isNull());
    ed.SetFilter("Pliki ADIF (*.adi)|*.adi");
    ed.SetDialogTitle("Zapisz");
    ed.SetDefaultExt("adi");
    ed.SetDialogKind(dkSave);
    EXPECT_EQ(ed.Filter(), "Pliki ADIF (*.adi)|*.adi");
    EXPECT_EQ(ed.DialogTitle(), "Zapisz");
    EXPECT_EQ(ed.DefaultExt(), "adi");
}

TEST(FileNameEdit, ButtonRunsTheDialogWithHooks)
{
    QTemporaryDir dir;
    ScriptedFileEdit ed;
    QSignalSpy clicks(&ed, &TCustomButtonEdit::OnButtonClick);
    ed.SetFileName(dir.filePath("Prefiksy.txt"));
    ed.answer = dir.filePath("moje logi.adi");
    ed.EditButtonClick();
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(ed.offered, dir.filePath("Prefiksy.txt"));
    EXPECT_EQ(ed.InitialDir(), dir.path());
    EXPECT_EQ(ed.text(), "\"" + dir.filePath("moje logi.adi") + "\"");
    EXPECT_EQ(ed.FileName(), dir.filePath("moje logi.adi"));

    // A cancelled dialog leaves the text.
    ed.answer.clear();
    ed.EditButtonClick();
    EXPECT_EQ(ed.FileName(), dir.filePath("moje logi.adi"));

    // The hooks may stop the dialog or drop its result.
    QObject::connect(&ed, &TPathEdit::OnBeforeDialog, [](QString &, bool &action) { action = false; });
    ed.answer = "/tmp/x.adi";
    const int before = ed.dialogs;
    ed.EditButtonClick();
    EXPECT_EQ(ed.dialogs, before);
    EXPECT_EQ(ed.FileName(), dir.filePath("moje logi.adi"));
}

TEST(FileNameEdit, AfterDialogHookCanCancel)
{
    ScriptedFileEdit ed;
    ed.answer = "/tmp/x.adi";
    QObject::connect(&ed, &TPathEdit::OnAfterDialog, [](QString &name, bool &action) {
        EXPECT_EQ(name, "/tmp/x.adi");
        action = false;
    });
    ed.EditButtonClick();
    EXPECT_EQ(ed.text(), "");
}

TEST(FileNameEdit, RealDialogAcceptsAChosenFile)
{
    QTemporaryDir dir;
    TFileNameEdit ed;
    ed.SetDialogKind(dkSave);
    ed.SetFilter("Pliki ADIF (*.adi)|*.adi|Wszystkie pliki (*.*)|*.*");
    ed.SetDialogTitle("Zapisz");
    ed.SetDefaultExt("adi");
    ed.SetInitialDir(dir.path());
    ed.show();
    QString title;
    QStringList filters;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = QApplication::activeModalWidget()
                           ? qobject_cast<QFileDialog *>(QApplication::activeModalWidget())
                           : ed.findChild<QFileDialog *>();
        if (!dialog || !dialog->isVisible())
            return;
        // The dialog takes the name from its own name field.
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        if (auto *name = dialog->findChild<QLineEdit *>("fileNameEdit"))
            name->setText("eksport");
        poll.stop();
        QMetaObject::invokeMethod(dialog, "accept");
    });
    poll.start(20);
    // Should the dialog never be seen, close whatever is modal: a failure, never a hang.
    QTimer::singleShot(10000, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    ed.EditButtonClick();
    EXPECT_EQ(title, "Zapisz");
    EXPECT_EQ(filters, QStringList({"Pliki ADIF (*.adi)", "Wszystkie pliki (*)"}));
    EXPECT_EQ(ed.FileName(), dir.filePath("eksport.adi"));
}

TEST(FileNameEdit, DroppedFiles)
{
    TFileNameEdit ed;
    ed.SetAcceptFiles(true);
    QSignalSpy drops(&ed, &TPathEdit::OnDropFiles);
    Drop(&ed, {"/tmp/a.adi", "/tmp/b.adi", "/tmp/c.adi"});
    EXPECT_EQ(ed.FileName(), "/tmp/a.adi");
    EXPECT_EQ(drops.count(), 1);
    EXPECT_TRUE(ed.Files().isEmpty());

    ed.SetDialogOptions(ofHideReadOnly | ofAllowMultiSelect);
    Drop(&ed, {"/tmp/d.adi", "/tmp/e.adi"});
    EXPECT_EQ(ed.FileName(), "/tmp/d.adi");
    EXPECT_EQ(ed.Files(), QStringList({"/tmp/d.adi", "/tmp/e.adi"}));
}

TEST(FileNameEdit, DropOfAnUnusableNameBeeps)
{
    int beeps = 0;
    auto old = SetBeepHandler([&] { ++beeps; });
    TFileNameEdit ed;
    ed.SetAcceptFiles(true);
    ed.SetFileName("/tmp/a.adi");
    Drop(&ed, {"/tmp/log[1].adi"});
    SetBeepHandler(old);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(ed.FileName(), "/tmp/a.adi");
}

// With no folder of its own, the real dialog opens in the home folder at
// first, and afterwards in the folder last chosen, also from another edit.
TEST(FileNameEdit, DialogsOpenInTheFolderLastUsedOrAtHome)
{
    QTemporaryDir settings, chosen;
    qputenv("QUARN_SETTINGS", settings.filePath("Quarn.ini").toUtf8());
    auto openedIn = [](TFileNameEdit &ed) {
        QString folder;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            folder = dialog->directory().absolutePath();
            poll.stop();
            dialog->reject();
        });
        poll.start(20);
        ed.show();
        ed.EditButtonClick();
        return folder;
    };
    TFileNameEdit first;
    first.SetFileName("Gminy.txt");
    EXPECT_EQ(openedIn(first), QDir::homePath());

    ScriptedFileEdit picker;
    picker.answer = chosen.filePath("log.adi");
    picker.EditButtonClick();
    TFileNameEdit second;
    EXPECT_EQ(openedIn(second), QDir(chosen.path()).absolutePath());
    qunsetenv("QUARN_SETTINGS");
}
