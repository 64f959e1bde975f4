#include "report/layout/RpController.h"

#include "platform/db/DataSet.h"
#include "report/layout/RpControllerBand.h"
#include "report/layout/RpGroup.h"
#include "report/layout/RpReport.h"

#include <QCoreApplication>
#include <algorithm>

bool TRpCustomController::SetMaster(TRpCustomController *master)
{
    for (TRpCustomController *c = master; c; c = c->master_)
        if (c == this)
            return false;
    master_ = master;
    return true;
}

void TRpCustomController::Notify()
{
    for (const auto &client : NotifyList)
        client();
}

void TRpCustomController::CollectChildren()
{
    SubDetailsBefore.clear();
    SubDetailsAfter.clear();
    Groups.clear();
    if (!ParentReport)
        return;
    for (TRpCustomBand *band : ParentReport->BandList()) {
        if (auto *owner = dynamic_cast<TRpControllerBand *>(band); owner && owner->Master() == this) {
            TRpController &child = owner->Controller();
            child.ParentReport = ParentReport;
            (child.PrintBefore ? SubDetailsBefore : SubDetailsAfter).push_back(&child);
            child.CollectChildren();
        } else if (auto *group = dynamic_cast<TRpGroup *>(band); group && group->Master() == this) {
            Groups.push_back(group);
        }
    }
}

void TRpController::CollectChildren()
{
    TRpCustomController::CollectChildren();
    // The dataset list lives for a run only.
    if (ParentReport && DataSet && DataSet->Active())
        ParentReport->JoinDataSet(DataSet.data());
}

void TRpCustomController::Prepare()
{
    NotifyList.clear();
    for (TRpCustomController *c : SubDetailsBefore)
        c->Prepare();
    for (TRpCustomController *c : SubDetailsAfter)
        c->Prepare();
    for (TRpGroup *g : Groups)
        g->Prepare();
}

void TRpCustomController::Unprepare()
{
    for (TRpCustomController *c : SubDetailsBefore)
        c->Unprepare();
    for (TRpCustomController *c : SubDetailsAfter)
        c->Unprepare();
    for (TRpGroup *g : Groups)
        g->Unprepare();
}

void TRpCustomController::Execute()
{
    ClearGroupMarks();
    if (PrintIfEmpty)
        PrintEmptyController();
}

void TRpCustomController::ExecuteBefore()
{
    for (TRpCustomController *c : SubDetailsBefore)
        c->Execute();
}

void TRpCustomController::ExecuteAfter()
{
    for (TRpCustomController *c : SubDetailsAfter)
        c->Execute();
}

void TRpCustomController::PrintEmptyController()
{
    TCustomReport *report = ParentReport;
    report->PrintBand(Header);
    // The column header belongs to an empty log too: it says what is missing.
    if (!OwnerBand)
        if (TRpCustomBand *columns = report->FindBand(TRpBandType::rbColumnHeader);
            columns && columns->Enabled)
            report->PrintBand(columns);
    ExecuteBefore();
    report->PrintBand(Detail);
    ExecuteAfter();
    report->PrintBand(Footer);
}

void TRpCustomController::ClearGroupMarks()
{
    for (TRpGroup *g : Groups)
        g->FirstEvaluationDone = false;
}

bool TRpCustomController::CheckGroups()
{
    for (auto it = Groups.begin(); it != Groups.end(); ++it)
        if ((*it)->TestValue()) {
            std::for_each(it + 1, Groups.end(), [](TRpGroup *inner) { inner->MarkChanged(); });
            return true;
        }
    return false;
}

void TRpCustomController::PrintGroupHeaders()
{
    for (TRpGroup *g : Groups)
        if (g->Changed) {
            ParentReport->PrintBand(g);
            g->HeaderPrinted = true;
            g->LastHeaderPage = ParentReport->PageNumber;
        }
}

void TRpCustomController::PrintGroupFooters()
{
    for (auto it = Groups.rbegin(); it != Groups.rend(); ++it)
        if ((*it)->Changed) {
            ParentReport->PrintBand((*it)->FooterBand());
            (*it)->HeaderPrinted = false;
        }
}

void TRpCustomController::ReprintGroupHeaders()
{
    // Headers being printed anyway stand at the top of the new page already.
    if (std::any_of(Groups.begin(), Groups.end(), [](TRpGroup *g) { return g->Changed; }))
        return;
    for (TRpCustomController *c : SubDetailsBefore)
        c->ReprintGroupHeaders();
    const int page = ParentReport->PageNumber;
    bool marked = false;
    for (TRpGroup *g : Groups) {
        if (marked) {
            g->MarkChanged();
        } else if (g->ReprintOnNewPage && g->HeaderPrinted && g->LastHeaderPage != page) {
            g->LastHeaderPage = page;
            g->Changed = marked = true;
        }
    }
    if (marked)
        PrintGroupHeaders();
    for (TRpCustomController *c : SubDetailsAfter)
        c->ReprintGroupHeaders();
}

