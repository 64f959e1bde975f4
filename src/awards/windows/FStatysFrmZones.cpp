#include "awards/windows/FStatysFrm.h"

#include "awards/StatRuns.h"
#include "awards/windows/FPrefixDetFrm.h"
#include "awards/windows/StatysParts.h"
#include "controls/TextBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

const char *const CqHints[40] = {
    "Północno-zachodnia część\nAmeryki Północnej",
    "Północno-wschodnia część\nAmeryki Północnej",
    "Zachodnia część\nAmeryki Północnej",
    "Środkowa część\nAmeryki Północnej",
    "Wschodnia część\nAmeryki Północnej",
    "Południowa część\nAmeryki Północnej",
    "Strefa środkowo-amerykańska",
    "Sterfa Indii wschodnich",
    "Północna część\nAmeryki Południowej",
    "Zachodnia część\nAmeryki Południowej",
    "Środkowa część\nAmeryki Południowej",
    "Południowo-zachodnia część\nAmeryki Południowej",
    "Południowo-wschodnia część\nAmeryki Południowej",
    "Zachodnia część Europy",
    "Środkowa część Europy",
    "Wschodnia część Europy",
    "Zachodnia część Syberii",
    "Środkowa część Syberii",
    "Wschodnia część Syberii",
    "Strefa bałkańska",
    "Południowo-zachodnia \nczęść Azji",
    "Południowa część Azji",
    "Środkowa część Azji",
    "Wschodnia część Azji",
    "Strefa japońska",
    "Południowo-wschodnia \nczęść Azji",
    "Filipiny",
    "Strefa indonezyjska",
    "Zachodnia część Australii",
    "Wschodnia  część Australii",
    "Strefa środkowa Pacyfiku",
    "Strefa nowozelandzka",
    "Północno-zachodnia\nczęść Afryki",
    "Północno-wschodnia\nczęść Afryki",
    "Środkowa część Afryki",
    "Równikowa część Afryki",
    "Wschodnia część Afryki",
    "Południowa część Afryki",
    "Strefa Madagaskaru",
    "Strefa północno-atlantycka",
};

// A group of zone boxes named prefix + zone number, `columns` to a row.
QGroupBox *ZoneGroup(const QString &caption, const QString &prefix, int zones, int columns, TTextBox **boxes,
                     QWidget *parent)
{
    auto *group = new QGroupBox(caption, parent);
    auto *grid = new QGridLayout(group);
    grid->setSpacing(0);
    grid->setContentsMargins(2, 2, 2, 2);
    for (int zone = 1; zone <= zones; ++zone) {
        auto *box = new TTextBox(group);
        box->setObjectName(prefix + QString::number(zone));
        box->SetText(QString::number(zone));
        box->setFixedSize(50, 20);
        box->setCursor(Qt::PointingHandCursor);
        grid->addWidget(box, (zone - 1) / columns, (zone - 1) % columns);
        boxes[zone] = box;
    }
    return group;
}

TRpTextBox *AddTextCell(QGridLayout *grid, int row, int column, const QString &text, QWidget *parent)
{
    auto *pit = AddPitCell<TRpTextBox>(grid, row, column, parent);
    pit->SetText(text);
    return pit;
}

// The counter block of one kind of zone: title, header and three counted rows.
QWidget *ZoneCounters(const QString &title, std::array<TRpIntBox **, 3> values, QWidget *parent)
{
    auto *block = new QWidget(parent);
    auto *grid = new QGridLayout(block);
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    AddTextCell(grid, 0, 0, title, block)->SetTextAlignment(Qt::AlignCenter);
    AddTextCell(grid, 0, 1, QStringLiteral("Liczba stref"), block)->SetTextAlignment(Qt::AlignCenter);
    const char *const rows[3] = {"Łączność", "Potwierdzenie", "Pozostało"};
    for (int i = 0; i < 3; ++i) {
        AddTextCell(grid, i + 1, 0, QString::fromUtf8(rows[i]), block);
        *values[i] = AddPitCell<TRpIntBox>(grid, i + 1, 1, block);
    }
    grid->setColumnMinimumWidth(0, 130);
    grid->setColumnMinimumWidth(1, 100);
    return block;
}

}

