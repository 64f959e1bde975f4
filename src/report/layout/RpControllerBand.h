#pragma once

#include "report/layout/RpBand.h"
#include "report/layout/RpController.h"

// A band with a record loop of its own: printed once for every record of the
// loop, which runs once for every record of its master.
class TRpControllerBand : public TRpBand {
public:
    TRpControllerBand(TCustomReport *report, TRpBandType type = TRpBandType::rbSubDetail);

    TRpController &Controller() { return controller_; }
    const TRpController &Controller() const { return controller_; }

    // The report's, a controller's or another controller band's record loop.
    // Refused (false) when the chain of masters leads back to this band; while
    // designing the refusal is told with CircularLinkText().
    TRpCustomController *Master() const { return controller_.Master(); }
    bool SetMaster(TRpCustomController *master);

    void Unlink(TRpCustomBand *gone) override;

protected:
    TRpController controller_;
};

class TRpSubDetail;

// The header and footer switches of a sub-detail.
class TRpSubDetailGroupBands {
public:
    explicit TRpSubDetailGroupBands(TRpSubDetail &owner) : owner_(owner) {}
    bool HasHeader() const;
    void SetHasHeader(bool on);
    bool HasFooter() const;
    void SetHasFooter(bool on);

private:
    void Switch(TRpBandType type, bool on);
    TRpSubDetail &owner_;
};

// A controller band walking a dataset of its own for every master record,
// between an optional header and footer band.
class TRpSubDetail : public TRpControllerBand {
public:
    explicit TRpSubDetail(TCustomReport *report);

    TRpSubDetailGroupBands Bands{*this};

    ::DataSet *DataSet() const;
    void SetDataSet(::DataSet *dataSet);
    std::function<void(TCustomReport &, bool &moreData)> &OnNeedData() { return controller_.OnNeedData; }
    bool PrintBefore() const { return controller_.PrintBefore; }
    void SetPrintBefore(bool on);
    bool PrintIfEmpty() const { return controller_.PrintIfEmpty; }
    void SetPrintIfEmpty(bool on) { controller_.PrintIfEmpty = on; }

    TRpCustomBand *HeaderBand() const { return controller_.Header; }
    void SetHeaderBand(TRpBand *band); // the band becomes a group header
    TRpCustomBand *FooterBand() const { return controller_.Footer; }
    void SetFooterBand(TRpBand *band); // the band becomes a group footer

    void Unlink(TRpCustomBand *gone) override;
};

// A band is going away: expression printables that summed over its record
// loop forget it.
void UnlinkController(TCustomReport &report, TRpCustomBand *gone);
