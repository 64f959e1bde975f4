#pragma once

#include "core/FDM.h"
#include "core/NewDatabase.h"
#include "core/Settings.h"
#include "support/QsoRows.h"

#include <QString>

// A new log "log<qsos>.dat" in the folder, filled with the sample QSOs and
// opened by the data module, which becomes the program's DM. False when the
// database does not open.
inline bool OpenSampleLog(TDM &dm, const QString &dir, int qsos)
{
    const QString path = dir + QStringLiteral("/log%1.dat").arg(qsos);
    CreateLogDatabase(path, DefaultSeedDataDir());
    qputenv("QUARN_DATABASE", path.toLocal8Bit());
    DM = &dm;
    if (!dm.OpenDatabase())
        return false;
    InsertQsos(dm.Baza, SampleQsos(qsos));
    return true;
}
