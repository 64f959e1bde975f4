#pragma once

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class TCustomReport;
class TRpEvEnvironment;

// The named expressions of the report's environment or of the global one:
// names and expressions edited in a grid, new entries added below it.
class TRpEnvironmentEditor : public QDialog {
    Q_OBJECT
public:
    // local may be null: then only the global environment is offered.
    TRpEnvironmentEditor(TRpEvEnvironment *local, TCustomReport *report, QWidget *parent = nullptr);

    // The local environment when it is chosen and present, else the global one.
    TRpEvEnvironment &Chosen() const;
    void FillGrid();

    QWidget *GridArea;
    QTableWidget *UDFGrid;
    QRadioButton *LocalDefines, *GlobalDefines;
    QPushButton *AddButton, *EditButton, *DeleteButton, *CloseButton;
    QGroupBox *NewEntry;
    QLineEdit *NewName, *NewExpression;
    QPushButton *NewBuilder, *NewOK, *NewCancel;

private:
    void CellChanged(int row, int column);
    void EditRow();
    void ShowNewEntry(bool on);
    void AddEntry();

    TRpEvEnvironment *local_;
    TCustomReport *report_;
    bool filling_ = false;
};

// Opens the editor and returns when it is closed.
void ShowEnvironmentEditor(TRpEvEnvironment *local, TCustomReport *report, QWidget *parent = nullptr);
