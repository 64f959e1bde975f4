#include "awards/windows/FPrefixEditFrm.h"
#include "awards/windows/FWczytajPrefixFrm.h"
#include "awards/windows/FZapiszPrefiksFrm.h"
#include "awards/windows/FileWindowTest.h"
#include "controls/ButtonEdit.h"
#include "controls/DbNavigator.h"
#include "controls/ExDBCtrl.h"
#include "controls/FileNameEdit.h"
#include "core/PrefixData.h"
#include "core/Settings.h"
#include "platform/Cp1250.h"
#include "platform/Messages.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

const QString Done = QStringLiteral("Wczytywanie zakończone. ");
const QString Question = QStringLiteral("Czy rzeczywiście chcesz dokonać aktualizacji prefiksów? ");

class PrefixWindows : public FileWindowTest {
protected:
    int Count(const char *table)
    {
        return SelectInteger(dm->Baza, QStringLiteral("SELECT COUNT(*) FROM ") + table);
    }

    // Types a value into a cell of the grid's current row as a user does: the
    // first key opens the cell's editor, the editor takes the rest and Enter
    // closes it (or the editor is left open).
    static void TypeIntoCell(TExDBGrid &grid, int column, const QString &text, bool enter = true)
    {
        const QModelIndex cell =
            grid.model()->index(std::max(0, grid.dataSet()->CurrentIndex()), grid.ModelColumnOf(column));
        grid.setCurrentIndex(cell);
        QTest::keyClick(&grid, text.at(0).toLatin1());
        QLineEdit *editor = nullptr; // a closed editor lingers hidden until deleted
        for (QLineEdit *e : grid.viewport()->findChildren<QLineEdit *>())
            if (e->isVisible())
                editor = e;
        ASSERT_NE(editor, nullptr);
        editor->insert(text.mid(1));
        EXPECT_EQ(editor->text(), text);
        if (enter) {
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents(); // the delegate commits Enter by a queued call
        }
    }
};

// Poland with SP and SQ, and a prefix of a country the file does not define.
const QByteArray PolandOnly =
    "<TABELA:7>KrajeDx<KRAJID:3>269<PREFIXDX:2>SP<NAZWAANG:6>Poland<NAZWAPOL:6>Polska"
    "<KONTYNENT:2>EU<EOR>\r\n"
    "<TABELA:10>PrefiksyDx<KRAJID:3>269<PREFIX:2>SP<EOR>\r\n"
    "<TABELA:10>PrefiksyDx<KRAJID:3>269<PREFIX:2>SQ<EOR>\r\n"
    "<TABELA:10>PrefiksyDx<KRAJID:3>230<PREFIX:2>DL<EOR>\r\n";

} // namespace

TEST_F(PrefixWindows, ImportChecksTheNameTheFileAndTheAnswerBeforeChangingAnything)
{
    const int countries = Count("KrajeDX");
    TWczytajPrefixFrm w;
    w.show();
    EXPECT_EQ(w.EdNazwaPliku->text(), "Prefiksy.txt");
    EXPECT_EQ(w.EdNazwaPliku->Filter(), QStringLiteral("Plik prefiksów|Prefiksy.txt"));
    w.EdNazwaPliku->setText("  ");
    w.WczytajBtn->click();
    const QString missing = dir.filePath("brak.txt");
    w.EdNazwaPliku->setText(missing);
    w.WczytajBtn->click();
    w.EdNazwaPliku->setText(WriteFile("Prefiksy.txt", PolandOnly));
    confirmAnswer = false;
    w.WczytajBtn->click();
    EXPECT_EQ(warnings, (QStringList{QStringLiteral("Nazwa pliku do wczytania musi być podana."),
                                     "Brak pliku: " + missing}));
    EXPECT_EQ(confirms, QStringList{Question});
    EXPECT_EQ(Count("KrajeDX"), countries);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(PrefixWindows, ImportReplacesTheTablesRecomputesTheLogAndClosesOnTheCurrentQso)
{
    const DateTime t0 = DateTime::fromDate(2021, 3, 1, 8, 0);
    const int sp = AddQso("SP5ABC", t0);
    const int dl = AddQso("DL1AA", t0.addSecs(60));
    AddQso("W1AW", t0.addSecs(120));
    dm->ReopenLogiOrdered(SortOrder, dl);

    TWczytajPrefixFrm w;
    w.show();
    w.EdNazwaPliku->setText(WriteFile("Prefiksy.txt", PolandOnly));
    w.WczytajBtn->click();
    EXPECT_EQ(confirms, (QStringList{Question, QStringLiteral("Po wczytaniu pliku 2 łączności nie będą miały "
                                                              "kraju. Czy mimo to wczytać?")}));
    EXPECT_EQ(warnings, QStringList{Done});
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(w.StatusPanel->text().isEmpty());
    EXPECT_TRUE(w.WczytajBtn->isEnabled());

    EXPECT_EQ(Count("KrajeDX"), 1);
    EXPECT_EQ(Count("PrefiksyDX"), 2); // DL names a country the file lacks
    // The log was reread on the QSO that was current, with its new country.
    EXPECT_EQ(dm->Logi.FieldByName("LOGID")->AsInteger(), dl);
    EXPECT_EQ(dm->Logi.FieldByName("KRAJID")->AsInteger(), 0);
    ASSERT_TRUE(dm->Logi.Locate("LOGID", sp));
    EXPECT_EQ(dm->Logi.FieldByName("KRAJID")->AsInteger(), 269);
    EXPECT_EQ(dm->Logi.FieldByName("KrajDxcc")->AsString(), "Polska");
}

TEST_F(PrefixWindows, ImportOfABrokenFileSaysSoAndStaysOpenWithTheOldTables)
{
    const int countries = Count("KrajeDX");
    TWczytajPrefixFrm w;
    w.show();
    w.EdNazwaPliku->setText(
        WriteFile("zly.txt", PolandOnly + "<TABELA:10>PrefiksyDx<KRAJID:3>269<PREFIX:2>SP<EOR>"));
    w.WczytajBtn->click();
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].endsWith(QStringLiteral("Tabele prefiksów nie zostały zmienione.")))
        << warnings[0].toStdString();
    EXPECT_EQ(Count("KrajeDX"), countries);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.WczytajBtn->text(), "&Wczytaj");
    EXPECT_EQ(dm->KrajIdForCall("DL1AA"), 230);
}

