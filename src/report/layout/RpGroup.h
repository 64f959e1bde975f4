#pragma once

#include "report/expr/RpEvaluator.h"
#include "report/layout/RpBand.h"

class TRpCustomController;

// A group header: printed whenever the value of its expression changes, with
// its footer band after the last record of the group.
class TRpGroup : public TRpBand {
public:
    // Placed on a report, the group's master is the report's record loop.
    explicit TRpGroup(TCustomReport *report);

    QString Expression;
    bool ReprintOnNewPage = false;

    TRpBand *FooterBand() const { return footer_; }
    void SetFooterBand(TRpBand *band); // the band becomes a group footer

    // The record loop it belongs to: the report's or a controller band's.
    TRpCustomController *Master() const { return master_; }
    void SetMaster(TRpCustomController *master);

    // Run state, from Prepare to Unprepare.
    void Prepare();
    void Unprepare();
    // Evaluates the expression; true (and the value kept) when it differs from
    // the last one, or on the first evaluation.
    bool TestValue();
    // Marks the group changed and keeps its current value.
    void MarkChanged();
    bool Changed = false;
    bool FirstEvaluationDone = false;
    bool HeaderPrinted = false;
    int LastHeaderPage = 1;

    void Unlink(TRpCustomBand *gone) override;

private:
    TRpBand *footer_ = nullptr;
    TRpCustomController *master_ = nullptr;
    TRpEvaluator evaluator_;
    TRpEvResult value_;
};

// Whether two values of a group expression differ: different kinds do, two
// errors never do.
bool GroupValuesDiffer(const TRpEvResult &a, const TRpEvResult &b);
