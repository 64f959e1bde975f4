#pragma once

// One transaction and one prepared statement straight on the client library:
// the floor the data layer and the jobs that write the log are measured
// against. Every call checks its status and throws FbError.
#include "platform/db/FbDatabase.h"
#include "platform/db/FbError.h"

#include <ibase.h>
#include <vector>

class BareStatement {
public:
    enum Access { Read, Write };

    // Starts the transaction and prepares sql; the input parameters are
    // described into In, the output columns (when asked for) into Out.
    BareStatement(FbDatabase &db, const char *sql, Access access, int maxColumns, bool withOutput = false)
        : inMem_(XSQLDA_LENGTH(maxColumns)), outMem_(withOutput ? XSQLDA_LENGTH(maxColumns) : 0)
    {
        const char write[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version,
                              isc_tpb_nowait};
        const char read[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed, isc_tpb_rec_version,
                             isc_tpb_nowait};
        const char *tpb = access == Write ? write : read;
        isc_start_transaction(st_, &tr_, 1, db.HandlePtr(), short(sizeof write), tpb);
        FbError::Check(st_);
        isc_dsql_allocate_statement(st_, db.HandlePtr(), &stmt_);
        FbError::Check(st_);
        In = Sqlda(inMem_, maxColumns);
        Out = withOutput ? Sqlda(outMem_, maxColumns) : nullptr;
        isc_dsql_prepare(st_, &tr_, &stmt_, 0, sql, 3, Out);
        FbError::Check(st_);
        isc_dsql_describe_bind(st_, &stmt_, 3, In);
        FbError::Check(st_);
    }

    void Execute()
    {
        isc_dsql_execute(st_, &tr_, &stmt_, 3, In->sqld ? In : nullptr);
        FbError::Check(st_);
    }

    // False at the end of the rows.
    bool Fetch() { return isc_dsql_fetch(st_, &stmt_, 3, Out) == 0; }

    void Commit()
    {
        isc_dsql_free_statement(st_, &stmt_, DSQL_drop);
        isc_commit_transaction(st_, &tr_);
        FbError::Check(st_);
    }

    XSQLDA *In = nullptr;
    XSQLDA *Out = nullptr;

private:
    static XSQLDA *Sqlda(std::vector<char> &mem, int columns)
    {
        auto *da = reinterpret_cast<XSQLDA *>(mem.data());
        da->version = SQLDA_VERSION1;
        da->sqln = short(columns);
        return da;
    }

    ISC_STATUS_ARRAY st_{};
    isc_tr_handle tr_ = 0;
    isc_stmt_handle stmt_ = 0;
    std::vector<char> inMem_, outMem_;
};
