// The main window: construction of its menus, tool panel, pages and status bar.
#include "ui/FMainForm.h"

#include "awards/windows/FPrefixEditFrm.h"
#include "awards/windows/FStatysFrm.h"
#include "awards/windows/FWczytajGminyFrm.h"
#include "awards/windows/FWczytajPrefixFrm.h"
#include "awards/windows/FWczytajZamkiFrm.h"
#include "awards/windows/FWyznaczITUCQFrm.h"
#include "awards/windows/FZapiszPrefiksFrm.h"
#include "controls/ButtonEdit.h"
#include "controls/DateTimeEdit.h"
#include "controls/ExDBCtrl.h"
#include "controls/SpeedButton.h"
#include "core/FDM.h"
#include "exchange/windows/FEtykietyFrm.h"
#include "exchange/windows/FLabelTbl.h"
#include "exchange/windows/FWczytajAdifFrm.h"
#include "exchange/windows/FZapiszAdifFrm.h"
#include "exchange/windows/FZapiszOdDoAdifFrm.h"
#include "exchange/windows/LogBookPrint.h"
#include "platform/Messages.h"
#include "platform/db/DataSource.h"
#include "platform/gui/Guarded.h"
#include "ui/FCallbookSkrFrm.h"
#include "ui/FCallbookTblFrm.h"
#include "ui/Glyphs.h"
#include "ui/RecordView.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

TMainForm *MainForm = nullptr;

