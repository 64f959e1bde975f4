#include "platform/gui/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace Messages {
namespace {

bool showReal(Kind kind, const QString &caption, const QString &text)
{
    QWidget *parent = QApplication::activeWindow();
    if (kind == Kind::Warning) {
        QMessageBox::warning(parent, caption, text, QMessageBox::Ok);
        return true;
    }
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

Handler &current()
{
    static Handler handler;
    return handler;
}

bool dispatch(Kind kind, const QString &caption, const QString &text)
{
    const Handler &h = current();
    return h ? h(kind, caption, text) : showReal(kind, caption, text);
}

}

Handler setHandler(Handler handler)
{
    Handler old = std::move(current());
    current() = std::move(handler);
    return old;
}

void ShowWarning(const QString &text)
{
    dispatch(Kind::Warning, QStringLiteral("Uwaga"), text);
}

bool AskConfirm(const QString &text)
{
    return dispatch(Kind::Confirm, QStringLiteral("Potwierdzenie"), text);
}

}
