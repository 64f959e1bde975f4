#include "controls/DateTimeEdit.h"
#include "controls/FileNameEdit.h"
#include "exchange/windows/FWczytajAdifFrm.h"
#include "exchange/windows/FZapiszOdDoAdifFrm.h"
#include "support/DateFields.h"
#include "support/LogDb.h"
#include "support/WindowPicture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class AdifWindowsTest : public DataModuleTest {
protected:
    QTemporaryDir dir;
};

const QByteArray ThreeRecords = "ADIF from elsewhere\n<EOH>\n"
                                "<QSO_DATE:8>20200501<TIME_ON:4>1200<CALL:5>SP5AB<EOR>\n"
                                "<QSO_DATE:8>20200501<TIME_ON:4>1201<CALL:4>DL1A<EOR>\n"
                                "<CALL:4>K1AB<EOR>\n";

} // namespace

TEST_F(AdifWindowsTest, ImportChecksTheNameFirst)
{
    TWczytajAdifFrm w;
    w.show();
    w.WczytajBtn->click();
    const QString missing = dir.filePath("nie ma.adi");
    w.EdNazwaPliku->setText(missing);
    w.WczytajBtn->click();
    EXPECT_EQ(warnings, QStringList({QString::fromUtf8("Nazwa pliku do czytania musi być podana."),
                                     "Brak pliku: " + missing}));
    EXPECT_EQ(w.WczytajBtn->text(), "&Wczytaj");
    EXPECT_TRUE(w.CancelBtn->isVisible());
}

TEST_F(AdifWindowsTest, ImportRunsThenTheButtonCloses)
{
    AddQso("SP5AB", DateTime::fromDate(2020, 5, 1, 12, 0, 0));
    const QString path = dir.filePath("z innego programu.adi");
    WriteFile(path, ThreeRecords);
    {
        TWczytajAdifFrm w;
        w.show();
        w.EdNazwaPliku->setText('"' + path + '"');
        w.WczytajBtn->click();
        EXPECT_EQ(w.StatysLbl->text(), "3");
        EXPECT_EQ(w.StatysDopLbl->text(), "1");
        EXPECT_EQ(w.StatysJuzLbl->text(), "1");
        ASSERT_EQ(warnings.size(), 1); // the record without a date
        EXPECT_TRUE(warnings[0].contains("QSO_DATE"));
        EXPECT_EQ(w.WczytajBtn->text(), "&Zamknij");
        EXPECT_FALSE(w.CancelBtn->isVisible());
        // The log list shows the new QSO.
        EXPECT_EQ(dm->Logi.RecordCount(), 2);
        w.WczytajBtn->click();
        EXPECT_EQ(w.result(), QDialog::Accepted);
        EXPECT_FALSE(w.isVisible());
    }
    TWczytajAdifFrm again;
    again.show();
    EXPECT_EQ(again.WczytajBtn->text(), "&Wczytaj");
    EXPECT_EQ(again.StatysLbl->text(), "0");
    EXPECT_EQ(again.StatysDopLbl->text(), "0");
}

TEST_F(AdifWindowsTest, ImportSaysWhatIsAlreadyInTheLogAndRefusesAFileWithoutRecords)
{
    const QString own = dir.filePath("own.adi");
    WriteFile(own, ThreeRecords);
    const QString other = dir.filePath("Gminy.txt");
    WriteFile(other, "146501 Warszawa                         Warszawa     mazowieckie\r\n");
    TWczytajAdifFrm w;
    w.show();
    w.EdNazwaPliku->setText(other);
    w.WczytajBtn->click();
    EXPECT_EQ(warnings, QStringList({QString::fromUtf8("W pliku nie znaleziono żadnej pozycji w formacie ADIF.\n"
                                                       "Nic nie zostało wczytane.")}));
    EXPECT_EQ(w.WczytajBtn->text(), "&Wczytaj"); // another file may be picked
    EXPECT_TRUE(w.CancelBtn->isVisible());
    EXPECT_EQ(dm->QsoCount(), 0);

    // The same file twice: the second run adds nothing and says why.
    for (const char *added : {"2", "0"}) {
        TWczytajAdifFrm run;
        run.show();
        run.EdNazwaPliku->setText(own);
        run.WczytajBtn->click();
        EXPECT_EQ(run.StatysLbl->text(), "3");
        EXPECT_EQ(run.StatysDopLbl->text(), added);
        EXPECT_EQ(run.StatysJuzLbl->text(), QString::number(2 - QString(added).toInt()));
        EXPECT_EQ(run.WczytajBtn->text(), "&Zamknij");
    }
    EXPECT_EQ(dm->QsoCount(), 2);
}

