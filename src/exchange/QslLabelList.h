#pragma once

#include "platform/Progress.h"
#include "platform/db/ExMemDS.h"

#include <QString>
#include <vector>

class TDM;
struct TWykazRow;
using TWykaz = std::vector<TWykazRow>;

// The QSOs offered for QSL labels: every QSO whose card has not been sent,
// oldest first, each with a print mark the user sets.
class TQslLabelList {
public:
    TQslLabelList();

    // One row per QSO, in this field order.
    TExMemoryData DrukTbl;
    Field *DrukTblZazn, *DrukTblData, *DrukTblStacja, *DrukTblPasmo, *DrukTblEmisja, *DrukTblRaport,
        *DrukTblQslO, *DrukTblLogId, *DrukTblManager;

    // Reads the unsent QSOs through the data module's scratch query. Every
    // row comes in unmarked, so the marked count starts again at 0. Progress
    // gets the number of rows first, then the rows done so far.
    void LoadUnsentQsls(TDM &dm, const TProgress &progress = {});

    // Marks or unmarks the current row; nothing on an empty list.
    void ToggleMark();
    int MarkedCount() const { return marked_; }
    // " Zaznaczono <marked> z <rows>".
    QString MarkedCountText();

    // The marked QSOs grouped per station (call signs compared trimmed and
    // case-insensitively), stations in the order of their first marked QSO.
    TWykaz BuildWykaz();

    // Records the card of each QSO as sent, all in one transaction, and clears
    // the marked count; the list is not reloaded here.
    void MarkPrintedSent(TDM &dm, const std::vector<int> &logIds);
    // Whether any card has been recorded as sent through this list.
    bool MarkedSentAny() const { return markedSentAny_; }

private:
    int marked_ = 0;
    bool markedSentAny_ = false;
};
