// The label window: its controls, opening and closing.
#include "exchange/windows/FEtykietyFrm.h"

#include "controls/ExDBCtrl.h"
#include "controls/WindowGeometry.h"
#include "core/DisplayText.h"
#include "core/FDM.h"
#include "core/Settings.h"
#include "exchange/LabelPrinterChoice.h"
#include "platform/db/DataSource.h"
#include "platform/gui/Guarded.h"
#include "platform/gui/Printer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

TEtykietyFrm::TEtykietyFrm(TDM &dm, TWindow &placement, QWidget *parent)
    : QDialog(parent), dm_(dm), placement_(placement)
{
    setObjectName(QStringLiteral("EtykietyFrm"));
    setWindowTitle(QStringLiteral("Etykiety"));
    setSizeGripEnabled(true);
    resize(760, 520);
    AskPdfFile = [this] { return Printer::AskPdfFileName(this); };

    printer_ = PrintDevices::Shared();
    if (!printer_) {
        ownPrinter_ = std::make_unique<Printer>();
        printer_ = ownPrinter_.get();
    }
    printerChoice_ = std::make_unique<TLabelPrinterChoice>(*printer_);

    BuildGrid();
    StatusBar = new QStatusBar(this);
    StatusBar->setSizeGripEnabled(false);
    StatusPanel0 = new QLabel(StatusBar);
    StatusPanel0->setFixedWidth(150);
    StatusPanel1 = new QLabel(StatusBar);
    StatusPanel1->setFixedWidth(200);
    StatusBar->addWidget(StatusPanel0);
    StatusBar->addWidget(StatusPanel1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addWidget(BuildTopBar());
    layout->addWidget(DBGrid, 1);
    layout->addWidget(BuildBottom());
    layout->addWidget(StatusBar);

    RestoreWindowPlacement(this, placement_);
}

TEtykietyFrm::~TEtykietyFrm() = default;

bool OpenLabelPrinting(TDM &dm, TWindow &placement, QWidget *parent)
{
    bool markedSent = false;
    Guarded([&] {
        TEtykietyFrm frm(dm, placement, parent);
        frm.ShowLabelWindow();
        markedSent = frm.List.MarkedSentAny();
    });
    return markedSent;
}

QWidget *TEtykietyFrm::BuildTopBar()
{
    auto *bar = new QWidget(this);
    auto *printerBox = new QGroupBox(QStringLiteral("Aktualna drukarka"), bar);
    PrinterLbl = new QLabel(printerBox);
    PrinterLbl->setMinimumWidth(220);
    PrinterSetupBtn = new QPushButton(QStringLiteral("&Ustawienia..."), printerBox);
    PrinterSetupBtn->setObjectName(QStringLiteral("PrinterSetupBtn"));
    auto *printerRow = new QHBoxLayout(printerBox);
    printerRow->addWidget(PrinterLbl, 1);
    printerRow->addWidget(PrinterSetupBtn);

    auto *templateBox = new QGroupBox(QStringLiteral("Etykiety"), bar);
    EdEtykieta = new QComboBox(templateBox);
    EdEtykieta->setObjectName(QStringLiteral("EdEtykieta"));
    EdEtykieta->setMinimumWidth(200);
    auto *templateRow = new QHBoxLayout(templateBox);
    templateRow->addWidget(EdEtykieta);

    PrevBtn = new QPushButton(QStringLiteral("&Drukuj"), bar);
    PrevBtn->setObjectName(QStringLiteral("PrevBtn"));
    CloseBtn = new QPushButton(QStringLiteral("&Zamknij"), bar);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));

    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(printerBox, 1);
    row->addWidget(templateBox);
    row->addWidget(PrevBtn);
    row->addWidget(CloseBtn);

    connect(PrinterSetupBtn, &QPushButton::clicked, this,
            [this] { Guarded([this] { PrinterSetupBtnClick(); }); });
    connect(PrevBtn, &QPushButton::clicked, this, [this] { Guarded([this] { PrevBtnClick(); }); });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    return bar;
}

