#include "platform/gui/GuardedApplication.h"

#include "platform/gui/Guarded.h"

#include <QTimer>

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    const std::optional<QString> failure =
        FailureOf([&] { handled = QApplication::notify(receiver, event); });
    if (failure && !failure->isEmpty())
        Report(*failure);
    return handled;
}

void GuardedApplication::Report(const QString &text)
{
    if (pending_.contains(text))
        return;
    pending_.append(text);
    if (pending_.size() == 1)
        QTimer::singleShot(0, this, [this] { ShowPending(); });
}

void GuardedApplication::ShowPending()
{
    while (!pending_.isEmpty()) {
        ReportFailure(pending_.first());
        pending_.removeFirst();
    }
}
