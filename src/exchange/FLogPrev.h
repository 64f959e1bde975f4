#pragma once

#include "report/layout/RpLabel.h"
#include "report/layout/RpReport.h"
#include "report/layout/RpShape.h"

#include <QDate>

class TDM;

// The printed log book: an A4 landscape report over the data module's DrukLog
// query, one line per QSO, the own call sign at both top corners of each page.
class TLogPrev {
public:
    explicit TLogPrev(TDM &dm);

    // Opens the data module's DrukLog query on the QSOs of whole days first..last.
    static void OpenRange(TDM &dm, const QDate &first, const QDate &last);

    TReport Report;
    TRpBand *RpBand1, *ColumnHeaderBand1, *DetailBand1;
    TRpLabel *CallLbl1, *CallLbl2;
    TRpLabel *RpLabel1, *RpLabel2, *RpLabel3, *RpLabel4, *RpLabel5, *RpLabel6, *RpLabel7, *RpLabel8,
        *RpLabel9, *RpLabel10, *RpLabel11;
    TRpDBText *RpNazwa, *RpData, *RpOpis, *RpDBText1, *RpDBText2, *RpDBText3, *RpDBText4, *RpDBText5,
        *RpDBText6, *RpDBText7, *RpDBText8;
    TRpShape *RpShape1;

private:
    void ReportBeforePrint(TCustomReport &sender, bool &printReport);
};
