#pragma once

#include "platform/db/Field.h"

#include <cstdint>

// A failure reported by the Firebird engine: the first status code (the gds
// code, e.g. 335544349 for a duplicate in a unique index), the SQL code and the
// engine's interpreted message.
class FbError : public DbError {
public:
    FbError(const QString &message, long gdsCode, int sqlCode)
        : DbError(message), gdsCode_(gdsCode), sqlCode_(sqlCode)
    {
    }
    long GdsCode() const { return gdsCode_; }
    int SqlCode() const { return sqlCode_; }
    // A row another transaction changed and has not committed yet (a lock or
    // update conflict, reported as a deadlock): trying again later may succeed.
    bool RowInUse() const;

    // Throws when the status vector of an isc_ call holds an error.
    static void Check(const intptr_t *status);
    static FbError FromStatus(const intptr_t *status);

private:
    long gdsCode_;
    int sqlCode_;
};

// Handle values of the client library (FB_API_HANDLE on 64-bit systems).
using FbHandle = unsigned int;