namespace {

// The sample is the widest value a column must show whole at its default width.
struct GridColumn {
    const char *field;
    const char *title;
    const char *sample;
};

const std::array<GridColumn, MainGridColumnCount> GridColumns = {{
    {"DATA", "Data godz. [UTC]", "0000-00-00 00:00:00"},
    {"PASMO", "Pasmo", "160 m"},
    {"STACJA", "Stacja wołana", ""},
    {"EMISJA", "Typ emisji", "PSK31"},
    {"RAPORT_NAD", "Raport nadany", "599"},
    {"RAPORT_ODB", "Raport odebrany", "599"},
    {"IMIE", "Imię", ""},
    {"MIASTO", "Miejscowość", ""},
    {"LOKATOR", "Lokator", "MM99WW"},
    {"QSL_WYS", "QSL W", ""},
    {"QSL_ODB", "QSL O", ""},
}};

const std::array<const char *, SortOrderCount> SortItems = {
    "Kolejność wprowadzania", "Data godz.", "Pasmo",       "Stacja wołana", "Typ emisji", "Raport nadany",
    "Raport odebrany",        "Imię",       "Miejscowość", "Lokator",       "QSL W",      "QSL O"};

// How a menu item or a tool button runs: guarded, a failure ends as a
// warning; plain, the window it opens reports its own.
enum class Run { Plain, Guarded };
using Handler = void (*)(TMainForm &);

void Invoke(TMainForm &form, Handler handle, Run how)
{
    if (how == Run::Guarded)
        Guarded([&] { handle(form); });
    else
        handle(form);
}

template <typename Dialog> void ExecDialog(TMainForm &form)
{
    Dialog(&form).exec();
}

// A menu on the bar, the print button's menu, an item of the menu above, one
// of its exclusive choices, a separator, or an item on the bar itself.
enum class MenuLine { Menu, PrintMenu, Item, Choice, Separator, BarItem };

struct MenuRow {
    MenuLine Line;
    const char *Caption = "";
    QAction *TMainForm::*Action = nullptr;
    Handler Handle = nullptr;
    Run How = Run::Plain;
};

void PrintLabels(TMainForm &form)
{
    // The list shows the cards the print recorded as sent.
    if (OpenLabelPrinting(*DM, form.WindowStore(), &form))
        Guarded([&form] { form.ReopenKeepingPosition(); });
}

const MenuRow MenuRows[] = {
    {MenuLine::Menu, "S&ystem"},
    {MenuLine::Item, "&Eksport wszystkich łączności", &TMainForm::ExportAllMnu, ExecDialog<TZapiszAdifFrm>,
     Run::Guarded},
    {MenuLine::Item, "Eksport &wybranych łączności", &TMainForm::ExportSelMnu, ExecDialog<TZapiszOdDoAdifFrm>,
     Run::Guarded},
    {MenuLine::Separator},
    {MenuLine::Item, "&Import łączności", &TMainForm::ImportMnu, [](TMainForm &f) { f.ImportMnuClick(); },
     Run::Guarded},
    {MenuLine::Separator},
    {MenuLine::Item, "&Dane stacji", &TMainForm::DaneStacjiMnu, [](TMainForm &f) { f.DaneStacjiMnuClick(); },
     Run::Guarded},
    {MenuLine::Separator},
    {MenuLine::Item, "&Aktualizacja prefiksów", &TMainForm::AktualPrefixMnu, ExecDialog<TWczytajPrefixFrm>,
     Run::Guarded},
    {MenuLine::Item, "Wczytanie/aktualizacja gmin", &TMainForm::AktualGminMnu, ExecDialog<TWczytajGminyFrm>,
     Run::Guarded},
    {MenuLine::Item, "Wczytanie/aktualizacja zamków polskich", &TMainForm::AktualZamkiMnu,
     ExecDialog<TWczytajZamkiFrm>, Run::Guarded},
    {MenuLine::Separator},
    {MenuLine::Item, "&Zakończ", &TMainForm::Zakocz1, [](TMainForm &f) { f.close(); }},

    {MenuLine::BarItem, "D&ata", &TMainForm::DataMnu, [](TMainForm &f) { f.DataMnuClick(); }, Run::Guarded},

    // Choosing an item selects that mode; choosing the checked one again changes nothing.
    {MenuLine::Menu, "&Czas"},
    {MenuLine::Choice, "&Letni", &TMainForm::CzasLetniMnu, [](TMainForm &f) { f.SetSummerTime(true); }},
    {MenuLine::Choice, "&Zimowy", &TMainForm::CzasZimowyMnu, [](TMainForm &f) { f.SetSummerTime(false); }},

    {MenuLine::Menu, "Etyk&iety"},
    {MenuLine::Item, "Wydruk", &TMainForm::WydrukEtykMnu, PrintLabels},
    {MenuLine::Item, "Wzorce", &TMainForm::WzorceMnu, [](TMainForm &f) { TLabelTbl(&f).ShowTemplateList(); },
     Run::Guarded},

    {MenuLine::Menu, "Callbook"},
    {MenuLine::Item, "Wyszukiwanie &proste", &TMainForm::Wyszukiwanieproste1,
     [](TMainForm &) { CallbookSkrFrm->exec(); }},
    {MenuLine::Item, "Wyszukiwanie &złożone", &TMainForm::Wyszukiwaniezoone1,
     [](TMainForm &) { CallbookTblFrm->exec(); }},

    {MenuLine::Menu, "Pomocnicze"},
    {MenuLine::Item, "&Wyznacz strefy ITU, CQ", &TMainForm::WyznaczITUCQMnu,
     [](TMainForm &f) {
         TWyznaczITUCQFrm frm(&f);
         frm.exec();
         if (frm.HasUpdates())
             f.ReopenKeepingPosition();
     },
     Run::Guarded},

    {MenuLine::Menu, "I&nformacje"},
    {MenuLine::Item, "&O programie", &TMainForm::OProgramieMnu, [](TMainForm &f) { f.OProgramieMnuClick(); },
     Run::Guarded},

    {MenuLine::PrintMenu},
    {MenuLine::Item, "&LOG - Łączności", &TMainForm::KsiegaDrukMnu,
     [](TMainForm &f) { DrukujLog(*DM, f.WindowStore(), &f); }, Run::Guarded},
    {MenuLine::Item, "&QSL - Etykiety", &TMainForm::EtykietyDrukMnu, PrintLabels},
};

// A push button of the tool panel. The print button, a drop-down over the
// print menu, stands where a row names no button.
enum class Shown { Enabled, Disabled, Hidden };

struct ToolButtonRow {
    QPushButton *TMainForm::*Button;
    const char *Caption;
    const char *Hint;
    Handler Handle;
    Run How;
    Shown State = Shown::Enabled;
};

const ToolButtonRow LogButtons[] = {
    {&TMainForm::InsertBtn, "&Dodaj", "Wprowadzenie\nnowej łączności",
     [](TMainForm &f) { f.InsertBtnClick(); }, Run::Guarded},
    {&TMainForm::EditBtn, "&Popraw", "Poprawa bieżącej\nłączności", [](TMainForm &f) { f.EditBtnClick(); },
     Run::Guarded},
    {&TMainForm::DeleteBtn, "&Usuń", "Usunięcie bieżącej\nłączności",
     [](TMainForm &f) { f.DeleteBtnClick(); }, Run::Guarded},
    {nullptr, "Drukuj", "", nullptr, Run::Plain},
    {&TMainForm::StatysBtn, "&Statystyka", "", [](TMainForm &f) { StatisticsWindow(&f).ShowStatistics(); },
     Run::Plain, Shown::Disabled},
    {&TMainForm::LacznBtn, "Łącz&ności", "Pokaż wszystkie łączności\nz bieżącą stacją",
     [](TMainForm &f) { f.LacznBtnClick(); }, Run::Guarded},
};

const ToolButtonRow PrefixButtons[] = {
    {&TMainForm::PrefixEditBtn, "Edycja prefiksów", "", ExecDialog<TPrefixEditFrm>, Run::Guarded,
     Shown::Hidden},
    {&TMainForm::PrefixExpBtn, "Eksport prefiksów", "", ExecDialog<TZapiszPrefiksFrm>, Run::Guarded,
     Shown::Hidden},
};

TExSpeedButton *NewPrintButton(const QString &caption, QMenu *menu, QWidget *panel)
{
    auto *b = new TExSpeedButton(panel);
    b->SetCaption(caption);
    b->SetGlyph(PrinterGlyph());
    b->setFixedSize(67, 44);
    b->SetFlat(true);
    b->SetSpacing(4);
    b->SetMarkDropDown(false);
    b->SetDropDownMenu(menu);
    return b;
}

template <size_t N>
void AddToolButtons(TMainForm &form, const ToolButtonRow (&rows)[N], QWidget *panel, QHBoxLayout *layout)
{
    for (const ToolButtonRow &r : rows) {
        const QString caption = QString::fromUtf8(r.Caption);
        if (!r.Button) {
            form.PrintBtn = NewPrintButton(caption, form.PrintMenu, panel);
            layout->addWidget(form.PrintBtn);
            continue;
        }
        auto *b = new QPushButton(caption, panel);
        if (*r.Hint)
            b->setToolTip(QString::fromUtf8(r.Hint));
        if (r.State == Shown::Disabled)
            b->setEnabled(false);
        if (r.State == Shown::Hidden)
            b->setVisible(false);
        layout->addWidget(b);
        form.*r.Button = b;
        QObject::connect(b, &QPushButton::clicked, &form, [&form, &r] { Invoke(form, r.Handle, r.How); });
    }
}

}

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Quarn"));
    resize(900, 600);

    BuildMenus();
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(BuildToolPanel());
    BuildPages();
    layout->addWidget(PageControl, 1);
    setCentralWidget(central);
    BuildStatusBar();

    Timer = new QTimer(this);
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });
    Timer->start();

    // Creation: nothing here may touch the database, which is not open yet.
    window_.AppKey = QStringLiteral("Quarn");
    LoadSettings();
    ApplyDateFormats();
    EdData->setDate(QDate::currentDate());
    PageControl->setCurrentIndex(0);
    TimerTimer();
}

