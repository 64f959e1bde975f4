#pragma once

#include "exchange/windows/FZapiszAdifFrm.h"

class QComboBox;
class QDateEdit;

// The ADIF export of the QSOs of a date range: whole days from EdOdDnia to
// EdDoDnia, set by hand or by one of the period presets of EdOkres.
class TZapiszOdDoAdifFrm : public TZapiszAdifFrm {
    Q_OBJECT
public:
    explicit TZapiszOdDoAdifFrm(QWidget *parent = nullptr);

    QComboBox *EdOkres;
    QDateEdit *EdOdDnia;
    QDateEdit *EdDoDnia;

protected:
    void FormActivate() override;
    bool ExportRange(std::optional<QDate> &from, std::optional<QDate> &to) override;

private:
    void EdOkresChange();
};
