#pragma once

#include "platform/Messages.h"
#include "platform/db/DataSet.h"
#include "platform/db/FbError.h"
#include "platform/db/FbTransaction.h"

#include <QString>
#include <exception>
#include <optional>
#include <utility>

// Runs what a user's action started and catches its failure: none when it went
// through, else the message for the user (empty after an aborted post, which
// has shown its message already, and after a lost connection told before).
template <typename F> std::optional<QString> FailureOf(F &&f)
{
    try {
        std::forward<F>(f)();
    } catch (const DataSetAbort &) {
        return QString();
    } catch (const std::exception &e) {
        // A lost connection is told once; what fails after it ends quietly.
        return FailureMessage(e);
    }
    return std::nullopt;
}

// Shows the message of a caught failure, if there is one to show. True when
// there was no failure.
inline bool ReportFailure(const std::optional<QString> &failure)
{
    if (failure)
        Messages::ShowWarning(*failure);
    return !failure;
}

// Runs what a user's action started. A failure ends there as a warning box and
// the window stays as it was. True when the action went through.
template <typename F> bool Guarded(F &&f)
{
    return ReportFailure(FailureOf(std::forward<F>(f)));
}

// Ends the transaction a window reads through when the window goes. Nothing
// may leave a destructor: a commit that fails (the connection is gone, and
// the transaction with it) is let go; the window never wrote.
inline void CommitQuietly(FbTransaction &tr) noexcept
{
    try {
        if (tr.Active())
            tr.Commit();
    } catch (const std::exception &) {
    }
}