TMainForm::~TMainForm()
{
    // A window never shown (the database did not open) leaves the stored settings alone.
    if (shown_ && !settingsSaved_)
        SaveSettings();
    if (MainForm == this)
        MainForm = nullptr;
}

void TMainForm::BuildMenus()
{
    QMenu *menu = nullptr;
    QActionGroup *choice = nullptr;
    for (const MenuRow &r : MenuRows) {
        const QString caption = QString::fromUtf8(r.Caption);
        switch (r.Line) {
        case MenuLine::Menu:
            menu = menuBar()->addMenu(caption);
            choice = nullptr;
            continue;
        case MenuLine::PrintMenu:
            menu = PrintMenu = new QMenu(this);
            choice = nullptr;
            continue;
        case MenuLine::Separator: menu->addSeparator(); continue;
        default: break;
        }
        QAction *action =
            r.Line == MenuLine::BarItem ? menuBar()->addAction(caption) : menu->addAction(caption);
        if (r.Line == MenuLine::Choice) {
            if (!choice) {
                choice = new QActionGroup(this);
                choice->setExclusive(true);
            }
            action->setCheckable(true);
            choice->addAction(action);
        }
        this->*r.Action = action;
        connect(action, &QAction::triggered, this, [this, &r] { Invoke(*this, r.Handle, r.How); });
    }
}

