#include "exchange/windows/FEtykietyFrm.h"

#include "controls/ExDBCtrl.h"
#include "controls/ProgressPacer.h"
#include "controls/WindowGeometry.h"
#include "core/DisplayText.h"
#include "core/FDM.h"
#include "core/OwnStation.h"
#include "core/Settings.h"
#include "exchange/LabelTemplate.h"
#include "exchange/QslLabelPrint.h"
#include "platform/Messages.h"
#include "platform/db/DataSource.h"
#include "platform/gui/BusyGuard.h"
#include "platform/gui/Guarded.h"
#include "platform/gui/Printer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

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

void OpenLabelPrinting(TDM &dm, TWindow &placement, QWidget *parent)
{
    Guarded([&] {
        TEtykietyFrm frm(dm, placement, parent);
        frm.ShowLabelWindow();
    });
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
    storedLines_ = ReadQslLabelLines(dm_);
    EdLinia1->setText(storedLines_.Linia1);
    EdLinia2->setText(storedLines_.Linia2);
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
    etykiety.DisableControls();
    for (etykiety.First(); !etykiety.Eof(); etykiety.Next())
        EdEtykieta->addItem(etykiety.FieldByName(QStringLiteral("NAZWA"))->AsString());
    etykiety.First();
    etykiety.EnableControls();
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

void TEtykietyFrm::ShowPrinterName()
{
    if (printer_->HasPrinters()) {
        const QStringList names = printer_->PrinterNames();
        const int index =
            printer_->PrinterIndex() >= 0 ? printer_->PrinterIndex() : printer_->DefaultPrinterIndex();
        PrinterLbl->setText(names.value(index));
    } else {
        // Only a file chosen here for the coming print, never one of another job.
        PrinterLbl->setText(pdfFile_.isEmpty()
                                ? QStringLiteral("brak drukarki - wydruk do pliku PDF")
                                : QStringLiteral("plik PDF: ") + QFileInfo(pdfFile_).fileName());
    }
    PrinterLbl->setToolTip(PrinterLbl->text());
}

void TEtykietyFrm::PrinterSetupBtnClick()
{
    printer_->Refresh();
    auto *qtPrinter = dynamic_cast<Printer *>(printer_);
    if (!printer_->HasPrinters()) {
        ChoosePdfTarget();
    } else if (qtPrinter) {
        QPrintDialog dialog(&qtPrinter->QtPrinter(), this);
        if (dialog.exec() == QDialog::Accepted)
            qtPrinter->AdoptChosenPrinter();
    }
    ShowPrinterName();
}

bool TEtykietyFrm::ChoosePdfTarget()
{
    const QString file = AskPdfFile ? AskPdfFile() : QString();
    if (file.isEmpty())
        return false;
    pdfFile_ = file;
    return true;
}

void TEtykietyFrm::PrevBtnClick()
{
    if (EdEtykieta->count() == 0) {
        Messages::ShowWarning(
            QStringLiteral("Nie można drukować etykiet na karty QSL, ponieważ w systemie\n"
                           "nie został zdefiniowany żaden wzorzec dla etykiet adresowych."));
        return;
    }
    PrintLabels();
}

void TEtykietyFrm::PrintLabels()
{
    const std::optional<TLabelTemplate> tpl = FindLabelTemplate(dm_, EdEtykieta->currentText());
    if (!tpl) {
        Messages::ShowWarning(QStringLiteral("Brak wzorca etykiety: ") + EdEtykieta->currentText());
        return;
    }
    const TWykaz wykaz = List.BuildWykaz();
    const bool anyLabel =
        std::any_of(wykaz.begin(), wykaz.end(), [](const TWykazRow &r) { return r.PSE || r.TNX; });
    if (!anyLabel) {
        Messages::ShowWarning(QStringLiteral("Brak pozycji do wydruku."));
        return;
    }
    printer_->Refresh();
    if (!printer_->HasPrinters()) {
        if (pdfFile_.isEmpty() && !ChoosePdfTarget())
            return;
        printer_->SetOutputFileName(pdfFile_);
        pdfFile_.clear();
    }
    ShowPrinterName();

    TLabelTexts texts;
    texts.OwnCall = OwnCallSign;
    texts.Linia1 = EdLinia1->text();
    texts.Linia2 = EdLinia2->text();
    texts.DateQslFrm = DateQSLFrm;
    TLabelRun run;
    {
        BusyGuard busy({PrevBtn, CloseBtn, PrinterSetupBtn});
        run = PrintQslLabels(*printer_, *tpl, wykaz, texts);
    }
    StatusPanel1->setText(QStringLiteral(" Wydrukowano etykiet: %1").arg(run.Labels));
    if (ZaznaczWydrBox->isChecked()) {
        List.MarkPrintedSent(dm_, run.PrintedLogIds);
        LoadUnsentQsls();
    }
}

void TEtykietyFrm::LoadUnsentQsls()
{
    BusyGuard busy({PrevBtn, CloseBtn, PrinterSetupBtn, DBGrid});
    ProgressBar->setRange(0, 0);
    ProgressBar->setValue(0);
    ProgressBox->show();
    ProgressPacer pace(QEventLoop::ExcludeUserInputEvents);
    TQslLabelList::Progress progress;
    progress.Maximum = [this](int maximum) { ProgressBar->setRange(0, maximum); };
    progress.Position = [this, &pace](int position) { pace([&] { ProgressBar->setValue(position); }); };
    try {
        List.LoadUnsentQsls(dm_, progress);
    } catch (...) {
        ProgressBox->hide();
        ShowMarkedCount();
        throw;
    }
    ProgressBox->hide();
    ShowMarkedCount();
}

void TEtykietyFrm::ToggleMark()
{
    Guarded([this] {
        List.ToggleMark();
        ShowMarkedCount();
    });
}

void TEtykietyFrm::ShowMarkedCount()
{
    StatusPanel0->setText(List.MarkedCountText());
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
    Guarded([this] {
        const TQslLabelLines typed{EdLinia1->text(), EdLinia2->text()};
        if (typed.Linia1 != storedLines_.Linia1 || typed.Linia2 != storedLines_.Linia2) {
            WriteQslLabelLines(dm_, typed);
            storedLines_ = typed;
        }
    });
    Guarded([this] { dm_.CommitEtykiety(); });
    KeepWindowPlacement(this, placement_);
}
