#include "platform/gui/BusyGuard.h"

#include <QApplication>

BusyGuard::BusyGuard(std::initializer_list<QWidget *> disable)
{
    for (QWidget *w : disable)
        if (w && w->isEnabled()) {
            w->setEnabled(false);
            disabled_.append(w);
        }
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyGuard::~BusyGuard()
{
    QApplication::restoreOverrideCursor();
    for (const QPointer<QWidget> &w : disabled_)
        if (w)
            w->setEnabled(true);
}
