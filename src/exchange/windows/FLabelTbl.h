#pragma once

#include <QDialog>

class QPushButton;
class TExDBGrid;

// "Etykiety adresowe": the list of label templates, where they are added,
// corrected and deleted. Created for one use by the main window.
class TLabelTbl : public QDialog {
    Q_OBJECT
public:
    explicit TLabelTbl(QWidget *parent = nullptr);

    // Opens the templates and shows the list modally; returns the modal result.
    int ShowTemplateList();
    // What ShowTemplateList does before it shows the list.
    void PrepareTemplateList();
    void UpdateTemplateButtons();

    void InsertBtnClick();
    void EditBtnClick();
    void DeleteBtnClick();

    QPushButton *InsertBtn, *EditBtn, *DeleteBtn, *CloseBtn;
    TExDBGrid *DBGrid1;
};
