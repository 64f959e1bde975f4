#pragma once

#include "awards/ZoneFill.h"
#include "controls/RunDialog.h"

class QLabel;
class QPushButton;

// "Wyznacz strefy ITU, CQ": fills in the continent and zones of the QSOs that
// lack them. Created for one use by the main window, which reopens the log
// when HasUpdates() is true after the window closed.
class TWyznaczITUCQFrm : public TRunDialog {
    Q_OBJECT
public:
    explicit TWyznaczITUCQFrm(QWidget *parent = nullptr);

    bool HasUpdates() const { return counts_.UpdatedCount > 0; }
    const ZoneFillCounts &Counts() const { return counts_; }

    QLabel *InfoLbl;
    QLabel *PrzetworzoneLbl;   // ProcessedCount
    QLabel *ZaktualizowaneLbl; // UpdatedCount
    QPushButton *StartBtn;
    QPushButton *CancelBtn;

protected:
    void FormActivate() override;
    void Run() override;

private:
    void ShowCounters();

    ZoneFillCounts counts_;
};
