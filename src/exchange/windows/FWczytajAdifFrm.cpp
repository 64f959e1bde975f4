#include "exchange/windows/FWczytajAdifFrm.h"

#include "controls/FileNameEdit.h"
#include "controls/FileUtils.h"
#include "core/FDM.h"
#include "core/Settings.h"
#include "exchange/AdifImport.h"
#include "platform/Messages.h"
#include "platform/gui/BusyGuard.h"
#include "platform/gui/Guarded.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TWczytajAdifFrm::TWczytajAdifFrm(QWidget *parent) : TRunDialog(parent)
{
    setWindowTitle(QStringLiteral("Wczytaj dane z pliku - format ADIF"));

    auto *nameLbl = new QLabel(QStringLiteral("&Nazwa pliku do wczytania"), this);
    EdNazwaPliku = new TFileNameEdit(this);
    EdNazwaPliku->setObjectName("EdNazwaPliku");
    EdNazwaPliku->SetFilter(QStringLiteral("Wszystkie pliki (*.*)|*.*"));
    EdNazwaPliku->SetDialogTitle(QStringLiteral("Przeglądanie"));
    EdNazwaPliku->setMinimumWidth(360);
    nameLbl->setBuddy(EdNazwaPliku);

    StatysLbl = new QLabel(QStringLiteral("0"), this);
    StatysDopLbl = new QLabel(QStringLiteral("0"), this);
    StatysJuzLbl = new QLabel(QStringLiteral("0"), this);
    StatysSkrLbl = new QLabel(QStringLiteral("0"), this);
    StatysGodzLbl = new QLabel(QStringLiteral("0"), this);
    for (QLabel *l : {StatysLbl, StatysDopLbl, StatysJuzLbl, StatysSkrLbl, StatysGodzLbl}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(80);
    }
    auto *counters = new QGridLayout;
    counters->addWidget(new QLabel(QStringLiteral("Liczba przetworzonych pozycji"), this), 0, 0);
    counters->addWidget(StatysLbl, 0, 1);
    counters->addWidget(new QLabel(QStringLiteral("Liczba wczytanych pozycji"), this), 1, 0);
    counters->addWidget(StatysDopLbl, 1, 1);
    // Re-reading one's own export adds nothing: this says why.
    counters->addWidget(new QLabel(QStringLiteral("Liczba pozycji już w logu"), this), 2, 0);
    counters->addWidget(StatysJuzLbl, 2, 1);
    // A name or a QSL manager cut to its column is another text: the user can look them up.
    counters->addWidget(new QLabel(QStringLiteral("Liczba pozycji ze skróconymi wartościami"), this), 3, 0);
    counters->addWidget(StatysSkrLbl, 3, 1);
    // A made-up time is told, so that the user can put in the real one.
    counters->addWidget(
        new QLabel(QStringLiteral("Liczba pozycji bez godziny (wczytanych z godziną 00:00)"), this), 4, 0);
    counters->addWidget(StatysGodzLbl, 4, 1);
    counters->setColumnStretch(2, 1);

    QHBoxLayout *buttons = CreateRunButtons(QStringLiteral("&Wczytaj"), WczytajBtn, CancelBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameLbl);
    layout->addWidget(EdNazwaPliku);
    layout->addLayout(counters);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TWczytajAdifFrm::FormActivate()
{
    TRunDialog::FormActivate();
    ResetImportCounters();
}

void TWczytajAdifFrm::ResetImportCounters()
{
    ShowCounts({});
}

void TWczytajAdifFrm::ShowCounts(const AdifImportCounts &counts)
{
    StatysLbl->setText(QString::number(counts.processed));
    StatysDopLbl->setText(QString::number(counts.added));
    StatysJuzLbl->setText(QString::number(counts.duplicates));
    StatysSkrLbl->setText(QString::number(counts.shortened));
    StatysGodzLbl->setText(QString::number(counts.untimed));
}

void TWczytajAdifFrm::Run()
{
    const QString name = EdNazwaPliku->FileName();
    if (!InputFileExists(name, QStringLiteral("Nazwa pliku do czytania musi być podana.")))
        return;
    const std::optional<QByteArray> read = ReadInputFile(name);
    if (!read)
        return;
    const QByteArray &bytes = *read;

    bool completed = false;
    AdifImportCounts counts;
    QStringList warnings;
    {
        RunScope running(*this);
        BusyGuard busy({WczytajBtn, CancelBtn, EdNazwaPliku});
        ResetImportCounters();
        QCoreApplication::processEvents();
        const ControlsStill still(DM->Logi);
        AdifImport import(*DM);
        const std::optional<QString> failure = FailureOf([&] {
            ProgressPacer pace;
            completed = import.Run(
                bytes, {.Position = [&](qsizetype) { pace([&] { ShowCounts(import.Counts()); }); }});
        });
        // The counts as far as the run got, also when it threw.
        counts = import.Counts();
        warnings = import.Warnings();
        if (failure)
            warnings << *failure;
        ShowCounts(counts);
    }

    // Whatever ended the run, the QSOs it added are in the log: show them.
    if (counts.added > 0) {
        if (const std::optional<QString> failure =
                FailureOf([&] { DM->ReopenLogiOrdered(SortOrder, DM->CurrentLogId()); })) {
            warnings << *failure;
            completed = false;
        }
    }
    for (const QString &w : warnings)
        Messages::ShowWarning(w);
    if (completed)
        Finished();
}
