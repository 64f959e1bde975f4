#pragma once

#include <QString>
#include <functional>

// How a statistic run reports its progress to the window. Phase shows the
// progress group with that caption at position 0; Maximum is the number of
// steps of the phase; Position is called after each step and is where the
// window lets the application process its messages (it may throttle repaints).
// A member left empty is skipped.
struct TStatProgress {
    std::function<void(const QString &caption)> Phase;
    std::function<void(int maximum)> Maximum;
    std::function<void(int position)> Position;

    void ShowPhase(const QString &caption) const
    {
        if (Phase)
            Phase(caption);
    }
    void SetMaximum(int maximum) const
    {
        if (Maximum)
            Maximum(maximum);
    }
    void SetPosition(int position) const
    {
        if (Position)
            Position(position);
    }
};
