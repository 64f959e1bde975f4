#pragma once

#include "platform/Progress.h"

#include <QByteArray>
#include <QStringList>

class TDM;

struct AdifImportCounts {
    qsizetype processed = 0;  // records read
    qsizetype added = 0;      // QSOs added to the log (while running, some not yet committed)
    qsizetype duplicates = 0; // already in the log (or earlier in the file)
    qsizetype rejected = 0;   // empty or without a valid date
    qsizetype shortened = 0;  // added with a value cut to fit its column
    qsizetype untimed = 0;    // added at 00:00 for want of a readable TIME_ON
};

// Adds the QSOs of an ADIF file to LOGI. Records go in one transaction per
// batch; a QSO is a duplicate when the log, including what this run added,
// holds the same date-time to the second and the same call sign in any letter
// case. Whatever stops the run, the QSOs added so far are committed (on a lost
// connection only the batches committed before stay, and the count says so)
// and the warnings say how far the import got. No dialogs: the window shows them.
class AdifImport {
public:
    static constexpr int BatchSize = 10000;

    explicit AdifImport(TDM &dm, int batchSize = BatchSize) : dm_(dm), batchSize_(batchSize) {}

    // True when the whole file was read and stored; false also for a file in
    // which no ADIF record was found (a warning says so). Progress gets the number
    // of records read after each; Counts() then holds the counts so far.
    bool Run(const QByteArray &bytes, const TProgress &progress = {});

    const AdifImportCounts &Counts() const { return counts_; }
    // Messages for the user in the order they arose.
    const QStringList &Warnings() const { return warnings_; }

private:
    TDM &dm_;
    int batchSize_; // QSOs committed together
    AdifImportCounts counts_;
    QStringList warnings_;
};
