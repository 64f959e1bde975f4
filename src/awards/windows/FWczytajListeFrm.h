#pragma once

#include "awards/ReferenceListImport.h"
#include "controls/RunDialog.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;
class TDM;
class TFileNameEdit;

// What tells the castle list import from the commune list import.
struct ListImportKind {
    QString Caption;
    QString FileName;     // the initial file name
    QString Confirmation; // asked before the import
    QString Information;  // the text of the "Informacja" group
    ListImportCounts (*Import)(TDM &, const QByteArray &, const TProgress &);
};

// A reference list import window: the file name, a confirmation, the import in
// one run, the closing message with its counts and the window closes; a file
// without any usable line is refused and the window stays. Created for one
// use by the main window and shown with exec().
class TWczytajListeFrm : public TRunDialog {
    Q_OBJECT
public:
    TWczytajListeFrm(const ListImportKind &kind, QWidget *parent = nullptr);

    TFileNameEdit *EdNazwaPliku;
    QGroupBox *InformacjaBox;
    QLabel *InformacjaLbl;
    QPushButton *WczytajBtn;
    QPushButton *CancelBtn;
    QStatusBar *StatusBar;

protected:
    void Run() override;

private:
    ListImportKind kind_;
};
