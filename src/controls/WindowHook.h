#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

class QEvent;
class TExWindowHook;

// Sender, the event, and a flag a handler sets to stop the others.
using THookMessageEvent = std::function<void(TExWindowHook *sender, QEvent *event, bool &handled)>;

// Watches the events of one widget: BeforeMessage runs before the widget's own
// handling (and may take the event), AfterMessage after it. Several hooks on
// one widget chain, the last attached running first.
class TExWindowHook : public QObject {
    Q_OBJECT
public:
    explicit TExWindowHook(QObject *owner = nullptr);
    ~TExWindowHook() override;

    bool Active() const { return active_; }
    void SetActive(bool active);
    QWidget *WinControl() const { return control_; }
    void SetWinControl(QWidget *control);

    THookMessageEvent BeforeMessage;
    THookMessageEvent AfterMessage;

private:
    void Attach();
    void Detach();

    QPointer<QWidget> control_;
    bool active_ = true;
    bool attached_ = false;
};

// The one event filter on a hooked widget, holding the hooks attached to it.
class TControlHook : public QObject {
    Q_OBJECT
public:
    explicit TControlHook(QWidget *control);
    QWidget *Control() const { return control_; }
    void AddHook(TExWindowHook *hook);
    void RemoveHook(TExWindowHook *hook);
    bool IsEmpty() const { return hooks_.isEmpty(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> control_;
    QList<QPointer<TExWindowHook>> hooks_;
};

// The process-wide list of hooked widgets.
namespace THookList {
TControlHook *Find(const QWidget *control);
TControlHook *FindOrCreate(QWidget *control);
}
