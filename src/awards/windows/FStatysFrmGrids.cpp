#include "awards/windows/FStatysFrm.h"

#include "awards/DrillDown.h"
#include "awards/StatRuns.h"
#include "awards/windows/FPrefixDetFrm.h"
#include "awards/windows/StatysParts.h"
#include "controls/ButtonEdit.h"
#include "controls/ExDBCtrl.h"
#include "core/Geography.h"
#include "core/Pasmo.h"
#include "platform/db/DataSource.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int BandColumnWidth = 35;
// Commune and castle symbols are up to six characters: their searches take them whole.
constexpr int SymbolLength = 6;

TColumn TextColumn(const QString &field, const QString &title, int width)
{
    TColumn c;
    c.FieldName = field;
    c.Title = title;
    c.Width = width;
    return c;
}

TColumn MarkColumn(const QString &field, const QString &title, int width)
{
    TColumn c = TextColumn(field, title, width);
    c.Alignment = Qt::AlignCenter;
    c.CheckMarkFont = true;
    return c;
}

std::vector<TColumn> BandTableColumns(const TColumn &key, const TColumn &name, const QString &prefix)
{
    std::vector<TColumn> columns{key, name};
    const QStringList fields = BandCellFields(prefix);
    for (int i = 0; i < BandCellCount; ++i)
        columns.push_back(MarkColumn(fields[i], TPasmo::BandNameOf(i + 1), BandColumnWidth));
    return columns;
}

TExDBGrid *NewStatGrid(const QString &name, const std::vector<TColumn> &columns)
{
    auto *grid = new TExDBGrid;
    grid->setObjectName(name);
    grid->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgRowSelect |
                     dgAlwaysShowSelection);
    grid->SetReadOnly(true);
    QFont font = grid->font();
    font.setPointSize(8);
    grid->setFont(font);
    // Mark columns as narrow as their two marks, but never hiding their title.
    std::vector<TColumn> fitted = columns;
    for (TColumn &c : fitted)
        c.Width = grid->FitColumnWidth(c.Width, c.Title,
                                       c.CheckMarkFont ? QStringLiteral("\u2713\u2713") : QString());
    grid->SetColumns(fitted);
    return grid;
}

QString Text(const DataSet &ds, const char *field)
{
    return ds.FieldByName(QLatin1String(field))->AsString().trimmed();
}

int Integer(const DataSet &ds, const char *field)
{
    return int(ds.FieldByName(QLatin1String(field))->AsInteger());
}

}

void TStatysFrm::SetUpGridTab(TStatGridTab &tab, const QString &caption, TExDBGrid *grid, TExMemoryData *tbl,
                              const QString &searchCaption, int maxLength, const QString &keyField)
{
    tab.Page = new QWidget;
    tab.Grid = grid;
    tab.Tbl = tbl;
    tab.DS = new DataSource(tbl, this);
    tab.KeyField = keyField;
    grid->setParent(tab.Page);
    grid->SetDataSource(tab.DS);

    auto *search = new QGroupBox(searchCaption, tab.Page);
    tab.Ed = new TButtonEdit(search);
    tab.Ed->SetCharCase(ecUpperCase);
    tab.Ed->setMaxLength(maxLength);
    tab.Ed->SetButtonHint(QStringLiteral("Wyczyść"));
    tab.Ed->SetGlyph(ClearGlyph());
    connect(tab.Ed, &TCustomButtonEdit::OnButtonClick, tab.Ed, &QLineEdit::clear);
    connect(tab.Ed, &TCustomButtonEdit::OnChange, this, [&tab] {
        if (tab.Tbl->Active())
            tab.Tbl->Locate(tab.KeyField, tab.Ed->text(), LocateCaseInsensitive | LocatePartialKey);
    });
    (new QHBoxLayout(search))->addWidget(tab.Ed);
    search->setFixedWidth(150);

    tab.PostepBox = NewProgressGroup(tab.Page, tab.ProgBar);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(search);
    bottom->addWidget(tab.PostepBox, 1);
    bottom->addStretch(0);
    auto *layout = new QVBoxLayout(tab.Page);
    layout->addWidget(grid, 1);
    layout->addLayout(bottom);

    grid->OnDblClick = [this, &tab](TExDBGrid &) { OpenList(tab.Open); };
    grid->OnKeyDown = [this, &tab](TExDBGrid &, int &key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            key = 0;
            OpenList(tab.Open);
        }
    };
    PageControl->addTab(tab.Page, caption);
}