void TEtykietyFrm::BuildGrid()
{
    List.DrukTblZazn->OnGetText = FlagFieldText;
    List.DrukTblQslO->OnGetText = FlagFieldText;
    List.DrukTblLogId->SetVisible(false);

    DBGrid = new TExDBGrid(this);
    DBGrid->setObjectName(QStringLiteral("DBGrid"));
    DBGrid->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgRowSelect |
                       dgAlwaysShowSelection);
    DBGrid->SetReadOnly(true);
    struct ColumnText {
        Field *field;
        const char *title;
        int width;
    };
    const ColumnText texts[] = {
        {List.DrukTblZazn, "Druk", 40},           {List.DrukTblData, "Data godz. [UTC]", 144},
        {List.DrukTblStacja, "Stacja wołana", 0}, {List.DrukTblPasmo, "Pasmo", 54},
        {List.DrukTblEmisja, "Typ emisji", 73},   {List.DrukTblRaport, "Raport nadany", 80},
        {List.DrukTblQslO, "QSL O", 53},          {List.DrukTblManager, "QSL Manager", 113},
    };
    std::vector<TColumn> columns;
    for (const ColumnText &s : texts) {
        TColumn c;
        c.FieldName = s.field->FieldName();
        c.Title = QString::fromUtf8(s.title);
        if (s.width > 0)
            c.Width = DBGrid->FitColumnWidth(s.width, c.Title);
        columns.push_back(c);
    }
    for (int i : {0, 6}) {
        columns[size_t(i)].Alignment = Qt::AlignCenter;
        columns[size_t(i)].CheckMarkFont = true;
    }
    QFont bold = DBGrid->font();
    bold.setBold(true);
    columns[0].Font = bold;
    columns[0].FontColor = palette().color(QPalette::Active, QPalette::Highlight);
    DBGrid->SetColumns(columns);
    DBGrid->SetDataSource(new DataSource(&List.DrukTbl, this));

    DBGrid->OnKeyDown = [this](TExDBGrid &, int &key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Space) {
            key = 0;
            ToggleMark();
        }
    };
    DBGrid->OnDblClick = [this](TExDBGrid &) { ToggleMark(); };
}

QWidget *TEtykietyFrm::BuildBottom()
{
    auto *bottom = new QWidget(this);
    auto *textBox = new QGroupBox(QStringLiteral("Dodatkowy tekst na etykiecie QSL"), bottom);
    EdLinia1 = new QLineEdit(textBox);
    EdLinia1->setObjectName(QStringLiteral("EdLinia1"));
    EdLinia2 = new QLineEdit(textBox);
    EdLinia2->setObjectName(QStringLiteral("EdLinia2"));
    auto *lines = new QGridLayout(textBox);
    int row = 0;
    for (auto [edit, caption] : {std::pair{EdLinia1, "Linia &1"}, std::pair{EdLinia2, "Linia &2"}}) {
        edit->setMaxLength(30);
        auto *label = new QLabel(QString::fromUtf8(caption), textBox);
        label->setBuddy(edit);
        lines->addWidget(label, row, 0);
        lines->addWidget(edit, row++, 1);
    }

    auto *hint = new QLabel(
        QStringLiteral("Spacja lub dwukrotne kliknięcie myszą - zaznacz/odznacz pozycję do wydruku"), bottom);
    hint->setWordWrap(true);
    ZaznaczWydrBox = new QCheckBox(QStringLiteral("po wydruku zaznacz, że &wysłano QSL"), bottom);
    ZaznaczWydrBox->setObjectName(QStringLiteral("ZaznaczWydrBox"));

    ProgressBox = new QGroupBox(QStringLiteral("Wczytywanie "), bottom);
    ProgressBar = new QProgressBar(ProgressBox);
    ProgressBar->setTextVisible(false);
    (new QVBoxLayout(ProgressBox))->addWidget(ProgressBar);
    ProgressBox->hide();

    auto *side = new QVBoxLayout;
    side->addWidget(hint);
    side->addWidget(ZaznaczWydrBox);
    side->addWidget(ProgressBox);
    side->addStretch(1);
    auto *layout = new QHBoxLayout(bottom);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(textBox, 1);
    layout->addLayout(side, 1);
    return bottom;
}

void TEtykietyFrm::PrepareLabelWindow()
{
    const TQslLabelLines &lines = lines_.Read(dm_);
    EdLinia1->setText(lines.Linia1);
    EdLinia2->setText(lines.Linia2);
    dm_.OpenEtykiety();
    FillTemplateCombo();
}

int TEtykietyFrm::ShowLabelWindow()
{
    PrepareLabelWindow();
    return exec();
}

void TEtykietyFrm::FillTemplateCombo()
{
    EdEtykieta->clear();
    DataSet &etykiety = dm_.Etykiety;
    {
        const ControlsStill still(etykiety);
        for (etykiety.First(); !etykiety.Eof(); etykiety.Next())
            EdEtykieta->addItem(etykiety.FieldByName(QStringLiteral("NAZWA"))->AsString());
        etykiety.First();
    }
    if (EdEtykieta->count() > 0)
        EdEtykieta->setCurrentIndex(0);
}

void TEtykietyFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous() || loaded_)
        return;
    // Once only: a message box or the printer dialog activates the window
    // again, and reloading then would drop the user's marks.
    loaded_ = true;
    ShowPrinterName();
    List.DrukTblData->SetDisplayFormat(DateFormatText(DateTimeFormatIndex));
    Guarded([this] { LoadUnsentQsls(); });
}

void TEtykietyFrm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TEtykietyFrm::FormClose()
{
    if (closed_)
        return;
    closed_ = true;
    Guarded([this] { lines_.SaveIfChanged(dm_, {EdLinia1->text(), EdLinia2->text()}); });
    Guarded([this] { dm_.CommitEtykiety(); });
    KeepWindowPlacement(this, placement_);
}
