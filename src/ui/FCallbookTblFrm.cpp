#include "ui/FCallbookTblFrm.h"

#include "controls/DbNavigator.h"
#include "controls/ExDBCtrl.h"
#include "core/CallbookQueries.h"
#include "core/FDM.h"
#include "platform/db/DataSource.h"
#include "platform/gui/BusyGuard.h"
#include "platform/gui/Guarded.h"
#include "ui/FSzukajRozFrm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

TCallbookTblFrm *CallbookTblFrm = nullptr;

namespace {

const TListColumn GridColumns[] = {
    {"STACJA", "Stacja", 0, "SP9WWWW"},
    {"NAZWA", "Nazwisko i imię (Nazwa)", 0, "Wojciechowski-Brzęczyszczykiewicz Grzegorz"},
    {"MIASTO", "Miejscowość", 0, "Kędzierzyn-Koźle"},
    {"LOKATOR", "Lokator", 0, "MM99WW"},
    {"WOJEW", "W", 0, "W", Qt::AlignCenter},
    {"POWIAT", "PW", 0, "WW", Qt::AlignCenter},
};

struct DetailRow {
    const char *caption;
    const char *field;
};

const std::array<DetailRow, 6> DetailRows = {{
    {"Stacja.................", "PelnaNazwa"},
    {"Miejscowość....", "MIASTO"},
    {"Adres...................", "ADRES"},
    {"Lokator...............", "LOKATOR"},
    {"Województwo...", "NazwaWojew"},
    {"Powiat................", "NazwaPowiatu"},
}};

}

TCallbookTblFrm::TCallbookTblFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CallbookTblFrm"));
    setWindowTitle(QStringLiteral("Callbook - wyszukiwanie złożone"));
    resize(760, 520);

    DataSet &callbook = DM->Callbook;
    source_ = new DataSource(&callbook, this);
    DbGrid = new TExDBGrid(this);
    DbGrid->setObjectName(QStringLiteral("DbGrid"));
    DbGrid->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgRowSelect |
                       dgAlwaysShowSelection | dgConfirmDelete | dgCancelOnExit);
    DbGrid->SetTitleButtons(true);
    DbGrid->SetReadOnly(true);
    // Each title leaves room for the marker of the column the list is sorted by.
    DbGrid->SetListColumns(GridColumns, true);
    DbGrid->SetDataSource(source_);
    DbGrid->OnGetBtnParams = [this](TExDBGrid &grid, Field *field, TGridFont &, QColor &, TSortMarker &marker,
                                    bool) {
        if (field && grid.LinkActive() && IsCallbookSortColumn(field->FieldName(), sortIndex_))
            marker = smUp;
    };

    Navigator = new TDBNavigator(this);
    Navigator->SetDataSet(&callbook);
    Navigator->ShowOnly(
        {TDBNavigator::nbFirst, TDBNavigator::nbPrior, TDBNavigator::nbNext, TDBNavigator::nbLast});
    ZamknijBtn = new QPushButton(QStringLiteral("&Zamknij"), this);
    KryteriumBtn = new QPushButton(QStringLiteral("&Kryterium wyszukiwania"), this);
    KryteriumBtn->setDefault(true);
    DodajBtn = new QPushButton(QStringLiteral("&Dodaj"), this);
    PoprawBtn = new QPushButton(QStringLiteral("&Popraw"), this);
    UsunBtn = new QPushButton(QStringLiteral("&Usuń"), this);
    for (QPushButton *b : {DodajBtn, PoprawBtn, UsunBtn})
        b->setVisible(false);
    connect(ZamknijBtn, &QPushButton::clicked, this, [this] { done(1); });
    connect(KryteriumBtn, &QPushButton::clicked, this, [this] { SearchCallbook(); });

    StatusBar = new QStatusBar(this);
    StatusBar->setSizeGripEnabled(false);
    status_ = new QLabel(StatusBar);
    status_->setFrameShape(QFrame::Panel);
    status_->setFrameShadow(QFrame::Sunken);
    StatusBar->addWidget(status_, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Navigator);
    buttons->addStretch(1);
    for (QPushButton *b : {DodajBtn, PoprawBtn, UsunBtn, KryteriumBtn, ZamknijBtn})
        buttons->addWidget(b);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addWidget(DbGrid, 1);
    layout->addWidget(BuildDetailPanel());
    layout->addLayout(buttons);
    layout->addWidget(StatusBar);

    connect(&callbook, &DataSet::scrolled, this, [this] { ShowDetails(); });
    connect(&callbook, &DataSet::dataSetChanged, this, [this] { ShowDetails(); });
    ShowDetails();
}

QWidget *TCallbookTblFrm::BuildDetailPanel()
{
    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto *form = new QFormLayout(panel);
    form->setContentsMargins(8, 4, 8, 4);
    form->setVerticalSpacing(2);
    for (int i = 0; i < int(DetailRows.size()); ++i) {
        details_[i] = new QLabel(panel);
        details_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont bold = details_[i]->font();
        bold.setBold(true);
        details_[i]->setFont(bold);
        form->addRow(QString::fromUtf8(DetailRows[i].caption), details_[i]);
    }
    return panel;
}

void TCallbookTblFrm::ShowDetails()
{
    DataSet &callbook = DM->Callbook;
    const bool any = callbook.Active() && !callbook.IsEmpty();
    for (int i = 0; i < int(DetailRows.size()); ++i) {
        Field *f = any ? callbook.FindField(QLatin1String(DetailRows[i].field)) : nullptr;
        details_[i]->setText(f ? f->AsString() : QString());
    }
}

QString TCallbookTblFrm::DetailText(int row) const
{
    return details_[row]->text();
}

QString TCallbookTblFrm::StatusText() const
{
    return status_->text();
}

void TCallbookTblFrm::SearchCallbook()
{
    TSzukajRozFrm &criteria = *SzukajRozFrm;
    if (criteria.exec() != 1)
        return;
    Guarded([&] { RunSearch(criteria); });
}

void TCallbookTblFrm::RunSearch(TSzukajRozFrm &criteria)
{
    BusyGuard busy({DbGrid, Navigator, KryteriumBtn, ZamknijBtn});
    TCallbookSql sql;
    sql.SearchSql = criteria.BuildSearchSql();
    sql.CountSql = criteria.CountSql;
    const int count = RunCallbookSearch(*DM, sql);
    // Only a search that ran moves the marker: a failed one keeps the previous result and its marker.
    sortIndex_ = SortColumnIndex(criteria.Criteria().KolejItem);
    DbGrid->viewport()->update();
    status_->setText(QStringLiteral(" Liczba stacji: ") + QString::number(count));
    DbGrid->setFocus();
}
