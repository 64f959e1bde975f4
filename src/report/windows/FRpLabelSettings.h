#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// Settings of a text label ("Text Settings") or, with the format mask and the
// builder button, of an expression printable ("Expression settings").
class TRpLabelSettingsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TRpLabelSettingsDlg(bool expression, QWidget *parent = nullptr);

    QLineEdit *Value;
    QLineEdit *Width;
    QLineEdit *Height;
    QCheckBox *Autosize;
    QCheckBox *Stretch;
    QCheckBox *Transparent;
    QComboBox *Mask = nullptr;            // expression settings only
    QPushButton *BuilderButton = nullptr; // expression settings only: "..."
    QPushButton *OKButton;
    QPushButton *CancelButton;
};
