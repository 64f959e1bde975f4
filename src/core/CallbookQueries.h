#pragma once

#include "core/CallbookSearch.h"
#include "platform/db/FbQuery.h"
#include "platform/db/FbTransaction.h"

class FbDatabase;
class TDM;

// Opens the data module's Callbook query on the search statement and counts
// its rows on the scratch query. On a database error the previous result is
// opened again (on its current station) and the error is passed on; the
// count returned is that of the new result.
int RunCallbookSearch(TDM &dm, const TCallbookSql &sql);

// The simple lookup of one call sign: a query of its own, in a transaction of
// its own, with the names of the voivodeship and the district calculated.
class TCallbookStationQuery {
public:
    explicit TCallbookStationQuery(FbDatabase &db);

    // Looks the box text up; an empty text (blanks only) does nothing and
    // answers false.
    bool Lookup(const QString &boxText);
    // The field's text of the entry looked up; empty when there is none.
    QString Text(const QString &field) const;

    FbTransaction trStacja;
    FbQuery Stacja;
};
