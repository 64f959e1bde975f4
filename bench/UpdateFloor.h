#pragma once

// The floor for jobs that rewrite QSOs: a bare prepared isc_dsql UPDATE of
// LOGI rows by LOGID in one transaction, committed. Header-only, so every
// benchmark that changes the log can time it in the same run.
#include "BareStatement.h"
#include "platform/db/FbDatabase.h"
#include "platform/db/FbError.h"
#include "platform/db/FbStatement.h"
#include "platform/db/FbTransaction.h"

#include <QElapsedTimer>
#include <functional>
#include <ibase.h>
#include <vector>

// Every LOGID of the log, in LOGID order.
inline std::vector<int> AllLogIds(FbDatabase &db)
{
    FbTransaction tr(&db);
    tr.StartTransaction();
    FbStatement s(&db, &tr);
    s.SetSQL(QStringLiteral("select LOGID from Logi order by LOGID"));
    s.ExecQuery();
    std::vector<int> ids;
    const ResultColumn *id = s.ColumnByName(QStringLiteral("LOGID"));
    for (; !s.Eof(); s.Next())
        ids.push_back(int(id->AsInteger()));
    s.Close();
    tr.Commit();
    return ids;
}

// Runs `sql`, an UPDATE whose parameters are all integers and whose last one is
// the LOGID ("update Logi set KrajId = ? where LogId = ?"), once per LogId.
// values(row, params) fills the parameters before the LOGID; the LOGID is set
// here. Returns the seconds from the start of the transaction to its commit.
inline double UpdateFloorSeconds(FbDatabase &db, const char *sql, const std::vector<int> &logIds,
                                 const std::function<void(size_t row, std::vector<ISC_LONG> &params)> &values)
{
    QElapsedTimer timer;
    timer.start();
    BareStatement update(db, sql, BareStatement::Write, 16);
    XSQLDA *in = update.In;
    const int n = in->sqld;
    std::vector<ISC_LONG> params(size_t(n), 0);
    std::vector<short> nulls(size_t(n), 0);
    for (int c = 0; c < n; ++c) {
        in->sqlvar[c].sqltype = SQL_LONG | 1;
        in->sqlvar[c].sqllen = sizeof(ISC_LONG);
        in->sqlvar[c].sqlscale = 0;
        in->sqlvar[c].sqldata = reinterpret_cast<char *>(&params[size_t(c)]);
        in->sqlvar[c].sqlind = &nulls[size_t(c)];
    }
    for (size_t row = 0; row < logIds.size(); ++row) {
        values(row, params);
        params[size_t(n - 1)] = logIds[row];
        update.Execute();
    }
    update.Commit();
    return double(timer.nsecsElapsed()) / 1e9;
}