void TStatysFrm::BuildGridTabs()
{
    TStatTables &t = *tables_;
    const QString search = QStringLiteral("Szukaj [%1]");
    const QString lacznosc = QStringLiteral("Łączność / Potwierdzenie");

    SetUpGridTab(Dxcc, QStringLiteral("&DXCC MultiBand"),
                 NewStatGrid(QStringLiteral("DxccGrid"),
                             BandTableColumns(
                                 TextColumn(QStringLiteral("PrefixTblPrefix"), QStringLiteral("Prefiks"), 50),
                                 TextColumn(QStringLiteral("PrefixTblDxcc"), QStringLiteral("DXCC"), 160),
                                 QStringLiteral("PrefixTbl"))),
                 &t.PrefixTbl, search.arg(QStringLiteral("Prefiks")), 6, QStringLiteral("PrefixTblPrefix"));
    SetUpGridTab(DxccRaz, QStringLiteral("D&XCC KF"),
                 NewStatGrid(QStringLiteral("DxccRazGrid"),
                             {TextColumn(QStringLiteral("Prefix"), QStringLiteral("Prefiks"), 60),
                              TextColumn(QStringLiteral("Nazwa"), QStringLiteral("DXCC"), 330),
                              MarkColumn(QStringLiteral("Lacznosc"), lacznosc, 150)}),
                 &t.PrefixRazTbl, search.arg(QStringLiteral("Prefiks")), 6, QStringLiteral("Prefix"));
    SetUpGridTab(Iota, QStringLiteral("&IOTA"),
                 NewStatGrid(QStringLiteral("IotaGrid"),
                             {TextColumn(QStringLiteral("Iota"), QStringLiteral("IOTA"), 60),
                              TextColumn(QStringLiteral("Wyspa"), QStringLiteral("Wyspa"), 330),
                              MarkColumn(QStringLiteral("Lacznosc"), lacznosc, 150)}),
                 &t.IotaTbl, search.arg(QStringLiteral("IOTA")), 6, QStringLiteral("Iota"));
    TExDBGrid *spaGrid = NewStatGrid(
        QStringLiteral("SpaGrid"),
        BandTableColumns(TextColumn(QStringLiteral("PowiatId"), QStringLiteral("Powiat"), 50),
                         TextColumn(QStringLiteral("Powiat"), QStringLiteral("Nazwa"), 190), QString()));
    // The district names are known beforehand: the longest shows whole.
    int nameWidth = spaGrid->ColumnWidth(1);
    for (const District &d : Districts())
        nameWidth = spaGrid->FitColumnWidth(nameWidth, QString(), QString::fromUtf16(d.Text));
    spaGrid->SetColumnWidth(1, nameWidth);
    SetUpGridTab(Spa, QStringLiteral("&SPPA"), spaGrid, &t.SpaTbl, search.arg(QStringLiteral("Powiat")), 2,
                 QStringLiteral("PowiatId"));
    SetUpGridTab(
        Gmina, QStringLiteral("P&GA"),
        NewStatGrid(QStringLiteral("GminaGrid"),
                    BandTableColumns(TextColumn(QStringLiteral("Symbol"), QStringLiteral("Gmina"), 50),
                                     TextColumn(QStringLiteral("Nazwa"), QStringLiteral("Nazwa"), 190),
                                     QString())),
        &t.GminaTbl, search.arg(QStringLiteral("Gmina")), SymbolLength, QStringLiteral("Symbol"));
    SetUpGridTab(
        Zamek, QStringLiteral("Z&amki polskie"),
        NewStatGrid(
            QStringLiteral("ZamekGrid"),
            BandTableColumns(TextColumn(QStringLiteral("Symbol"), QStringLiteral("Zamek"), 50),
                             TextColumn(QStringLiteral("Nazwa"), QStringLiteral("Nazwa (miejscowość)"), 190),
                             QString())),
        &t.ZamekTbl, search.arg(QStringLiteral("Zamek")), SymbolLength, QStringLiteral("Symbol"));
    std::vector<TColumn> lokator{TextColumn(QStringLiteral("Lokator"), QStringLiteral("Lokator"), 160)};
    const QStringList lokatorFields = LokatorCellFields();
    for (int i = 0; i < LokatorCellCount; ++i)
        lokator.push_back(MarkColumn(lokatorFields[i], TPasmo::BandNameOf(LokatorBands[i]), 90));
    SetUpGridTab(Lokator, QStringLiteral("&Lokator"), NewStatGrid(QStringLiteral("LokatorGrid"), lokator),
                 &t.LokatorTbl, search.arg(QStringLiteral("Lokator")), 4, QStringLiteral("Lokator"));

    PrefixTab = Dxcc.Page;
    DxccRazTab = DxccRaz.Page;
    IotaTab = Iota.Page;
    SPATab = Spa.Page;
    GminaTab = Gmina.Page;
    ZamekTab = Zamek.Page;
    LokatorTab = Lokator.Page;

    Dxcc.Build = [this, &t](const TProgress &p) { BuildDxccMultiBandStats(dm_, t, p); };
    DxccRaz.Build = [this, &t](const TProgress &p) { BuildDxccHfStats(dm_, t, p); };
    Iota.Build = [this, &t](const TProgress &p) { BuildIotaStats(dm_, t, p); };
    Spa.Build = [this, &t](const TProgress &p) { BuildPowiatStats(dm_, t, p); };
    Gmina.Build = [this, &t](const TProgress &p) { BuildGminaStats(dm_, t, p); };
    Zamek.Build = [this, &t](const TProgress &p) { BuildZamekStats(dm_, t, p); };
    Lokator.Build = [this, &t](const TProgress &p) { BuildLokatorStats(dm_, t, p); };

    // Every band cell counts, 4 m included; summary rows have no key and
    // counts instead of marks, so they open nothing.
    Dxcc.Open = [this, &t] {
        const DataSet &ds = t.PrefixTbl;
        if (RowHasMark(ds, BandCellFields(QStringLiteral("PrefixTbl"))) &&
            !Text(ds, "PrefixTblPrefix").isEmpty())
            TPrefixDetFrm(dm_, this).ShowCountryQsos(Integer(ds, "PrefixTblKrajId"),
                                                     Text(ds, "PrefixTblPrefix"), Text(ds, "PrefixTblDxcc"));
    };
    DxccRaz.Open = [this, &t] {
        const DataSet &ds = t.PrefixRazTbl;
        if (RowHasMark(ds, {QStringLiteral("Lacznosc")}) && Integer(ds, "KrajId") > 0)
            TPrefixDetFrm(dm_, this).ShowCountryHfQsos(Integer(ds, "KrajId"), Text(ds, "Prefix"),
                                                       Text(ds, "Nazwa"));
    };
    Iota.Open = [this, &t] {
        const DataSet &ds = t.IotaTbl;
        if (RowHasMark(ds, {QStringLiteral("Lacznosc")}) && !Text(ds, "Iota").isEmpty())
            TPrefixDetFrm(dm_, this).ShowIotaQsos(Text(ds, "Iota"), Text(ds, "Wyspa"));
    };
    Spa.Open = [this, &t] {
        const DataSet &ds = t.SpaTbl;
        if (RowHasMark(ds, BandCellFields(QString())) && !Text(ds, "PowiatId").isEmpty())
            TPrefixDetFrm(dm_, this).ShowPowiatQsos(Text(ds, "PowiatId"));
    };
    Gmina.Open = [this, &t] {
        const DataSet &ds = t.GminaTbl;
        if (RowHasMark(ds, BandCellFields(QString())) && !Text(ds, "Symbol").isEmpty())
            TPrefixDetFrm(dm_, this).ShowGminaQsos(Text(ds, "Symbol"), Text(ds, "Nazwa"));
    };
    Zamek.Open = [this, &t] {
        const DataSet &ds = t.ZamekTbl;
        if (RowHasMark(ds, BandCellFields(QString())) && !Text(ds, "Symbol").isEmpty())
            TPrefixDetFrm(dm_, this).ShowZamekQsos(Text(ds, "Symbol"));
    };
    Lokator.Open = [this, &t] {
        const DataSet &ds = t.LokatorTbl;
        if (RowHasMark(ds, LokatorCellFields()) && !Text(ds, "Lokator").isEmpty())
            TPrefixDetFrm(dm_, this).ShowLokatorQsos(Text(ds, "Lokator"));
    };
}
