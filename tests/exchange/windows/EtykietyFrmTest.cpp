#include "controls/ExDBCtrl.h"
#include "core/FWindow.h"
#include "core/Settings.h"
#include "exchange/LabelPrintDevice.h"
#include "exchange/windows/FEtykietyFrm.h"
#include "platform/gui/Printer.h"
#include "support/LogDb.h"
#include "support/FullDisk.h"
#include "support/QsoRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace {

// The label window over a log of four unsent QSOs (two with SP9ABC, one of
// them with a card received) and one sent, printing on a recording device.
class EtykietyFrmTest : public DataModuleTest {
protected:
    void SetUp() override
    {
        DataModuleTest::SetUp();
        placement.AppKey = QStringLiteral("Quarn");
        PrintDevices::SetFactory([this] {
            auto d = std::make_unique<LabelPrintDevice>();
            device = d.get();
            return std::unique_ptr<PrintDevice>(std::move(d));
        });
        std::vector<QsoRow> rows(5);
        const char *calls[] = {"SP9ABC", "dl1xx", "sp9abc ", "G0XYZ", "F5AA"};
        for (int i = 0; i < 5; ++i) {
            rows[i].Data = DateTime::fromDate(2005, 3, 5 + i, 10, 0);
            rows[i].Band = 5;
            rows[i].Stacja = QString::fromLatin1(calls[i]);
        }
        rows[2].QslOdb = QStringLiteral("T");
        rows[4].QslWys = QStringLiteral("T");
        ids = InsertQsos(dm->Baza, rows);
    }
    void TearDown() override
    {
        frm.reset();
        PrintDevices::SetFactory({});
        DataModuleTest::TearDown();
    }

    void AddTemplate(int across, int down)
    {
        ExecSql(dm->Baza,
                QStringLiteral("INSERT INTO ETYKIETY VALUES (GEN_ID(GEN_ETYKIETAID, 1), 'Arkusz %1x%2', "
                               "150, 70, 372, 700, 360, 630, %1, %2)")
                    .arg(across)
                    .arg(down));
    }

    TEtykietyFrm &Open()
    {
        frm = std::make_unique<TEtykietyFrm>(*dm, placement);
        frm->PrepareLabelWindow();
        frm->show();
        EXPECT_TRUE(frm->Loaded());
        return *frm;
    }

    // Marks the first rows from the keyboard, Space on each in turn.
    void MarkFirstRows(int count)
    {
        frm->DBGrid->setFocus();
        for (int row = 0; row < count; ++row) {
            QTest::keyClick(frm->DBGrid, Qt::Key_Space);
            QTest::keyClick(frm->DBGrid, Qt::Key_Down);
        }
    }
    // Marks or unmarks a row by double-clicking it.
    void DoubleClickRow(int row)
    {
        TExDBGrid *grid = frm->DBGrid;
        const QRect cell = grid->visualRect(grid->model()->index(row, grid->ModelColumnOf(2)));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QString MarkCell(int row) const
    {
        TExDBGrid *grid = frm->DBGrid;
        return grid->CellText(grid->model()->index(row, grid->ModelColumnOf(0)));
    }
    QStringList SentFlags() { return SelectStrings(dm->Baza, "SELECT QSL_WYS FROM LOGI ORDER BY DATA"); }

    TWindow placement;
    LabelPrintDevice *device = nullptr;
    std::vector<int> ids;
    std::unique_ptr<TEtykietyFrm> frm;
};

}

