#pragma once

#include "controls/RunDialog.h"

#include <QPointer>
#include <array>
#include <functional>
#include <memory>

class DataSource;
class QGroupBox;
class QProgressBar;
class QPushButton;
class QTabWidget;
class TButtonEdit;
class TDM;
class TExDBGrid;
class TExMemoryData;
class TRpCell;
class TRpIntBox;
class TStatTables;
class TTextBox;
struct TProgress;

// One tab of a statistic shown in a grid over a result table.
struct TStatGridTab {
    QWidget *Page = nullptr;
    TExDBGrid *Grid = nullptr;
    DataSource *DS = nullptr;
    TExMemoryData *Tbl = nullptr;
    TButtonEdit *Ed = nullptr;
    QString KeyField; // the search edit's key
    QGroupBox *PostepBox = nullptr;
    QProgressBar *ProgBar = nullptr;
    std::function<void(const TProgress &)> Build;
    std::function<void()> Open; // the QSO list of the current row
};

// One continent's row of the continent table.
struct TContinentRow {
    TRpIntBox *LiczLacz = nullptr, *LiczPotw = nullptr;
    TRpCell *Lacz = nullptr, *Potw = nullptr;
    QProgressBar *BarLacz = nullptr, *BarPotw = nullptr;
};

// The award statistics window: nine statistics on nine tabs, each computed by
// "&Oblicz" on its own tab and kept until the next run of that tab. Created
// once at start-up; it reaches the database only when a run starts. While a
// statistic runs the window cannot close and no list opens.
class TStatysFrm : public TJobDialog {
    Q_OBJECT
public:
    // Runs its statistics and opens its lists over the data module.
    explicit TStatysFrm(TDM &dm, QWidget *parent = nullptr);
    // Over the program's data module, DM.
    explicit TStatysFrm(QWidget *parent = nullptr);
    ~TStatysFrm() override;

    int ShowStatistics();
    void ObliczBtnClick();

    void ResetItuBoxes();
    void ResetCqBoxes();
    void PaintItuBox(int zone, bool confirmed);
    void PaintCqBox(int zone, bool confirmed);
    void ITUClick(TTextBox *box);
    void CQClick(TTextBox *box);

    TStatTables &Tables() { return *tables_; }

    QPushButton *ObliczBtn = nullptr;
    QPushButton *ZamknijBtn = nullptr;
    QTabWidget *PageControl = nullptr;

    TStatGridTab Dxcc, DxccRaz, Iota, Spa, Gmina, Zamek, Lokator;
    QWidget *PrefixTab = nullptr, *DxccRazTab = nullptr, *IotaTab = nullptr, *SPATab = nullptr,
            *GminaTab = nullptr, *ZamekTab = nullptr, *LokatorTab = nullptr, *StrefaTab = nullptr,
            *KontTab = nullptr;

    // Zone tab.
    std::array<TTextBox *, 76> ItuBoxes{}; // by zone; 0 unused
    std::array<TTextBox *, 41> CqBoxes{};  // by zone; 0 unused
    TTextBox *BoxLacz = nullptr, *BoxPotw = nullptr;
    TRpIntBox *ITULacz = nullptr, *ITUPotw = nullptr, *ITUPoz = nullptr;
    TRpIntBox *CQLacz = nullptr, *CQPotw = nullptr, *CQPoz = nullptr;
    QGroupBox *PostepZoneBox = nullptr;
    QProgressBar *ProgBarZone = nullptr;

    // Continent tab: AF, AN, AS, EU, NA, OC, SA, then "Razem".
    std::array<TContinentRow, 8> Kont{};
    TTextBox *BoxLaczKont = nullptr, *BoxPotwKont = nullptr;
    QGroupBox *PostepKontBox = nullptr;
    QProgressBar *ProgBarKont = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BuildGridTabs();
    void SetUpGridTab(TStatGridTab &tab, const QString &caption, TExDBGrid *grid, TExMemoryData *tbl,
                      const QString &searchCaption, int maxLength, const QString &keyField);
    QWidget *BuildZoneTab();
    QWidget *BuildContinentTab();
    void RunGridStat(TStatGridTab &tab);
    void BuildZoneStats();
    void BuildContinentStats();
    // Disables the controls, runs, and restores them whatever happens; a
    // failure reaches the user as a warning once the window is usable again.
    void Run(QGroupBox *box, QProgressBar *bar, QWidget *searchEdit,
             const std::function<void(const TProgress &)> &run);
    // Opens a QSO list unless a statistic is running.
    void OpenList(const std::function<void()> &open);

    TDM &dm_;
    std::unique_ptr<TStatTables> tables_;
};

// The statistics window kept for the whole run (null until created).
inline QPointer<TStatysFrm> StatysFrm;
// The kept window, created as a child of the owner when there is none yet.
TStatysFrm &StatisticsWindow(QWidget *owner);
