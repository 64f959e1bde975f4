#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TFileNameEdit;

// "Wczytaj dane z pliku - format ADIF": adds the QSOs of an ADIF file to the
// log. Created for one use by the main window and shown with exec().
class TWczytajAdifFrm : public QDialog {
    Q_OBJECT
public:
    explicit TWczytajAdifFrm(QWidget *parent = nullptr);

    TFileNameEdit *EdNazwaPliku;
    QLabel *StatysLbl;    // records processed
    QLabel *StatysDopLbl; // records added
    QPushButton *WczytajBtn;
    QPushButton *CancelBtn;

    bool Running() const { return running_; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void FormActivate();
    void WczytajBtnClick();
    void ResetImportCounters();
    void ImportAdif();

    bool running_ = false;
};