TEST_F(EtykietyFrmTest, SpaceAndDoubleClickMarkRowsAndTheMarksOutliveMessagesAndReshowing)
{
    TEtykietyFrm &f = Open();
    EXPECT_EQ(f.windowTitle(), "Etykiety");
    EXPECT_EQ(f.StatusPanel0->text(), " Zaznaczono 0 z 4");
    EXPECT_EQ(f.PrinterLbl->text(), "Etykieciarka");
    EXPECT_TRUE(f.ProgressBox->isHidden());

    f.DBGrid->setFocus();
    QTest::keyClick(f.DBGrid, Qt::Key_Space);
    EXPECT_EQ(MarkCell(0), QString(QChar(0x2713)));
    EXPECT_EQ(f.StatusPanel0->text(), " Zaznaczono 1 z 4");
    DoubleClickRow(2);
    EXPECT_EQ(f.StatusPanel0->text(), " Zaznaczono 2 z 4");
    DoubleClickRow(3);
    DoubleClickRow(3);
    EXPECT_EQ(MarkCell(3), " ");
    EXPECT_EQ(f.StatusPanel0->text(), " Zaznaczono 2 z 4");
    if (qEnvironmentVariableIsSet("QUARN_SCREENSHOT"))
        f.grab().save(qEnvironmentVariable("QUARN_SCREENSHOT"));

    // No template: the two-line warning; the marks stay, also after the
    // window is shown again.
    QTest::mouseClick(f.PrevBtn, Qt::LeftButton);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings[0], "Nie można drukować etykiet na karty QSL, ponieważ w systemie\n"
                           "nie został zdefiniowany żaden wzorzec dla etykiet adresowych.");
    f.hide();
    f.show();
    EXPECT_EQ(f.StatusPanel0->text(), " Zaznaczono 2 z 4");
    EXPECT_EQ(MarkCell(0), QString(QChar(0x2713)));
    EXPECT_TRUE(device->pages.empty());
}

TEST_F(EtykietyFrmTest, PrintingWithTheBoxTickedMarksThePrintedQsosSentAndReloadsTheList)
{
    AddTemplate(3, 7);
    TEtykietyFrm &f = Open();
    EXPECT_EQ(f.EdEtykieta->currentText(), "Arkusz 3x7");

    QTest::mouseClick(f.PrevBtn, Qt::LeftButton);
    EXPECT_EQ(warnings, QStringList{"Brak pozycji do wydruku."});
    EXPECT_TRUE(device->pages.empty());

    // Both SP9ABC rows (spelt differently) and G0XYZ.
    f.DBGrid->setFocus();
    QTest::keyClick(f.DBGrid, Qt::Key_Space);
    DoubleClickRow(2);
    DoubleClickRow(3);
    // Printing without the box ticked marks nothing.
    QTest::mouseClick(f.PrevBtn, Qt::LeftButton);
    ASSERT_EQ(device->pages.size(), 1u);
    EXPECT_EQ(device->pages[0].count("To Radio: "), 3);
    EXPECT_EQ(device->pages[0].count("SP9ABC"), 2);
    EXPECT_EQ(SentFlags(), (QStringList{"N", "N", "N", "N", "T"}));
    EXPECT_EQ(f.StatusPanel0->text(), " Zaznaczono 3 z 4");

    f.ZaznaczWydrBox->setChecked(true);
    QTest::mouseClick(f.PrevBtn, Qt::LeftButton);
    EXPECT_EQ(SentFlags(), (QStringList{"T", "N", "T", "T", "T"}));
    EXPECT_EQ(f.StatusPanel0->text(), " Zaznaczono 0 z 1");
    EXPECT_EQ(f.DBGrid->model()->rowCount(), 1);
    EXPECT_EQ(warnings.size(), 1);
}

TEST_F(EtykietyFrmTest, APrintErrorMarksNothingAsSentAndKeepsTheMarks)
{
    AddTemplate(1, 1);
    TEtykietyFrm &f = Open();
    device->failAtPage = 1; // the second label needs a second page
    f.ZaznaczWydrBox->setChecked(true);
    f.DBGrid->setFocus();
    QTest::keyClick(f.DBGrid, Qt::Key_Space);
    DoubleClickRow(1);
    QTest::mouseClick(f.PrevBtn, Qt::LeftButton);
    EXPECT_EQ(warnings, QStringList{"Printer out of paper"});
    EXPECT_TRUE(device->aborted);
    EXPECT_EQ(SentFlags(), (QStringList{"N", "N", "N", "N", "T"}));
    EXPECT_EQ(f.StatusPanel0->text(), " Zaznaczono 2 z 4");
    EXPECT_TRUE(f.PrevBtn->isEnabled());
}

