#include "awards/windows/FWczytajPrefixFrm.h"

#include "awards/PrefixImport.h"
#include "controls/FileNameEdit.h"
#include "controls/FileUtils.h"
#include "core/FDM.h"
#include "core/Settings.h"
#include "platform/Messages.h"
#include "platform/gui/BusyGuard.h"
#include "platform/gui/Guarded.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

TWczytajPrefixFrm::TWczytajPrefixFrm(QWidget *parent) : TRunDialog(parent)
{
    setWindowTitle(QStringLiteral("Aktualizacja prefiksów"));

    auto *nameLbl = new QLabel(QStringLiteral("&Nazwa pliku do wczytania"), this);
    EdNazwaPliku = new TFileNameEdit(this);
    EdNazwaPliku->setObjectName("EdNazwaPliku");
    EdNazwaPliku->SetDefaultExt(QStringLiteral("*.txt"));
    EdNazwaPliku->SetFilter(QStringLiteral("Plik prefiksów|Prefiksy.txt"));
    EdNazwaPliku->SetDialogTitle(QStringLiteral("Przeglądanie"));
    EdNazwaPliku->setText(QStringLiteral("Prefiksy.txt"));
    EdNazwaPliku->setMinimumWidth(400);
    nameLbl->setBuddy(EdNazwaPliku);

    auto *info = new QGroupBox(QStringLiteral("Informacja"), this);
    auto *infoText =
        new QLabel(QStringLiteral("Aktualizacja polega na wczytaniu pliku Prefiksy.txt otrzymanego "
                                  "od autora programu. Pliku nie należy poprawiać ręcznie, gdyż może "
                                  "to spowodować błędne działanie programu."),
                   info);
    infoText->setWordWrap(true);
    auto *infoLayout = new QVBoxLayout(info);
    infoLayout->addWidget(infoText);

    QHBoxLayout *buttons = CreateRunButtons(QStringLiteral("&Wczytaj"), WczytajBtn, AnulujBtn);

    StatusBar = new QStatusBar(this);
    StatusBar->setSizeGripEnabled(false);
    StatusPanel = new QLabel(StatusBar);
    StatusBar->addWidget(StatusPanel, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameLbl);
    layout->addWidget(EdNazwaPliku);
    layout->addWidget(info);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TWczytajPrefixFrm::Run()
{
    const QString name = EdNazwaPliku->FileName().trimmed();
    if (!InputFileExists(name, QStringLiteral("Nazwa pliku do wczytania musi być podana.")))
        return;
    if (!Messages::AskConfirm(QStringLiteral("Czy rzeczywiście chcesz dokonać aktualizacji prefiksów? ")))
        return;
    const std::optional<QByteArray> read = ReadInputFile(name);
    if (!read)
        return;
    const QByteArray &bytes = *read;

    bool done = false;
    QString message;
    {
        RunScope running(*this);
        BusyGuard busy({WczytajBtn, AnulujBtn, EdNazwaPliku});
        const int current = DM->CurrentLogId();
        PrefixImport import(*DM);
        ProgressPacer pace;
        qsizetype total = 0;
        // A step's text shows at once; the counter of the QSOs only now and then.
        done = import.Run(bytes, {.Phase =
                                      [&](const QString &caption) {
                                          StatusPanel->setText(caption);
                                          StatusPanel->repaint();
                                      },
                                  .Maximum = [&](qsizetype maximum) { total = maximum; },
                                  .Position =
                                      [&](qsizetype n) {
                                          StatusPanel->setText(RecomputeStatusText(int(n), int(total)));
                                          pace([] {});
                                      }});
        message = import.Message();
        StatusPanel->clear();
        // The log shows each QSO's country: reread it on the QSO that was current.
        // An update declined or failed changed nothing.
        if (done && DM->Logi.Active()) {
            const std::optional<QString> failure =
                FailureOf([&] { DM->ReopenLogiOrdered(SortOrder, current); });
            if (failure && !failure->isEmpty())
                message += u'\n' + *failure;
        }
    }
    Messages::ShowWarning(message);
    if (done)
        accept();
}