TEST_F(PrefixWindows, AFileCutAtALineEndAsksBeforeQsosLoseTheirCountryAndNoKeepsEverything)
{
    // The shipped file cut after its 6,000th line: every country, but the
    // prefixes of SP, DL, W and JA come later.
    const QByteArray shipped = LoadPrefixFile().Bytes;
    qsizetype cut = 0;
    for (int line = 0; line < 6000; ++line)
        cut = shipped.indexOf('\n', cut) + 1;
    const QString cutFile = WriteFile("Prefiksy.txt", shipped.left(cut));
    const QString fullFile = WriteFile("Pelny.txt", shipped);
    const DateTime t0 = DateTime::fromDate(2021, 3, 1, 8, 0);
    const QStringList calls = {"SP5ABC", "SQ9XYZ", "DL1AA", "W1AW", "JA1XYZ", "UA3ABC", "Q1ABC"};
    for (int i = 0; i < calls.size(); ++i)
        AddQso(calls[i], t0.addSecs(60 * i));
    // Moving to another country, or having none before, is no loss.
    ExecSql(dm->Baza, "UPDATE Logi SET KrajId=230 WHERE Stacja='UA3ABC'");
    dm->ReopenLogiOrdered(SortOrder, 0);
    const auto countries = [this] {
        return SelectStrings(dm->Baza, "SELECT Stacja || '=' || KrajId FROM Logi ORDER BY Data").join(' ');
    };
    const QString before = "SP5ABC=269 SQ9XYZ=269 DL1AA=230 W1AW=291 JA1XYZ=339 UA3ABC=230 Q1ABC=0";
    ASSERT_EQ(countries(), before);
    const int countryRows = Count("KrajeDX"), prefixRows = Count("PrefiksyDX");
    const QString lost =
        QStringLiteral("Po wczytaniu pliku 5 łączności nie będzie miało kraju. Czy mimo to wczytać?");
    bool keep = false;
    Messages::setHandler([&](Messages::Kind kind, const QString &, const QString &text) {
        (kind == Messages::Kind::Warning ? warnings : confirms) << text;
        return kind == Messages::Kind::Warning || text == Question || keep;
    });
    const QString abandoned = QStringLiteral(
        "Wczytywanie anulowane.\nAni tabele prefiksów, ani kraje łączności nie zostały zmienione.");
    struct Case {
        QString file;
        bool keep;
        QString told, countries;
    } cases[] = {
        {cutFile, false, abandoned, before},
        {cutFile, true, Done, "SP5ABC=0 SQ9XYZ=0 DL1AA=0 W1AW=0 JA1XYZ=0 UA3ABC=54 Q1ABC=0"},
        {fullFile, false, Done, "SP5ABC=269 SQ9XYZ=269 DL1AA=230 W1AW=291 JA1XYZ=339 UA3ABC=54 Q1ABC=0"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.countries.toStdString());
        keep = c.keep;
        confirms.clear();
        warnings.clear();
        TWczytajPrefixFrm w;
        w.show();
        w.EdNazwaPliku->setText(c.file);
        w.WczytajBtn->click();
        EXPECT_EQ(confirms, (c.file == cutFile ? QStringList{Question, lost} : QStringList{Question}));
        EXPECT_EQ(warnings, QStringList{c.told});
        EXPECT_EQ(w.isVisible(), c.told != Done);
        EXPECT_EQ(countries(), c.countries);
        const bool whole = c.countries.startsWith("SP5ABC=269");
        EXPECT_EQ(Count("KrajeDX"), countryRows);
        EXPECT_EQ(Count("PrefiksyDX") == prefixRows, whole);
        // The main window's list and lookups follow the tables the log holds.
        EXPECT_EQ(dm->KrajIdForCall("SP5ABC"), whole ? 269 : 0);
        EXPECT_EQ(dm->CountryNameForKrajId(269), "Polska");
        ASSERT_TRUE(dm->Logi.Locate("STACJA", "SP5ABC"));
        EXPECT_EQ(dm->Logi.FieldByName("KrajDxcc")->AsString(), whole ? "Polska" : "");
    }
}

