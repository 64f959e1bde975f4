#pragma once

#include <QDialog>
#include <QString>

class QPushButton;
class TExDBGrid;
class TWindow;

// All QSOs with one station, oldest first; can move the main log to one of
// them. Created for one use by the main window.
class TLaczStacjaFrm : public QDialog {
    Q_OBJECT
public:
    TLaczStacjaFrm(TWindow &placement, QWidget *parent = nullptr);

    // Fills the list for the call sign, positioned on the main log's current
    // QSO, and shows it modally; returns the modal result.
    int ShowForStation(const QString &call);
    // Moves the main log to the QSO of the current row.
    void GoToSelectedQso();
    // Every way of closing stores the window's placement.
    void done(int result) override;

    TExDBGrid *DbGrid = nullptr;
    QPushButton *ZamknijBtn = nullptr;
    QPushButton *IdzDoBtn = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Prepare(const QString &call);

    TWindow &placement_;
};
