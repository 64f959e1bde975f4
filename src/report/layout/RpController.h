#pragma once

#include <QPointer>
#include <functional>
#include <vector>

class DataSet;
class TCustomReport;
class TRpControllerBand;
class TRpCustomBand;
class TRpGroup;

// Drives a header, a detail band per record and a footer through the report's
// page machinery, with the groups and sub-details whose master it is.
class TRpCustomController {
public:
    // ownerBand: the controller band that owns it; null for the report's own.
    explicit TRpCustomController(TCustomReport *owner, TRpControllerBand *ownerBand = nullptr)
        : ParentReport(owner), OwnerBand(ownerBand)
    {
    }
    virtual ~TRpCustomController() = default;
    TRpCustomController(const TRpCustomController &) = delete;
    TRpCustomController &operator=(const TRpCustomController &) = delete;

    TCustomReport *ParentReport;
    TRpControllerBand *const OwnerBand;
    bool PrintIfEmpty = true;
    bool PrintBefore = false; // a sub-detail runs before its master's detail band
    TRpCustomBand *Header = nullptr;
    TRpCustomBand *Detail = nullptr;
    TRpCustomBand *Footer = nullptr;

    // The controller that drives this one (null for the report's). A master
    // whose chain leads back here is refused.
    TRpCustomController *Master() const { return master_; }
    bool SetMaster(TRpCustomController *master);

    // Rebuilt by CollectChildren.
    std::vector<TRpCustomController *> SubDetailsBefore, SubDetailsAfter;
    std::vector<TRpGroup *> Groups;

    // Told after each decision on the detail band, printed or skipped while
    // disabled (expression printables accumulate their aggregates there).
    std::vector<std::function<void()>> NotifyList;
    void Notify();

    // The sub-details and groups whose master is this controller, recursively;
    // during a run an active dataset joins the report's dataset list.
    virtual void CollectChildren();
    virtual void Prepare();
    virtual void Unprepare();
    virtual void Execute();
    void ExecuteBefore();
    void ExecuteAfter();
    void PrintEmptyController();

    // Group changes: true when a group changed (it and every inner group are marked).
    bool CheckGroups();
    void PrintGroupHeaders(); // changed groups, outermost first
    void PrintGroupFooters(); // changed groups, innermost first
    // Headers of groups that continue on a new page, after NewColumn.
    void ReprintGroupHeaders();

    // The bands in design order: header, group headers, the before-list,
    // detail, the after-list, group footers innermost first, footer.
    void ArrangeForLayout(std::vector<TRpCustomBand *> &order) const;

protected:
    void ClearGroupMarks();

private:
    TRpCustomController *master_ = nullptr;
};

// The record loop over a dataset, or over OnNeedData when there is none.
class TRpController : public TRpCustomController {
public:
    using TRpCustomController::TRpCustomController;

    QPointer<::DataSet> DataSet; // cleared when the dataset is freed
    std::function<void(TCustomReport &, bool &moreData)> OnNeedData;
    int RecordNumber = 0;

    void CollectChildren() override;
    void Execute() override;

private:
    // The steps of Execute: the first record, the headers, the records with
    // their group changes, the footers.
    bool FetchFirst(bool dataSetOK);
    void PrintHeaders();
    // False when the run was cancelled.
    bool PrintRecords(bool dataSetOK);
    void FetchNext(bool dataSetOK, bool &moreData);
    void PrintFootersOfOldGroup(bool stepBack);
    void ShowProgress(bool moreData, int &recordCount);
    void PrintFooters();
};