QWidget *TStatysFrm::BuildZoneTab()
{
    auto *page = new QWidget;
    QGroupBox *itu =
        ZoneGroup(QStringLiteral("Strefa ITU"), QStringLiteral("i"), 75, 15, ItuBoxes.data(), page);
    QGroupBox *cq = ZoneGroup(QStringLiteral("Strefa CQ"), QStringLiteral("c"), 40, 10, CqBoxes.data(), page);
    for (int zone = 1; zone <= 40; ++zone)
        CqBoxes[zone]->setToolTip(QString::fromUtf8(CqHints[zone - 1]));
    for (int zone = 1; zone <= 75; ++zone)
        connect(ItuBoxes[zone], &TTextBox::OnClick, this, [this, zone] { ITUClick(ItuBoxes[zone]); });
    for (int zone = 1; zone <= 40; ++zone)
        connect(CqBoxes[zone], &TTextBox::OnClick, this, [this, zone] { CQClick(CqBoxes[zone]); });

    auto *legend = new QHBoxLayout;
    BoxLacz = NewLegendCell(legend, QStringLiteral("Łączność"), WorkedColour, page);
    BoxPotw = NewLegendCell(legend, QStringLiteral("Potwierdzenie"), ConfirmedColour, page);
    legend->addStretch(1);

    PostepZoneBox = NewProgressGroup(page, ProgBarZone);

    auto *left = new QVBoxLayout;
    left->addWidget(cq);
    left->addStretch(1);
    left->addWidget(PostepZoneBox);
    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(ZoneCounters(QStringLiteral("ITU"), {&ITULacz, &ITUPotw, &ITUPoz}, page));
    right->addWidget(ZoneCounters(QStringLiteral("CQ"), {&CQLacz, &CQPotw, &CQPoz}, page));
    right->addLayout(legend);
    right->addStretch(1);
    auto *bottom = new QHBoxLayout;
    bottom->addLayout(left);
    bottom->addLayout(right, 1);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(itu);
    layout->addLayout(bottom, 1);
    ResetItuBoxes();
    ResetCqBoxes();
    return page;
}

void TStatysFrm::ResetItuBoxes()
{
    for (int zone = 1; zone <= 75; ++zone)
        ItuBoxes[zone]->SetBrush(NotWorkedColour);
}

void TStatysFrm::ResetCqBoxes()
{
    for (int zone = 1; zone <= 40; ++zone)
        CqBoxes[zone]->SetBrush(NotWorkedColour);
}

namespace {

void PaintZoneBox(TTextBox *box, bool confirmed)
{
    if (confirmed)
        box->SetBrush(ConfirmedColour);
    else if (box->Brush().color() == NotWorkedColour)
        box->SetBrush(WorkedColour);
}

}

void TStatysFrm::PaintItuBox(int zone, bool confirmed)
{
    if (zone >= 1 && zone <= 75)
        PaintZoneBox(ItuBoxes[zone], confirmed);
}

void TStatysFrm::PaintCqBox(int zone, bool confirmed)
{
    if (zone >= 1 && zone <= 40)
        PaintZoneBox(CqBoxes[zone], confirmed);
}

void TStatysFrm::BuildZoneStats()
{
    ResetItuBoxes();
    ResetCqBoxes();
    Run(PostepZoneBox, ProgBarZone, nullptr, [this](const TProgress &p) {
        const TZoneStats s = ::BuildZoneStats(dm_, p);
        for (int zone = 1; zone <= 75; ++zone)
            if (s.Itu[zone] > 0)
                PaintItuBox(zone, s.Itu[zone] == 2);
        for (int zone = 1; zone <= 40; ++zone)
            if (s.Cq[zone] > 0)
                PaintCqBox(zone, s.Cq[zone] == 2);
        const std::pair<TRpIntBox *, int> counters[] = {{ITULacz, s.ITULacz}, {ITUPotw, s.ITUPotw},
                                                        {ITUPoz, s.ITUPoz},   {CQLacz, s.CQLacz},
                                                        {CQPotw, s.CQPotw},   {CQPoz, s.CQPoz}};
        for (const auto &[box, value] : counters)
            box->SetAmount(value);
    });
}

void TStatysFrm::ITUClick(TTextBox *box)
{
    if (box->Brush().color() != NotWorkedColour)
        OpenList([this, box] { TPrefixDetFrm(dm_, this).ShowItuQsos(box->Text().toInt()); });
}

void TStatysFrm::CQClick(TTextBox *box)
{
    if (box->Brush().color() != NotWorkedColour)
        OpenList([this, box] { TPrefixDetFrm(dm_, this).ShowCqQsos(box->Text().toInt()); });
}
