#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The preview's question for the text to find.
class TSearchDlg : public QDialog {
    Q_OBJECT
public:
    explicit TSearchDlg(QWidget *owner = nullptr);

    QString SearchText() const;
    bool MatchCase() const;

    QLineEdit *Edit1;
    QLabel *Label1;
    QCheckBox *CheckBox1;
    QPushButton *SpeedButton1; // cancel
    QPushButton *SpeedButton2; // search
    bool Cancelled = false;
};