// A4 at 600 dpi is 4961 x 7016 px, 21.00 x 29.70 cm, known to half a pixel
// (0.02 mm). A template whose sheet passes the page, or with a negative
// margin, is refused: nothing prints, nothing is marked as sent and the
// status holds no count. A sheet that fills the page to its edges prints.
TEST_F(EtykietyFrmTest, TemplatesWhoseLabelsDoNotFitThePageAreRefusedAndNothingIsMarked)
{
    struct Case {
        const char *name;
        const char *row; // MARG_G, MARG_L, ODSTEP_PION, ODSTEP_POZ, WYSOKOSC, SZEROKOSC, across, down
        const char *reason;
    };
    const Case cases[] = {
        {"Na styk", "0, 0, 297, 700, 297, 700, 3, 10", nullptr},
        {"Trzy po 9,9 cm", "0, 0, 372, 990, 360, 990, 3, 7",
         "W poziomie zajmują 29.70 cm, a strona ma szerokość 21.00 cm."},
        {"O 0,1 mm za szeroki", "0, 1, 297, 700, 297, 700, 3, 10",
         "W poziomie zajmują 21.01 cm, a strona ma szerokość 21.00 cm."},
        {"Osiem rzędów", "150, 70, 372, 700, 360, 630, 3, 8",
         "W pionie zajmują 31.14 cm, a strona ma wysokość 29.70 cm."},
        {"Poza kartką", "3000, 100, 372, 1000, 360, 1000, 1, 1",
         "W pionie zajmują 33.60 cm, a strona ma wysokość 29.70 cm."},
        {"Ujemny margines", "-10, 0, 372, 700, 360, 700, 3, 7", "Margines górny jest ujemny."},
        {"Ujemny bok", "0, -1, 372, 700, 360, 700, 3, 7", "Margines boczny jest ujemny."},
    };
    int id = 0;
    for (const Case &c : cases)
        ExecSql(dm->Baza, QStringLiteral("INSERT INTO ETYKIETY VALUES (%1, '%2', %3)")
                              .arg(++id)
                              .arg(QString::fromUtf8(c.name), QLatin1String(c.row)));
    TEtykietyFrm &f = Open();
    MarkFirstRows(4);
    // SP9ABC PSE and TNX, DL1XX PSE, G0XYZ PSE: four labels.
    auto print = [&](const char *name, bool markSent) {
        f.ZaznaczWydrBox->setChecked(markSent);
        f.EdEtykieta->setCurrentText(QString::fromUtf8(name));
        device->pages.clear();
        warnings.clear();
        QTest::mouseClick(f.PrevBtn, Qt::LeftButton);
    };
    print("Na styk", false);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    ASSERT_EQ(device->pages.size(), 1u);
    EXPECT_EQ(device->pages[0].count("To Radio: "), 4);
    EXPECT_EQ(f.StatusPanel1->text(), " Wydrukowano etykiet: 4");

    for (const Case &c : cases) {
        if (!c.reason)
            continue;
        SCOPED_TRACE(c.name);
        print(c.name, true);
        EXPECT_EQ(warnings,
                  QStringList{QString::fromUtf8("Etykiety wzorca „%1” nie mieszczą się na stronie "
                                                "drukarki.\n%2\nNależy poprawić we wzorcu marginesy, "
                                                "odstępy lub wymiary etykiet.")
                                  .arg(QString::fromUtf8(c.name), QString::fromUtf8(c.reason))});
        EXPECT_TRUE(device->pages.empty());
        EXPECT_EQ(f.StatusPanel1->text(), "");
        EXPECT_EQ(SentFlags(), (QStringList{"N", "N", "N", "N", "T"}));
        EXPECT_EQ(f.StatusPanel0->text(), " Zaznaczono 4 z 4");
    }

    print("Na styk", true);
    EXPECT_TRUE(warnings.isEmpty());
    EXPECT_EQ(f.StatusPanel1->text(), " Wydrukowano etykiet: 4");
    EXPECT_EQ(SentFlags(), (QStringList{"T", "T", "T", "T", "T"}));
}

