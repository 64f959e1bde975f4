#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Asks for the station's own call sign ("Znak stacji"): at start-up while
// none is stored, and from the station-data dialog. OK stores a valid call
// sign; anything else is explained and the field keeps the focus.
class TZnakStacjiFrm : public QDialog {
    Q_OBJECT
public:
    explicit TZnakStacjiFrm(QWidget *parent = nullptr);

    void OkBtnClick();

    QLineEdit *EdZnak = nullptr;
    QPushButton *OkBtn = nullptr;
    QPushButton *AnulujBtn = nullptr;
};
