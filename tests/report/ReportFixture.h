#pragma once

#include "report/RpLabel.h"
#include "report/RpReport.h"
#include "support/PageLayout.h"

#include <vector>

// A report like the log book (A4 landscape, margins 5/10/8/8 mm) whose detail
// band prints "Row n" for n rows served through OnNeedData.
struct RowsReport {
    explicit RowsReport(int rows);

    TReport report;
    TRpBand *pageHeader, *columnHeader, *detail;
    TRpLabel *head, *cols, *row;
    int rows;
    int served = 0;

    // Runs the report into a printer of its own and reads back every page.
    std::vector<PageLayout> Run();
};

TRpBand *AddTestBand(TCustomReport &report, TRpBandType type, double heightMm);
TRpLabel *AddTestLabel(TRpCustomBand *band, const QString &caption, double leftMm, double topMm,
                       double widthMm, double heightMm);
