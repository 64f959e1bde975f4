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
#include <QDateEdit>
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

QPushButton *ToolButton(const QString &caption, const QString &hint, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
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
    QMenuBar *bar = menuBar();
    QMenu *system = bar->addMenu(QStringLiteral("S&ystem"));
    ExportAllMnu = system->addAction(QStringLiteral("&Eksport wszystkich łączności"));
    ExportSelMnu = system->addAction(QStringLiteral("Eksport &wybranych łączności"));
    system->addSeparator();
    ImportMnu = system->addAction(QStringLiteral("&Import łączności"));
    system->addSeparator();
    DaneStacjiMnu = system->addAction(QStringLiteral("&Dane stacji"));
    connect(DaneStacjiMnu, &QAction::triggered, this, [this] { Guarded([this] { DaneStacjiMnuClick(); }); });
    system->addSeparator();
    AktualPrefixMnu = system->addAction(QStringLiteral("&Aktualizacja prefiksów"));
    AktualGminMnu = system->addAction(QStringLiteral("Wczytanie/aktualizacja gmin"));
    AktualZamkiMnu = system->addAction(QStringLiteral("Wczytanie/aktualizacja zamków polskich"));
    connect(AktualGminMnu, &QAction::triggered, this, [this] {
        Guarded([this] {
            TWczytajGminyFrm frm(this);
            frm.exec();
        });
    });
    connect(AktualZamkiMnu, &QAction::triggered, this, [this] {
        Guarded([this] {
            TWczytajZamkiFrm frm(this);
            frm.exec();
        });
    });
    system->addSeparator();
    Zakocz1 = system->addAction(QStringLiteral("&Zakończ"));
    connect(Zakocz1, &QAction::triggered, this, &QWidget::close);
    connect(ImportMnu, &QAction::triggered, this, [this] { Guarded([this] { ImportMnuClick(); }); });
    connect(ExportAllMnu, &QAction::triggered, this, [this] {
        Guarded([this] {
            TZapiszAdifFrm frm(this);
            frm.exec();
        });
    });
    connect(ExportSelMnu, &QAction::triggered, this, [this] {
        Guarded([this] {
            TZapiszOdDoAdifFrm frm(this);
            frm.exec();
        });
    });

    DataMnu = bar->addAction(QStringLiteral("D&ata"));
    connect(DataMnu, &QAction::triggered, this, [this] { Guarded([this] { DataMnuClick(); }); });

    QMenu *czas = bar->addMenu(QStringLiteral("&Czas"));
    CzasLetniMnu = czas->addAction(QStringLiteral("&Letni"));
    CzasZimowyMnu = czas->addAction(QStringLiteral("&Zimowy"));
    auto *group = new QActionGroup(this);
    group->setExclusive(true);
    for (QAction *a : {CzasLetniMnu, CzasZimowyMnu}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    // Choosing an item selects that mode; choosing the checked one again changes nothing.
    connect(CzasLetniMnu, &QAction::triggered, this, [this] { SetSummerTime(true); });
    connect(CzasZimowyMnu, &QAction::triggered, this, [this] { SetSummerTime(false); });

    QMenu *etykiety = bar->addMenu(QStringLiteral("Etyk&iety"));
    WydrukEtykMnu = etykiety->addAction(QStringLiteral("Wydruk"));
    connect(WydrukEtykMnu, &QAction::triggered, this, [this] { OpenLabelPrinting(*DM, window_, this); });
    WzorceMnu = etykiety->addAction(QStringLiteral("Wzorce"));
    connect(WzorceMnu, &QAction::triggered, this, [this] {
        Guarded([this] {
            TLabelTbl frm(this);
            frm.ShowTemplateList();
        });
    });

    QMenu *callbook = bar->addMenu(QStringLiteral("Callbook"));
    Wyszukiwanieproste1 = callbook->addAction(QStringLiteral("Wyszukiwanie &proste"));
    Wyszukiwaniezoone1 = callbook->addAction(QStringLiteral("Wyszukiwanie &złożone"));
    connect(Wyszukiwanieproste1, &QAction::triggered, this, [] { CallbookSkrFrm->exec(); });
    connect(Wyszukiwaniezoone1, &QAction::triggered, this, [] { CallbookTblFrm->exec(); });

    QMenu *pomocnicze = bar->addMenu(QStringLiteral("Pomocnicze"));
    WyznaczITUCQMnu = pomocnicze->addAction(QStringLiteral("&Wyznacz strefy ITU, CQ"));
    connect(WyznaczITUCQMnu, &QAction::triggered, this, [this] {
        Guarded([this] {
            TWyznaczITUCQFrm frm(this);
            frm.exec();
            if (frm.HasUpdates())
                ReopenKeepingPosition();
        });
    });

    QMenu *info = bar->addMenu(QStringLiteral("I&nformacje"));
    OProgramieMnu = info->addAction(QStringLiteral("&O programie"));
    connect(OProgramieMnu, &QAction::triggered, this, [this] { Guarded([this] { OProgramieMnuClick(); }); });

    PrintMenu = new QMenu(this);
    KsiegaDrukMnu = PrintMenu->addAction(QStringLiteral("&LOG - Łączności"));
    connect(KsiegaDrukMnu, &QAction::triggered, this,
            [this] { Guarded([this] { DrukujLog(*DM, window_, this); }); });
    EtykietyDrukMnu = PrintMenu->addAction(QStringLiteral("&QSL - Etykiety"));
    connect(EtykietyDrukMnu, &QAction::triggered, this, [this] { OpenLabelPrinting(*DM, window_, this); });
}

QWidget *TMainForm::BuildToolPanel()
{
    auto *panel = new QWidget(this);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);

    InsertBtn = ToolButton(QStringLiteral("&Dodaj"), QStringLiteral("Wprowadzenie\nnowej łączności"), panel);
    EditBtn = ToolButton(QStringLiteral("&Popraw"), QStringLiteral("Poprawa bieżącej\nłączności"), panel);
    DeleteBtn = ToolButton(QStringLiteral("&Usuń"), QStringLiteral("Usunięcie bieżącej\nłączności"), panel);
    PrintBtn = new TExSpeedButton(panel);
    PrintBtn->SetCaption(QStringLiteral("Drukuj"));
    PrintBtn->SetGlyph(PrinterGlyph());
    PrintBtn->setFixedSize(67, 44);
    PrintBtn->SetFlat(true);
    PrintBtn->SetSpacing(4);
    PrintBtn->SetMarkDropDown(false);
    PrintBtn->SetDropDownMenu(PrintMenu);
    StatysBtn = ToolButton(QStringLiteral("&Statystyka"), QString(), panel);
    StatysBtn->setEnabled(false);
    connect(StatysBtn, &QPushButton::clicked, this, [this] { StatisticsWindow(this).ShowStatistics(); });
    LacznBtn = ToolButton(QStringLiteral("Łącz&ności"),
                          QStringLiteral("Pokaż wszystkie łączności\nz bieżącą stacją"), panel);
    for (QWidget *w :
         std::initializer_list<QWidget *>{InsertBtn, EditBtn, DeleteBtn, PrintBtn, StatysBtn, LacznBtn})
        row->addWidget(w);

    ZnakLbl = new QLabel(panel);
    QFont big = ZnakLbl->font();
    big.setPointSize(18);
    big.setBold(true);
    ZnakLbl->setFont(big);
    ZnakLbl->setMinimumWidth(120);
    row->addWidget(ZnakLbl);

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
    row->addLayout(findCall);

    auto *findDate = new QVBoxLayout;
    auto *dateLbl = new QLabel(QStringLiteral("Szukaj  [Data]"), panel);
    auto *dateRow = new QHBoxLayout;
    EdData = new QDateEdit(panel);
    EdData->setCalendarPopup(true);
    SzukajDataBtn = new QToolButton(panel);
    SzukajDataBtn->setIcon(QIcon(QPixmap::fromImage(SearchGlyph())));
    SzukajDataBtn->setToolTip(QStringLiteral("Szukaj"));
    dateLbl->setBuddy(EdData);
    dateRow->addWidget(EdData);
    dateRow->addWidget(SzukajDataBtn);
    findDate->addWidget(dateLbl);
    findDate->addLayout(dateRow);
    row->addLayout(findDate);

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
    row->addLayout(navCol);

    PrefixEditBtn = ToolButton(QStringLiteral("Edycja prefiksów"), QString(), panel);
    PrefixExpBtn = ToolButton(QStringLiteral("Eksport prefiksów"), QString(), panel);
    PrefixEditBtn->setVisible(false);
    PrefixExpBtn->setVisible(false);
    row->addWidget(PrefixEditBtn);
    row->addWidget(PrefixExpBtn);
    connect(PrefixEditBtn, &QPushButton::clicked, this,
            [this] { Guarded([this] { TPrefixEditFrm(this).exec(); }); });
    connect(PrefixExpBtn, &QPushButton::clicked, this,
            [this] { Guarded([this] { TZapiszPrefiksFrm(this).exec(); }); });
    connect(AktualPrefixMnu, &QAction::triggered, this,
            [this] { Guarded([this] { TWczytajPrefixFrm(this).exec(); }); });
    row->addStretch(1);

    connect(InsertBtn, &QPushButton::clicked, this, [this] { Guarded([this] { InsertBtnClick(); }); });
    connect(EditBtn, &QPushButton::clicked, this, [this] { Guarded([this] { EditBtnClick(); }); });
    connect(DeleteBtn, &QPushButton::clicked, this, [this] { Guarded([this] { DeleteBtnClick(); }); });
    connect(LacznBtn, &QPushButton::clicked, this, [this] { Guarded([this] { LacznBtnClick(); }); });
    connect(EdStacja, &TButtonEdit::OnButtonClick, this, [this] { Guarded([this] { FindByCall(); }); });
    connect(EdStacja, &QLineEdit::returnPressed, this, [this] { Guarded([this] { FindByCall(); }); });
    connect(SzukajDataBtn, &QToolButton::clicked, this, [this] { Guarded([this] { FindByDate(); }); });
    connect(EdData, &QDateEdit::editingFinished, this, [this] {
        if (EdData->hasFocus())
            Guarded([this] { FindByDate(); });
    });
    connect(EdSortOrder, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        SortOrder = uint8_t(index);
        Guarded([this] { ReopenKeepingPosition(); });
    });
    return panel;
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
    return result;
}

void TMainForm::closeEvent(QCloseEvent *e)
{
    SaveSettings();
    settingsSaved_ = true;
    e->accept();
}
