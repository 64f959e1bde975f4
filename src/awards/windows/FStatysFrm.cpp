#include "awards/windows/FStatysFrm.h"

#include "awards/StatTables.h"
#include "awards/windows/StatProgressView.h"
#include "controls/ButtonEdit.h"
#include "controls/ExDBCtrl.h"
#include "controls/WindowGeometry.h"
#include "core/FDM.h"
#include "platform/Progress.h"
#include "platform/db/DataSource.h"
#include "platform/db/FbError.h"
#include "platform/gui/Guarded.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <optional>

TStatysFrm::TStatysFrm(QWidget *parent) : TStatysFrm(*DM, parent) {}

TStatysFrm::TStatysFrm(TDM &dm, QWidget *parent)
    : TJobDialog(parent), dm_(dm), tables_(std::make_unique<TStatTables>())
{
    setObjectName(QStringLiteral("StatysFrm"));
    setWindowTitle(QStringLiteral("Statystyka"));
    resize(774, 429);

    ObliczBtn = new QPushButton(QStringLiteral("&Oblicz"), this);
    ZamknijBtn = new QPushButton(QStringLiteral("&Zamknij"), this);
    // Enter belongs to the grids (a row's QSO list) and the search edits, never to a button.
    for (QPushButton *b : {ObliczBtn, ZamknijBtn})
        b->setAutoDefault(false);
    connect(ObliczBtn, &QPushButton::clicked, this, [this] { ObliczBtnClick(); });
    connect(ZamknijBtn, &QPushButton::clicked, this, [this] { done(1); });
    auto *top = new QHBoxLayout;
    top->addWidget(ObliczBtn);
    top->addStretch(1);
    top->addWidget(ZamknijBtn);

    PageControl = new QTabWidget(this);
    BuildGridTabs();
    StrefaTab = BuildZoneTab();
    PageControl->addTab(StrefaTab, QStringLiteral("S&trefa"));
    KontTab = BuildContinentTab();
    PageControl->addTab(KontTab, QStringLiteral("&Kontynent"));
    PageControl->setCurrentWidget(PrefixTab);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(PageControl, 1);
}

TStatysFrm::~TStatysFrm()
{
    // The result tables go before the child widgets: no grid may still show one.
    for (TStatGridTab *tab : {&Dxcc, &DxccRaz, &Iota, &Spa, &Gmina, &Zamek, &Lokator})
        tab->Grid->SetDataSource(nullptr);
}

TStatysFrm &StatisticsWindow(QWidget *owner)
{
    if (!StatysFrm)
        StatysFrm = new TStatysFrm(*DM, owner);
    return *StatysFrm;
}

int TStatysFrm::ShowStatistics()
{
    return exec();
}

void TStatysFrm::ObliczBtnClick()
{
    if (Running())
        return;
    QWidget *page = PageControl->currentWidget();
    for (TStatGridTab *tab : {&Dxcc, &DxccRaz, &Iota, &Spa, &Gmina, &Zamek, &Lokator})
        if (page == tab->Page)
            return RunGridStat(*tab);
    if (page == StrefaTab)
        BuildZoneStats();
    else if (page == KontTab)
        BuildContinentStats();
}

void TStatysFrm::Run(QGroupBox *box, QProgressBar *bar, QWidget *searchEdit,
                     const std::function<void(const TProgress &)> &run)
{
    const auto enable = [&](bool on) {
        for (QWidget *w : std::initializer_list<QWidget *>{ObliczBtn, ZamknijBtn, searchEdit})
            if (w)
                w->setEnabled(on);
    };
    std::optional<QString> failure;
    {
        RunScope running(*this);
        enable(false);
        box->setTitle(QStringLiteral("Zaawansowanie"));
        bar->setValue(0);
        failure = FailureOf([&] { run(ProgressInBox(box, bar)); });
        box->hide();
        enable(true);
    }
    ReportFailure(failure);
}

void TStatysFrm::RunGridStat(TStatGridTab &tab)
{
    tab.Grid->SetDataSource(nullptr);
    Run(tab.PostepBox, tab.ProgBar, tab.Ed, [&tab](const TProgress &p) { tab.Build(p); });
    // Also after a failed run, so that the tab shows whatever the run left.
    if (tab.Tbl->Active())
        tab.Tbl->First();
    tab.Grid->SetDataSource(tab.DS);
    // The button had the focus and was disabled: Enter and the arrows go to the result.
    tab.Grid->setFocus();
}

void TStatysFrm::OpenList(const std::function<void()> &open)
{
    if (!Running())
        Guarded(open);
}

void TStatysFrm::showEvent(QShowEvent *event)
{
    // The widest table shows all its columns; the tables stand on their pages
    // as wide as the one in sight.
    const std::array<TStatGridTab *, 7> tabs = {&Dxcc, &DxccRaz, &Iota, &Spa, &Gmina, &Zamek, &Lokator};
    int widest = 0;
    for (const TStatGridTab *tab : tabs)
        widest = std::max(widest, tab->Grid->WidthForAllColumns());
    for (const TStatGridTab *tab : tabs)
        if (tab->Page == PageControl->currentWidget())
            WidenForView(this, *tab->Grid, widest);
    QDialog::showEvent(event);
}

