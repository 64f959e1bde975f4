#pragma once

#include <QApplication>
#include <QStringList>

// The program's application object, with one last net under event delivery:
// an exception that a slot, timer or paint let through is told the way
// Guarded tells it (a lost connection once, then nothing) instead of ending
// the program. The box comes after the event's delivery, never inside a paint.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void Report(const QString &text);
    void ShowPending();

    // Told in turn; a text already waiting is not queued again (a paint
    // that fails fails on every repaint, the box's own included).
    QStringList pending_;
};