// Each record one value: longer than its column, it is cut and its QSO
// counted; a long locator kept to its square, blanks cut off, a character of
// two UTF-16 units and a QSO already in the log are not counted.
TEST_F(AdifWindowsTest, ImportCountsTheQsosWithValuesCutToTheirColumns)
{
    struct Case {
        const char *tag;
        QString value;
        const char *column;
        QString stored;
        bool counted;
    };
    const QString radio = QString::fromUcs4(U"\U0001F4FB");
    const Case cases[] = {
        {"NAME", "Maximilian-Alexander", "IMIE", "Maximilian-Alex", true},
        {"QSL_VIA", "DL1ABCDE", "QSL_MANAGER", "DL1ABCD", true},
        {"QTH", "Konstantynów Łódzki pod Łodzią", "MIASTO", "Konstantynów Łódzki pod Ł", true},
        {"CALL", "SP5ABC/P/MM/QRPP", "STACJA", "SP5ABC/P/MM/QR", true},
        {"MODE", "DOMINOEX", "EMISJA", "DOMINO", true},
        {"COMMENT", QString(49, u'x') + "yz", "NOTATKI", QString(49, u'x') + "y", true},
        {"IOTA", "EU-0241", "WYSPA", "EU-024", true},
        {"GMINA", "1465011", "GMINA", "146501", true},
        {"APP_QUARN_CASTLE", "SP-0011", "ZAMEK", "SP-001", true},
        {"GRIDSQUARE", "KO02MD12", "LOKATOR", "KO02MD", false},
        {"NAME", "Jan" + QString(20, u' '), "IMIE", "Jan", false}, // blanks kept to 15, read trimmed
        {"NAME", "Maximilian-Ale" + radio, "IMIE", "Maximilian-Ale?", false},
    };
    QByteArray file = "<EOH>\n";
    for (int i = 0; i < int(std::size(cases)); ++i) {
        const QByteArray value = cases[i].value.toUtf8();
        file += QStringLiteral("<QSO_DATE:8>20200501<TIME_ON:4>12%1<CALL:5>SP5AB")
                    .arg(i, 2, 10, QChar(u'0'))
                    .toUtf8() +
                '<' + cases[i].tag + ':' + QByteArray::number(value.size()) + '>' + value + "<EOR>\n";
    }
    // The first QSO again, with a name of its own cut too: not added, not counted.
    file += "<QSO_DATE:8>20200501<TIME_ON:4>1200<CALL:5>SP5AB<NAME:19>Bartholomew-Maximus<EOR>\n";
    file += "<QSO_DATE:8>20200502<CALL:5>SP5AB<EOR>\n"; // no time: added at 00:00, counted apart
    const QString path = dir.filePath("dlugie.adi");
    WriteFile(path, file);

    TWczytajAdifFrm w;
    w.show();
    w.EdNazwaPliku->setText(path);
    w.WczytajBtn->click();
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    EXPECT_EQ(w.StatysLbl->text(), "14");
    EXPECT_EQ(w.StatysDopLbl->text(), "13");
    EXPECT_EQ(w.StatysGodzLbl->text(), "1");
    EXPECT_EQ(w.StatysJuzLbl->text(), "1");
    const auto counted =
        std::count_if(std::begin(cases), std::end(cases), [](const Case &c) { return c.counted; });
    EXPECT_EQ(w.StatysSkrLbl->text(), QString::number(counted));
    for (int i = 0; i < int(std::size(cases)); ++i) {
        const Case &c = cases[i];
        SCOPED_TRACE(std::string(c.tag) + " " + c.value.toStdString());
        EXPECT_EQ(
            SelectStrings(dm->Baza, QStringLiteral("SELECT %1 FROM LOGI WHERE DATA = '2020-05-01 12:%2:00'")
                                        .arg(QLatin1String(c.column))
                                        .arg(i, 2, 10, QChar(u'0'))),
            QStringList{c.stored});
    }
    if (WindowPicturesAsked())
        SaveWindowPicture(w, "adif-import");
}

TEST_F(AdifWindowsTest, ImportOfDamagedFileStaysReadyWithCounters)
{
    const QString path = dir.filePath("damaged.adi");
    WriteFile(path, "<QSO_DATE:8>20200501<CALL:3>K1A<EOR><QSO_DATE:8>20200502<CALL:Q>K1B<EOR>");
    TWczytajAdifFrm w;
    w.show();
    w.EdNazwaPliku->setText(path);
    w.WczytajBtn->click();
    EXPECT_EQ(w.StatysLbl->text(), "1");
    EXPECT_EQ(w.StatysDopLbl->text(), "1");
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains("CALL:Q"));
    EXPECT_EQ(w.WczytajBtn->text(), "&Wczytaj");
    EXPECT_TRUE(w.CancelBtn->isVisible());
    EXPECT_EQ(dm->QsoCount(), 1);
}

TEST_F(AdifWindowsTest, NoSecondRunAndNoClosingWhileRunning)
{
    const QString path = dir.filePath("log.adi");
    WriteFile(path, ThreeRecords);
    TWczytajAdifFrm w;
    w.show();
    w.EdNazwaPliku->setText(path);
    bool sawRunning = false, buttonEnabled = true, stillVisible = false;
    QTimer::singleShot(0, &w, [&] {
        sawRunning = w.Running();
        buttonEnabled = w.WczytajBtn->isEnabled();
        w.WczytajBtn->click();
        w.reject();
        stillVisible = w.isVisible();
    });
    w.WczytajBtn->click();
    EXPECT_TRUE(sawRunning);
    EXPECT_FALSE(buttonEnabled);
    EXPECT_TRUE(stillVisible);
    EXPECT_EQ(w.StatysLbl->text(), "3");
    EXPECT_EQ(dm->QsoCount(), 2);
    EXPECT_TRUE(w.WczytajBtn->isEnabled());
}

