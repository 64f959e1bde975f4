#pragma once

#include "report/printer/RpPrinter.h"

#include <QWidget>

class QAction;
class QActionGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QSplitter;
class QStatusBar;
class QTabWidget;
class QTableWidget;
class QToolBar;
class TRpPreview;
class ThumbDelegate;

// The print preview window: pages with zoom, thumbnails, search results,
// page navigation, printing and page files.
class TRpStandardPreview : public QWidget {
    Q_OBJECT
public:
    TRpStandardPreview(QWidget *owner, TRpPrinter *printer);
    ~TRpStandardPreview() override;

    void Show();
    void GotoPage(int n);
    // The go-to-page answer: a number within the pages, else page 1.
    static int PageFromText(const QString &text, int pageCount);

    void FirstPageClick();
    void PreviousPageClick();
    void NextPageClick();
    void LastPageClick();
    void GotoPageClick();
    void FindClick();
    // Runs a search and fills the results; false when nothing was found.
    bool Search(const QString &text, bool matchCase);
    void PrintClick();
    void PrintSetupClick();
    void SaveReportClick();
    void LoadReportClick();
    // Loads a page file as the load button does after its dialog.
    bool LoadFile(const QString &fileName);
    void SearchResultClick();
    void UpdateStatusBar();
    void ShowProgress(int progress);
    // How many page pictures the thumbnails have drawn so far.
    int ThumbnailsRendered() const;

    QToolBar *ToolBar1;
    QActionGroup *ZoomGroup;
    QAction *ZoomFit, *ZoomToWidth, *Zoom100;
    QAction *FirstPage, *PreviousPage, *nextPage, *LastPage, *GotoPageButton, *FindButton;
    QAction *PrintSetup, *Print, *SaveReport, *LoadReport, *ExitButton;
    TRpPreview *RpPreview;
    QSplitter *Splitter;
    QTabWidget *Tabs;
    QWidget *TabThumbs;
    QTableWidget *ThumbGrid;
    QWidget *TabSearchResult;
    QGroupBox *GroupBox1;
    QLabel *SearchTextLabel;
    QListWidget *SearchResultBox;
    QStatusBar *StatusBar;
    QLabel *StatusPanels[3];

    TRpPrinter *RpPrinter;
    bool ShowThumbs = true;
    bool ShowSearch = true;
    TRpZoomState InitialZoomState = rpZoomOther;
    bool Landscape = false;

protected:
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void createControls();
    void applyInitialZoom(int zoom);
    void pageAvailable(int n);
    void thumbsResized();
    void clearThumbnails();
    void thumbRowSelected(int row);
    void selectThumb(int n);
    void scrollUp();
    void scrollDown();
    bool generating() const;
    // The printer holds a whole report (or a loaded file): the file and
    // printer actions may use it.
    bool finished() const;
    int lastPage() const;
    // A file to save or load, through the file dialog; filter is in the
    // "Description|patterns|..." form, filterIndex gets the chosen pair (0 first).
    QString askFileName(bool save, const QString &title, const QString &filter, int *filterIndex = nullptr);

    ThumbDelegate *thumbs_ = nullptr;
    int thumbTextHeight_ = 0;
    int thumbWidth_ = 0;
    int thumbRowHeight_ = 0;
    int thumbMargin_ = 0;
    int lastProgressShown_ = 0;
    bool syncing_ = false;
    bool searching_ = false;
};

// The status text of the preview: the report title or the loaded file's name.
extern QString StatusText;
