// Every control of the control library in one window, with Polish texts.
// quarn-gallery [PNG]: with a path, the window is grabbed to that file and the
// program ends.

#include "controls/ButtonEdit.h"
#include "controls/DateTimeEdit.h"
#include "controls/ExDBCtrl.h"
#include "platform/db/ExMemDS.h"
#include "controls/ExSpin.h"
#include "controls/FileNameEdit.h"
#include "controls/NumberEdit.h"
#include "controls/SpeedButton.h"
#include "controls/TextBox.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QImage PrinterGlyph()
{
    QImage img(24, 24, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(6, 2, 11, 8);
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(2, 9, 19, 8);
    p.setBrush(Qt::white);
    p.drawRect(6, 14, 11, 8);
    p.drawLine(8, 17, 15, 17);
    p.drawLine(8, 19, 15, 19);
    p.fillRect(17, 11, 2, 2, Qt::green);
    return img;
}

QImage MagnifierGlyph()
{
    QImage img(12, 12, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawEllipse(QRectF(1, 1, 7, 7));
    p.setPen(QPen(Qt::black, 2.5));
    p.drawLine(QPointF(7.5, 7.5), QPointF(11, 11));
    return img;
}

QWidget *Buttons()
{
    auto *box = new QGroupBox("Przyciski");
    auto *row = new QHBoxLayout(box);

    auto *print = new TExSpeedButton;
    print->SetCaption("Drukuj");
    print->SetGlyph(PrinterGlyph());
    print->SetFlat(true);
    print->SetSpacing(4);
    print->setFixedSize(67, 44);
    auto *menu = new QMenu(print);
    menu->addAction("&LOG - Łączności");
    menu->addAction("&QSL - Etykiety");
    print->SetDropDownMenu(menu);
    print->SetMarkDropDown(false);
    row->addWidget(print);

    auto *marked = new TExSpeedButton;
    marked->SetCaption("Menu");
    marked->SetLayout(blGlyphLeft);
    marked->SetDropDownMenu(menu);
    marked->setFixedSize(70, 44);
    row->addWidget(marked);

    for (const char *caption : {"&Dodaj", "&Popraw", "&Usuń"}) {
        auto *b = new TExSpeedButton;
        b->SetCaption(QString::fromUtf8(caption));
        b->SetGroupIndex(1);
        b->setFixedSize(60, 44);
        row->addWidget(b);
    }
    auto *disabled = new TExSpeedButton;
    disabled->SetCaption("Wyłączony");
    disabled->SetGlyph(PrinterGlyph());
    disabled->SetLayout(blGlyphLeft);
    disabled->setEnabled(false);
    disabled->setFixedSize(100, 44);
    row->addWidget(disabled);

    auto *repeat = new TExSpeedButton;
    repeat->SetCaption("Powtarzaj");
    repeat->SetAllowTimer(true);
    repeat->setFixedSize(80, 44);
    row->addWidget(repeat);
    row->addStretch();
    return box;
}

QWidget *Edits()
{
    auto *box = new QGroupBox("Pola edycyjne");
    auto *form = new QFormLayout(box);

    auto *stacja = new TButtonEdit;
    stacja->setObjectName("EdStacja");
    stacja->SetCharCase(ecUpperCase);
    stacja->setMaxLength(10);
    stacja->SetGlyph(MagnifierGlyph());
    stacja->SetButtonHint("Szukaj");
    stacja->setText("SP5ABC");
    form->addRow("Szukaj  [Stacja wołana]", stacja);

    auto *ellipsis = new TButtonEdit;
    ellipsis->resize(200, 24);
    ellipsis->SetGlyphKind(gkEllipsis);
    ellipsis->SetButtonHint("Wyczyść");
    ellipsis->setText("Gmina Łódź");
    form->addRow("Nazwa polska", ellipsis);

    auto *dropDown = new TButtonEdit;
    dropDown->resize(200, 24);
    dropDown->SetGlyphKind(gkDropDown);
    dropDown->setText("Województwo");
    form->addRow("Lista", dropDown);

    auto *file = new TFileNameEdit;
    file->setObjectName("EdNazwaPliku");
    file->SetFilter("Plik prefiksów|Prefiksy.txt");
    file->SetDialogTitle("Przeglądanie");
    file->SetFileName("Prefiksy.txt");
    form->addRow("&Nazwa pliku do wczytania", file);

    auto *itu = new TAmountEdit;
    itu->SetDisplayFormat("##");
    itu->SetDecimalPlaces(0);
    itu->setMaxLength(2);
    itu->SetMaxValue(75);
    itu->SetValue(28);
    form->addRow("IT&U", itu);

    auto *cm = new TCustomNumberEdit;
    cm->SetDisplayFormat(",0.00 cm;-,0.00 cm");
    cm->SetValue(1234.5);
    form->addRow("Szerokość etykiety", cm);

    auto *across = new TExSpinEdit;
    across->setObjectName("EdLiczbaPoz");
    across->SetMinValue(1);
    across->SetMaxValue(3);
    across->setMaxLength(1);
    across->SetValue(2);
    form->addRow("Liczba etykiet w poziomie", across);

    auto *down = new TExSpinEdit;
    down->setObjectName("EdLiczbaPion");
    down->SetMinValue(1);
    down->SetMaxValue(10);
    down->setMaxLength(2);
    down->SetButtonKind(bkStandard);
    down->SetValue(8);
    form->addRow("Liczba etykiet w pionie", down);

    auto *data = new TDateTimeEdit(QMetaType::QDate);
    data->setObjectName("EdData");
    data->setCalendarPopup(true);
    data->setDisplayFormat("dd.MM.yyyy");
    data->setDate(QDate(2026, 12, 7));
    auto *godz = new TDateTimeEdit(QMetaType::QTime);
    godz->setObjectName("EdGodz");
    godz->setDisplayFormat("HH:mm:ss");
    godz->setTime(QTime(14, 30, 15));
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(data);
    dateRow->addWidget(godz);
    form->addRow("Data godz. [UTC]", dateRow);
    return box;
}

QWidget *ZoneBoxes()
{
    auto *box = new QGroupBox("Strefy ITU");
    auto *row = new QHBoxLayout(box);
    const QColor states[] = {Qt::white, QColor(255, 255, 0), QColor(0, 192, 0), Qt::white, QColor(0, 192, 0)};
    for (int zone = 1; zone <= 10; ++zone) {
        auto *t = new TTextBox;
        t->setObjectName(QStringLiteral("i%1").arg(zone));
        t->setFixedSize(28, 20);
        t->SetBrush(states[zone % 5]);
        t->SetText(QString::number(zone));
        row->addWidget(t);
    }
    auto *legend = new QLabel("żółte: zaliczone, zielone: potwierdzone");
    row->addWidget(legend);
    row->addStretch();
    return box;
}

// The data grid over a memory dataset: title buttons, the sort marker on the
// call-sign column and a check-mark column for the received QSL.
QGroupBox *GridSection()
{
    auto *box = new QGroupBox("Siatka danych");
    auto *layout = new QVBoxLayout(box);
    auto *table = new TExMemoryData(box);
    table->AddField("Stacja", FieldType::String, 12);
    table->AddField("Imie", FieldType::String, 20);
    table->AddField("Miasto", FieldType::String, 30);
    table->AddField("QSL_Odb", FieldType::FixedChar, 1);
    table->Open();
    const char *rows[][4] = {{"SP5ŻÓŁ", "Józef", "Łódź", "T"},
                             {"SQ9ĆMA", "Łucja", "Gdańsk", "N"},
                             {"SP9KRK", "Świętosław", "Kraków", "T"},
                             {"SN0ŹRÓ", "Małgorzata", "Zielona Góra", "T"}};
    for (const auto &row : rows) {
        table->Append();
        table->FieldByName("Stacja")->SetAsString(QString::fromUtf8(row[0]));
        table->FieldByName("Imie")->SetAsString(QString::fromUtf8(row[1]));
        table->FieldByName("Miasto")->SetAsString(QString::fromUtf8(row[2]));
        table->FieldByName("QSL_Odb")->SetAsString(QString::fromUtf8(row[3]));
        table->Post();
    }
    table->FieldByName("QSL_Odb")->OnGetText = [](Field &f, QString &text, bool) {
        text = f.AsString() == "T" ? QString(QChar(CheckMarkChar)) : QString(" ");
    };
    table->First();
    auto *source = new DataSource(table, box);
    auto *grid = new TExDBGrid;
    grid->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgRowSelect |
                     dgAlwaysShowSelection | dgConfirmDelete | dgCancelOnExit);
    grid->SetTitleButtons(true);
    grid->OnGetBtnParams = [](TExDBGrid &, Field *field, TGridFont &, QColor &, TSortMarker &marker, bool) {
        if (field->FieldName() == "Stacja")
            marker = smUp;
    };
    std::vector<TColumn> columns(4);
    const char *titles[] = {"Stacja", "Imię", "Miejscowość", "QSL O"};
    const char *fields[] = {"Stacja", "Imie", "Miasto", "QSL_Odb"};
    const int widths[] = {100, 110, 130, 53};
    for (int i = 0; i < 4; ++i) {
        columns[i].FieldName = fields[i];
        columns[i].Title = QString::fromUtf8(titles[i]);
        columns[i].Width = widths[i];
    }
    columns[3].Alignment = Qt::AlignHCenter;
    columns[3].CheckMarkFont = true;
    grid->SetColumns(columns);
    grid->SetDataSource(source);
    grid->setMinimumHeight(130);
    layout->addWidget(grid);
    return box;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Numbers as a Polish user sees them, whatever the machine's locale.
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QWidget window;
    window.setWindowTitle("Quarn - kontrolki");
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(Buttons());
    layout->addWidget(Edits());
    layout->addWidget(ZoneBoxes());
    QGroupBox *grid = GridSection();
    layout->addWidget(grid);
    grid->setVisible(!grid->layout()->isEmpty());
    window.resize(640, 0);
    window.show();

    if (argc > 1) {
        const QString png = QString::fromLocal8Bit(argv[1]);
        QTimer::singleShot(200, [&window, png] {
            const bool saved = window.grab().save(png, "PNG");
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
