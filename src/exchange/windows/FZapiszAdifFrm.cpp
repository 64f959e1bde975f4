#include "exchange/windows/FZapiszAdifFrm.h"

#include "controls/FileNameEdit.h"
#include "core/FDM.h"
#include "exchange/AdifExport.h"
#include "platform/Messages.h"
#include "platform/gui/BusyGuard.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TZapiszAdifFrm::TZapiszAdifFrm(QWidget *parent) : TRunDialog(parent)
{
    setWindowTitle(QStringLiteral("Zapisz dane do pliku - format ADIF"));

    auto *nameLbl = new QLabel(QStringLiteral("&Nazwa pliku "), this);
    EdNazwaPliku = new TFileNameEdit(this);
    EdNazwaPliku->setObjectName("EdNazwaPliku");
    EdNazwaPliku->SetDialogKind(dkSave);
    EdNazwaPliku->SetDefaultExt(QStringLiteral("adi"));
    EdNazwaPliku->SetDialogTitle(QStringLiteral("Zapisz"));
    EdNazwaPliku->SetFilter(QStringLiteral("Pliki ADIF (*.adi)|*.adi|Wszystkie pliki (*.*)|*.*"));
    EdNazwaPliku->SetAcceptFiles(true);
    EdNazwaPliku->setMinimumWidth(360);
    nameLbl->setBuddy(EdNazwaPliku);

    StatysLbl = new QLabel(QStringLiteral("0"), this);
    StatysLbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    StatysLbl->setMinimumWidth(80);
    auto *counter = new QHBoxLayout;
    counter->addWidget(new QLabel(QStringLiteral("Liczba zapisanych pozycji"), this));
    counter->addWidget(StatysLbl);
    counter->addStretch();

    QHBoxLayout *buttons = CreateRunButtons(QStringLiteral("&Zapisz"), ZapiszBtn, AnulujBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameLbl);
    layout->addWidget(EdNazwaPliku);
    RangeArea = new QVBoxLayout;
    layout->addLayout(RangeArea);
    layout->addLayout(counter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TZapiszAdifFrm::FormActivate()
{
    TRunDialog::FormActivate();
    StatysLbl->setText(QStringLiteral("0"));
}

bool TZapiszAdifFrm::ExportRange(std::optional<QDate> &, std::optional<QDate> &)
{
    return true;
}

void TZapiszAdifFrm::Run()
{
    const QString name = EdNazwaPliku->FileName();
    if (name.isEmpty()) {
        Messages::ShowWarning(QStringLiteral("Nazwa pliku musi być podana."));
        return;
    }
    if (QFileInfo::exists(name)) {
        Messages::ShowWarning(QStringLiteral("Plik już istnieje: ") + name);
        return;
    }
    std::optional<QDate> from, to;
    if (!ExportRange(from, to))
        return;

    AdifExport::Outcome outcome = AdifExport::Outcome::Failed;
    QString error;
    {
        RunScope running(*this);
        BusyGuard busy({ZapiszBtn, AnulujBtn, EdNazwaPliku});
        AdifExport exp(*DM);
        ProgressPacer pace;
        outcome = exp.Run(name, from, to, {.Position = [&](qsizetype written) {
                              pace([&] { StatysLbl->setText(QString::number(written)); });
                          }});
        StatysLbl->setText(QString::number(exp.Written()));
        error = exp.ErrorText();
    }

    switch (outcome) {
    case AdifExport::Outcome::NoRows:
        Messages::ShowWarning(QStringLiteral("Brak pozycji do eksportu. "));
        break;
    case AdifExport::Outcome::Failed: Messages::ShowWarning(error); break;
    case AdifExport::Outcome::Written: Finished(); break;
    }
}
