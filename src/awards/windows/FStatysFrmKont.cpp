#include "awards/windows/FStatysFrm.h"

#include "awards/StatRuns.h"
#include "awards/windows/StatysParts.h"
#include "platform/Messages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

const char *const RowCaptions[8] = {
    " AF - Afryka",  " AN - Antarktyda",         " AS - Azja", " EU - Europa", " NA - Ameryka Północna",
    " OC - Oceania", " SA - Ameryka Południowa", " Razem"};

TRpCell *AddCaption(QGridLayout *grid, int row, int column, const QString &caption, THAlignment align,
                    QWidget *parent, int span = 1)
{
    auto *cell = AddPitCell<TRpCell>(grid, row, column, parent, span);
    cell->SetCaption(caption);
    cell->SetHorAlignment(align);
    cell->SetVertAlignment(TVAlignment::vaCenter);
    return cell;
}

QProgressBar *NewGauge(const QColor &colour, QWidget *parent)
{
    auto *bar = new QProgressBar(parent);
    bar->setTextVisible(false);
    bar->setFixedHeight(StatRowHeight);
    bar->setStyleSheet(
        QStringLiteral("QProgressBar { background: palette(highlight); border: 1px solid gray; }"
                       "QProgressBar::chunk { background: %1; }")
            .arg(colour.name()));
    bar->setRange(0, 1);
    bar->setValue(0);
    return bar;
}

// A gauge with no QSOs at all stays empty: a bar whose maximum is 0 would run
// its busy animation instead.
void SetGauge(QProgressBar *bar, int maximum, int value)
{
    bar->setRange(0, std::max(maximum, 1));
    bar->setValue(maximum > 0 ? value : 0);
}

// The mark as the window shows it.
QString ShownMark(int value)
{
    return MarkIfPositive(value).replace(MarkChar, QChar(CheckMarkChar));
}

}

QWidget *TStatysFrm::BuildContinentTab()
{
    auto *page = new QWidget;
    auto *table = new QWidget(page);
    auto *grid = new QGridLayout(table);
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    AddCaption(grid, 0, 0, QStringLiteral("Kontynent"), THAlignment::haCenter, table);
    AddCaption(grid, 0, 1, QStringLiteral("Liczba łączności"), THAlignment::haCenter, table, 2);
    AddCaption(grid, 0, 3, QStringLiteral("Łączność"), THAlignment::haCenter, table);
    AddCaption(grid, 0, 4, QStringLiteral("Potwierdzenie"), THAlignment::haCenter, table);
    for (int i = 0; i < 8; ++i) {
        TContinentRow &r = Kont[i];
        const int row = i + 1;
        AddCaption(grid, row, 0, QString::fromUtf8(RowCaptions[i]), THAlignment::haLeft, table);
        r.LiczLacz = AddPitCell<TRpIntBox>(grid, row, 1, table);
        r.LiczPotw = AddPitCell<TRpIntBox>(grid, row, 2, table);
        r.Lacz = AddCaption(grid, row, 3, QString(), THAlignment::haCenter, table);
        r.Potw = AddCaption(grid, row, 4, QString(), THAlignment::haCenter, table);
        r.BarLacz = NewGauge(WorkedColour, table);
        r.BarPotw = NewGauge(ConfirmedColour, table);
        grid->addWidget(r.BarLacz, row, 5);
        grid->addWidget(r.BarPotw, row, 6);
    }
    const int widths[7] = {190, 75, 75, 95, 95, 110, 110};
    for (int c = 0; c < 7; ++c)
        grid->setColumnMinimumWidth(c, widths[c]);
    grid->setHorizontalSpacing(0);

    auto *legend = new QHBoxLayout;
    BoxLaczKont = NewLegendCell(legend, QStringLiteral("Łączność"), WorkedColour, page);
    BoxPotwKont = NewLegendCell(legend, QStringLiteral("Potwierdzenie"), ConfirmedColour, page);
    legend->addStretch(1);

    PostepKontBox = NewProgressGroup(page, ProgBarKont);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(table, 0, Qt::AlignLeft);
    layout->addLayout(legend);
    layout->addStretch(1);
    layout->addWidget(PostepKontBox);
    return page;
}

void TStatysFrm::BuildContinentStats()
{
    Run(PostepKontBox, ProgBarKont, nullptr, [this](const TProgress &p) {
        const TContinentStats s = ::BuildContinentStats(dm_, p);
        for (int i = 0; i < 8; ++i) {
            const bool total = i == 7;
            const int worked = total ? s.WorkedTotal : s.Worked[i + 1];
            const int confirmed = total ? s.ConfirmedTotal : s.Confirmed[i + 1];
            TContinentRow &r = Kont[i];
            r.LiczLacz->SetAmount(worked);
            r.LiczPotw->SetAmount(confirmed);
            r.Lacz->SetCaption(total ? QString::number(s.ContinentsWorked) : ShownMark(worked));
            r.Potw->SetCaption(total ? QString::number(s.ContinentsConfirmed) : ShownMark(confirmed));
            SetGauge(r.BarLacz, s.WorkedTotal, worked);
            SetGauge(r.BarPotw, s.WorkedTotal, confirmed);
        }
    });
}
