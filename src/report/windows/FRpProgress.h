#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class TRpPrinter;

// Follows a print's progress; Cancel stops the printer at the end of its page.
class TRpProgressForm : public QDialog {
    Q_OBJECT
public:
    explicit TRpProgressForm(TRpPrinter *printer, QWidget *owner = nullptr);

    QLabel *Info;
    QPushButton *CancelButton;
    QProgressBar *Gauge;
    TRpPrinter *RpPrinter;

protected:
    bool event(QEvent *e) override;
};
