#pragma once

#include "core/CallbookSearch.h"

#include <QDialog>
#include <array>

class QComboBox;
class QPushButton;
class TButtonEdit;

// "Callbook - Szukaj": the criteria of the compound callbook search. Created
// at start-up and kept, so the last criteria stay for the next search.
class TSzukajRozFrm : public QDialog {
    Q_OBJECT
public:
    explicit TSzukajRozFrm(QWidget *parent = nullptr);

    // The criteria as the controls hold them.
    TCallbookCriteria Criteria() const;
    // The search statement of the current criteria; keeps its count statement in CountSql.
    QString BuildSearchSql();
    void SzukajBtnClick();
    void ClearSearchCriteria();

    QString CountSql;

    // The operator list and value box of each text row, in the order of
    // CallbookCriterionColumns: Stacja, Nazwisko, Imie, Nazwa, Miasto, Lokator.
    std::array<QComboBox *, CallbookTextRowCount> ParLists{};
    std::array<TButtonEdit *, CallbookTextRowCount> ValueBoxes{};
    QComboBox *EdStacjaPar = nullptr, *EdNazwiskoPar = nullptr, *EdImiePar = nullptr, *EdNazwaPar = nullptr,
              *EdMiastoPar = nullptr, *EdLokatorPar = nullptr;
    TButtonEdit *EdStacja = nullptr, *EdNazwisko = nullptr, *EdImie = nullptr, *EdNazwa = nullptr,
                *EdMiasto = nullptr, *EdLokator = nullptr;
    QComboBox *EdWojew = nullptr;
    QComboBox *EdPowiat = nullptr;
    QComboBox *EdKolej = nullptr;
    QPushButton *SzukajBtn = nullptr;
    QPushButton *AnulujBtn = nullptr;
    QPushButton *ZerujBtn = nullptr;

private:
    void FillVoivodeshipList();
    void FillDistrictList();
};

extern TSzukajRozFrm *SzukajRozFrm;
