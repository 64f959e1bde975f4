#include "exchange/FZapiszAdifFrm.h"

#include "controls/FileNameEdit.h"
#include "core/FDM.h"
#include "exchange/AdifExport.h"
#include "platform/gui/BusyGuard.h"
#include "platform/gui/Messages.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TZapiszAdifFrm::TZapiszAdifFrm(QWidget *parent) : QDialog(parent) {
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

    ZapiszBtn = new QPushButton(QStringLiteral("&Zapisz"), this);
    ZapiszBtn->setDefault(true);
    AnulujBtn = new QPushButton(QStringLiteral("&Anuluj"), this);
    connect(ZapiszBtn, &QPushButton::clicked, this, &TZapiszAdifFrm::ZapiszBtnClick);
    connect(AnulujBtn, &QPushButton::clicked, this, &TZapiszAdifFrm::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ZapiszBtn);
    buttons->addWidget(AnulujBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameLbl);
    layout->addWidget(EdNazwaPliku);
    RangeArea = new QVBoxLayout;
    layout->addLayout(RangeArea);
    layout->addLayout(counter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TZapiszAdifFrm::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    FormActivate();
}

// While a run is going the window stays: the run still uses it.
void TZapiszAdifFrm::reject() {
    if (!running_)
        QDialog::reject();
}

void TZapiszAdifFrm::closeEvent(QCloseEvent *e) {
    if (running_)
        e->ignore();
    else
        QDialog::closeEvent(e);
}

void TZapiszAdifFrm::FormActivate() {
    ZapiszBtn->setText(QStringLiteral("&Zapisz"));
    AnulujBtn->setVisible(true);
    StatysLbl->setText(QStringLiteral("0"));
}

bool TZapiszAdifFrm::ExportRange(std::optional<QDate> &, std::optional<QDate> &) { return true; }

void TZapiszAdifFrm::ZapiszBtnClick() {
    if (running_)
        return;
    if (!AnulujBtn->isVisible()) {
        accept();
        return;
    }
    ExportAdif();
}

void TZapiszAdifFrm::ExportAdif() {
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

    running_ = true;
    AdifExport::Outcome outcome = AdifExport::Outcome::Failed;
    QString error;
    {
        BusyGuard busy({ZapiszBtn, AnulujBtn, EdNazwaPliku});
        AdifExport exp(*DM);
        QElapsedTimer shown;
        shown.start();
        outcome = exp.Run(name, from, to, [&](qsizetype written) {
            if (shown.elapsed() >= 50) {
                StatysLbl->setText(QString::number(written));
                QCoreApplication::processEvents();
                shown.restart();
            }
        });
        StatysLbl->setText(QString::number(exp.Written()));
        error = exp.ErrorText();
    }
    running_ = false;

    switch (outcome) {
    case AdifExport::Outcome::NoRows:
        Messages::ShowWarning(QStringLiteral("Brak pozycji do eksportu. "));
        break;
    case AdifExport::Outcome::Failed:
        Messages::ShowWarning(error);
        break;
    case AdifExport::Outcome::Written:
        ZapiszBtn->setText(QStringLiteral("&Zamknij"));
        AnulujBtn->setVisible(false);
        break;
    }
}
