#pragma once

class QWidget;
class TDM;
class TWindow;

// The log book of a date range: asks for the range, then shows the pages in
// the preview, from where they are printed. A report that cannot be made is
// told in a warning box.
void DrukujLog(TDM &dm, TWindow &placement, QWidget *parent);
