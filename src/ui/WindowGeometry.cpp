#include "ui/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
constexpr int MinWidth = 100;
constexpr int MinHeight = 50;
// A strip of the top edge this large must lie on one screen.
constexpr int GrabWidth = 40;
constexpr int GrabHeight = 20;
}

bool IsUsableGeometry(const QRect &stored)
{
    if (stored.width() < MinWidth || stored.height() < MinHeight)
        return false;
    const QRect top(stored.left(), stored.top(), stored.width(), GrabHeight);
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect common = top.intersected(screen->geometry());
        if (common.width() >= GrabWidth && common.height() >= GrabHeight)
            return true;
    }
    return false;
}

bool ApplyStoredGeometry(QWidget *window, const QRect &stored)
{
    if (!IsUsableGeometry(stored))
        return false;
    window->setGeometry(stored);
    return true;
}
