#pragma once

#include "platform/db/DataSource.h"
#include "platform/db/FbQuery.h"
#include "platform/db/FbTable.h"
#include "platform/db/FbTransaction.h"
#include "platform/db/FbUpdateSql.h"

#include <QDialog>

class QLabel;
class TButtonEdit;
class TDBNavigator;
class TExDBGrid;

// "PrefixEditFrm": the DXCC countries (upper grid) and the prefixes of the
// current country (lower grid), both edited in place. Every posted or deleted
// row is committed at once, so a new country's prefixes can be added right
// after it; on closing, the data module rereads both tables so that call
// signs resolve by the edited prefixes.
class TPrefixEditFrm : public QDialog {
    Q_OBJECT
public:
    explicit TPrefixEditFrm(QWidget *parent = nullptr);
    ~TPrefixEditFrm() override;

    void FormActivate();
    // Moves the countries to the first row whose field starts with the text.
    void SearchChange(const QString &field, const QString &text);

    FbTransaction trNowe, trDetale;
    FbTable Nowe;
    FbQuery Detale;
    FbUpdateSql updDetale;
    DataSource NoweSource, DetaleSource;

    TExDBGrid *NoweGrid;
    TExDBGrid *DetaleGrid;
    TDBNavigator *NoweNavigator;
    TDBNavigator *DetaleNavigator;
    QLabel *NazwaLbl;
    TButtonEdit *EdPrefix;
    TButtonEdit *EdNazwaAng;
    TButtonEdit *EdNazwaPol;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *e) override;

private:
    void SetUpDataSets();
    void NoweAfterScroll();
    void ReopenDetale();
    bool PostPending();
    TButtonEdit *SearchBox(const QString &field);
};
