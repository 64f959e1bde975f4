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

std::vector<TColumn> LokatorColumns()
{
    std::vector<TColumn> columns{TextColumn(QStringLiteral("Lokator"), QStringLiteral("Lokator"), 160)};
    const QStringList fields = LokatorCellFields();
    for (int i = 0; i < LokatorCellCount; ++i)
        columns.push_back(MarkColumn(fields[i], TPasmo::BandNameOf(LokatorBands[i]), 90));
    return columns;
}

// The district names are known beforehand: the longest shows whole.
void WidenForDistricts(TExDBGrid &grid)
{
    int nameWidth = grid.ColumnWidth(1);
    for (const District &d : Districts())
        nameWidth = grid.FitColumnWidth(nameWidth, QString(), QString::fromUtf16(d.Text));
    grid.SetColumnWidth(1, nameWidth);
}

// A key, a name and one mark for a QSO made or confirmed anywhere.
std::vector<TColumn> CheckColumns(const char *keyField, const char *keyTitle, const char *nameField,
                                  const char *nameTitle)
{
    return {TextColumn(QString::fromLatin1(keyField), QString::fromUtf8(keyTitle), 60),
            TextColumn(QString::fromLatin1(nameField), QString::fromUtf8(nameTitle), 330),
            MarkColumn(QStringLiteral("Lacznosc"), QStringLiteral("Łączność / Potwierdzenie"), 150)};
}

QStringList CheckFields()
{
    return {QStringLiteral("Lacznosc")};
}

// The Polish awards' tables: a symbol, a name and a mark per band.
std::vector<TColumn> LocalBandColumns(const char *keyField, const char *keyTitle, const char *nameField,
                                      const char *nameTitle)
{
    return BandTableColumns(TextColumn(QString::fromLatin1(keyField), QString::fromUtf8(keyTitle), 50),
                            TextColumn(QString::fromLatin1(nameField), QString::fromUtf8(nameTitle), 190),
                            QString());
}

QStringList LocalBandFields()
{
    return BandCellFields(QString());
}

// One statistic shown in a grid: its tab, its table, its search and the QSO
// list a marked row opens. Every band cell counts, 4 m included; summary rows
// have no key and counts instead of marks, so they open nothing.
struct GridTabRow {
    TStatGridTab TStatysFrm::*Tab;
    QWidget *TStatysFrm::*Page;
    const char *Caption;
    const char *GridName;
    std::vector<TColumn> (*Columns)();
    void (*Widen)(TExDBGrid &) = nullptr; // after the grid is made
    TExMemoryData TStatTables::*Table;
    const char *SearchWord;
    int MaxLength;
    const char *KeyField; // searched, and the key a row needs to open a list
    void (*Build)(TDM &, TStatTables &, const TProgress &);
    QStringList (*MarkFields)();
    bool (*HasKey)(const DataSet &) = nullptr; // null: the key field holds text
    void (*Show)(TPrefixDetFrm &, const DataSet &);
};

