#include "awards/windows/FWczytajListeFrm.h"

#include "controls/FileNameEdit.h"
#include "controls/FileUtils.h"
#include "core/FDM.h"
#include "platform/Messages.h"
#include "platform/gui/BusyGuard.h"
#include "platform/gui/Guarded.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

TWczytajListeFrm::TWczytajListeFrm(const ListImportKind &kind, QWidget *parent)
    : TRunDialog(parent), kind_(kind)
{
    setWindowTitle(kind.Caption);

    auto *nameLbl = new QLabel(QStringLiteral("&Nazwa pliku do wczytania"), this);
    EdNazwaPliku = new TFileNameEdit(this);
    EdNazwaPliku->setObjectName("EdNazwaPliku");
    EdNazwaPliku->SetDefaultExt(QStringLiteral("*.txt"));
    EdNazwaPliku->SetFilter(QString());
    EdNazwaPliku->SetDialogTitle(QStringLiteral("Przeglądanie"));
    EdNazwaPliku->SetFileName(kind.FileName);
    EdNazwaPliku->setMinimumWidth(360);
    nameLbl->setBuddy(EdNazwaPliku);

    InformacjaBox = new QGroupBox(QStringLiteral("Informacja"), this);
    InformacjaLbl = new QLabel(kind.Information, InformacjaBox);
    InformacjaLbl->setWordWrap(true);
    auto *info = new QVBoxLayout(InformacjaBox);
    info->addWidget(InformacjaLbl);

    QHBoxLayout *buttons = CreateRunButtons(QStringLiteral("&Wczytaj"), WczytajBtn, CancelBtn);

    StatusBar = new QStatusBar(this);
    StatusBar->setSizeGripEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameLbl);
    layout->addWidget(EdNazwaPliku);
    layout->addWidget(InformacjaBox);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TWczytajListeFrm::Run()
{
    const QString name = EdNazwaPliku->FileName().trimmed();
    if (!InputFileExists(name, QStringLiteral("Nazwa pliku do wczytania musi być podana.")))
        return;
    if (!Messages::AskConfirm(kind_.Confirmation))
        return;
    const std::optional<QByteArray> read = ReadInputFile(name);
    if (!read)
        return;
    const QByteArray &bytes = *read;

    std::optional<QString> failure;
    ListImportCounts counts;
    {
        RunScope running(*this);
        BusyGuard busy({WczytajBtn, CancelBtn, EdNazwaPliku});
        StatusBar->showMessage(QStringLiteral("Wczytywanie danych - proszę czekać"));
        QCoreApplication::processEvents();
        failure = FailureOf([&] {
            ProgressPacer pace;
            counts = kind_.Import(*DM, bytes, {.Position = [&](qsizetype) { pace([] {}); }});
        });
        StatusBar->clearMessage();
    }
    // Nothing of a failed file was stored; the window stays for another try.
    if (!ReportFailure(failure))
        return;
    Messages::ShowWarning(ListImportMessage(counts));
    // A refused file leaves the window for another choice.
    if (counts.Imported())
        accept();
}
