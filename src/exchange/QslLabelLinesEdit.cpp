#include "exchange/QslLabelLinesEdit.h"

const TQslLabelLines &TQslLabelLinesEdit::Read(TDM &dm)
{
    stored_ = ReadQslLabelLines(dm);
    return stored_;
}

void TQslLabelLinesEdit::SaveIfChanged(TDM &dm, const TQslLabelLines &typed)
{
    if (typed.Linia1 == stored_.Linia1 && typed.Linia2 == stored_.Linia2)
        return;
    WriteQslLabelLines(dm, typed);
    stored_ = typed;
}
