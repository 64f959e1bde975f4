#include "ui/FLogFrm.h"

#include "controls/DateTimeEdit.h"
#include "controls/MaskedEdit.h"
#include "controls/NumberEdit.h"
#include "core/DisplayText.h"
#include "core/Dxcc.h"
#include "core/FDM.h"
#include "core/Geography.h"
#include "core/QsoChecks.h"
#include "core/QsoLookups.h"
#include "core/Settings.h"
#include "core/Validators.h"
#include "core/ZapisCB.h"
#include "platform/Messages.h"
#include "platform/gui/BusyGuard.h"
#include "platform/gui/Guarded.h"
#include "ui/FWybierzFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <cmath>
#include <utility>

TLogFrm *LogFrm = nullptr;

namespace {

const QString NewCaption = QStringLiteral("Wprowadzenie nowej łączności");
const QString EditCaption = QStringLiteral("Edycja istniejącej łączności");

const char *const Continents[] = {
    "  ",          "AF - Afryka",           "AN - Antarktyda", "AS - Azja",
    "EU - Europa", "NA - Ameryka Północna", "OC - Oceania",    "SA - Ameryka Południowa"};

DateTime JoinDateTime(const QDate &date, const QTime &time)
{
    return DateTime::fromQDate(date).addTicks(int64_t(time.msecsSinceStartOfDay()) *
                                              (DateTime::TicksPerSecond / 1000));
}

// A padlock: the lock buttons keep a value for the next QSO.
QIcon PadlockIcon()
{
    QPixmap pix(16, 16);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.6));
    p.drawArc(QRectF(4.5, 1.5, 7, 9), 0, 180 * 16);
    p.drawLine(QPointF(4.5, 6), QPointF(4.5, 7.5));
    p.drawLine(QPointF(11.5, 6), QPointF(11.5, 7.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawRoundedRect(QRectF(2.5, 7.5, 11, 7.5), 1.5, 1.5);
    return QIcon(pix);
}

// Input masks: letters or digits ('n'), digits ('0'), upper case ('>'), blank '_'.
const QString GminaMask = QStringLiteral(">nn00;_");
const QString ZamekMask = QStringLiteral(">nnn00;_");
const QString LokatorMask = QStringLiteral(">nn00nn;_");
const QString WyspaMask = QStringLiteral(">nn-000;_");

// What is typed goes upper case; a stored text is shown as it is stored,
// and what is saved is upper-cased by the save.
void MakeUpperCase(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int pos = edit->cursorPosition();
            edit->setText(upper);
            edit->setCursorPosition(pos);
        }
    });
}

QLineEdit *NewTextEdit(QWidget *parent, const char *name, int maxLength, bool upperCase)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    if (upperCase)
        MakeUpperCase(e);
    return e;
}

QLineEdit *NewMaskedEdit(QWidget *parent, const char *name, const QString &mask)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    SetEditMask(e, mask);
    return e;
}

// A stored value the mask cannot show (a 6-character commune code, lower
// case from an import) would be cut by the mask: such a value is shown as it
// is, without the mask, until the field is cleared.
void SetMaskedText(QLineEdit *edit, const QString &mask, const QString &text)
{
    SetEditMask(edit, mask);
    edit->setText(text);
    const QString shown = edit->text();
    if (shown == text || (text.trimmed().isEmpty() && shown.trimmed() == QLatin1String("-")) ||
        (text.trimmed().isEmpty() && shown.trimmed().isEmpty()))
        return;
    edit->setInputMask(QString());
    edit->setMaxLength(6);
    edit->setText(text);
}

TAmountEdit *NewZoneEdit(QWidget *parent, const char *name, int maxValue)
{
    auto *e = new TAmountEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->SetDecimalPlaces(0);
    e->SetDisplayFormat(QStringLiteral("##"));
    e->setMaxLength(2);
    e->SetMaxValue(maxValue);
    return e;
}

void SetZone(TAmountEdit *edit, int zone)
{
    edit->SetValue(zone);
}

void SetZoneText(TAmountEdit *edit, const QString &text)
{
    edit->SetText(text);
}

int ZoneOf(TAmountEdit *edit)
{
    return edit->AsInteger();
}

// The continent (as the combo's item) and the zones the program gives a call
// sign of that country.
struct CallZones {
    int Kont;
    uint8_t Itu, Cq;
};

