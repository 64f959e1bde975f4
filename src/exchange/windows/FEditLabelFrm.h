#pragma once

#include "exchange/LabelTemplateChecks.h"
#include "platform/db/FbStatement.h"
#include "platform/db/FbTransaction.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class TAmountEdit;
class TExSpinEdit;
class TLabelSketch;

// "Etykiety adresowe": edits one label template, a new one or the current row
// of the data module's Etykiety. Created for one use by the template list.
class TEditLabelFrm : public QDialog {
    Q_OBJECT
public:
    explicit TEditLabelFrm(QWidget *parent = nullptr);

    // Fill the fields for a new template / from the current row; the Prepare
    // steps are what the Show steps do before they show the dialog modally.
    void PrepareNewTemplate();
    void PrepareEditTemplate();
    int NewTemplate();
    int EditTemplate();

    int NewTemplateId();
    // The checks, then the save; a failed check or a refused save keeps the dialog open.
    void PostBtnClick();

    // The values as the fields hold them now.
    TLabelEditorValues Values();
    bool Inserting() const { return inserting_; }

    QLineEdit *EdNazwa;
    TAmountEdit *EdGorny, *EdBoczny, *EdWysokosc, *EdSzerokosc, *EdOdstPoz, *EdOdstPion;
    TExSpinEdit *EdLiczbaPoz, *EdLiczbaPion;
    QPushButton *PostBtn, *CancelBtn;
    TLabelSketch *Sketch;

    FbTransaction trNewId;
    FbStoredProc GetNewId;

    // Esc closes as Cancel does.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void SetValues(const TLabelEditorValues &values);
    QWidget *FieldWidget(TLabelEditorField field) const;

    bool inserting_ = true;
};