TEST_F(PrefixWindows, ExportRefusesAnEmptyNameThenWritesTheTextFile)
{
    TZapiszPrefiksFrm w;
    w.show();
    EXPECT_EQ(w.EdNazwaPliku->text(), "Prefiksy.txt");
    EXPECT_EQ(w.EdNazwaPliku->DialogKind(), dkSave);
    EXPECT_TRUE(w.EdNazwaPliku->Filter().startsWith(QStringLiteral("Pliki tekstowe (*.txt)|*.txt")));
    w.EdNazwaPliku->clear();
    w.ZapiszBtn->click();
    const QString path = dir.filePath("Prefiksy.txt");
    w.EdNazwaPliku->setText(path);
    w.ZapiszBtn->click();
    EXPECT_EQ(warnings, (QStringList{QStringLiteral("Nazwa pliku musi być podana."),
                                     QStringLiteral("Lista została utworzona")}));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count("<TABELA:7>KrajeDx"), Count("KrajeDX"));
    EXPECT_EQ(bytes.count("<TABELA:10>PrefiksyDx"), Count("PrefiksyDX"));
    EXPECT_TRUE(bytes.contains(Cp1250::fromUnicode(QStringLiteral("<NAZWAPOL:6>Polska"))));
    EXPECT_TRUE(w.isVisible());
}

TEST_F(PrefixWindows, EditorFindsACountryShowsItsPrefixesAndSavesANewCountryWithAPrefix)
{
    TPrefixEditFrm w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(w.windowTitle(), "PrefixEditFrm");
    QTest::keyClicks(w.EdNazwaAng, "pola");
    EXPECT_EQ(w.Nowe.FieldByName("KRAJID")->AsInteger(), 269);
    EXPECT_EQ(w.NazwaLbl->text(), "Poland");
    EXPECT_EQ(w.NoweGrid->currentIndex().row(), w.Nowe.CurrentIndex());
    QStringList prefixes;
    for (w.Detale.First(); !w.Detale.Eof(); w.Detale.Next())
        prefixes << w.Detale.FieldByName("PREFIX")->AsString();
    EXPECT_TRUE(prefixes.contains("SP") && prefixes.contains("HF")) << prefixes.join(',').toStdString();
    EXPECT_TRUE(prefixes.size() == w.DetaleGrid->model()->rowCount());
    w.EdNazwaAng->EditButtonClick();
    EXPECT_TRUE(w.EdNazwaAng->text().isEmpty());

    // A deleted country would orphan its prefixes: refused with a message.
    w.NoweNavigator->BtnClick(TDBNavigator::nbDelete);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains("prefiksy"));

    // A new country typed into the grid, then its prefix in the lower grid.
    w.NoweNavigator->BtnClick(TDBNavigator::nbInsert);
    TypeIntoCell(*w.NoweGrid, 0, "900");
    TypeIntoCell(*w.NoweGrid, 1, "QQ");
    // The post takes the text of the cell still being edited.
    TypeIntoCell(*w.NoweGrid, 3, QStringLiteral("Kraj próbny"), false);
    QTest::mouseClick(w.NoweNavigator->ButtonAt(TDBNavigator::nbPost), Qt::LeftButton);
    EXPECT_TRUE(w.NoweGrid->hasFocus());
    EXPECT_EQ(w.Nowe.State(), DataSetState::Browse);
    w.DetaleNavigator->BtnClick(TDBNavigator::nbInsert);
    EXPECT_EQ(w.Detale.FieldByName("KRAJID")->AsInteger(), 900);
    TypeIntoCell(*w.DetaleGrid, 1, "QQ9");
    QTest::mouseClick(w.DetaleNavigator->ButtonAt(TDBNavigator::nbPost), Qt::LeftButton);
    EXPECT_EQ(warnings.size(), 1u) << warnings.join('\n').toStdString();
    EXPECT_EQ(SelectStrings(dm->Baza, "SELECT NazwaPol FROM KrajeDX WHERE KrajId=900"),
              QStringList{QStringLiteral("Kraj próbny")});

    EXPECT_EQ(SelectStrings(dm->Baza, "SELECT NazwaPol FROM KrajeDX WHERE KrajId=269"),
              QStringList{"Polska"});

    // A row that cannot be saved keeps the window open until it is cancelled.
    QTest::mouseClick(w.NoweNavigator->ButtonAt(TDBNavigator::nbInsert), Qt::LeftButton);
    EXPECT_TRUE(w.NoweGrid->hasFocus());
    TypeIntoCell(*w.NoweGrid, 0, "901");
    w.reject();
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_TRUE(
        warnings[1].endsWith(QStringLiteral("Popraw pozycję albo anuluj zmiany przed zamknięciem okna.")));
    w.NoweNavigator->BtnClick(TDBNavigator::nbCancel);

    // Closing rereads the tables: call signs resolve by the new prefix.
    w.accept();
    EXPECT_EQ(dm->KrajIdForCall("QQ9ABC"), 900);
    EXPECT_EQ(dm->CountryNameForKrajId(900), QStringLiteral("Kraj próbny"));
}

