#include "exchange/windows/FEditLabelFrm.h"

#include "controls/ExSpin.h"
#include "controls/NumberEdit.h"
#include "core/FDM.h"
#include "exchange/LabelTemplateStore.h"
#include "exchange/windows/LabelSketch.h"
#include "platform/Messages.h"
#include "platform/gui/Guarded.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

TAmountEdit *LengthEdit(QWidget *parent)
{
    auto *ed = new TAmountEdit(parent);
    ed->SetDisplayFormat(QStringLiteral(",0.00 cm;-,0.00 cm"));
    // A negative value is typed and refused by the checks, which name the field;
    // the bounds keep every stored length within its column.
    ed->SetMinValue(-LabelLengthMaxCm);
    ed->SetMaxValue(LabelLengthMaxCm);
    return ed;
}

TExSpinEdit *CountEdit(int maxValue, int maxLength, QWidget *parent)
{
    auto *ed = new TExSpinEdit(parent);
    ed->SetMinValue(1);
    ed->SetMaxValue(maxValue);
    ed->setMaxLength(maxLength);
    ed->SetValue(1);
    return ed;
}

}

TEditLabelFrm::TEditLabelFrm(QWidget *parent)
    : QDialog(parent), trNewId(&DM->Baza), GetNewId(&DM->Baza, &trNewId)
{
    setObjectName(QStringLiteral("EditLabelFrm"));
    setWindowTitle(QStringLiteral("Etykiety adresowe"));
    GetNewId.SetStoredProcName(QStringLiteral("GETETYKIETAID"));

    EdNazwa = new QLineEdit(this);
    EdGorny = LengthEdit(this);
    EdBoczny = LengthEdit(this);
    EdWysokosc = LengthEdit(this);
    EdSzerokosc = LengthEdit(this);
    EdOdstPoz = LengthEdit(this);
    EdOdstPion = LengthEdit(this);
    EdLiczbaPoz = CountEdit(3, 1, this);
    EdLiczbaPion = CountEdit(10, 2, this);

    auto *fields = new QGridLayout;
    const std::pair<const char *, QWidget *> rows[] = {
        {"Margines &górny:", EdGorny},        {"Margines &boczny:", EdBoczny},
        {"&Wysokość etykiety:", EdWysokosc},  {"&Szerokość etykiety:", EdSzerokosc},
        {"&Odstęp w poziomie:", EdOdstPoz},   {"O&dstęp w pionie:", EdOdstPion},
        {"Liczba w &poziomie:", EdLiczbaPoz}, {"Liczba w p&ionie:", EdLiczbaPion},
    };
    int row = 0;
    for (const auto &[caption, edit] : rows) {
        auto *label = new QLabel(QString::fromUtf8(caption), this);
        label->setBuddy(edit);
        edit->setMinimumWidth(110);
        fields->addWidget(label, row, 0);
        fields->addWidget(edit, row, 1);
        ++row;
    }
    fields->setRowStretch(row, 1);

    auto *nameLbl = new QLabel(QStringLiteral("Nazwa &etykiety:"), this);
    nameLbl->setBuddy(EdNazwa);

    auto *preview = new QGroupBox(QStringLiteral("Podgląd"), this);
    Sketch = new TLabelSketch(preview);
    auto *previewLayout = new QVBoxLayout(preview);
    previewLayout->addWidget(Sketch);

    PostBtn = new QPushButton(QStringLiteral("&Zapisz"), this);
    PostBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Anuluj"), this);
    connect(PostBtn, &QPushButton::clicked, this, [this] { Guarded([this] { PostBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &TEditLabelFrm::reject);

    auto *body = new QHBoxLayout;
    body->addLayout(fields);
    body->addWidget(preview);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(PostBtn);
    buttons->addWidget(CancelBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameLbl);
    layout->addWidget(EdNazwa);
    layout->addLayout(body);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TEditLabelFrm::SetValues(const TLabelEditorValues &v)
{
    EdNazwa->setText(v.Nazwa);
    EdGorny->SetValue(v.Gorny);
    EdBoczny->SetValue(v.Boczny);
    EdWysokosc->SetValue(v.Wysokosc);
    EdSzerokosc->SetValue(v.Szerokosc);
    EdOdstPoz->SetValue(v.OdstPoz);
    EdOdstPion->SetValue(v.OdstPion);
    EdLiczbaPion->SetValue(v.LiczbaPion);
    EdLiczbaPoz->SetValue(v.LiczbaPoz);
}

TLabelEditorValues TEditLabelFrm::Values()
{
    TLabelEditorValues v;
    v.Nazwa = EdNazwa->text();
    v.Gorny = EdGorny->Value();
    v.Boczny = EdBoczny->Value();
    v.Wysokosc = EdWysokosc->Value();
    v.Szerokosc = EdSzerokosc->Value();
    v.OdstPoz = EdOdstPoz->Value();
    v.OdstPion = EdOdstPion->Value();
    v.LiczbaPoz = EdLiczbaPoz->AsInteger();
    v.LiczbaPion = EdLiczbaPion->AsInteger();
    return v;
}

void TEditLabelFrm::PrepareNewTemplate()
{
    inserting_ = true;
    SetValues(TLabelEditorValues());
}

void TEditLabelFrm::PrepareEditTemplate()
{
    inserting_ = false;
    SetValues(ReadLabelTemplate(DM->Etykiety));
}

int TEditLabelFrm::NewTemplate()
{
    PrepareNewTemplate();
    return exec();
}

int TEditLabelFrm::EditTemplate()
{
    PrepareEditTemplate();
    return exec();
}

int TEditLabelFrm::NewTemplateId()
{
    return RunNewTemplateId(trNewId, GetNewId);
}

QWidget *TEditLabelFrm::FieldWidget(TLabelEditorField field) const
{
    switch (field) {
    case TLabelEditorField::Nazwa: return EdNazwa;
    case TLabelEditorField::Gorny: return EdGorny;
    case TLabelEditorField::Boczny: return EdBoczny;
    case TLabelEditorField::Wysokosc: return EdWysokosc;
    case TLabelEditorField::Szerokosc: return EdSzerokosc;
    case TLabelEditorField::OdstPoz: return EdOdstPoz;
    case TLabelEditorField::OdstPion: return EdOdstPion;
    }
    return EdNazwa;
}

void TEditLabelFrm::PostBtnClick()
{
    const TLabelEditorValues values = Values();
    if (const auto failure = CheckLabelTemplate(values)) {
        Messages::ShowWarning(failure->Message);
        FieldWidget(failure->Focus)->setFocus();
        return;
    }
    try {
        SaveLabelTemplate(*DM, values, inserting_, [this] { return NewTemplateId(); });
    } catch (const DataSetAbort &) {
        // The name is taken: the warning has been shown, the name is what to change.
        EdNazwa->setFocus();
        return;
    }
    done(mrOk);
}

void TEditLabelFrm::reject()
{
    done(mrCancel);
}

void TEditLabelFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred on the desktop, not on the window that opened it.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