TEST_F(AdifWindowsTest, ExportWarningsInOrder)
{
    TZapiszAdifFrm w;
    w.show();
    w.ZapiszBtn->click();
    const QString existing = dir.filePath("jest.adi");
    WriteFile(existing, "old");
    w.EdNazwaPliku->setText(existing);
    w.ZapiszBtn->click();
    const QString fresh = dir.filePath("nowy.adi");
    w.EdNazwaPliku->setText(fresh);
    w.ZapiszBtn->click(); // the log is empty
    EXPECT_EQ(warnings, QStringList({QString::fromUtf8("Nazwa pliku musi być podana."),
                                     QString::fromUtf8("Plik już istnieje: ") + existing,
                                     "Brak pozycji do eksportu. "}));
    EXPECT_FALSE(QFile::exists(fresh));
    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
    EXPECT_EQ(w.ZapiszBtn->text(), "&Zapisz");
}

TEST_F(AdifWindowsTest, ExportWritesTheWholeLogUnderANameWithBlanks)
{
    AddQso("SP5AB", DateTime::fromDate(2020, 5, 1, 12, 0, 0));
    AddQso("DL1A", DateTime::fromDate(2021, 5, 1, 12, 0, 0));
    TZapiszAdifFrm w;
    w.show();
    const QString path = dir.filePath("mój log 2021.adi");
    w.EdNazwaPliku->setText(path);
    w.ZapiszBtn->click();
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(w.StatysLbl->text(), "2");
    EXPECT_EQ(w.ZapiszBtn->text(), "&Zamknij");
    EXPECT_FALSE(w.AnulujBtn->isVisible());
    w.ZapiszBtn->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(AdifWindowsTest, RangeWindowPresetsAndRangeCheck)
{
    const QDate today = QDate::currentDate();
    AddQso("SP5AB", DateTime::fromQDate(today).addSecs(3600));
    AddQso("DL1A", DateTime::fromQDate(today.addYears(-2)));
    TZapiszOdDoAdifFrm w;
    w.show();
    EXPECT_EQ(DateFields(w), QStringList({"EdOdDnia: TDateTimeEdit", "EdDoDnia: TDateTimeEdit"}));
    ASSERT_EQ(w.EdOkres->count(), 5);
    EXPECT_EQ(w.EdOkres->currentIndex(), 0);
    EXPECT_EQ(w.EdOdDnia->date(), QDate(today.year(), today.month(), 1));
    EXPECT_EQ(w.EdDoDnia->date(), QDate(today.year(), today.month(), today.daysInMonth()));
    w.EdOkres->setCurrentIndex(3);
    EXPECT_EQ(w.EdOdDnia->date(), QDate(today.year() - 1, 1, 1));
    EXPECT_EQ(w.EdDoDnia->date(), QDate(today.year() - 1, 12, 31));

    // The blank item keeps the days picked by hand.
    w.EdOkres->setCurrentIndex(4);
    w.EdOdDnia->setDate(today);
    w.EdDoDnia->setDate(today.addDays(-1));
    EXPECT_EQ(w.EdOdDnia->date(), today);
    const QString path = dir.filePath("dzis.adi");
    w.EdNazwaPliku->setText(path);
    w.ZapiszBtn->click();
    EXPECT_EQ(warnings, QStringList({QString::fromUtf8("Błędny zakres dat.")}));
    EXPECT_FALSE(QFile::exists(path));

    w.EdDoDnia->setDate(today);
    w.ZapiszBtn->click();
    EXPECT_EQ(warnings.size(), 1);
    EXPECT_EQ(w.StatysLbl->text(), "1");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.contains("SP5AB"));
    EXPECT_FALSE(bytes.contains("DL1A"));
}

using AdifWindowOnServer = ServerDataModuleTest;

// A connection the server ended before the import: the window tells the loss
// in Polish, once, adds nothing and stays ready; a second run fails quietly.
TEST_F(AdifWindowOnServer, ALostConnectionIsToldOnceAndTheWindowStaysReady)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("log.adi");
    WriteFile(path, ThreeRecords);
    EndConnection();
    TWczytajAdifFrm w;
    w.show();
    w.EdNazwaPliku->setText(path);
    for (int run = 0; run < 2; ++run) {
        w.WczytajBtn->click();
        EXPECT_EQ(w.WczytajBtn->text(), "&Wczytaj");
        EXPECT_EQ(w.StatysDopLbl->text(), "0");
    }
    ASSERT_EQ(warnings.size(), 1) << warnings.join("\n---\n").toStdString();
    EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("Połączenie z bazą dziennika zostało przerwane.\n")))
        << warnings[0].toStdString();
    EXPECT_EQ(SelectOnServer("select count(*) from Logi"), 0);
}
