#pragma once

#include <functional>
#include <vector>

class DataSet;
class TCustomReport;
class TRpCustomBand;

// Drives a header, a detail band per record and a footer through the report's
// page machinery.
class TRpCustomController {
public:
    explicit TRpCustomController(TCustomReport *owner) : ParentReport(owner) {}
    virtual ~TRpCustomController() = default;

    TCustomReport *ParentReport;
    bool PrintIfEmpty = true;
    TRpCustomBand *Header = nullptr;
    TRpCustomBand *Detail = nullptr;
    TRpCustomBand *Footer = nullptr;

    // Told after each decision on the detail band, printed or skipped while
    // disabled (expression printables accumulate their aggregates there).
    std::vector<std::function<void()>> NotifyList;
    void Notify();

    virtual void Prepare() { NotifyList.clear(); }
    virtual void Unprepare() {}
    virtual void Execute();
    void PrintEmptyController();
};

// The record loop over a dataset, or over OnNeedData when there is none.
class TRpController : public TRpCustomController {
public:
    using TRpCustomController::TRpCustomController;

    ::DataSet *DataSet = nullptr;
    std::function<void(TCustomReport &, bool &moreData)> OnNeedData;
    int RecordNumber = 0;

    void Execute() override;

private:
    void PrintHeaders();
};
