#pragma once

#include "exchange/windows/FZapiszAdifFrm.h"

class PeriodRangeBox;
class QComboBox;
class TDateTimeEdit;

// The ADIF export of the QSOs of a date range: whole days from EdOdDnia to
// EdDoDnia, set by hand or by one of the period presets of EdOkres.
class TZapiszOdDoAdifFrm : public TZapiszAdifFrm {
    Q_OBJECT
public:
    explicit TZapiszOdDoAdifFrm(QWidget *parent = nullptr);

    PeriodRangeBox *Range;
    QComboBox *EdOkres;
    TDateTimeEdit *EdOdDnia;
    TDateTimeEdit *EdDoDnia;

protected:
    void FormActivate() override;
    bool ExportRange(std::optional<QDate> &from, std::optional<QDate> &to) override;
};
