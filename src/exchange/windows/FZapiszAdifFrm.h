#pragma once

#include "controls/RunDialog.h"

#include <QDate>
#include <optional>

class QLabel;
class QPushButton;
class QVBoxLayout;
class TFileNameEdit;

// "Zapisz dane do pliku - format ADIF": writes the whole log to a new ADIF
// file. Created for one use by the main window and shown with exec(); the
// range window below shares everything but the choice of QSOs.
class TZapiszAdifFrm : public TRunDialog {
    Q_OBJECT
public:
    explicit TZapiszAdifFrm(QWidget *parent = nullptr);

    TFileNameEdit *EdNazwaPliku;
    QLabel *StatysLbl; // records written
    QPushButton *ZapiszBtn;
    QPushButton *AnulujBtn;

protected:
    void FormActivate() override;
    void Run() override;
    // The days to export; false after a warning when they cannot be used.
    // The whole log: no days.
    virtual bool ExportRange(std::optional<QDate> &from, std::optional<QDate> &to);

    QVBoxLayout *RangeArea; // where the range window puts its group box
};