QWidget *TMainForm::BuildToolPanel()
{
    auto *panel = new QWidget(this);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);

    AddToolButtons(*this, LogButtons, panel, row);
    ZnakLbl = new QLabel(panel);
    QFont big = ZnakLbl->font();
    big.setPointSize(18);
    big.setBold(true);
    ZnakLbl->setFont(big);
    ZnakLbl->setMinimumWidth(120);
    row->addWidget(ZnakLbl);
    row->addLayout(BuildCallSearch(panel));
    row->addLayout(BuildDateSearch(panel));
    row->addLayout(BuildNavigator(panel));
    AddToolButtons(*this, PrefixButtons, panel, row);
    row->addStretch(1);
    return panel;
}

QLayout *TMainForm::BuildCallSearch(QWidget *panel)
{
    auto *findCall = new QVBoxLayout;
    auto *callLbl = new QLabel(QStringLiteral("Szukaj  [Stacja wołana]"), panel);
    EdStacja = new TButtonEdit(panel);
    EdStacja->SetCharCase(ecUpperCase);
    EdStacja->setMaxLength(14);
    EdStacja->SetButtonHint(QStringLiteral("Szukaj"));
    EdStacja->SetGlyph(SearchGlyph());
    callLbl->setBuddy(EdStacja);
    findCall->addWidget(callLbl);
    findCall->addWidget(EdStacja);
    connect(EdStacja, &TButtonEdit::OnButtonClick, this, [this] { Guarded([this] { FindByCall(); }); });
    connect(EdStacja, &QLineEdit::returnPressed, this, [this] { Guarded([this] { FindByCall(); }); });
    return findCall;
}

QLayout *TMainForm::BuildDateSearch(QWidget *panel)
{
    auto *findDate = new QVBoxLayout;
    auto *dateLbl = new QLabel(QStringLiteral("Szukaj  [Data]"), panel);
    auto *dateRow = new QHBoxLayout;
    EdData = new TDateTimeEdit(QMetaType::QDate, panel);
    EdData->setCalendarPopup(true);
    SzukajDataBtn = new QToolButton(panel);
    SzukajDataBtn->setIcon(QIcon(QPixmap::fromImage(SearchGlyph())));
    SzukajDataBtn->setToolTip(QStringLiteral("Szukaj"));
    dateLbl->setBuddy(EdData);
    dateRow->addWidget(EdData);
    dateRow->addWidget(SzukajDataBtn);
    findDate->addWidget(dateLbl);
    findDate->addLayout(dateRow);
    connect(SzukajDataBtn, &QToolButton::clicked, this, [this] { Guarded([this] { FindByDate(); }); });
    connect(EdData, &TDateTimeEdit::editingFinished, this, [this] {
        if (EdData->hasFocus())
            Guarded([this] { FindByDate(); });
    });
    return findDate;
}

QLayout *TMainForm::BuildNavigator(QWidget *panel)
{
    auto *navCol = new QVBoxLayout;
    auto *navRow = new QHBoxLayout;
    const std::array<std::pair<const char *, const char *>, 4> nav = {{{"|◀", "Pierwsza pozycja"},
                                                                       {"◀", "Poprzednia pozycja"},
                                                                       {"▶", "Następna pozycja"},
                                                                       {"▶|", "Ostatnia pozycja"}}};
    for (int i = 0; i < 4; ++i) {
        Navigator[i] = new QToolButton(panel);
        Navigator[i]->setText(QString::fromUtf8(nav[i].first));
        Navigator[i]->setToolTip(QString::fromUtf8(nav[i].second));
        navRow->addWidget(Navigator[i]);
        connect(Navigator[i], &QToolButton::clicked, this,
                [this, i] { Guarded([this, i] { Navigate(i); }); });
    }
    auto *sortLbl = new QLabel(QStringLiteral("&Kolejność wg:"), panel);
    EdSortOrder = new QComboBox(panel);
    for (const char *item : SortItems)
        EdSortOrder->addItem(QString::fromUtf8(item));
    EdSortOrder->setMaxVisibleItems(SortOrderCount);
    sortLbl->setBuddy(EdSortOrder);
    navCol->addLayout(navRow);
    auto *sortRow = new QHBoxLayout;
    sortRow->addWidget(sortLbl);
    sortRow->addWidget(EdSortOrder);
    navCol->addLayout(sortRow);
    connect(EdSortOrder, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        SortOrder = uint8_t(index);
        Guarded([this] { ReopenKeepingPosition(); });
    });
    return navCol;
}

