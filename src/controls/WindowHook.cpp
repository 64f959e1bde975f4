#include "controls/WindowHook.h"

#include <QEvent>
#include <QHash>

namespace {
QHash<const QWidget *, TControlHook *> &Hooks()
{
    static QHash<const QWidget *, TControlHook *> hooks;
    return hooks;
}
} // namespace

TControlHook *THookList::Find(const QWidget *control)
{
    return Hooks().value(control);
}

TControlHook *THookList::FindOrCreate(QWidget *control)
{
    TControlHook *hook = Find(control);
    if (!hook) {
        hook = new TControlHook(control);
        Hooks().insert(control, hook);
        QObject::connect(control, &QObject::destroyed, hook, [control, hook] {
            Hooks().remove(control);
            delete hook;
        });
    }
    return hook;
}

// ---------------------------------------------------------------- control hook

TControlHook::TControlHook(QWidget *control) : control_(control)
{
    control->installEventFilter(this);
}

void TControlHook::AddHook(TExWindowHook *hook)
{
    if (!hooks_.contains(hook))
        hooks_.append(hook);
}

void TControlHook::RemoveHook(TExWindowHook *hook)
{
    hooks_.removeAll(hook);
    if (hooks_.isEmpty()) {
        // Freed outside the event being handled, which may be running this hook.
        Hooks().remove(control_);
        if (control_)
            control_->removeEventFilter(this);
        deleteLater();
    }
}

bool TControlHook::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != control_ || event->type() == QEvent::Quit || event->type() == QEvent::DeferredDelete)
        return false;
    const QList<QPointer<TExWindowHook>> hooks = hooks_;
    bool handled = false;
    bool anyAfter = false;
    for (qsizetype i = hooks.size() - 1; i >= 0; --i) {
        TExWindowHook *hook = hooks[i];
        if (!hook)
            continue;
        anyAfter = anyAfter || bool(hook->AfterMessage);
        if (!handled && hook->BeforeMessage)
            hook->BeforeMessage(hook, event, handled);
    }
    if (handled)
        return true;
    if (!anyAfter)
        return false;
    // The widget's own handling runs here so that the after handlers see its result.
    watched->event(event);
    for (qsizetype i = hooks.size() - 1; i >= 0 && !handled; --i)
        if (TExWindowHook *hook = hooks[i]; hook && hook->AfterMessage)
            hook->AfterMessage(hook, event, handled);
    return true;
}

// ---------------------------------------------------------------- hook component

TExWindowHook::TExWindowHook(QObject *owner) : QObject(owner) {}

TExWindowHook::~TExWindowHook()
{
    Detach();
}

void TExWindowHook::SetActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (active)
        Attach();
    else
        Detach();
}

void TExWindowHook::SetWinControl(QWidget *control)
{
    if (control == control_)
        return;
    Detach();
    control_ = control;
    if (active_)
        Attach();
}

void TExWindowHook::Attach()
{
    if (attached_ || !control_)
        return;
    THookList::FindOrCreate(control_)->AddHook(this);
    attached_ = true;
}

void TExWindowHook::Detach()
{
    if (!attached_)
        return;
    attached_ = false;
    if (control_)
        if (TControlHook *hook = THookList::Find(control_))
            hook->RemoveHook(this);
}
