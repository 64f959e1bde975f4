#pragma once

#include <QDialog>
#include <QString>
#include <memory>

class DataSet;
class DataSource;
class FbTable;
class FbTransaction;
class QComboBox;
class QLabel;
class QPushButton;
class TButtonEdit;
class TExDBGrid;

// Picks a code from a reference table for the QSO editor: a castle symbol
// (ZAMKI), an SPPA district (POWIATY) or a commune (GMINY). One dialog class,
// configured by the table it shows; created for one use and freed after it.
class TWybierzFrm : public QDialog {
    Q_OBJECT
public:
    enum Kind { Zamek, Powiat, Gmina };
    struct Config;

    explicit TWybierzFrm(Kind kind, QWidget *parent = nullptr);
    ~TWybierzFrm() override;

    // Positions the table on the initial code and shows the dialog modally;
    // returns the modal result (1 OK, 2 Cancel).
    int RunPicker(const QString &initial);

    QString PickedCode;   // valid after OK
    QString FilterLetter; // voivodeship letter of the filter; empty: all rows

    TExDBGrid *DbGrid = nullptr;
    QComboBox *EdWojew = nullptr;
    TButtonEdit *EdSzukaj = nullptr;
    QPushButton *WybierzBtn = nullptr;
    QPushButton *AnulujBtn = nullptr;

    // Cancelling ends with modal result 2, as the caller expects.
    void reject() override;

    DataSet &Table();
    // Runs the search-box rule for a text, as typing it does.
    void Search(const QString &text);
    void Choose();

private:
    void FillVoivodeshipCombo();
    void ApplyVoivodeshipFilter();
    QString CurrentCode() const;

    const Config &config_;
    Kind kind_;
    std::unique_ptr<FbTransaction> tr_;
    std::unique_ptr<FbTable> table_;
    std::unique_ptr<DataSource> source_;
    bool wojewHandlerOn_ = false;
};

// The district code inside an SPPA text: characters 2-3 of three, 3-4 of four.
QString DistrictCodeOf(const QString &text);
