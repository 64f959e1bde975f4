#include "awards/ListFiles.h"
#include "awards/windows/FWczytajGminyFrm.h"
#include "awards/windows/FWczytajZamkiFrm.h"
#include "awards/windows/FileWindowTest.h"
#include "controls/FileNameEdit.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

namespace {

class ListImportWindowsTest : public FileWindowTest {};

} // namespace

TEST_F(ListImportWindowsTest, CastleImportChecksNameFileAndConfirmationBeforeItReads)
{
    const QString path = WriteFile("zamki lista.txt", ListFile({CastleLine("SP001", "Malbork")}));
    TWczytajZamkiFrm w;
    w.show();
    EXPECT_EQ(w.windowTitle(), "Zamki polskie");
    EXPECT_EQ(w.EdNazwaPliku->FileName(), "Zamki.txt");
    EXPECT_EQ(w.EdNazwaPliku->DialogTitle(), QString::fromUtf8("Przeglądanie"));
    EXPECT_EQ(w.InformacjaBox->title(), "Informacja");
    EXPECT_TRUE(w.InformacjaLbl->text().contains("Zamki.txt"));
    EXPECT_EQ(w.WczytajBtn->text(), "&Wczytaj");
    EXPECT_TRUE(w.WczytajBtn->isDefault());

    const QString missing = dir.filePath("brak.txt");
    for (const QString &name : {QString(), QStringLiteral("   "), missing}) {
        w.EdNazwaPliku->setText(name);
        w.WczytajBtn->click();
    }
    w.EdNazwaPliku->setText(path);
    confirmAnswer = false;
    w.WczytajBtn->click();
    EXPECT_EQ(warnings, QStringList({QString::fromUtf8("Nazwa pliku do wczytania musi być podana."),
                                     QString::fromUtf8("Nazwa pliku do wczytania musi być podana."),
                                     "Brak pliku: " + missing}));
    EXPECT_EQ(
        confirms,
        QStringList({QString::fromUtf8("Czy rzeczywiście chcesz wczytać informacje o zamkach polskich? ")}));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(SelectInteger(dm->Baza, "select count(*) from Zamki"), 0);

    // Another file picked by mistake is refused, and the window stays for the right one.
    confirmAnswer = true;
    w.EdNazwaPliku->setText(WriteFile("log.adi", "<QSO_DATE:8>20231226<TIME_ON:4>1015<CALL:6>SP5ABC"
                                                 "<BAND:3>20M<MODE:3>SSB<EOR>\r\n"));
    w.WczytajBtn->click();
    EXPECT_EQ(warnings.last(),
              QString::fromUtf8("Plik nie zawiera żadnego poprawnego wiersza listy (pominięto wierszy: 1).\n"
                                "Lista nie została zmieniona."));
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.WczytajBtn->isEnabled());
    EXPECT_EQ(SelectInteger(dm->Baza, "select count(*) from Zamki"), 0);

    w.EdNazwaPliku->setText(path);
    w.WczytajBtn->click();
    EXPECT_EQ(
        warnings.last(),
        QString::fromUtf8("Wczytywanie zakończone. \nDodano wierszy: 1, zaktualizowano: 0, pominięto: 0."));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(SelectStrings(dm->Baza, "select Nazwa from Zamki"), QStringList({"Malbork"}));
}

TEST_F(ListImportWindowsTest, CommuneImportShowsItsStatusAndCannotBeClosedWhileRunning)
{
    const QString path =
        WriteFile("Gminy.txt", ListFile({CommuneLine("1465", "Warszawa", "Warszawa", "mazowieckie")}));
    TWczytajGminyFrm w;
    w.show();
    EXPECT_EQ(w.windowTitle(), "Gminy");
    EXPECT_EQ(w.EdNazwaPliku->FileName(), "Gminy.txt");
    w.EdNazwaPliku->setText(path);
    QString status;
    bool running = false, buttonsEnabled = true, stillVisible = false;
    QTimer::singleShot(0, &w, [&] {
        status = w.StatusBar->currentMessage();
        running = w.Running();
        buttonsEnabled = w.WczytajBtn->isEnabled() || w.CancelBtn->isEnabled() || w.EdNazwaPliku->isEnabled();
        w.reject();
        w.close();
        stillVisible = w.isVisible();
    });
    w.WczytajBtn->click();
    EXPECT_EQ(status, QString::fromUtf8("Wczytywanie danych - proszę czekać"));
    EXPECT_TRUE(running);
    EXPECT_FALSE(buttonsEnabled);
    EXPECT_TRUE(stillVisible);
    EXPECT_EQ(confirms,
              QStringList({QString::fromUtf8("Czy rzeczywiście chcesz wczytać informacje o gminach? ")}));
    EXPECT_EQ(w.StatusBar->currentMessage(), "");
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(SelectStrings(dm->Baza, "select WojewId from Gminy where GminaId = '1465'"),
              QStringList({"R"}));
}

TEST_F(ListImportWindowsTest, DatabaseErrorIsShownAndTheWindowStaysReady)
{
    ExecSql(dm->Baza, "create exception ZLY_ZAMEK 'zly zamek'");
    ExecSql(dm->Baza, "create trigger ZAMKI_BI for Zamki before insert as begin "
                      "if (new.Symbol = 'ZLY1') then exception ZLY_ZAMEK; end");
    const QString path =
        WriteFile("Zamki.txt", ListFile({CastleLine("SP001", "Malbork"), CastleLine("ZLY1", "Zły")}));
    TWczytajZamkiFrm w;
    w.show();
    w.EdNazwaPliku->setText(path);
    w.WczytajBtn->click();
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains("zly zamek")) << warnings[0].toStdString();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.WczytajBtn->isEnabled());
    EXPECT_TRUE(w.EdNazwaPliku->isEnabled());
    EXPECT_EQ(w.StatusBar->currentMessage(), "");
    EXPECT_EQ(SelectInteger(dm->Baza, "select count(*) from Zamki"), 0);
}
