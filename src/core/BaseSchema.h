#pragma once

#include <QString>
#include <QStringList>

class FbDatabase;

// The base schema of a new Log.dat: what the program expects to find in every
// database file it opens. The later columns and tables come from the upgrade
// the program runs on start.
namespace BaseSchema {

// DDL statements in the order they must run; each is one statement (procedure
// bodies contain semicolons, so nothing here is split on them).
const QStringList &Statements();

// Runs Statements() on an attached, empty database and adds the one STALE row.
void Create(FbDatabase &db);

}
