#include "report/layout/RpGroup.h"

#include "report/layout/RpController.h"
#include "report/layout/RpControllerBand.h"
#include "report/layout/RpReport.h"

bool GroupValuesDiffer(const TRpEvResult &a, const TRpEvResult &b)
{
    if (a.Kind != b.Kind)
        return true;
    switch (a.Kind) {
    case rpvInteger: return a.IntValue != b.IntValue;
    case rpvFloat: return a.FloatValue != b.FloatValue;
    case rpvString: return a.StringValue != b.StringValue;
    case rpvBoolean: return a.BooleanValue != b.BooleanValue;
    default: return false;
    }
}

TRpGroup::TRpGroup(TCustomReport *report)
    : TRpBand(report, TRpBandType::rbGroupHeader), master_(&report->Controller())
{
}

void TRpGroup::SetFooterBand(TRpBand *band)
{
    if (band == footer_ || band == this)
        return;
    footer_ = band;
    if (band)
        band->SetBandType(TRpBandType::rbGroupFooter);
    ParentReport()->ArrangeBands();
}

void TRpGroup::SetMaster(TRpCustomController *master)
{
    if (master == master_)
        return;
    master_ = master;
    ParentReport()->ArrangeBands();
}

void TRpGroup::Prepare()
{
    TCustomReport *report = ParentReport();
    evaluator_.SetDataSets(&report->DataSetList);
    evaluator_.SetEnvironment(&report->Functions);
    evaluator_.Prepare(Expression);
    FirstEvaluationDone = false;
    Changed = HeaderPrinted = false;
    LastHeaderPage = 1;
}

void TRpGroup::Unprepare()
{
    evaluator_.Unprepare();
    value_ = TRpEvResult();
}

bool TRpGroup::TestValue()
{
    Changed = false;
    TRpEvResult value = evaluator_.Value();
    if (!FirstEvaluationDone || GroupValuesDiffer(value, value_)) {
        FirstEvaluationDone = true;
        value_ = std::move(value);
        Changed = true;
    }
    return Changed;
}

void TRpGroup::MarkChanged()
{
    value_ = evaluator_.Value();
    FirstEvaluationDone = true;
    Changed = true;
}

void TRpGroup::Unlink(TRpCustomBand *gone)
{
    if (footer_ == gone)
        footer_ = nullptr;
    if (auto *owner = dynamic_cast<TRpControllerBand *>(gone); owner && master_ == &owner->Controller())
        master_ = nullptr;
}
