#pragma once

#include <vector>

class TCustomReport;
class TRpPrinter;

// Prints several reports into one printer document, one after the other,
// with the first report's paper, orientation and printer settings. Each report
// begins on a page of its own, numbers its pages from 1 and closes its last
// page with its own page footer.
class TRpCompositeReport {
public:
    std::vector<TCustomReport *> Reports;

    // Generates the pages of every report into the printer; nothing while one
    // of the reports is running. Cancelling any report abandons the document.
    void CreateReport(TRpPrinter &printer);
    // Prints on the printer of the first report's settings.
    void Print();
};