void TRpCustomController::ArrangeForLayout(std::vector<TRpCustomBand *> &order) const
{
    auto add = [&order](TRpCustomBand *band) {
        if (band)
            order.push_back(band);
    };
    add(Header);
    for (TRpGroup *g : Groups)
        add(g);
    for (TRpCustomController *c : SubDetailsBefore)
        c->ArrangeForLayout(order);
    add(Detail);
    for (TRpCustomController *c : SubDetailsAfter)
        c->ArrangeForLayout(order);
    for (auto it = Groups.rbegin(); it != Groups.rend(); ++it)
        add((*it)->FooterBand());
    add(Footer);
}

void TRpController::Execute()
{
    ClearGroupMarks();
    TCustomReport *report = ParentReport;
    const bool dataSetOK = DataSet && DataSet->Active();
    if (!report || (!dataSetOK && !OnNeedData)) {
        if (report && PrintIfEmpty)
            PrintEmptyController();
        return;
    }
    const bool moreData = FetchFirst(dataSetOK);
    RecordNumber = 0;
    if (Detail)
        Detail->Controller = this;
    if (!moreData)
        return;
    QCoreApplication::processEvents();
    if (report->IsCancelled())
        return;
    PrintHeaders();
    CheckGroups();
    if (PrintRecords(dataSetOK))
        PrintFooters();
}

bool TRpController::FetchFirst(bool dataSetOK)
{
    bool moreData = true;
    if (dataSetOK) {
        DataSet->First();
        moreData = !DataSet->Eof();
        if (!moreData && PrintIfEmpty)
            PrintEmptyController();
    } else {
        OnNeedData(*ParentReport, moreData);
    }
    return moreData;
}

bool TRpController::PrintRecords(bool dataSetOK)
{
    TCustomReport *report = ParentReport;
    // Progress follows the report's own dataset only.
    const bool reportLoop = this == &report->Controller();
    // Counting fetches every row: it waits until the first page is out, so
    // that page shows at once; until then progress stays at 0.
    int recordCount = -1;
    bool moreData = true;
    while (moreData) {
        QCoreApplication::processEvents();
        if (report->IsCancelled())
            return false;
        ++RecordNumber;
        PrintGroupHeaders();
        ExecuteBefore();
        report->PrintBand(Detail);
        ExecuteAfter();
        FetchNext(dataSetOK, moreData);
        if (CheckGroups())
            PrintFootersOfOldGroup(dataSetOK && moreData);
        if (reportLoop && dataSetOK)
            ShowProgress(moreData, recordCount);
    }
    return true;
}

void TRpController::PrintFootersOfOldGroup(bool stepBack)
{
    // The footers belong to the last record of the old group (which is
    // still current when the dataset has run out).
    if (stepBack)
        DataSet->Prior();
    PrintGroupFooters();
    if (stepBack)
        DataSet->Next();
}

void TRpController::ShowProgress(bool moreData, int &recordCount)
{
    TCustomReport *report = ParentReport;
    if (recordCount < 0 && (report->PageNumber > 1 || !moreData))
        recordCount = DataSet->RecordCount();
    if (recordCount > 0)
        report->SetProgress(std::clamp(int(qint64(RecordNumber) * 100 / recordCount), 0, 100));
}

void TRpController::PrintFooters()
{
    TCustomReport *report = ParentReport;
    for (TRpGroup *g : Groups)
        g->Changed = !g->Changed;
    PrintGroupFooters();
    if (Footer) {
        if (report->PageNumber == 0)
            report->NewPage();
        if (Nearest(Footer->Size.Native(TRpBandSize::HeightIdx)) > report->AvailableSpace())
            report->NewColumn();
        report->PrintBand(Footer);
    }
}

void TRpController::FetchNext(bool dataSetOK, bool &moreData)
{
    if (dataSetOK) {
        DataSet->Next();
        moreData = !DataSet->Eof();
    } else {
        moreData = false;
        OnNeedData(*ParentReport, moreData);
    }
}

void TRpController::PrintHeaders()
{
    TCustomReport *report = ParentReport;
    // Only the report's own loop stands at the top of the page after its headers.
    const bool ownsReport = !OwnerBand;
    if (Header) {
        report->PrintBand(Header);
        if (ownsReport)
            report->MarkHeaderJustPrinted();
    }
    if (ownsReport && (report->PageNumber <= 1 || report->CompositeRun)) {
        TRpCustomBand *columns = report->FindBand(TRpBandType::rbColumnHeader);
        if (columns && columns->Enabled) {
            report->PrintBand(columns);
            report->MarkHeaderJustPrinted();
        }
    }
}
