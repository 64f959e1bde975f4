#include "report/layout/RpControllerBand.h"

#include "platform/db/DataSet.h"
#include "report/layout/RpExpr.h"
#include "report/layout/RpReport.h"

TRpControllerBand::TRpControllerBand(TCustomReport *report, TRpBandType type)
    : TRpBand(report, type), controller_(report, this)
{
    controller_.Detail = this;
}

bool TRpControllerBand::SetMaster(TRpCustomController *master)
{
    if (master == controller_.Master())
        return true;
    if (!controller_.SetMaster(master))
        return false;
    ParentReport()->ArrangeBands();
    return true;
}

void TRpControllerBand::Unlink(TRpCustomBand *gone)
{
    if (auto *owner = dynamic_cast<TRpControllerBand *>(gone); owner && Master() == &owner->Controller())
        controller_.SetMaster(nullptr);
}

TRpSubDetail::TRpSubDetail(TCustomReport *report) : TRpControllerBand(report, TRpBandType::rbSubDetail) {}

::DataSet *TRpSubDetail::DataSet() const
{
    return controller_.DataSet.data();
}

void TRpSubDetail::SetDataSet(::DataSet *dataSet)
{
    controller_.DataSet = dataSet;
}

void TRpSubDetail::SetPrintBefore(bool on)
{
    if (on == controller_.PrintBefore)
        return;
    controller_.PrintBefore = on;
    ParentReport()->ArrangeBands();
}

void TRpSubDetail::SetHeaderBand(TRpBand *band)
{
    if (band == controller_.Header || band == this)
        return;
    controller_.Header = band;
    if (band)
        band->SetBandType(TRpBandType::rbGroupHeader);
    ParentReport()->ArrangeBands();
}

void TRpSubDetail::SetFooterBand(TRpBand *band)
{
    if (band == controller_.Footer || band == this)
        return;
    controller_.Footer = band;
    if (band)
        band->SetBandType(TRpBandType::rbGroupFooter);
    ParentReport()->ArrangeBands();
}

void TRpSubDetail::Unlink(TRpCustomBand *gone)
{
    TRpControllerBand::Unlink(gone);
    if (controller_.Header == gone)
        controller_.Header = nullptr;
    if (controller_.Footer == gone)
        controller_.Footer = nullptr;
}

bool TRpSubDetailGroupBands::HasHeader() const
{
    return owner_.HeaderBand() != nullptr;
}
void TRpSubDetailGroupBands::SetHasHeader(bool on)
{
    Switch(TRpBandType::rbGroupHeader, on);
}
bool TRpSubDetailGroupBands::HasFooter() const
{
    return owner_.FooterBand() != nullptr;
}
void TRpSubDetailGroupBands::SetHasFooter(bool on)
{
    Switch(TRpBandType::rbGroupFooter, on);
}

void TRpSubDetailGroupBands::Switch(TRpBandType type, bool on)
{
    const bool header = type == TRpBandType::rbGroupHeader;
    TRpCustomBand *band = header ? owner_.HeaderBand() : owner_.FooterBand();
    TCustomReport &report = *owner_.ParentReport();
    if (on && !band) {
        TRpBand *made = report.AddBand(type);
        header ? owner_.SetHeaderBand(made) : owner_.SetFooterBand(made);
    } else if (!on && band) {
        report.RemoveBand(band);
    }
}

void UnlinkController(TCustomReport &report, TRpCustomBand *gone)
{
    auto *owner = dynamic_cast<TRpControllerBand *>(gone);
    if (!owner)
        return;
    for (TRpCustomBand *band : report.BandList())
        for (const auto &p : band->Printables())
            if (auto *expr = dynamic_cast<TRpExpr *>(p.get()); expr && expr->Master == &owner->Controller())
                expr->Master = nullptr;
}
