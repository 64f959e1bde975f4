#pragma once

#include <QDialog>

class QPushButton;
class TFileNameEdit;

// "Zapisz prefiksy": writes the country and prefix tables to a prefix file.
// Created for one use by the main window and shown with exec().
class TZapiszPrefiksFrm : public QDialog {
    Q_OBJECT
public:
    explicit TZapiszPrefiksFrm(QWidget *parent = nullptr);

    void ZapiszBtnClick();

    TFileNameEdit *EdNazwaPliku;
    QPushButton *ZapiszBtn;
    QPushButton *AnulujBtn;
};