const GridTabRow GridTabRows[] = {
    {.Tab = &TStatysFrm::Dxcc,
     .Page = &TStatysFrm::PrefixTab,
     .Caption = "&DXCC MultiBand",
     .GridName = "DxccGrid",
     .Columns =
         [] {
             return BandTableColumns(
                 TextColumn(QStringLiteral("PrefixTblPrefix"), QStringLiteral("Prefiks"), 50),
                 TextColumn(QStringLiteral("PrefixTblDxcc"), QStringLiteral("DXCC"), 160),
                 QStringLiteral("PrefixTbl"));
         },
     .Table = &TStatTables::PrefixTbl,
     .SearchWord = "Prefiks",
     .MaxLength = 6,
     .KeyField = "PrefixTblPrefix",
     .Build = BuildDxccMultiBandStats,
     .MarkFields = [] { return BandCellFields(QStringLiteral("PrefixTbl")); },
     .Show =
         [](TPrefixDetFrm &list, const DataSet &ds) {
             list.ShowCountryQsos(Integer(ds, "PrefixTblKrajId"), Text(ds, "PrefixTblPrefix"),
                                  Text(ds, "PrefixTblDxcc"));
         }},
    {.Tab = &TStatysFrm::DxccRaz,
     .Page = &TStatysFrm::DxccRazTab,
     .Caption = "D&XCC KF",
     .GridName = "DxccRazGrid",
     .Columns = [] { return CheckColumns("Prefix", "Prefiks", "Nazwa", "DXCC"); },
     .Table = &TStatTables::PrefixRazTbl,
     .SearchWord = "Prefiks",
     .MaxLength = 6,
     .KeyField = "Prefix",
     .Build = BuildDxccHfStats,
     .MarkFields = CheckFields,
     .HasKey = [](const DataSet &ds) { return Integer(ds, "KrajId") > 0; },
     .Show =
         [](TPrefixDetFrm &list, const DataSet &ds) {
             list.ShowCountryHfQsos(Integer(ds, "KrajId"), Text(ds, "Prefix"), Text(ds, "Nazwa"));
         }},
    {.Tab = &TStatysFrm::Iota,
     .Page = &TStatysFrm::IotaTab,
     .Caption = "&IOTA",
     .GridName = "IotaGrid",
     .Columns = [] { return CheckColumns("Iota", "IOTA", "Wyspa", "Wyspa"); },
     .Table = &TStatTables::IotaTbl,
     .SearchWord = "IOTA",
     .MaxLength = 6,
     .KeyField = "Iota",
     .Build = BuildIotaStats,
     .MarkFields = CheckFields,
     .Show = [](TPrefixDetFrm &list,
                const DataSet &ds) { list.ShowIotaQsos(Text(ds, "Iota"), Text(ds, "Wyspa")); }},
    {.Tab = &TStatysFrm::Spa,
     .Page = &TStatysFrm::SPATab,
     .Caption = "&SPPA",
     .GridName = "SpaGrid",
     .Columns = [] { return LocalBandColumns("PowiatId", "Powiat", "Powiat", "Nazwa"); },
     .Widen = WidenForDistricts,
     .Table = &TStatTables::SpaTbl,
     .SearchWord = "Powiat",
     .MaxLength = 2,
     .KeyField = "PowiatId",
     .Build = BuildPowiatStats,
     .MarkFields = LocalBandFields,
     .Show = [](TPrefixDetFrm &list, const DataSet &ds) { list.ShowPowiatQsos(Text(ds, "PowiatId")); }},
    {.Tab = &TStatysFrm::Gmina,
     .Page = &TStatysFrm::GminaTab,
     .Caption = "P&GA",
     .GridName = "GminaGrid",
     .Columns = [] { return LocalBandColumns("Symbol", "Gmina", "Nazwa", "Nazwa"); },
     .Table = &TStatTables::GminaTbl,
     .SearchWord = "Gmina",
     .MaxLength = SymbolLength,
     .KeyField = "Symbol",
     .Build = BuildGminaStats,
     .MarkFields = LocalBandFields,
     .Show = [](TPrefixDetFrm &list,
                const DataSet &ds) { list.ShowGminaQsos(Text(ds, "Symbol"), Text(ds, "Nazwa")); }},
    {.Tab = &TStatysFrm::Zamek,
     .Page = &TStatysFrm::ZamekTab,
     .Caption = "Z&amki polskie",
     .GridName = "ZamekGrid",
     .Columns = [] { return LocalBandColumns("Symbol", "Zamek", "Nazwa", "Nazwa (miejscowość)"); },
     .Table = &TStatTables::ZamekTbl,
     .SearchWord = "Zamek",
     .MaxLength = SymbolLength,
     .KeyField = "Symbol",
     .Build = BuildZamekStats,
     .MarkFields = LocalBandFields,
     .Show = [](TPrefixDetFrm &list, const DataSet &ds) { list.ShowZamekQsos(Text(ds, "Symbol")); }},
    {.Tab = &TStatysFrm::Lokator,
     .Page = &TStatysFrm::LokatorTab,
     .Caption = "&Lokator",
     .GridName = "LokatorGrid",
     .Columns = LokatorColumns,
     .Table = &TStatTables::LokatorTbl,
     .SearchWord = "Lokator",
     .MaxLength = 4,
     .KeyField = "Lokator",
     .Build = BuildLokatorStats,
     .MarkFields = LokatorCellFields,
     .Show = [](TPrefixDetFrm &list, const DataSet &ds) { list.ShowLokatorQsos(Text(ds, "Lokator")); }},
};

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
    for (const GridTabRow &row : GridTabRows) {
        TStatGridTab &tab = this->*row.Tab;
        TExDBGrid *grid = NewStatGrid(QString::fromLatin1(row.GridName), row.Columns());
        if (row.Widen)
            row.Widen(*grid);
        SetUpGridTab(tab, QString::fromUtf8(row.Caption), grid, &(t.*row.Table),
                     QStringLiteral("Szukaj [%1]").arg(QString::fromUtf8(row.SearchWord)), row.MaxLength,
                     QString::fromLatin1(row.KeyField));
        this->*row.Page = tab.Page;
        tab.Build = [this, &t, build = row.Build](const TProgress &p) { build(dm_, t, p); };
        tab.Open = [this, &row, &ds = t.*row.Table] {
            if (RowHasMark(ds, row.MarkFields()) &&
                (row.HasKey ? row.HasKey(ds) : !Text(ds, row.KeyField).isEmpty())) {
                TPrefixDetFrm list(dm_, this);
                row.Show(list, ds);
            }
        };
    }
}
