#pragma once

#include "controls/ExDBCtrl.h"
#include "core/FDM.h"
#include "core/FWindow.h"
#include "core/Settings.h"
#include "platform/db/DataSource.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QLayout;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolButton;
class TButtonEdit;
class TDateTimeEdit;
class TExSpeedButton;
class TRecordView;

// The measured widths of the eleven grid columns and their value names in the
// settings store ("ColO" with the letter O for the first, then "Col1" to "Col10").
inline constexpr int MainGridColumnCount = 11;
inline constexpr std::array<int, MainGridColumnCount> MainGridDefaultWidths = {105, 56, 96, 53, 74, 68,
                                                                               79,  80, 55, 41, 38};
QString MainGridValueName(int column);

// The two clock texts of the status bar for a local date-time.
struct ClockTexts {
    QString Local;
    QString Utc;
};
ClockTexts ClockPanelTexts(const DateTime &local, bool summerTime);

// The main window: the log in a grid and in a record view, sorting, finding,
// the status bar with the QSO count, the latest QSO and a clock, and the entry
// points to every other window.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    // The placement store shared by the windows that keep their placement.
    TWindow &WindowStore() { return window_; }

    // The clock the status bar reads; nullptr means the system clock.
    LocalClock ClockSource = nullptr;

    // Operations, public so that tests can run them as the controls do.
    void FormActivate();
    void RefreshButtons();
    // The log's count in the status bar; nothing when the connection is lost.
    // `reuse`: figures read since the window was last deactivated serve (an
    // activation right after an action of this window read them).
    std::optional<TDM::LogTotals> ShowQsoCount(bool reuse = false);
    void ShowLastQso();
    void ApplySortOrderToCombo();
    void ReopenKeepingPosition();
    void FindByCall();
    void FindByFirstLetter(QChar letter);
    void FindByDate();
    void ApplyDateFormats();
    void LoadSettings();
    void SaveSettings();
    // The width a column gets when the settings store holds none.
    int DefaultColumnWidth(int column) const;
    void TimerTimer();
    void InsertBtnClick();
    void EditBtnClick();
    void DeleteBtnClick();
    void LacznBtnClick();
    void ImportMnuClick();
    void DaneStacjiMnuClick();
    void DataMnuClick();
    void OProgramieMnuClick();
    void GridTitleClick(int column);
    void SetSummerTime(bool summer);
    QString PanelText(int panel) const;
    // The marker of a grid column's title: smUp on the column of the sort order.
    TSortMarker SortMarkerFor(const Field *field) const;

    // Controls, named as the program names them.
    QPushButton *InsertBtn = nullptr;
    QPushButton *EditBtn = nullptr;
    QPushButton *DeleteBtn = nullptr;
    TExSpeedButton *PrintBtn = nullptr;
    QPushButton *StatysBtn = nullptr;
    QPushButton *LacznBtn = nullptr;
    QPushButton *PrefixEditBtn = nullptr;
    QPushButton *PrefixExpBtn = nullptr;
    QLabel *ZnakLbl = nullptr;
    TButtonEdit *EdStacja = nullptr;
    TDateTimeEdit *EdData = nullptr;
    QToolButton *SzukajDataBtn = nullptr;
    std::array<QToolButton *, 4> Navigator{}; // first, prior, next, last
    QComboBox *EdSortOrder = nullptr;
    QTabWidget *PageControl = nullptr;
    DataSource *LogiSource = nullptr;
    TExDBGrid *DbGrid = nullptr;
    TRecordView *RecordView = nullptr;
    std::array<QLabel *, 5> StatusPanels{};
    QTimer *Timer = nullptr;

    QMenu *PrintMenu = nullptr;
    QAction *KsiegaDrukMnu = nullptr, *EtykietyDrukMnu = nullptr;
    QAction *ExportAllMnu = nullptr, *ExportSelMnu = nullptr, *ImportMnu = nullptr, *DaneStacjiMnu = nullptr,
            *AktualPrefixMnu = nullptr, *AktualGminMnu = nullptr, *AktualZamkiMnu = nullptr,
            *Zakocz1 = nullptr;
    QAction *DataMnu = nullptr, *CzasLetniMnu = nullptr, *CzasZimowyMnu = nullptr;
    QAction *WydrukEtykMnu = nullptr, *WzorceMnu = nullptr;
    QAction *Wyszukiwanieproste1 = nullptr, *Wyszukiwaniezoone1 = nullptr, *WyznaczITUCQMnu = nullptr,
            *OProgramieMnu = nullptr;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildMenus();
    QWidget *BuildToolPanel();
    QLayout *BuildCallSearch(QWidget *panel);
    QLayout *BuildDateSearch(QWidget *panel);
    QLayout *BuildNavigator(QWidget *panel);
    void BuildPages();
    void BuildStatusBar();
    void SetUpGridColumns();
    void LogiDataChange();
    void Navigate(int button);
    void RefreshNavigator();
    int CurrentLogId() const;

    TWindow window_;
    std::optional<TDM::LogTotals> totalsRead_; // since the window was last deactivated
    bool shown_ = false;
    bool settingsSaved_ = false;
};

extern TMainForm *MainForm;
