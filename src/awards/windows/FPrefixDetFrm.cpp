#include "awards/windows/FPrefixDetFrm.h"

#include "awards/DrillDown.h"
#include "awards/windows/StatysParts.h"
#include "controls/ButtonEdit.h"
#include "controls/ExDBCtrl.h"
#include "controls/WindowGeometry.h"
#include "core/DisplayText.h"
#include "core/FDM.h"
#include "core/Settings.h"
#include "platform/db/DataSource.h"
#include "platform/gui/Guarded.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const TListColumn Columns[] = {
    {"DATA", "Data godz. [UTC]", 105},
    {"PASMO", "Pasmo", 56},
    {"STACJA", "Stacja wołana", 96},
    {"EMISJA", "Typ emisji", 53},
    {"RAPORT_NAD", "Raport nadany", 53},
    {"RAPORT_ODB", "Raport odebrany", 59},
    {"IMIE", "Imię", 82},
    {"MIASTO", "Miejscowość", 80},
    {"LOKATOR", "Lokator", 55},
    {"QSL_WYS", "QSL W", 41, "", Qt::AlignCenter, true},
    {"QSL_ODB", "QSL O", 38, "", Qt::AlignCenter, true},
};
}

TPrefixDetFrm::TPrefixDetFrm(TDM &dm, QWidget *parent) : QDialog(parent), trStacje(&dm.Baza), dm_(dm)
{
    setObjectName(QStringLiteral("PrefixDetFrm"));
    setWindowTitle(QStringLiteral("Prefiksy"));
    setGeometry(10, 123, 779, 375);
    placement_.AppKey = QStringLiteral("Quarn");

    Stacje.SetDatabase(&dm_.Baza);
    Stacje.SetTransaction(&trStacje);
    Field *data = Stacje.AddField(QStringLiteral("DATA"), FieldType::DateTime);
    data->SetAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Stacje.AddField(QStringLiteral("QSL_ODB"), FieldType::FixedChar, 1)->OnGetText = FlagFieldText;
    Stacje.AddField(QStringLiteral("QSL_WYS"), FieldType::FixedChar, 1)->OnGetText = FlagFieldText;

    ZamknijBtn = new QPushButton(QStringLiteral("&Zamknij"), this);
    ZamknijBtn->setAutoDefault(false); // Enter in the search edit must not close the list
    connect(ZamknijBtn, &QPushButton::clicked, this, [this] { done(1); });
    auto *top = new QHBoxLayout;
    top->addWidget(ZamknijBtn);
    top->addStretch(1);

    DbGrid = new TExDBGrid(this);
    DbGrid->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgRowSelect |
                       dgAlwaysShowSelection);
    DbGrid->SetTitleButtons(true);
    DbGrid->SetReadOnly(true);
    DbGrid->SetListColumns(Columns);
    ActiveDS = new DataSource(&Stacje, this);
    DbGrid->SetDataSource(ActiveDS);

    auto *search = new QGroupBox(QStringLiteral("&Szukaj  [Stacja]"), this);
    EdStacja = new TButtonEdit(search);
    EdStacja->SetCharCase(ecUpperCase);
    EdStacja->setMaxLength(10);
    EdStacja->SetButtonHint(QStringLiteral("Wyczyść"));
    EdStacja->SetGlyph(ClearGlyph());
    EdStacja->setMaximumWidth(160);
    connect(EdStacja, &TCustomButtonEdit::OnChange, this, [this] { Guarded([this] { EdStacjaChange(); }); });
    connect(EdStacja, &TCustomButtonEdit::OnButtonClick, EdStacja, &QLineEdit::clear);
    auto *searchRow = new QHBoxLayout(search);
    searchRow->addWidget(EdStacja);
    searchRow->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(DbGrid, 1);
    layout->addWidget(search);
}

TPrefixDetFrm::~TPrefixDetFrm()
{
    CommitQuietly(trStacje); // closes the list too
}

void TPrefixDetFrm::Fill(const TDrillDown &d)
{
    setWindowTitle(d.Caption);
    OpenDrillDown(Stacje, trStacje, d);
    DbGrid->setFocus();
}

int TPrefixDetFrm::ShowList(const TDrillDown &d)
{
    Fill(d);
    return exec();
}

int TPrefixDetFrm::ShowCountryHfQsos(int krajId, const QString &prefix, const QString &name)
{
    return ShowList(CountryHfQsos(krajId, prefix, name));
}

int TPrefixDetFrm::ShowCountryQsos(int krajId, const QString &prefix, const QString &name)
{
    return ShowList(CountryQsos(krajId, prefix, name));
}

int TPrefixDetFrm::ShowIotaQsos(const QString &reference, const QString &name)
{
    return ShowList(IotaQsos(reference, name));
}

int TPrefixDetFrm::ShowLokatorQsos(const QString &square)
{
    return ShowList(LokatorQsos(square));
}

int TPrefixDetFrm::ShowPowiatQsos(const QString &powiatId)
{
    return ShowList(PowiatQsos(powiatId, DistrictName(dm_, powiatId)));
}

int TPrefixDetFrm::ShowGminaQsos(const QString &symbol, const QString &name)
{
    return ShowList(GminaQsos(symbol, name));
}

int TPrefixDetFrm::ShowZamekQsos(const QString &symbol)
{
    return ShowList(ZamekQsos(symbol, dm_.CastleNameForSymbol(symbol)));
}

int TPrefixDetFrm::ShowItuQsos(int zone)
{
    return ShowList(ItuQsos(zone));
}

int TPrefixDetFrm::ShowCqQsos(int zone)
{
    return ShowList(CqQsos(zone));
}

void TPrefixDetFrm::EdStacjaChange()
{
    if (Stacje.Active())
        Stacje.Locate(QStringLiteral("Stacja"), EdStacja->text(), LocateCaseInsensitive | LocatePartialKey);
}

void TPrefixDetFrm::showEvent(QShowEvent *event)
{
    RestoreWindowPlacement(this, placement_);
    // Every column shows without scrolling sideways, whatever width was kept.
    WidenForView(this, *DbGrid, DbGrid->WidthForAllColumns());
    if (Field *data = Stacje.FindField(QStringLiteral("DATA")))
        data->SetDisplayFormat(DateFormatText(DateTimeFormatIndex));
    QDialog::showEvent(event);
}

void TPrefixDetFrm::done(int result)
{
    KeepWindowPlacement(this, placement_);
    QDialog::done(result);
}
