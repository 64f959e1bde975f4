#include "controls/WindowGeometry.h"

#include "core/FWindow.h"
#include "platform/Registry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

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

bool ApplyStoredBounds(QWidget *window, const StoredBounds &stored)
{
    QRect r = window->geometry();
    if (stored.Left)
        r.moveLeft(*stored.Left);
    if (stored.Top)
        r.moveTop(*stored.Top);
    if (stored.Width)
        r.setWidth(*stored.Width);
    if (stored.Height)
        r.setHeight(*stored.Height);
    return ApplyStoredGeometry(window, r);
}

void RestoreWindowPlacement(QWidget *window, TWindow &store)
{
    store.SetWindowSection(window->objectName());
    try {
        if (store.LoadWindowPlacement())
            ApplyStoredGeometry(window, QRect(store.Left, store.Top, store.Width, store.Height));
    } catch (const RegistryError &) {
    }
}

void KeepWindowPlacement(QWidget *window, TWindow &store)
{
    store.SetWindowSection(window->objectName());
    const QRect r = window->geometry();
    store.SetWindowLeft(r.left());
    store.SetWindowTop(r.top());
    store.SetWindowWidth(r.width());
    store.SetWindowHeight(r.height());
    store.SaveWindowPlacement();
}

void WidenForView(QWidget *window, const QWidget &view, int viewWidth)
{
    const int needed = window->width() - view.width() + viewWidth;
    if (window->width() < needed)
        window->resize(std::min(needed, window->screen()->availableGeometry().width()), window->height());
}
