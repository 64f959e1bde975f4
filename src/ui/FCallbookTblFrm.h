#pragma once

#include <QDialog>
#include <array>

class DataSource;
class QLabel;
class QPushButton;
class QStatusBar;
class TDBNavigator;
class TExDBGrid;
class TSzukajRozFrm;

// "Callbook - wyszukiwanie złożone": the stations of the last compound search
// in a grid, the current one in a detail panel, and their count in the status
// bar. Created at start-up and kept, so the last result stays.
class TCallbookTblFrm : public QDialog {
    Q_OBJECT
public:
    explicit TCallbookTblFrm(QWidget *parent = nullptr);

    // Asks for the criteria and, when they were given, searches.
    void SearchCallbook();
    // Searches with the criteria the dialog holds now.
    void RunSearch(TSzukajRozFrm &criteria);
    // The detail panel's value of a row (0..5), as shown.
    QString DetailText(int row) const;
    QString StatusText() const;
    // The CallbookColumnNames index of the shown result's sort column (0 before the first search).
    int SortIndex() const { return sortIndex_; }

    TExDBGrid *DbGrid = nullptr;
    TDBNavigator *Navigator = nullptr;
    QStatusBar *StatusBar = nullptr;
    QPushButton *ZamknijBtn = nullptr;
    QPushButton *KryteriumBtn = nullptr;
    QPushButton *DodajBtn = nullptr;
    QPushButton *PoprawBtn = nullptr;
    QPushButton *UsunBtn = nullptr;

private:
    QWidget *BuildDetailPanel();
    void ShowDetails();

    DataSource *source_ = nullptr;
    QLabel *status_ = nullptr;
    std::array<QLabel *, 6> details_{};
    int sortIndex_ = 0;
};

extern TCallbookTblFrm *CallbookTblFrm;