TEST_F(PrefixWindows, EditorRaisesThePrefixVersionWithEachChangeAndNamesAnEmptyRequiredField)
{
    const auto version = [this] {
        return SelectInteger(dm->Baza, "SELECT COALESCE(MAX(Wersja), 0) FROM PrefiksyWersja");
    };
    const auto rows = [this](const char *where) {
        return SelectInteger(dm->Baza, QStringLiteral("SELECT COUNT(*) FROM ") + where);
    };
    const QString emptyPrefix = QStringLiteral("Pole 'Prefix' musi być wypełnione.");
    const int v0 = version();
    TPrefixEditFrm w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

    // A country without its id, then without its prefix: each refused by name, nothing posted.
    w.NoweNavigator->BtnClick(TDBNavigator::nbInsert);
    TypeIntoCell(*w.NoweGrid, 1, "QX");
    w.NoweNavigator->BtnClick(TDBNavigator::nbPost);
    w.Nowe.FieldByName("KRAJID")->SetAsInteger(903);
    w.Nowe.FieldByName("PREFIXDX")->SetAsString("  ");
    w.NoweNavigator->BtnClick(TDBNavigator::nbPost);
    EXPECT_EQ(warnings, (QStringList{QStringLiteral("Pole 'KrajId' musi być wypełnione."), emptyPrefix}));
    EXPECT_EQ(w.Nowe.State(), DataSetState::Insert);
    EXPECT_EQ(rows("KrajeDX WHERE KrajId=903"), 0);
    EXPECT_EQ(version(), v0);
    w.Nowe.FieldByName("PREFIXDX")->SetAsString("QX");
    w.NoweNavigator->BtnClick(TDBNavigator::nbPost);
    EXPECT_EQ(w.Nowe.State(), DataSetState::Browse);
    EXPECT_EQ(version(), v0 + 1); // committed and counted: another copy rereads the tables

    // A prefix left empty, in the lower grid.
    warnings.clear();
    w.DetaleNavigator->BtnClick(TDBNavigator::nbInsert);
    w.DetaleNavigator->BtnClick(TDBNavigator::nbPost);
    EXPECT_EQ(warnings, QStringList{emptyPrefix});
    EXPECT_EQ(rows("PrefiksyDX WHERE KrajId=903"), 0);
    TypeIntoCell(*w.DetaleGrid, 1, "QX1");
    w.DetaleNavigator->BtnClick(TDBNavigator::nbPost);
    EXPECT_EQ(rows("PrefiksyDX WHERE KrajId=903"), 1);
    EXPECT_EQ(version(), v0 + 2);

    w.DetaleNavigator->BtnClick(TDBNavigator::nbDelete);
    EXPECT_EQ(rows("PrefiksyDX WHERE KrajId=903"), 0);
    EXPECT_EQ(version(), v0 + 3);
    EXPECT_EQ(warnings, QStringList{emptyPrefix});
    w.accept();
}
