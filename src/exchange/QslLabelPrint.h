#pragma once

#include "exchange/QslLabelGroups.h"

#include <QSize>
#include <QString>
#include <optional>
#include <vector>

class PrintDevice;
struct TLabelTemplate;

// The texts every label of a run carries besides its QSOs.
struct TLabelTexts {
    QString OwnCall;
    QString Linia1; // extra lines under the QSOs, as typed; blank ones are left out
    QString Linia2;
    int DateQslFrm = 0; // date-format index of the label dates
};

// What a finished run printed.
struct TLabelRun {
    int Labels = 0;
    int Pages = 0;
    std::vector<int> PrintedLogIds; // the QSOs drawn on a label, in print order
};

// Where labels stand on a page, in device pixels from the top-left corner of
// the printable area. Labels are numbered from 1 on each page and fill a row
// left to right, then the next row.
struct TLabelGrid {
    int MargL = 0, MargG = 0;          // side and top margin
    int OdstepPoz = 0, OdstepPion = 0; // horizontal and vertical pitch
    int Wysokosc = 0;                  // label height
    int Columns = 1, Rows = 1;
    int TextWidth = 0;                 // from a label's left edge to the end of its text
    int TextHeight = 0;                // from a label's top to the foot of its note

    int LabelColumnX(int n) const { return (n - 1) % Columns * OdstepPoz + MargL; }
    int LabelRowY(int n) const { return (n - 1) / Columns * OdstepPion + MargG; }
    // The numbers of the labels, in order, whose print lies whole on a
    // printable area of that size: their text, across and down.
    std::vector<int> PositionsOn(QSize printable) const;
};

// The label date: "dd-Mon-yyyy" for format 4, otherwise that date format.
QString FormatLabelDate(const DateTime &date, int dateQslFrm);

// Prints one label per station and kind (PSE before TNX), in the order of the
// list, onto the printer in portrait. A station with more QSOs than fit above
// a label's bottom lines goes on over further labels of the same kind. Any
// failure (a PDF that could not be written whole too, which the device then
// leaves nowhere) aborts the job and is thrown on: then nothing counts as
// printed. A template LabelPageRefusal refuses is thrown out before the job
// starts. Only the positions whose label lies whole on the printable area are
// used; the labels after them go to the next sheet, so every QSO counted as
// printed is on paper.
TLabelRun PrintQslLabels(PrintDevice &printer, const TLabelTemplate &tpl, const TWykaz &wykaz,
                         const TLabelTexts &texts);

// The message that refuses the template on the printer's page in portrait,
// nothing when its labels fit: the sheet it describes (margin, the pitches
// and the last label's own size, across and down) lies within the page, no
// margin is negative, and at least one label lies whole on the printable area.
std::optional<QString> LabelPageRefusal(PrintDevice &printer, const TLabelTemplate &tpl);
