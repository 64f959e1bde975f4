#pragma once

#include <QDate>
#include <QDialog>

class PeriodRangeBox;
class QComboBox;
class QPushButton;
class TDateTimeEdit;
class TWindow;

// Asks for the date range of the log-book printout.
class TParamDrukLog : public QDialog {
    Q_OBJECT
public:
    TParamDrukLog(TWindow &placement, QWidget *parent = nullptr);
    ~TParamDrukLog() override;

    PeriodRangeBox *Range;
    QComboBox *EdOkres;
    TDateTimeEdit *EdOdDnia;
    TDateTimeEdit *EdDoDnia;
    QPushButton *PostBtn;
    QPushButton *CancelBtn;

    QDate FirstDay() const;
    QDate LastDay() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void FormDestroy();
    void FormActivate();
    void PostBtnClick();

    TWindow &placement_;
};