CallZones ZonesOfCall(int krajId, const QString &call)
{
    return {ContinentIndex(DM->ContinentForKrajId(krajId)), ItuZoneFor(krajId, call),
            CqZoneFor(krajId, call)};
}
}

TLogFrm::TLogFrm(QWidget *parent) : QDialog(parent), callbook_(std::make_unique<TZapisCB>())
{
    setWindowTitle(QStringLiteral("QSO"));
    BuildForm();
    for (int i = 0; i < TPasmo::BandCount; ++i)
        EdPasmo->addItem(TPasmo::BandNameOf(i));
    EdPasmo->setCurrentIndex(0);
    SppaLbl->clear();
    SppaLbl->setToolTip(QString());
}

TLogFrm::~TLogFrm()
{
    if (LogFrm == this)
        LogFrm = nullptr;
}

void TLogFrm::BuildForm()
{
    auto *grid = new QGridLayout;
    int row = 0;
    auto label = [&](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    // A caption with its field, the field taking the spare width.
    auto labelled = [&](const QString &text, QWidget *field) {
        auto *box = new QHBoxLayout;
        box->addWidget(label(text, field));
        box->addWidget(field, 1);
        return box;
    };
    auto lockButton = [this](const char *name) {
        auto *b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setCheckable(true);
        b->setIcon(PadlockIcon());
        b->setToolTip(QStringLiteral("Zachowaj dla następnej łączności"));
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    auto pickButton = [this](const char *name) {
        auto *b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setText(QStringLiteral("..."));
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };

    EdData = new TDateTimeEdit(QMetaType::QDate, this);
    EdData->setObjectName("EdData");
    EdData->setCalendarPopup(true);
    EdData->setMinimumDate(QDate(100, 1, 1)); // the earliest it can show: a stored date is shown as it is
    EdGodz = new TDateTimeEdit(QMetaType::QTime, this);
    EdGodz->setObjectName("EdGodz");
    EdGodz->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    DataLock = lockButton("DataLock");
    auto *dateBox = new QHBoxLayout;
    dateBox->addWidget(EdData, 1);
    dateBox->addWidget(EdGodz, 1);
    dateBox->addWidget(DataLock);
    grid->addWidget(label(QStringLiteral("&Data godz. [UTC]"), EdData), row, 0);
    grid->addLayout(dateBox, row++, 1, 1, 3);

    EdPasmo = new QComboBox(this);
    EdPasmo->setObjectName("EdPasmo");
    PasmoLock = lockButton("PasmoLock");
    grid->addWidget(label(QStringLiteral("&Pasmo"), EdPasmo), row, 0);
    grid->addWidget(EdPasmo, row, 1);
    grid->addWidget(PasmoLock, row, 2, Qt::AlignLeft);

    EdEmisja = new QComboBox(this);
    EdEmisja->setObjectName("EdEmisja");
    EdEmisja->setEditable(true);
    EdEmisja->setInsertPolicy(QComboBox::NoInsert);
    EdEmisja->lineEdit()->setMaxLength(6); // the column's width: PSK31, MSK144
    MakeUpperCase(EdEmisja->lineEdit());
    EdEmisja->setEditText(QStringLiteral("CW"));
    EmisjaLock = lockButton("EmisjaLock");
    auto *modeBox = labelled(QStringLiteral("Typ &emisji"), EdEmisja);
    modeBox->addWidget(EmisjaLock);
    grid->addLayout(modeBox, row++, 3);

    EdStacja = NewTextEdit(this, "EdStacja", 14, true);
    grid->addWidget(label(QStringLiteral("&Stacja wołana"), EdStacja), row, 0);
    grid->addWidget(EdStacja, row++, 1, 1, 3);

    EdRaportNad = NewTextEdit(this, "EdRaportNad", 8, false);
    EdRaportOdb = NewTextEdit(this, "EdRaportOdb", 8, false);
    grid->addWidget(label(QStringLiteral("Raport &nadany"), EdRaportNad), row, 0);
    grid->addWidget(EdRaportNad, row, 1);
    auto *rstBox = labelled(QStringLiteral("Raport &odebrany"), EdRaportOdb);
    grid->addLayout(rstBox, row++, 3);

    EdImie = NewTextEdit(this, "EdImie", 15, false);
    EdMiasto = NewTextEdit(this, "EdMiasto", 25, false);
    grid->addWidget(label(QStringLiteral("&Imię"), EdImie), row, 0);
    grid->addWidget(EdImie, row, 1);
    auto *townBox = labelled(QStringLiteral("&Miejscowość"), EdMiasto);
    grid->addLayout(townBox, row++, 3);

    // The district text is stored in a 6-character column.
    EdDomena = NewTextEdit(this, "EdDomena", 6, true);
    SppaBtn = pickButton("SppaBtn");
    EdGmina = NewMaskedEdit(this, "EdGmina", GminaMask);
    GminaBtn = pickButton("GminaBtn");
    EdZamek = NewMaskedEdit(this, "EdZamek", ZamekMask);
    ZamekBtn = pickButton("ZamekBtn");
    grid->addWidget(label(QStringLiteral("SPP&A"), EdDomena), row, 0);
    auto *sppaBox = new QHBoxLayout;
    sppaBox->addWidget(EdDomena, 1);
    sppaBox->addWidget(SppaBtn);
    grid->addLayout(sppaBox, row, 1);
    auto *refBox = labelled(QStringLiteral("P&GA"), EdGmina);
    refBox->addWidget(GminaBtn);
    refBox->addWidget(label(QStringLiteral("Symbol zamku"), EdZamek));
    refBox->addWidget(EdZamek, 1);
    refBox->addWidget(ZamekBtn);
    grid->addLayout(refBox, row++, 3);

    EdLokator = NewMaskedEdit(this, "EdLokator", LokatorMask);
    EdWyspa = NewMaskedEdit(this, "EdWyspa", WyspaMask);
    grid->addWidget(label(QStringLiteral("&Lokator"), EdLokator), row, 0);
    grid->addWidget(EdLokator, row, 1);
    auto *iotaBox = labelled(QStringLiteral("&IOTA:"), EdWyspa);
    grid->addLayout(iotaBox, row++, 3);

    EdManager = NewTextEdit(this, "EdManager", 7, true);
    EdQSLWys = new QCheckBox(QStringLiteral("QSL W"), this);
    EdQSLWys->setObjectName("EdQSLWys");
    EdQSLOdb = new QCheckBox(QStringLiteral("QSL O"), this);
    EdQSLOdb->setObjectName("EdQSLOdb");
    grid->addWidget(label(QStringLiteral("&QSL Manager"), EdManager), row, 0);
    grid->addWidget(EdManager, row, 1);
    auto *qslBox = new QHBoxLayout;
    qslBox->addWidget(EdQSLWys);
    qslBox->addWidget(EdQSLOdb);
    qslBox->addStretch(1);
    grid->addLayout(qslBox, row++, 3);

    EdKont = new QComboBox(this);
    EdKont->setObjectName("EdKont");
    for (const char *c : Continents)
        EdKont->addItem(QString::fromUtf8(c));
    EdITU = NewZoneEdit(this, "EdITU", 75);
    EdCQ = NewZoneEdit(this, "EdCQ", 40);
    WyznaczBtn = new QPushButton(QStringLiteral("Wyznacz"), this);
    WyznaczBtn->setObjectName("WyznaczBtn");
    WyznaczBtn->setAutoDefault(false);
    grid->addWidget(label(QStringLiteral("&Kontynent"), EdKont), row, 0);
    grid->addWidget(EdKont, row, 1);
    auto *zoneBox = new QHBoxLayout;
    zoneBox->addWidget(label(QStringLiteral("IT&U"), EdITU));
    zoneBox->addWidget(EdITU);
    zoneBox->addWidget(label(QStringLiteral("&CQ"), EdCQ));
    zoneBox->addWidget(EdCQ);
    zoneBox->addWidget(WyznaczBtn);
    zoneBox->addStretch(1);
    grid->addLayout(zoneBox, row++, 3);

    EdNotatki = NewTextEdit(this, "EdNotatki", 50, false);
    grid->addWidget(label(QStringLiteral("No&tatki"), EdNotatki), row, 0);
    grid->addWidget(EdNotatki, row++, 1, 1, 3);

    auto *info = new QGridLayout;
    auto infoLine = [&](int r, const QString &caption, QLabel *&target, const char *name) {
        target = new QLabel(this);
        target->setObjectName(QLatin1String(name));
        info->addWidget(new QLabel(caption, this), r, 0);
        info->addWidget(target, r, 1);
    };
    infoLine(0, QStringLiteral("DXCC:"), dxccLbl, "dxccLbl");
    infoLine(1, QStringLiteral("SPPA:"), SppaLbl, "SppaLbl");
    infoLine(2, QStringLiteral("Odległość [Azymut]:"), OdlegloscLbl, "OdlegloscLbl");
    infoLine(3, QStringLiteral("Wyspa:"), IotaLbl, "IotaLbl");
    infoLine(4, QStringLiteral("Ostatnia łączność:"), QsoLbl, "QsoLbl");
    info->setColumnStretch(1, 1);
    info->setColumnMinimumWidth(1, 320);

    PostBtn = new QPushButton(QStringLiteral("&Zapisz"), this);
    PostBtn->setObjectName("PostBtn");
    PostBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Anuluj"), this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(PostBtn);
    buttons->addWidget(CancelBtn);

    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(info);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);

    const QList<QWidget *> tabOrder = {EdData,      EdGodz,  EdPasmo,    EdEmisja,  EdStacja, EdRaportNad,
                                       EdRaportOdb, EdImie,  EdMiasto,   EdDomena,  EdGmina,  EdZamek,
                                       EdLokator,   EdWyspa, EdManager,  EdQSLWys,  EdQSLOdb, EdKont,
                                       EdITU,       EdCQ,    WyznaczBtn, EdNotatki, PostBtn,  CancelBtn};
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    for (QWidget *w :
         {static_cast<QWidget *>(EdStacja), static_cast<QWidget *>(EdEmisja), static_cast<QWidget *>(EdKont)})
        w->installEventFilter(this);

    connect(EdStacja, &QLineEdit::textChanged, this, [this] {
        if (stacjaHandlerOn_)
            Guarded([this] { ShowDxccAndLastQso(); });
    });
    connect(EdWyspa, &QLineEdit::textChanged, this, [this] { Guarded([this] { ShowIotaName(); }); });
    connect(EdLokator, &QLineEdit::textChanged, this, [this] { ShowDistance(); });
    connect(EdDomena, &QLineEdit::textChanged, this, [this] { ShowSppaName(); });
    connect(WyznaczBtn, &QPushButton::clicked, this, [this] { Guarded([this] { ComputeZones(); }); });
    connect(PostBtn, &QPushButton::clicked, this, [this] { Guarded([this] { SaveQso(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ZamekBtn, &QToolButton::clicked, this, [this] { Guarded([this] { PickCastle(); }); });
    connect(SppaBtn, &QToolButton::clicked, this, [this] { Guarded([this] { PickDistrict(); }); });
    connect(GminaBtn, &QToolButton::clicked, this, [this] { Guarded([this] { PickCommune(); }); });
}

void TLogFrm::showEvent(QShowEvent *event)
{
    EdData->setDisplayFormat(DateFormatText(DateFrm));
    QDialog::showEvent(event);
}

void TLogFrm::reject()
{
    done(mrCancel);
}

void TLogFrm::done(int result)
{
    AttachStacjaHandler(false);
    QDialog::done(result);
}

bool TLogFrm::eventFilter(QObject *watched, QEvent *event)
{
    // Leaving a field for another one of this dialog, as the field's exit event;
    // switching to another window is not leaving the field.
    if (event->type() == QEvent::FocusOut && isVisible()) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Guarded([this, watched] { LeaveField(watched); });
    }
    return QDialog::eventFilter(watched, event);
}

void TLogFrm::LeaveField(const QObject *field)
{
    if (field == EdStacja)
        EdStacjaExit();
    else if (field == EdEmisja || field == EdEmisja->lineEdit() || field == EdKont)
        EdEmisjaExit();
}

void TLogFrm::AttachStacjaHandler(bool on)
{
    stacjaHandlerOn_ = on;
}

int TLogFrm::NewQso()
{
    SavedAny = false;
    Changed = false;
    // The station's own position can change between sessions, not between QSOs.
    ComputeOwnPosition();
    NextQso();
    return exec();
}

int TLogFrm::EditQso(int logId)
{
    setWindowTitle(EditCaption);
    NewMode = false;
    SavedAny = false;
    Changed = false;
    FillEmissionList();
    ShowIotaName();
    ComputeOwnPosition();
    log_.LogLoad(*DM, logId);
    ShowLoadedQso();
    AttachStacjaHandler(true);
    FocusFirstField();
    return exec();
}

void TLogFrm::ClearQsoFields()
{
    if (!PasmoLock->isChecked())
        EdPasmo->setCurrentIndex(0);
    EdStacja->clear();
    if (!EmisjaLock->isChecked())
        EdEmisja->setEditText(QString());
    for (QLineEdit *e : {EdRaportNad, EdRaportOdb, EdImie, EdNotatki, EdManager, EdMiasto, EdDomena})
        e->clear();
    SetMaskedText(EdLokator, LokatorMask, QString());
    SetMaskedText(EdWyspa, WyspaMask, QString());
    SetMaskedText(EdGmina, GminaMask, QString());
    SetMaskedText(EdZamek, ZamekMask, QString());
    EdQSLWys->setChecked(false);
    EdQSLOdb->setChecked(false);
    EdKont->setCurrentIndex(0);
    SetZone(EdITU, 0);
    SetZone(EdCQ, 0);
    filledZones_.reset();
}

void TLogFrm::FillEmissionList()
{
    // Keep the typed mode: clearing the list must not clear the edit text.
    const QString text = EdEmisja->currentText();
    EdEmisja->clear();
    EdEmisja->addItems(EmissionList(*DM));
    EdEmisja->setEditText(text);
}

void TLogFrm::FocusFirstField()
{
    QWidget *w = PasmoLock->isChecked() ? static_cast<QWidget *>(EdStacja) : static_cast<QWidget *>(EdPasmo);
    w->setFocus(Qt::OtherFocusReason);
}

void TLogFrm::RecordToForm()
{
    EdData->setDate(log_.Data.date());
    EdGodz->setTime(log_.Data.time());
    EdPasmo->setCurrentIndex(log_.Pasmo.BandItemIndex());
    EdStacja->setText(log_.Stacja);
    EdEmisja->setEditText(log_.Emisja);
    EdRaportNad->setText(log_.RaportNad);
    EdRaportOdb->setText(log_.RaportOdb);
    EdImie->setText(log_.Imie);
    EdMiasto->setText(log_.Miasto);
    EdDomena->setText(log_.Domena);
    SetMaskedText(EdGmina, GminaMask, log_.Gmina);
    SetMaskedText(EdZamek, ZamekMask, log_.Zamek);
    SetMaskedText(EdLokator, LokatorMask, log_.LogGetLokator());
    SetMaskedText(EdWyspa, WyspaMask, log_.Wyspa);
    EdManager->setText(log_.QslManager);
    EdNotatki->setText(log_.Notatki);
    EdQSLWys->setChecked(log_.QslWys);
    EdQSLOdb->setChecked(log_.QslOdb);
    EdKont->setCurrentIndex(log_.LogContinentIndex());
    SetZone(EdITU, log_.ITU);
    SetZone(EdCQ, log_.CQ);
    filledZones_.reset();
}

TLogFrm::FormValues TLogFrm::ReadForm() const
{
    return {EdData->date(),      EdGodz->time(),          EdPasmo->currentIndex(),
            EdStacja->text(),    EdEmisja->currentText(), EdRaportNad->text(),
            EdRaportOdb->text(), EdImie->text(),          EdMiasto->text(),
            EdDomena->text(),    EdGmina->text(),         EdZamek->text(),
            EdLokator->text(),   EdWyspa->text(),         EdManager->text(),
            EdNotatki->text(),   EdKont->currentIndex(),  EdITU->text(),
            EdCQ->text()};
}

void TLogFrm::FormToRecord()
{
    const FormValues now = ReadForm();
    log_.Data = JoinDateTime(now.Data, now.Godz);
    log_.Pasmo.ParseBand(EdPasmo->currentText());
    log_.LogSetStacja(now.Stacja.toUpper());
    log_.LogSetEmisja(now.Emisja.toUpper());
    log_.RaportNad = now.RaportNad;
    log_.RaportOdb = now.RaportOdb;
    log_.Imie = now.Imie;
    log_.Notatki = now.Notatki;
    log_.LogSetLokator(now.Lokator);
    log_.QslManager = now.Manager.toUpper();
    log_.QslWys = EdQSLWys->isChecked();
    log_.QslOdb = EdQSLOdb->isChecked();
    log_.Miasto = now.Miasto;
    log_.LogSetWyspa(now.Wyspa);
    log_.Domena = now.Domena.toUpper();
    log_.Gmina = now.Gmina;
    log_.Zamek = now.Zamek;
    log_.LogSetKontynent(now.Kont > 0 ? EdKont->currentText().left(2) : QString());
    log_.LogSetItu(ZoneOf(EdITU));
    log_.LogSetCq(ZoneOf(EdCQ));
    if (!NewMode)
        KeepUntouched(now);
}

void TLogFrm::KeepUntouched(const FormValues &now)
{
    const FormValues &was = shown_;
    // The time field shows whole seconds, the date field no date before its earliest.
    if (now.Data == was.Data && now.Godz == was.Godz)
        log_.Data = loaded_.Data;
    if (now.Pasmo == was.Pasmo)
        log_.Pasmo = loaded_.Pasmo;
    const std::pair<QString FormValues::*, QString TLog::*> texts[] = {
        {&FormValues::Stacja, &TLog::Stacja},       {&FormValues::Emisja, &TLog::Emisja},
        {&FormValues::RaportNad, &TLog::RaportNad}, {&FormValues::RaportOdb, &TLog::RaportOdb},
        {&FormValues::Imie, &TLog::Imie},           {&FormValues::Miasto, &TLog::Miasto},
        {&FormValues::Domena, &TLog::Domena},       {&FormValues::Gmina, &TLog::Gmina},
        {&FormValues::Zamek, &TLog::Zamek},         {&FormValues::Lokator, &TLog::Lokator},
        {&FormValues::Wyspa, &TLog::Wyspa},         {&FormValues::Manager, &TLog::QslManager},
        {&FormValues::Notatki, &TLog::Notatki}};
    for (const auto &[field, column] : texts)
        if (now.*field == was.*field)
            log_.*column = loaded_.*column;
    if (now.Kont == was.Kont)
        log_.Kontynent = loaded_.Kontynent;
    if (now.Itu == was.Itu)
        log_.ITU = loaded_.ITU;
    if (now.Cq == was.Cq)
        log_.CQ = loaded_.CQ;
}

QString TLogFrm::CallSign() const
{
    // A stored call sign shows in its own case; the lookups compare upper case.
    return EdStacja->text().toUpper();
}

void TLogFrm::ShowDxccAndLastQso()
{
    const QString call = CallSign();
    DM->FollowPrefixTables(); // another copy may have updated the prefixes meanwhile
    dxccLbl->setText(DM->CountryNameForCall(DM->PrefixForCall(call)));
    const LastQso last = DM->LastQsoWith(call);
    if (last.Data > DateTime())
        QsoLbl->setText(last.Data.toString(DateFormatText(DateTimeFormatIndex)) + QStringLiteral(" Pasmo: ") +
                        last.Pasmo);
    else
        QsoLbl->clear();
}

void TLogFrm::EdStacjaExit()
{
    const QString call = CallSign();
    const StationFill fill = StationFillFor(
        *DM, *callbook_, call,
        {EdImie->text(), EdMiasto->text(), EdDomena->text(), EdLokator->text(), EdManager->text()});
    if (fill.Fill) {
        EdImie->setText(fill.Data.Imie);
        EdMiasto->setText(fill.Data.Miasto);
        EdDomena->setText(fill.Data.Domena);
        if (fill.FillManager)
            EdManager->setText(fill.Data.QslManager);
        SetMaskedText(EdLokator, LokatorMask, fill.Data.Lokator);
    }
    // Zones the program filled from an earlier call sign would belong to that
    // call: they follow the new one. Typed ones stay.
    const bool filledByUs = filledZones_ && *filledZones_ == CurrentZones();
    if (filledByUs || (EdKont->currentText().trimmed().isEmpty() && EdITU->text().trimmed().isEmpty() &&
                       EdCQ->text().trimmed().isEmpty())) {
        const int krajId = DM->KrajIdForCall(call);
        if (krajId > 0 || filledByUs)
            FillZones(krajId, call);
    }
}

TLogFrm::ShownZones TLogFrm::CurrentZones() const
{
    return {EdKont->currentIndex(), EdITU->text().trimmed(), EdCQ->text().trimmed()};
}

void TLogFrm::ComputeZones()
{
    const QString call = CallSign();
    FillZones(DM->KrajIdForCall(call), call);
}

void TLogFrm::FillZones(int krajId, const QString &call)
{
    const CallZones zones = ZonesOfCall(krajId, call);
    EdKont->setCurrentIndex(zones.Kont);
    SetZoneText(EdITU, ZoneNumberText(zones.Itu));
    SetZoneText(EdCQ, ZoneNumberText(zones.Cq));
    filledZones_ = CurrentZones();
}

void TLogFrm::EdEmisjaExit()
{
    const QString mode = EdEmisja->currentText().trimmed().toUpper();
    static const QStringList Digital = {"CW", "FAX", "HELL", "MFSK", "PSK", "RTTY", "SSTV"};
    static const QStringList Phone = {"SSB", "FM", "AM"};
    QString from, to;
    if (Digital.contains(mode)) {
        from = QStringLiteral("59");
        to = QStringLiteral("599");
    } else if (Phone.contains(mode)) {
        from = QStringLiteral("599");
        to = QStringLiteral("59");
    } else {
        return;
    }
    for (QLineEdit *e : {EdRaportNad, EdRaportOdb})
        if (e->text().isEmpty() || e->text() == from)
            e->setText(to);
}

void TLogFrm::ShowIotaName()
{
    const QString text = EdWyspa->text();
    IotaLbl->setText(text.size() == 6 ? DM->IslandNameForIota(text) : QString());
}

void TLogFrm::ComputeOwnPosition()
{
    const QString loc = OwnLocator(*DM);
    OwnLocatorValid = loc.size() == 6 && IsValidLocator(loc);
    OwnPosition.SetLongitude(0);
    OwnPosition.SetLatitude(0);
    if (OwnLocatorValid) {
        OwnPosition.SetLongitude(TWspGeogr::LocatorLongitude(loc));
        OwnPosition.SetLatitude(TWspGeogr::LocatorLatitude(loc));
    }
}

void TLogFrm::ShowDistance()
{
    QString text;
    const QString loc = EdLokator->text().trimmed();
    if (OwnLocatorValid && loc.size() == 6 && IsValidLocator(loc)) {
        QsoPosition.SetLongitude(TWspGeogr::LocatorLongitude(loc.toUpper()));
        QsoPosition.SetLatitude(TWspGeogr::LocatorLatitude(loc.toUpper()));
        // Halves go to the even neighbour, as the default rounding mode does.
        const long long d = std::llrint(double(TWspGeogr::GreatCircleDistance(OwnPosition, QsoPosition)));
        text = QString::number(d) + QStringLiteral(" km");
        const long double a = TWspGeogr::Azimuth(OwnPosition, QsoPosition);
        if (a < 360)
            text += QStringLiteral("  [ ") + DegreesToDmsText(a) + QStringLiteral(" ]");
    }
    OdlegloscLbl->setText(text);
}

void TLogFrm::ShowSppaName()
{
    const QString s = EdDomena->text().trimmed().toUpper();
    QString voivodeship, district;
    if (s.size() == 3) {
        voivodeship = VoivodeshipNameForCode(s.left(1));
        district = DistrictNameForCode(s.mid(1, 2));
    } else if (s.size() == 4) {
        voivodeship = VoivodeshipNameForCode(s.left(1));
        district = DistrictNameForCode(s.mid(2, 2));
    }
    const QString text = voivodeship.isEmpty() && district.isEmpty()
                             ? QString()
                             : QStringLiteral("[") + voivodeship.trimmed() + QStringLiteral("] ") + district;
    SppaLbl->setText(text);
    SppaLbl->setToolTip(text);
}

void TLogFrm::PickCastle()
{
    TWybierzFrm picker(TWybierzFrm::Zamek, this);
    if (picker.RunPicker(EdZamek->text()) == mrOk)
        SetMaskedText(EdZamek, ZamekMask, picker.PickedCode);
}

void TLogFrm::PickDistrict()
{
    TWybierzFrm picker(TWybierzFrm::Powiat, this);
    if (picker.RunPicker(EdDomena->text().toUpper()) == mrOk)
        EdDomena->setText(picker.PickedCode);
}

void TLogFrm::PickCommune()
{
    TWybierzFrm picker(TWybierzFrm::Gmina, this);
    if (picker.RunPicker(EdGmina->text()) == mrOk)
        SetMaskedText(EdGmina, GminaMask, picker.PickedCode);
}

void TLogFrm::Warn(const QString &text, QWidget *field)
{
    Messages::ShowWarning(text);
    field->setFocus(Qt::OtherFocusReason);
}

void TLogFrm::SaveQso()
{
    // Enter and Alt+Z leave the cursor in its field: what leaving that field
    // does comes first, so a QSO saved from the call sign gets its zones too.
    // A click on the button has moved the focus, and so done it already.
    LeaveField(focusWidget());
    const QsoSaveCheck check =
        CheckQsoBeforeSave({EdStacja->text(), EdRaportNad->text(), EdRaportOdb->text(), EdLokator->text(),
                            EdWyspa->text(), EdDomena->text(), EdZamek->text()});
    if (check.Refused()) {
        QWidget *const fields[] = {nullptr, EdStacja, EdRaportNad, EdRaportOdb, EdLokator, EdWyspa};
        return Warn(check.Warning, fields[int(check.Field)]);
    }
    Messages::ShowWarning(check.Notice);

    FormToRecord();
    Changed = !NewMode && QsoChanged(QsoSnapshot, log_);
    if (NewMode || Changed) {
        std::optional<QString> failure;
        bool changedElsewhere = false;
        {
            BusyGuard busy({PostBtn, CancelBtn});
            failure = FailureOf([this, &changedElsewhere] {
                try {
                    if (NewMode)
                        log_.LogSave(*DM);
                    else
                        log_.LogSave(*DM, QsoSnapshot);
                } catch (const QsoChangedElsewhere &) {
                    changedElsewhere = true;
                }
            });
        }
        if (failure || changedElsewhere) {
            // Nothing was stored: the user's input stays in the dialog.
            CancelLogiEdit();
            Changed = false;
            if (changedElsewhere)
                OfferStoredQso();
            ReportFailure(failure);
            return;
        }
    }
    if (NewMode) {
        SavedAny = true;
        NextQso();
    } else {
        accept();
    }
}

void TLogFrm::ShowLoadedQso()
{
    QsoSnapshot = log_;
    loaded_ = log_;
    RecordToForm();
    shown_ = ReadForm();
    ShowDxccAndLastQso(); // first: it follows another copy's prefix update
    // A continent and zones that are just what the stored call sign gives
    // count as filled in by the program: a corrected call sign brings its own.
    // Others were typed or imported, and stay.
    const QString call = log_.Stacja.toUpper();
    const CallZones zones = ZonesOfCall(DM->KrajIdForCall(call), call);
    if (log_.LogContinentIndex() == zones.Kont && log_.ITU == zones.Itu && log_.CQ == zones.Cq)
        filledZones_ = CurrentZones();
    ShowDistance();
}

void TLogFrm::OfferStoredQso()
{
    TLog stored;
    stored.LogLoad(*DM, log_.LogId);
    if (Messages::AskConfirm(
            QsoChangedElsewhere().Message() +
            QStringLiteral(
                "\n\nWczytać to QSO w obecnej postaci? Zmiany wpisane w tym oknie zostaną porzucone.\n"
                "Nie – zmiany zostają w oknie, a ponowne „Zapisz” zastąpi nimi zmiany innej kopii."))) {
        log_ = stored;
        ShowLoadedQso();
        return;
    }
    // The user has seen the other copy's change and keeps their own: the next
    // save is measured against the QSO as it is stored now.
    QsoSnapshot = stored;
}

void TLogFrm::CancelLogiEdit()
{
    const DataSetState st = DM->Logi.State();
    if (st == DataSetState::Edit || st == DataSetState::Insert)
        DM->Logi.Cancel();
}

void TLogFrm::NextQso()
{
    setWindowTitle(NewCaption);
    NewMode = true;
    ClearQsoFields();
    FillEmissionList();
    dxccLbl->clear();
    IotaLbl->clear();
    QsoLbl->clear();
    if (!DataLock->isChecked()) {
        const DateTime now = UtcNow();
        EdData->setDate(now.date());
        EdGodz->setTime(now.time());
    }
    log_.LogLoad(*DM, 0);
    ShowDistance();
    AttachStacjaHandler(true);
    FocusFirstField();
}
