#pragma once

#include "core/Log.h"
#include "core/WspGeogr.h"
#include "platform/DateTime.h"

#include <QDate>
#include <QDialog>
#include <QString>
#include <QTime>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TAmountEdit;
class TDateTimeEdit;
class TZapisCB;

// The QSO editor: enters new QSOs one after another (NewQso) or corrects one
// stored QSO (EditQso). One instance lives for the whole run; the main window
// reads SavedAny or Changed after the dialog has closed.
class TLogFrm : public QDialog {
    Q_OBJECT
public:
    explicit TLogFrm(QWidget *parent = nullptr);
    ~TLogFrm() override;

    // Both show the dialog modally and return its modal result (1 OK, 2 Cancel).
    int NewQso();
    int EditQso(int logId);

    bool NewMode = false;
    bool Changed = false;  // edit mode: the QSO differed and was saved
    bool SavedAny = false; // new mode: at least one QSO saved since opening
    bool OwnLocatorValid = false;

    // Controls, named as the program names them.
    TDateTimeEdit *EdData = nullptr;
    TDateTimeEdit *EdGodz = nullptr;
    QToolButton *DataLock = nullptr;
    QComboBox *EdPasmo = nullptr;
    QToolButton *PasmoLock = nullptr;
    QLineEdit *EdStacja = nullptr;
    QComboBox *EdEmisja = nullptr;
    QToolButton *EmisjaLock = nullptr;
    QLineEdit *EdRaportNad = nullptr;
    QLineEdit *EdRaportOdb = nullptr;
    QLineEdit *EdImie = nullptr;
    QLineEdit *EdMiasto = nullptr;
    QLineEdit *EdDomena = nullptr;
    QToolButton *SppaBtn = nullptr;
    QLineEdit *EdGmina = nullptr;
    QToolButton *GminaBtn = nullptr;
    QLineEdit *EdZamek = nullptr;
    QToolButton *ZamekBtn = nullptr;
    QLineEdit *EdLokator = nullptr;
    QLineEdit *EdWyspa = nullptr;
    QLineEdit *EdManager = nullptr;
    QCheckBox *EdQSLWys = nullptr;
    QCheckBox *EdQSLOdb = nullptr;
    QComboBox *EdKont = nullptr;
    TAmountEdit *EdITU = nullptr;
    TAmountEdit *EdCQ = nullptr;
    QPushButton *WyznaczBtn = nullptr;
    QLineEdit *EdNotatki = nullptr;
    QPushButton *PostBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QLabel *dxccLbl = nullptr;
    QLabel *SppaLbl = nullptr;
    QLabel *OdlegloscLbl = nullptr;
    QLabel *IotaLbl = nullptr;
    QLabel *QsoLbl = nullptr;

    // Slots the controls are wired to; public so tests can run them directly.
    void SaveQso();
    void ComputeZones();
    void EdStacjaExit();
    void EdEmisjaExit();

    // Cancelling ends with modal result 2, as the caller expects.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildForm();
    void ClearQsoFields();
    void FillEmissionList();
    void FocusFirstField();
    void RecordToForm();
    void FormToRecord();
    void ShowDxccAndLastQso();
    void ShowIotaName();
    void ComputeOwnPosition();
    void ShowDistance();
    void ShowSppaName();
    void PickCastle();
    void PickDistrict();
    void PickCommune();
    void FillZones(int krajId, const QString &call);
    // Continent item and zone texts as the fields show them.
    struct ShownZones {
        int Kont = 0;
        QString Itu, Cq;
        bool operator==(const ShownZones &) const = default;
    };
    ShownZones CurrentZones() const;
    // Every field as it shows now. A loaded QSO's field the operator left as
    // it was shown keeps the stored value exactly, where the field's input
    // rule (case, mask, list, range) shows it otherwise.
    struct FormValues {
        QDate Data;
        QTime Godz;
        int Pasmo = 0;
        QString Stacja, Emisja, RaportNad, RaportOdb, Imie, Miasto, Domena, Gmina, Zamek, Lokator, Wyspa,
            Manager, Notatki;
        int Kont = 0;
        QString Itu, Cq;
    };
    FormValues ReadForm() const;
    QString CallSign() const; // the call-sign field's text, for the lookups
    void KeepUntouched(const FormValues &now);
    // What leaving the field does (the call sign's lookups and zones, the
    // mode's default reports); nothing for other fields.
    void LeaveField(const QObject *field);
    // Shows the QSO just loaded into the record and takes it as the snapshot
    // that a save compares with.
    void ShowLoadedQso();
    // After a save refused because another copy changed the QSO: loads the
    // stored QSO into the dialog, or keeps the user's values, as they choose.
    void OfferStoredQso();
    void CancelLogiEdit();
    void NextQso();
    void AttachStacjaHandler(bool on);
    void Warn(const QString &text, QWidget *field);

    TLog log_;
    std::unique_ptr<TZapisCB> callbook_;
    TWspGeogr OwnPosition;
    TWspGeogr QsoPosition;
    TLog QsoSnapshot;  // edit mode: the QSO a save compares the stored row with
    TLog loaded_;      // edit mode: the QSO the fields were filled from
    FormValues shown_; // and the fields as it showed them
    // What the program last filled in from a call sign; while the fields still
    // show exactly that, leaving the call-sign field fills them again.
    std::optional<ShownZones> filledZones_;
    bool stacjaHandlerOn_ = false;
};

// The one editor of the program, created at start-up.
extern TLogFrm *LogFrm;
