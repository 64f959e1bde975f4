#pragma once

#include "controls/RunDialog.h"

struct AdifImportCounts;
class QLabel;
class QPushButton;
class TFileNameEdit;

// "Wczytaj dane z pliku - format ADIF": adds the QSOs of an ADIF file to the
// log. Created for one use by the main window and shown with exec().
class TWczytajAdifFrm : public TRunDialog {
    Q_OBJECT
public:
    explicit TWczytajAdifFrm(QWidget *parent = nullptr);

    TFileNameEdit *EdNazwaPliku;
    QLabel *StatysLbl;    // records processed
    QLabel *StatysDopLbl; // records added
    QLabel *StatysJuzLbl; // records whose QSO was already in the log
    QLabel *StatysSkrLbl; // QSOs added with a value cut to fit its column
    QLabel *StatysGodzLbl; // QSOs added at 00:00 for want of a time
    QPushButton *WczytajBtn;
    QPushButton *CancelBtn;

protected:
    void FormActivate() override;
    void Run() override;

private:
    void ResetImportCounters();
    void ShowCounts(const AdifImportCounts &counts);
};
