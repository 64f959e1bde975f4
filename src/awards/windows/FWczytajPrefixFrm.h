#pragma once

#include "controls/RunDialog.h"

class QLabel;
class QPushButton;
class QStatusBar;
class TFileNameEdit;

// "Aktualizacja prefiksów": replaces the country and prefix tables from a
// prefix file and recomputes the country of every QSO. Created for one use
// by the main window and shown with exec(); it closes itself after a
// successful update and stays, with the old tables, after a refused file, a
// failure or a No to the question about QSOs left without a country.
class TWczytajPrefixFrm : public TRunDialog {
    Q_OBJECT
public:
    explicit TWczytajPrefixFrm(QWidget *parent = nullptr);

    TFileNameEdit *EdNazwaPliku;
    QPushButton *WczytajBtn;
    QPushButton *AnulujBtn;
    QStatusBar *StatusBar;
    QLabel *StatusPanel;

protected:
    void Run() override;
};
