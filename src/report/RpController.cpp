#include "report/RpController.h"

#include "platform/db/DataSet.h"
#include "report/RpReport.h"

#include <QCoreApplication>
#include <algorithm>

void TRpCustomController::Notify()
{
    for (const auto &client : NotifyList)
        client();
}

void TRpCustomController::Execute()
{
    if (PrintIfEmpty)
        PrintEmptyController();
}

void TRpCustomController::PrintEmptyController()
{
    ParentReport->PrintBand(Header);
    // The column header belongs to an empty log too: it says what is missing.
    if (TRpCustomBand *columns = ParentReport->FindBand(TRpBandType::rbColumnHeader);
        columns && columns->Enabled)
        ParentReport->PrintBand(columns);
    ParentReport->PrintBand(Detail);
    ParentReport->PrintBand(Footer);
}

void TRpController::Execute()
{
    TCustomReport *report = ParentReport;
    const bool dataSetOK = DataSet && DataSet->Active();
    if (!report || (!dataSetOK && !OnNeedData)) {
        if (report && PrintIfEmpty)
            PrintEmptyController();
        return;
    }
    bool moreData = true;
    // Counting fetches every row: it waits until the first page is out, so
    // that page shows at once; until then progress stays at 0.
    int recordCount = -1;
    if (dataSetOK) {
        DataSet->First();
        moreData = !DataSet->Eof();
        if (!moreData && PrintIfEmpty)
            PrintEmptyController();
    } else {
        OnNeedData(*report, moreData);
    }
    RecordNumber = 0;
    if (Detail)
        Detail->Controller = this;
    if (!moreData)
        return;
    QCoreApplication::processEvents();
    if (report->IsCancelled())
        return;
    PrintHeaders();
    while (moreData) {
        QCoreApplication::processEvents();
        if (report->IsCancelled())
            return;
        ++RecordNumber;
        report->PrintBand(Detail);
        if (dataSetOK) {
            DataSet->Next();
            moreData = !DataSet->Eof();
        } else {
            moreData = false;
            OnNeedData(*report, moreData);
        }
        if (dataSetOK && recordCount < 0 && (report->PageNumber > 1 || !moreData))
            recordCount = DataSet->RecordCount();
        if (dataSetOK && recordCount > 0)
            report->SetProgress(std::clamp(int(qint64(RecordNumber) * 100 / recordCount), 0, 100));
    }
    if (Footer) {
        if (report->PageNumber == 0)
            report->NewPage();
        if (Nearest(Footer->Size.Native(TRpBandSize::HeightIdx)) > report->AvailableSpace())
            report->NewColumn();
        report->PrintBand(Footer);
    }
}

void TRpController::PrintHeaders()
{
    TCustomReport *report = ParentReport;
    if (Header) {
        report->PrintBand(Header);
        report->HeaderJustPrinted = true;
    }
    if (report->PageNumber <= 1 || report->CompositeRun) {
        TRpCustomBand *columns = report->FindBand(TRpBandType::rbColumnHeader);
        if (columns && columns->Enabled) {
            report->PrintBand(columns);
            report->HeaderJustPrinted = true;
        }
    }
}
