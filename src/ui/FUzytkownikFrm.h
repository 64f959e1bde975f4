#pragma once

#include "core/OwnStation.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TDM;

// "Dane stacji": the station's own data from the first STALE row (name, town,
// SPPA, locator) and its call sign, shown but changed in a dialog of its own.
// Created for one use by the main window.
class TUzytkownikFrm : public QDialog {
    Q_OBJECT
public:
    explicit TUzytkownikFrm(TDM &dm, QWidget *parent = nullptr);

    // Fills the fields and shows the dialog modally; returns the modal result.
    int LoadStationData();
    // Fills the fields from STALE and the own call sign.
    void FillStationData();
    // Saves when the locator is valid and closes with OK; otherwise warns and
    // leaves the focus in the locator.
    void ZapiszBtnClick();
    // Asks for the own call sign; the label follows a change.
    void ZnakBtnClick();

    // The texts of the masked fields with a blank for each empty position.
    QString DomenaText() const;
    QString LokatorText() const;

    QLabel *ZnakLbl = nullptr;
    QPushButton *ZnakBtn = nullptr;
    QLineEdit *EdImie = nullptr;
    QLineEdit *EdMiasto = nullptr;
    QLineEdit *EdDomena = nullptr;
    QLineEdit *EdLokator = nullptr;
    QPushButton *ZapiszBtn = nullptr;
    QPushButton *AnulujBtn = nullptr;

private:
    struct Texts {
        QString Imie, Miasto, Domena, Lokator;
    };
    Texts FieldTexts() const;

    TDM &dm_;
    TOwnStation loaded_; // the row the fields were filled from
    Texts shown_;        // and the fields as they showed it
};
