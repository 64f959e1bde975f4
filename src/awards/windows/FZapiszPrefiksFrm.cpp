#include "awards/windows/FZapiszPrefiksFrm.h"

#include "awards/PrefixExport.h"
#include "controls/FileNameEdit.h"
#include "core/FDM.h"
#include "platform/Messages.h"
#include "platform/gui/BusyGuard.h"
#include "platform/gui/Guarded.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TZapiszPrefiksFrm::TZapiszPrefiksFrm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Zapisz prefiksy"));

    auto *nameLbl = new QLabel(QStringLiteral("&Nazwa pliku "), this);
    EdNazwaPliku = new TFileNameEdit(this);
    EdNazwaPliku->setObjectName("EdNazwaPliku");
    EdNazwaPliku->SetDialogKind(dkSave);
    // The file is a prefix file, not ADIF: the dialog offers text files.
    EdNazwaPliku->SetDefaultExt(QStringLiteral("txt"));
    EdNazwaPliku->SetFilter(QStringLiteral("Pliki tekstowe (*.txt)|*.txt|Wszystkie pliki (*.*)|*.*"));
    EdNazwaPliku->SetDialogTitle(QStringLiteral("Zapisz"));
    EdNazwaPliku->SetAcceptFiles(true);
    EdNazwaPliku->setText(QStringLiteral("Prefiksy.txt"));
    EdNazwaPliku->setMinimumWidth(360);
    nameLbl->setBuddy(EdNazwaPliku);

    ZapiszBtn = new QPushButton(QStringLiteral("&Zapisz"), this);
    ZapiszBtn->setDefault(true);
    AnulujBtn = new QPushButton(QStringLiteral("&Anuluj"), this);
    connect(ZapiszBtn, &QPushButton::clicked, this, [this] { Guarded([this] { ZapiszBtnClick(); }); });
    connect(AnulujBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ZapiszBtn);
    buttons->addWidget(AnulujBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameLbl);
    layout->addWidget(EdNazwaPliku);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TZapiszPrefiksFrm::ZapiszBtnClick()
{
    const QString name = EdNazwaPliku->FileName().trimmed();
    if (name.isEmpty()) {
        Messages::ShowWarning(QStringLiteral("Nazwa pliku musi być podana."));
        return;
    }
    QString error;
    {
        BusyGuard busy({ZapiszBtn, AnulujBtn, EdNazwaPliku});
        error = ExportPrefixTable(*DM, name);
    }
    Messages::ShowWarning(error.isEmpty() ? QStringLiteral("Lista została utworzona") : error);
}
