#pragma once

#include <QString>
#include <functional>

// How a long job (an import, an export, a statistic, a list load) tells its
// window how far it got. Phase starts a new part of the job under that caption
// at position 0 (an empty caption: between parts); Maximum is the number of
// steps once it is known; Position is called after steps and is where the
// window lets the application process its messages (it may throttle
// repaints). A member left empty is skipped.
struct TProgress {
    std::function<void(const QString &caption)> Phase = {};
    std::function<void(qsizetype maximum)> Maximum = {};
    std::function<void(qsizetype position)> Position = {};

    void ShowPhase(const QString &caption) const
    {
        if (Phase)
            Phase(caption);
    }
    void SetMaximum(qsizetype maximum) const
    {
        if (Maximum)
            Maximum(maximum);
    }
    void SetPosition(qsizetype position) const
    {
        if (Position)
            Position(position);
    }
};
