#pragma once

#include "core/OwnStation.h"

class TDM;

// The two extra label lines as the label window edits them: read when the
// window opens, written back when it closes only if the user changed them.
class TQslLabelLinesEdit {
public:
    const TQslLabelLines &Read(TDM &dm);
    void SaveIfChanged(TDM &dm, const TQslLabelLines &typed);

private:
    TQslLabelLines stored_; // as last read from or written to STALE
};