void TMainForm::BuildPages()
{
    PageControl = new QTabWidget(this);
    LogiSource = new DataSource(&DM->Logi, this);
    DbGrid = new TExDBGrid(PageControl);
    DbGrid->setObjectName(QStringLiteral("DbGrid"));
    SetUpGridColumns();
    PageControl->addTab(DbGrid, QStringLiteral("&Tabela"));
    RecordView = new TRecordView(LogiSource, PageControl);
    PageControl->addTab(RecordView, QStringLiteral("&Formularz"));
}

int TMainForm::DefaultColumnWidth(int column) const
{
    // Every column is a sort order, so each title keeps room for the marker.
    const GridColumn &c = GridColumns[column];
    return DbGrid->FitColumnWidth(MainGridDefaultWidths[column], QString::fromUtf8(c.title),
                                  QString::fromLatin1(c.sample), true);
}

void TMainForm::SetUpGridColumns()
{
    DbGrid->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgRowSelect |
                       dgAlwaysShowSelection | dgConfirmDelete | dgCancelOnExit);
    DbGrid->SetTitleButtons(true);
    DbGrid->SetReadOnly(true);
    std::vector<TColumn> columns;
    for (int i = 0; i < MainGridColumnCount; ++i) {
        TColumn c;
        c.FieldName = QString::fromLatin1(GridColumns[i].field);
        c.Title = QString::fromUtf8(GridColumns[i].title);
        if (i >= 9) {
            c.Alignment = Qt::AlignCenter;
            c.CheckMarkFont = true;
        }
        columns.push_back(c);
    }
    DbGrid->SetColumns(columns);
    for (int i = 0; i < MainGridColumnCount; ++i)
        DbGrid->SetColumnWidth(i, DefaultColumnWidth(i));
    DbGrid->SetDataSource(LogiSource);
    DbGrid->horizontalHeader()->setSectionsMovable(false);
    DbGrid->OnTitleClick = [this](TExDBGrid &, int column) {
        Guarded([this, column] { GridTitleClick(column); });
    };
    DbGrid->OnGetBtnParams = [this](TExDBGrid &, Field *field, TGridFont &, QColor &, TSortMarker &marker,
                                    bool) { marker = SortMarkerFor(field); };
    DbGrid->OnKeyPress = [this](TExDBGrid &, QChar &key) {
        if (key.isPrint() && !key.isSpace()) {
            const QChar letter = key;
            Guarded([this, letter] { FindByFirstLetter(letter); });
        }
    };
    DbGrid->OnDblClick = [this](TExDBGrid &) {
        if (EditBtn->isEnabled())
            Guarded([this] { EditBtnClick(); });
    };
    connect(&DM->Logi, &DataSet::scrolled, this, [this] { LogiDataChange(); });
    connect(&DM->Logi, &DataSet::dataSetChanged, this, [this] { LogiDataChange(); });
}

void TMainForm::LogiDataChange()
{
    Guarded([this] {
        ShowLastQso();
        RefreshNavigator();
    });
}

void TMainForm::BuildStatusBar()
{
    const std::array<int, 5> widths = {140, 360, 80, 80, 50};
    for (int i = 0; i < 5; ++i) {
        StatusPanels[i] = new QLabel(this);
        StatusPanels[i]->setFixedWidth(widths[i]);
        StatusPanels[i]->setFrameShape(QFrame::Panel);
        StatusPanels[i]->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(StatusPanels[i]);
    }
}

QString TMainForm::PanelText(int panel) const
{
    return StatusPanels[panel]->text();
}

bool TMainForm::event(QEvent *e)
{
    const bool result = QMainWindow::event(e);
    if (e->type() == QEvent::Show)
        shown_ = true;
    // Also on showing: a window system may never activate the window (no
    // window manager, focus-stealing prevention), and the count, the order
    // and the buttons must be right from the start.
    if (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show)
        Guarded([this] { FormActivate(); });
    // Another copy may change the log while this window is not the active one.
    if (e->type() == QEvent::WindowDeactivate || e->type() == QEvent::Hide)
        totalsRead_.reset();
    return result;
}

void TMainForm::closeEvent(QCloseEvent *e)
{
    SaveSettings();
    settingsSaved_ = true;
    e->accept();
}
