#pragma once

#include "exchange/QslLabelLinesEdit.h"
#include "exchange/QslLabelList.h"

#include <QDialog>
#include <functional>
#include <memory>

class PrintDevice;
class Printer;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
class TDM;
class TExDBGrid;
class TLabelPrinterChoice;
class TWindow;

// QSL address labels: lists the QSOs whose card has not been sent, lets the
// user mark the ones to confirm and prints a label per station and kind on a
// sheet of labels described by a template. Created for one use.
class TEtykietyFrm : public QDialog {
    Q_OBJECT
public:
    TEtykietyFrm(TDM &dm, TWindow &placement, QWidget *parent = nullptr);
    ~TEtykietyFrm() override;

    // Reads the extra lines and the templates, then shows the window modally.
    int ShowLabelWindow();
    // The part of ShowLabelWindow before the window shows.
    void PrepareLabelWindow();

    // The list loads once, when the window is first shown.
    bool Loaded() const { return loaded_; }
    void PrintLabels();

    // Where a PDF goes when the machine has no print queue; empty cancels.
    std::function<QString()> AskPdfFile;

    TQslLabelList List;

    QLabel *PrinterLbl = nullptr;
    QPushButton *PrinterSetupBtn = nullptr;
    QComboBox *EdEtykieta = nullptr;
    QPushButton *PrevBtn = nullptr;
    QPushButton *CloseBtn = nullptr;
    TExDBGrid *DBGrid = nullptr;
    QLineEdit *EdLinia1 = nullptr;
    QLineEdit *EdLinia2 = nullptr;
    QCheckBox *ZaznaczWydrBox = nullptr;
    QGroupBox *ProgressBox = nullptr;
    QProgressBar *ProgressBar = nullptr;
    QStatusBar *StatusBar = nullptr;
    QLabel *StatusPanel0 = nullptr;
    QLabel *StatusPanel1 = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *BuildTopBar();
    QWidget *BuildBottom();
    void BuildGrid();
    void FillTemplateCombo();
    void ShowPrinterName();
    void PrinterSetupBtnClick();
    void PrevBtnClick();
    void LoadUnsentQsls();
    void ToggleMark();
    void ShowMarkedCount();
    void FormClose();

    TDM &dm_;
    TWindow &placement_;
    PrintDevice *printer_ = nullptr;
    std::unique_ptr<Printer> ownPrinter_;
    std::unique_ptr<TLabelPrinterChoice> printerChoice_;
    TQslLabelLinesEdit lines_;
    bool loaded_ = false;
    bool closed_ = false;
};

// The label window for one use, from the main window's menus. True when it
// recorded cards as sent, so the log has changed.
bool OpenLabelPrinting(TDM &dm, TWindow &placement, QWidget *parent);
