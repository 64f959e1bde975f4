#include "platform/Messages.h"
#include "platform/gui/MessageBoxes.h"
#include "platform/gui/TitleBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct ShownBox {
    QString title;
    int width = 0;
    int titleWidth = 0;
};

// Notes the next message box as it is shown and answers it with the button.
void AnswerBox(ShownBox &shown, QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, [&shown, button] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown = {box->windowTitle(), box->width(), TitleBarWidth(*box)};
        box->button(button)->click();
    });
}

} // namespace

// A short message still gets a box in which the window manager can show the
// whole title; the answers are the buttons'.
TEST(MessageBoxes, AShortMessageGetsABoxWideEnoughForItsTitle)
{
    InstallMessageBoxes();
    ShownBox warning, question;
    AnswerBox(warning, QMessageBox::Ok);
    Messages::ShowWarning(QStringLiteral("Błąd."));
    AnswerBox(question, QMessageBox::Yes);
    const bool yes = Messages::AskConfirm(QStringLiteral("Usunąć?"));
    Messages::setHandler({});

    EXPECT_EQ(warning.title, QStringLiteral("Uwaga"));
    EXPECT_GE(warning.width, warning.titleWidth);
    EXPECT_GT(warning.titleWidth, 160);
    EXPECT_EQ(question.title, QStringLiteral("Potwierdzenie"));
    EXPECT_GE(question.width, question.titleWidth);
    EXPECT_TRUE(yes);
}

// A box belongs to the modal window that is open, even when the window system
// reports another window as active; with neither, to the main window.
TEST(MessageBoxes, ABoxSitsOnTheOpenModalWindowElseTheActiveElseTheMainWindow)
{
    InstallMessageBoxes();
    QMainWindow main;
    main.show();
    QDialog editor(&main);
    QWidget *parentWithModal = nullptr, *parentAlone = nullptr;
    QTimer::singleShot(0, [&] {
        QApplication::setActiveWindow(&main); // what a window manager may report
        QTimer::singleShot(0, [&] {
            parentWithModal = QApplication::activeModalWidget()->parentWidget();
            static_cast<QMessageBox *>(QApplication::activeModalWidget())->button(QMessageBox::Ok)->click();
        });
        Messages::ShowWarning(QStringLiteral("Raport nadany jest pusty."));
        editor.reject();
    });
    editor.exec();

    QApplication::setActiveWindow(nullptr);
    QTimer::singleShot(0, [&] {
        parentAlone = QApplication::activeModalWidget()->parentWidget();
        static_cast<QMessageBox *>(QApplication::activeModalWidget())->button(QMessageBox::Ok)->click();
    });
    Messages::ShowWarning(QStringLiteral("Błąd."));
    Messages::setHandler({});

    EXPECT_EQ(parentWithModal, &editor);
    EXPECT_EQ(parentAlone, &main);
}
