#pragma once

#include <QElapsedTimer>
#include <QEventLoop>

// Shows a job's progress a few times a second, not at every step: a large
// job would spend more time drawing than working.
class ProgressPacer {
public:
    explicit ProgressPacer(QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents) : flags_(flags)
    {
        shown_.start();
    }

    // Calls show and lets the window repaint once 50 ms have passed since the last time.
    template <typename Show> void operator()(Show show)
    {
        if (shown_.elapsed() < IntervalMs)
            return;
        show();
        RepaintNow();
    }

    // Lets the window repaint at once (a new phase) and starts a new interval.
    void RepaintNow();

private:
    static constexpr qint64 IntervalMs = 50;
    QEventLoop::ProcessEventsFlags flags_;
    QElapsedTimer shown_;
};
