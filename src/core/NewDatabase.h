#pragma once

#include <QString>

// Creates a new Log.dat: the base schema and the seed data (countries and
// prefixes from Prefiksy.txt, IOTA islands from wyspy.tsv, the Polish
// districts). dataDir holds the two files. Refuses an existing file. Throws
// DbError (or FbError) with a message on failure and removes the partial file.
void CreateLogDatabase(const QString &path, const QString &dataDir);

// The folder of the seed files for an installed or a built program.
QString DefaultSeedDataDir();
