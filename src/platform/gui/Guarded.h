#pragma once

#include "platform/Messages.h"
#include "platform/db/DataSet.h"

#include <exception>

// Runs what a user's action started. A failure ends there as a warning box and
// the window stays as it was; an aborted post has shown its message already.
template <typename F> void Guarded(F &&f)
{
    try {
        f();
    } catch (const DataSetAbort &) {
    } catch (const DbError &e) {
        Messages::ShowWarning(e.Message());
    } catch (const std::exception &e) {
        Messages::ShowWarning(QString::fromUtf8(e.what()));
    }
}
