#include "platform/Messages.h"

#include <QtDebug>

namespace Messages {
namespace {

// Without a window to ask in, a warning is logged and a question gets the
// cautious answer.
bool answerUnattended(Kind kind, const QString &caption, const QString &text)
{
    qWarning().noquote() << caption << ':' << text;
    return kind == Kind::Warning;
}

Handler &current()
{
    static Handler handler;
    return handler;
}

bool dispatch(Kind kind, const QString &caption, const QString &text)
{
    const Handler &h = current();
    return h ? h(kind, caption, text) : answerUnattended(kind, caption, text);
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
    if (text.isEmpty())
        return;
    dispatch(Kind::Warning, QStringLiteral("Uwaga"), text);
}

bool AskConfirm(const QString &text)
{
    return dispatch(Kind::Confirm, QStringLiteral("Potwierdzenie"), text);
}

}
