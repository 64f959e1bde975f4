#include "ui/FUzytkownikFrm.h"

#include "controls/MaskedEdit.h"
#include "core/FDM.h"
#include "core/OwnStation.h"
#include "core/Settings.h"
#include "core/Validators.h"
#include "platform/Messages.h"
#include "platform/gui/Guarded.h"
#include "ui/FZnakStacjiFrm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString DomenaMask = QStringLiteral(">n-nn;_");
const QString LokatorMask = QStringLiteral(">nn00nn;_");

QLineEdit *NewEdit(QWidget *parent, const char *name)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

// The mask's blanks count as blanks; the mask takes letters and digits only,
// so a '_' is never typed.
QString MaskedText(const QLineEdit *edit)
{
    return QString(edit->displayText()).replace(QLatin1Char('_'), QLatin1Char(' '));
}

// The other way: a stored blank keeps its place (a plain setText would move
// the letters after it forward, " K" showing as "K_").
void SetTextKeepingBlanks(QLineEdit *edit, const QString &text)
{
    edit->setText(QString(text).replace(QLatin1Char(' '), QLatin1Char('_')));
}
}

TUzytkownikFrm::TUzytkownikFrm(TDM &dm, QWidget *parent) : QDialog(parent), dm_(dm)
{
    setObjectName(QStringLiteral("UzytkownikFrm"));
    setWindowTitle(QStringLiteral("Dane stacji"));

    ZnakLbl = new QLabel(this);
    ZnakLbl->setObjectName(QStringLiteral("ZnakLbl"));
    QFont bold = ZnakLbl->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    ZnakLbl->setFont(bold);
    ZnakBtn = new QPushButton(QStringLiteral("Zmień zna&k..."), this);
    ZnakBtn->setObjectName(QStringLiteral("ZnakBtn"));
    ZnakBtn->setAutoDefault(false);

    EdImie = NewEdit(this, "EdImie");
    EdMiasto = NewEdit(this, "EdMiasto");
    EdImie->setMaxLength(StationTextLength);
    EdMiasto->setMaxLength(StationTextLength);
    EdDomena = NewEdit(this, "EdDomena");
    SetEditMask(EdDomena, DomenaMask);
    EdLokator = NewEdit(this, "EdLokator");
    SetEditMask(EdLokator, LokatorMask);
    for (QLineEdit *e : {EdImie, EdMiasto})
        e->setMinimumWidth(220);
    for (QLineEdit *e : {EdDomena, EdLokator})
        e->setMaximumWidth(80);

    ZapiszBtn = new QPushButton(QStringLiteral("&Zapisz"), this);
    ZapiszBtn->setDefault(true);
    AnulujBtn = new QPushButton(QStringLiteral("&Anuluj"), this);

    auto *grid = new QGridLayout;
    const auto addRow = [&](int row, const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
    };
    auto *znakRow = new QHBoxLayout;
    znakRow->addWidget(ZnakLbl, 1);
    znakRow->addWidget(ZnakBtn);
    grid->addWidget(new QLabel(QStringLiteral("Znak"), this), 0, 0);
    grid->addLayout(znakRow, 0, 1);
    addRow(1, QStringLiteral("&Imię"), EdImie);
    addRow(2, QStringLiteral("&Miejscowość"), EdMiasto);
    addRow(3, QStringLiteral("&SPPA"), EdDomena);
    addRow(4, QStringLiteral("&Lokator"), EdLokator);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ZapiszBtn);
    buttons->addWidget(AnulujBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(EdImie, EdMiasto);
    setTabOrder(EdMiasto, EdDomena);
    setTabOrder(EdDomena, EdLokator);
    setTabOrder(EdLokator, ZapiszBtn);
    setTabOrder(ZapiszBtn, AnulujBtn);
    setTabOrder(AnulujBtn, ZnakBtn);

    connect(ZapiszBtn, &QPushButton::clicked, this, [this] { Guarded([this] { ZapiszBtnClick(); }); });
    connect(AnulujBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ZnakBtn, &QPushButton::clicked, this, &TUzytkownikFrm::ZnakBtnClick);
}

int TUzytkownikFrm::LoadStationData()
{
    FillStationData();
    return exec();
}

void TUzytkownikFrm::FillStationData()
{
    loaded_ = ReadOwnStation(dm_);
    ZnakLbl->setText(OwnCallSign);
    EdImie->setText(loaded_.Imie);
    EdMiasto->setText(loaded_.Miasto);
    SetTextKeepingBlanks(EdDomena, SppaText(loaded_.Wojew, loaded_.Powiat));
    SetTextKeepingBlanks(EdLokator, loaded_.Lokator.trimmed());
    shown_ = FieldTexts();
    EdImie->setFocus();
}

TUzytkownikFrm::Texts TUzytkownikFrm::FieldTexts() const
{
    return {EdImie->text(), EdMiasto->text(), DomenaText(), LokatorText()};
}

QString TUzytkownikFrm::DomenaText() const
{
    return MaskedText(EdDomena);
}

QString TUzytkownikFrm::LokatorText() const
{
    return MaskedText(EdLokator);
}

void TUzytkownikFrm::ZapiszBtnClick()
{
    const QString lokator = LokatorText();
    if (!IsValidLocator(lokator)) {
        Messages::ShowWarning(QStringLiteral("Błędny lokator."));
        EdLokator->setFocus();
        EdLokator->selectAll(); // typing replaces the wrong locator
        return;
    }
    const Texts now = FieldTexts();
    TOwnStation data{now.Imie, now.Miasto, VoivodeshipPart(now.Domena), DistrictPart(now.Domena),
                     now.Lokator.trimmed()};
    // A field left as it was shown keeps the stored value exactly, whatever
    // its mask or length would make of it. No SPPA at all is saved as the
    // blanks the field shows.
    if (now.Imie == shown_.Imie)
        data.Imie = loaded_.Imie;
    if (now.Miasto == shown_.Miasto)
        data.Miasto = loaded_.Miasto;
    if (now.Domena == shown_.Domena && !(loaded_.Wojew + loaded_.Powiat).isEmpty()) {
        data.Wojew = loaded_.Wojew;
        data.Powiat = loaded_.Powiat;
    }
    if (now.Lokator == shown_.Lokator)
        data.Lokator = loaded_.Lokator;
    WriteOwnStation(dm_, data);
    accept();
}

void TUzytkownikFrm::ZnakBtnClick()
{
    TZnakStacjiFrm frm(this);
    frm.exec();
    ZnakLbl->setText(OwnCallSign);
}
