#pragma once

#include "EvalSupport.h"
#include "report/layout/RpExpr.h"
#include "report/layout/RpLabel.h"
#include "report/layout/RpReport.h"
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

// An expression printable 40 mm wide on one line of the band.
TRpExpr *AddTestExpr(TRpCustomBand *band, const QString &expression, double leftMm = 1);

// Rows kept in memory, every field a string: the field names, then one list of
// values per row.
class MemRows : public MemoryRows {
public:
    MemRows(const QStringList &fields, const std::vector<QStringList> &rows);
};

// Every text of the pages, top to bottom and page after page.
QStringList AllTexts(const std::vector<PageLayout> &pages);
