#pragma once

#include "platform/Progress.h"

#include <QString>

class TDM;

struct ZoneFillCounts {
    qsizetype ProcessedCount = 0; // QSO rows read
    qsizetype UpdatedCount = 0;   // QSO rows given a value they lacked
};

// Fills in the continent, ITU zone and CQ zone of every QSO that lacks any of
// them, from the country of its call sign. A value is written only where the
// row still lacks it when the update runs, and a row another copy of the
// program is changing at that moment is passed over, so values typed there
// meanwhile stay. A QSO for which the rules find nothing it lacks (a call
// sign of no country, zones the rules leave to the operator) is neither
// written nor counted, so a second run over an unchanged log counts nothing.
// Pending log changes are committed first; the updates are committed in
// batches and at the end. On a database error what was updated is committed
// (on a lost connection only the batches committed before stay, and counts
// only them) and Error() says how far the run got; Run never throws.
class ZoneFill {
public:
    static constexpr int BatchSize = 5000;
    explicit ZoneFill(TDM &dm, int batchSize = BatchSize) : dm_(dm), batchSize_(batchSize) {}

    // True when every QSO was read and the updates committed. Progress gets
    // the number of rows read, at the start and after every row; Counts()
    // then holds the counts so far.
    bool Run(const TProgress &progress = {});

    const ZoneFillCounts &Counts() const { return counts_; }
    // The message for the user after a failed run, empty otherwise.
    const QString &Error() const { return error_; }

private:
    TDM &dm_;
    int batchSize_; // updates committed together
    ZoneFillCounts counts_;
    QString error_;
};
