#pragma once

#include "core/FWindow.h"
#include "platform/db/FbQuery.h"
#include "platform/db/FbTransaction.h"

#include <QDialog>

class DataSource;
class QPushButton;
class TButtonEdit;
class TDM;
class TExDBGrid;
struct TDrillDown;

// The QSOs behind one result of the statistics window, oldest first. Created
// for one opening, filled by one of the builders, shown modally and freed.
class TPrefixDetFrm : public QDialog {
    Q_OBJECT
public:
    explicit TPrefixDetFrm(TDM &dm, QWidget *parent = nullptr);
    ~TPrefixDetFrm() override;

    // Each builder fills the list and shows it modally; returns the modal result.
    int ShowCountryHfQsos(int krajId, const QString &prefix, const QString &name);
    int ShowCountryQsos(int krajId, const QString &prefix, const QString &name);
    int ShowIotaQsos(const QString &reference, const QString &name);
    int ShowLokatorQsos(const QString &square);
    int ShowPowiatQsos(const QString &powiatId);
    int ShowGminaQsos(const QString &symbol, const QString &name);
    int ShowZamekQsos(const QString &symbol);
    int ShowItuQsos(int zone);
    int ShowCqQsos(int zone);

    // Fills the list without showing it.
    void Fill(const TDrillDown &d);
    // Every way of closing stores the window's placement.
    void done(int result) override;

    QPushButton *ZamknijBtn = nullptr;
    TButtonEdit *EdStacja = nullptr;
    TExDBGrid *DbGrid = nullptr;
    DataSource *ActiveDS = nullptr;
    FbTransaction trStacje;
    FbQuery Stacje;

protected:
    void showEvent(QShowEvent *event) override;

private:
    int ShowList(const TDrillDown &d);
    void EdStacjaChange();

    TDM &dm_;
    TWindow placement_;
};
