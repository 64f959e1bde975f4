#pragma once

#include "report/printer/RpWindowHooks.h"

class Printer;
class QWidget;

// The printer dialog of the report's printer set-up, on the platform's print
// dialog: it works on the report printer's own device and hands back the
// page range, the copies and the device's job settings.
class TRpPrintDialog : public TRpPrintDialogData {
public:
    explicit TRpPrintDialog(Printer &printer) : printer_(printer) {}

    // True when the user confirms; a cancelled dialog changes nothing.
    bool Execute(QWidget *owner = nullptr);

private:
    Printer &printer_;
};
