#pragma once

#include "platform/db/Field.h"

#include <cstdint>
#include <memory>
#include <vector>

// Whether a lost connection has been told to the user. One per attachment:
// every failure the loss causes carries it, and the first one reported takes it.
struct FbLossNotice {
    bool told = false;
};

// A failure reported by the Firebird engine: the first status code (the gds
// code, e.g. 335544349 for a duplicate in a unique index), the SQL code and the
// engine's interpreted message.
class FbError : public DbError {
public:
    FbError(const QString &message, long gdsCode, int sqlCode, std::vector<long> codes = {})
        : DbError(message), gdsCode_(gdsCode), sqlCode_(sqlCode), codes_(std::move(codes))
    {
    }
    long GdsCode() const { return gdsCode_; }
    int SqlCode() const { return sqlCode_; }
    // Whether any gds code of the status vector is this one.
    bool Has(long gdsCode) const;
    // A row another transaction changed and has not committed yet (a lock or
    // update conflict, reported as a deadlock): trying again later may succeed.
    bool RowInUse() const;
    // The attachment is gone: the server ended it or shut down, or the network
    // failed. Nothing more can be done on it; a new attachment is needed.
    bool ConnectionLost() const { return lost_ || LostCodes(); }
    // The database file is held by another process (the embedded engine of
    // another copy of the program).
    bool FileInUse() const;

    // What the user is told of a lost connection, in Polish, with the engine's
    // message last. Empty when the loss of this attachment was told already:
    // the first caller gets the text, later ones nothing.
    QString TakeLossNotice() const;
    static QString ConnectionLostText(const QString &engineMessage);

    // Marks the failure as one on a lost attachment (FbDatabase does, for every
    // failure on it once the loss is known).
    void SetLost(std::shared_ptr<FbLossNotice> notice);

    // Throws when the status vector of an isc_ call holds an error.
    static void Check(const intptr_t *status);
    static FbError FromStatus(const intptr_t *status);

private:
    bool LostCodes() const;

    long gdsCode_;
    int sqlCode_;
    std::vector<long> codes_;
    bool lost_ = false;
    std::shared_ptr<FbLossNotice> notice_;
};

// Whether the failure is the loss of the connection to the log.
bool IsConnectionLost(const std::exception &e);

// The text a failure is told with: its message, or for a lost connection the
// notice in Polish the first time and nothing after (told already).
QString FailureMessage(const std::exception &e);

// A job's report of the failure that stopped it: `prefix` and the failure's
// message (for a lost connection its notice instead), then `progress`, how far
// the job got. Once the loss was told, a job that had not progressed reports
// nothing (an empty text) and one that had reports only its progress.
QString JobFailureText(const std::exception &e, const QString &prefix, const QString &progress,
                       bool progressed = true);

// Handle values of the client library (FB_API_HANDLE on 64-bit systems).
using FbHandle = unsigned int;
