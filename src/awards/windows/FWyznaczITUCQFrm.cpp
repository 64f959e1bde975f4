#include "awards/windows/FWyznaczITUCQFrm.h"

#include "core/FDM.h"
#include "platform/Messages.h"
#include "platform/gui/BusyGuard.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TWyznaczITUCQFrm::TWyznaczITUCQFrm(QWidget *parent) : TRunDialog(parent)
{
    setWindowTitle(QStringLiteral("Wyznacz strefy ITU, CQ"));

    InfoLbl = new QLabel(QStringLiteral("Funkcja pozwala na automatyczne uzupełnienie informacji\n"
                                        "o kontynencie oraz stefach ITU i CQ w łącznościach, dla\n"
                                        "których nie podano tych informacji. "),
                         this);

    PrzetworzoneLbl = new QLabel(this);
    ZaktualizowaneLbl = new QLabel(this);
    for (QLabel *l : {PrzetworzoneLbl, ZaktualizowaneLbl}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(80);
    }
    auto *counters = new QGridLayout;
    counters->addWidget(new QLabel(QStringLiteral("Liczba przetworzonych pozycji"), this), 0, 0);
    counters->addWidget(PrzetworzoneLbl, 0, 1);
    counters->addWidget(new QLabel(QStringLiteral("Liczba zaktualizowanych pozycji"), this), 1, 0);
    counters->addWidget(ZaktualizowaneLbl, 1, 1);
    counters->setColumnStretch(2, 1);

    QHBoxLayout *buttons = CreateRunButtons(QStringLiteral("&Start"), StartBtn, CancelBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(InfoLbl);
    layout->addSpacing(8);
    layout->addLayout(counters);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TWyznaczITUCQFrm::FormActivate()
{
    TRunDialog::FormActivate();
    StartBtn->setEnabled(true);
    PrzetworzoneLbl->clear();
    ZaktualizowaneLbl->clear();
}

void TWyznaczITUCQFrm::ShowCounters()
{
    PrzetworzoneLbl->setText(QString::number(counts_.ProcessedCount));
    ZaktualizowaneLbl->setText(QString::number(counts_.UpdatedCount));
}

void TWyznaczITUCQFrm::Run()
{
    bool completed = false;
    QString error;
    {
        RunScope running(*this);
        CancelBtn->hide();
        BusyGuard busy({StartBtn});
        counts_ = {};
        ShowCounters();
        QCoreApplication::processEvents();
        ZoneFill fill(*DM);
        ProgressPacer pace;
        completed = fill.Run({.Position = [&](qsizetype) {
            counts_ = fill.Counts();
            pace([this] { ShowCounters(); });
        }});
        counts_ = fill.Counts();
        error = fill.Error();
        ShowCounters();
    }
    if (completed) {
        Finished();
        return;
    }
    // What was updated before the failure stays; the window is ready again.
    CancelBtn->show();
    Messages::ShowWarning(error);
}