TEST_F(EtykietyFrmTest, TheExtraLinesAreKeptInTheStationDataWhenTheWindowCloses)
{
    TEtykietyFrm &f = Open();
    EXPECT_EQ(f.EdLinia1->text(), "");
    EXPECT_EQ(f.EdLinia1->maxLength(), 30);
    QTest::keyClicks(f.EdLinia1, "Tnx fer QSO");
    f.EdLinia2->setText(QStringLiteral("73 de Józef"));
    QTest::mouseClick(f.CloseBtn, Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(SelectStrings(dm->Baza, "SELECT TEKSTQSL1 || '|' || TEKSTQSL2 FROM STALE"),
              QStringList{"Tnx fer QSO|73 de Józef"});

    Open();
    EXPECT_EQ(frm->EdLinia2->text(), "73 de Józef");
}

TEST_F(EtykietyFrmTest, WithNoPrintQueueTheSheetGoesToTheChosenPdf)
{
    PrintDevices::SetFactory([] { return std::make_unique<Printer>(); });
    if (PrintDevices::Shared()->HasPrinters())
        GTEST_SKIP() << "this machine has a print queue";
    AddTemplate(3, 7);
    ExecSql(dm->Baza, "UPDATE STALE SET TEKSTQSL1='Tnx fer QSO', TEKSTQSL2='73'");
    QTemporaryDir dir;
    const QByteArray keep = qgetenv("QUARN_LABELS_PDF");
    const QString pdf = keep.isEmpty() ? dir.filePath("etykiety.pdf") : QString::fromLocal8Bit(keep);
    OwnCallSign = QStringLiteral("SP9XYZ");
    DateQSLFrm = 4;
    // The log book went to a PDF before: its name is not where the labels go.
    PrintDevices::Shared()->SetOutputFileName(dir.filePath("caly-log.pdf"));
    TEtykietyFrm &f = Open();
    EXPECT_EQ(f.PrinterLbl->text(), "brak drukarki - wydruk do pliku PDF");
    // The file chosen in the settings is where the next print goes, asked once.
    int asked = 0;
    f.AskPdfFile = [&] {
        ++asked;
        return pdf;
    };
    QTest::mouseClick(f.PrinterSetupBtn, Qt::LeftButton);
    EXPECT_EQ(f.PrinterLbl->text(), "plik PDF: " + QFileInfo(pdf).fileName());
    MarkFirstRows(4);
    QTest::mouseClick(f.PrevBtn, Qt::LeftButton);
    OwnCallSign.clear();
    DateQSLFrm = 0;
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(f.PrinterLbl->text(), "brak drukarki - wydruk do pliku PDF");
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(file.readAll());
    EXPECT_EQ(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
}

// Without a print queue: a template that does not fit is refused before a
// PDF file is asked for; a disk that fills up while the PDF is written is
// told with its cause, leaves no file and marks nothing as sent; with room
// again the next print writes the file and marks the QSOs.
TEST_F(EtykietyFrmTest, WithNoPrintQueueAPdfThatCannotBeWrittenWholeIsNotPrinted)
{
    PrintDevices::SetFactory([] { return std::make_unique<Printer>(); });
    if (PrintDevices::Shared()->HasPrinters())
        GTEST_SKIP() << "this machine has a print queue";
    AddTemplate(3, 7);
    ExecSql(dm->Baza,
            "INSERT INTO ETYKIETY VALUES (9, 'Poza kartką', 3000, 100, 372, 1000, 360, 1000, 1, 1)");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("etykiety.pdf");
    TEtykietyFrm &f = Open();
    std::optional<FullDisk> full;
    int asked = 0;
    f.AskPdfFile = [&] {
        ++asked;
        full.emplace(4000);
        return pdf;
    };
    MarkFirstRows(4);
    f.ZaznaczWydrBox->setChecked(true);

    f.EdEtykieta->setCurrentText(QStringLiteral("Poza kartką"));
    QTest::mouseClick(f.PrevBtn, Qt::LeftButton);
    EXPECT_EQ(asked, 0);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("nie mieszczą się na stronie drukarki")))
        << warnings[0].toStdString();
    warnings.clear();

    f.EdEtykieta->setCurrentText(QStringLiteral("Arkusz 3x7"));
    QTest::mouseClick(f.PrevBtn, Qt::LeftButton);
    full.reset();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(warnings, QStringList{"Nie można zapisać pliku PDF " + pdf +
                                    ": plik przekroczył największy rozmiar, jaki system pozwala zapisać."});
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    EXPECT_EQ(SentFlags(), (QStringList{"N", "N", "N", "N", "T"}));
    EXPECT_EQ(f.StatusPanel0->text(), " Zaznaczono 4 z 4");
    EXPECT_FALSE(f.StatusPanel1->text().contains(QStringLiteral("Wydrukowano")));
    EXPECT_TRUE(f.PrevBtn->isEnabled());

    f.AskPdfFile = [&] {
        ++asked;
        return pdf;
    };
    warnings.clear();
    QTest::mouseClick(f.PrevBtn, Qt::LeftButton);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"etykiety.pdf"});
    EXPECT_EQ(f.StatusPanel1->text(), " Wydrukowano etykiet: 4");
    EXPECT_EQ(SentFlags(), (QStringList{"T", "T", "T", "T", "T"}));
}
