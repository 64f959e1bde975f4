#include "logfrm_fixture.h"

#include "controls/DateTimeEdit.h"
#include "controls/NumberEdit.h"
#include "core/Log.h"
#include "platform/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QsoRow StoredQso()
{
    QsoRow r;
    r.Data = DateTime::fromDate(2023, 5, 6, 7, 8, 9).addTicks(1234);
    r.Band = 3;
    r.Stacja = QStringLiteral("SP9LOD");
    r.Emisja = QStringLiteral("CW");
    r.RaportNad = QStringLiteral("599");
    r.RaportOdb = QStringLiteral("579");
    r.Imie = QStringLiteral("Żaneta");
    r.Miasto = QStringLiteral("Łódź");
    r.Lokator = QStringLiteral("JO91");
    r.QslWys = QStringLiteral("T");
    r.Kontynent = QStringLiteral("EU");
    r.Itu = 28;
    r.Cq = 15;
    r.Domena = QStringLiteral("E-LD");
    r.Wyspa = QStringLiteral("EU-024");
    r.Notatki = QStringLiteral("zawody");
    return r;
}

}

TEST_F(LogFrmTest, EditShowsTheStoredQso)
{
    const int id = AddQsos({StoredQso()})[0];
    QString caption, dxcc, last;
    OpenEdit(id, [&] {
        caption = frm->windowTitle();
        dxcc = frm->dxccLbl->text();
        last = frm->QsoLbl->text();
    });
    EXPECT_EQ(caption, QStringLiteral("Edycja istniejącej łączności"));
    EXPECT_EQ(frm->EdStacja->text(), QStringLiteral("SP9LOD"));
    EXPECT_EQ(frm->EdPasmo->currentText(), QStringLiteral("40 m"));
    EXPECT_EQ(frm->EdEmisja->currentText(), QStringLiteral("CW"));
    EXPECT_EQ(frm->EdImie->text(), QStringLiteral("Żaneta"));
    EXPECT_EQ(frm->EdMiasto->text(), QStringLiteral("Łódź"));
    EXPECT_EQ(frm->EdLokator->text(), QStringLiteral("JO91"));
    EXPECT_EQ(frm->EdWyspa->text(), QStringLiteral("EU-024"));
    EXPECT_EQ(frm->EdKont->currentIndex(), 4);
    EXPECT_TRUE(frm->EdQSLWys->isChecked());
    EXPECT_FALSE(frm->EdQSLOdb->isChecked());
    EXPECT_EQ(frm->EdData->date(), QDate(2023, 5, 6));
    EXPECT_EQ(dxcc, DM->CountryNameForCall("SP9LOD"));
    EXPECT_FALSE(dxcc.isEmpty());
    EXPECT_TRUE(last.startsWith(QStringLiteral("2023-05-06"))) << last.toStdString();
    EXPECT_TRUE(last.endsWith(QStringLiteral(" Pasmo: 40 m"))) << last.toStdString();
}

TEST_F(LogFrmTest, EditingWithoutChangesWritesNothing)
{
    const int id = AddQsos({StoredQso()})[0];
    int posts = 0;
    DM->Logi.BeforePost = [&posts](DataSet &) { ++posts; };
    const int result = OpenEdit(id, [&] { frm->PostBtn->click(); });
    DM->Logi.BeforePost = nullptr;
    EXPECT_EQ(result, int(mrOk));
    EXPECT_FALSE(frm->Changed);
    EXPECT_EQ(posts, 0);
    EXPECT_TRUE(Warnings().isEmpty()) << Warnings().join('|').toStdString();
}

TEST_F(LogFrmTest, EditingWithAChangeSavesThatQsoAndCloses)
{
    QsoRow other = StoredQso();
    other.Stacja = QStringLiteral("DL1AA");
    other.Data = other.Data.addDays(1);
    const std::vector<int> ids = AddQsos({StoredQso(), other});
    const int result = OpenEdit(ids[0], [&] {
        frm->EdNotatki->setText(QStringLiteral("poprawione"));
        frm->EdQSLOdb->setChecked(true);
        frm->PostBtn->click();
    });
    EXPECT_EQ(result, int(mrOk));
    EXPECT_TRUE(frm->Changed);
    EXPECT_EQ(DM->QsoCount(), 2);

    TLog saved;
    saved.LogLoad(*DM, ids[0]);
    EXPECT_EQ(saved.Notatki, QStringLiteral("poprawione"));
    EXPECT_TRUE(saved.QslOdb);
    EXPECT_EQ(saved.Data, StoredQso().Data);
    EXPECT_EQ(saved.Imie, QStringLiteral("Żaneta"));
    TLog untouched;
    untouched.LogLoad(*DM, ids[1]);
    EXPECT_EQ(untouched.Notatki, QStringLiteral("zawody"));
}

TEST_F(LogFrmTest, EditWithAFaultStaysOpen)
{
    const int id = AddQsos({StoredQso()})[0];
    bool open = false;
    OpenEdit(id, [&] {
        frm->EdRaportOdb->setText("5");
        frm->PostBtn->click();
        open = frm->isVisible();
    });
    EXPECT_TRUE(open);
    EXPECT_FALSE(frm->Changed);
    EXPECT_EQ(Warnings(), QStringList{QStringLiteral("Błędny raport odebrany.")});
}

TEST_F(LogFrmTest, SavingAQsoDeletedThroughAnotherConnectionFailsAndKeepsTheInput)
{
    const int id = AddQsos({StoredQso()})[0];
    FbDatabase other; // a second copy of the program on the same log
    other.SetDatabaseName(db->Path());
    other.Open();
    bool open = false;
    const QString lost = QStringLiteral("Nie zapisano: QSO zostało w międzyczasie zmienione lub usunięte.");
    OpenEdit(id, [&] {
        ExecSql(other, QStringLiteral("delete from Logi where LogId = %1").arg(id));
        frm->EdNotatki->setText(QStringLiteral("poprawione"));
        frm->PostBtn->click();
        open = frm->isVisible();
        EXPECT_EQ(frm->EdNotatki->text(), QStringLiteral("poprawione"));
        EXPECT_EQ(frm->EdImie->text(), QStringLiteral("Żaneta"));
    });
    EXPECT_TRUE(open);
    EXPECT_FALSE(frm->Changed);
    EXPECT_EQ(Warnings(), QStringList{lost});
    EXPECT_EQ(DM->Logi.State(), DataSetState::Browse);

    // Deleting the row the list still shows fails the same way.
    ASSERT_TRUE(DM->Logi.Locate(QStringLiteral("LogId"), id, 0));
    try {
        DM->Logi.Delete();
        ADD_FAILURE() << "a delete that removed no row succeeded";
    } catch (const DbError &e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("Nie usunięto: QSO zostało w międzyczasie zmienione lub usunięte."));
    }
    EXPECT_EQ(SelectInteger(other, QStringLiteral("select count(*) from Logi")), 0);
    other.Close();
}

// Another copy's change is never overwritten unseen: while it is being saved
// the save waits; once saved, the user is asked whether to load it or to keep
// their own values, which the next "Zapisz" then writes.
TEST_F(LogFrmTest, ASaveOverAnotherCopysChangeIsRefusedAndTheUserChooses)
{
    const QString inUse = QStringLiteral("Nie zapisano: to QSO jest w tej chwili zmieniane w innej "
                                         "kopii programu. Zapis można ponowić za chwilę.");
    for (const bool loadTheirs : {true, false}) {
        SCOPED_TRACE(loadTheirs ? "Tak: load the other copy's QSO" : "Nie: keep the typed values");
        warnings.clear();
        confirms.clear();
        confirmAnswer = loadTheirs;
        const int id = AddQsos({StoredQso()})[0];
        OtherCopy other(db->Path());
        other.Hold(QStringLiteral("update Logi set Notatki='tam', Imie='Ewa' where LogId=%1").arg(id));
        QString notesAfterRefusal, nameAfterRefusal;
        bool openAfterRefusal = false;
        OpenEdit(id, [&] {
            frm->EdNotatki->setText(QStringLiteral("poprawione"));
            frm->PostBtn->click(); // the other copy is saving right now
            EXPECT_EQ(frm->EdNotatki->text(), QStringLiteral("poprawione"));
            EXPECT_EQ(DM->Logi.State(), DataSetState::Browse);
            other.Commit();
            frm->PostBtn->click(); // the other copy has saved its change
            openAfterRefusal = frm->isVisible();
            notesAfterRefusal = frm->EdNotatki->text();
            nameAfterRefusal = frm->EdImie->text();
            frm->PostBtn->click();
        });
        EXPECT_TRUE(openAfterRefusal);
        EXPECT_EQ(warnings, QStringList{inUse});
        ASSERT_EQ(confirms.size(), 1);
        EXPECT_TRUE(confirms[0].startsWith(QStringLiteral(
            "Nie zapisano: w czasie edycji to QSO zostało zmienione w innej kopii programu.")));
        EXPECT_EQ(notesAfterRefusal, loadTheirs ? QStringLiteral("tam") : QStringLiteral("poprawione"));
        EXPECT_EQ(nameAfterRefusal, loadTheirs ? QStringLiteral("Ewa") : QStringLiteral("Żaneta"));
        // Loaded unchanged, the QSO is not written again; kept, the typed values are.
        EXPECT_EQ(frm->Changed, !loadTheirs);
        EXPECT_EQ(
            SelectStrings(other.Db,
                          QStringLiteral("select Notatki || '/' || Imie from Logi where LogId=%1").arg(id)),
            QStringList{loadTheirs ? QStringLiteral("tam/Ewa") : QStringLiteral("poprawione/Żaneta")});
    }
}

TEST_F(LogFrmTest, ThePrefixesAnotherCopyUpdatedAreUsedForTheCallBeingTyped)
{
    QString before, after;
    OpenNew([&] {
        Type(frm->EdStacja, "DL1A");
        before = frm->dxccLbl->text();
        {
            // The other copy's prefix update: DL now belongs to Poland.
            OtherCopy other(db->Path());
            ExecSql(other.Db,
                    "execute block as begin "
                    "update PrefiksyDX set KrajId=269 where KrajId=230 and Prefix='DL'; "
                    "update or insert into PrefiksyWersja (Id, Wersja) values (1, 7) matching (Id); "
                    "end");
        }
        Type(frm->EdStacja, "A");
        after = frm->dxccLbl->text();
        Leave(frm->EdStacja);
    });
    EXPECT_EQ(before, QStringLiteral("Niemcy"));
    EXPECT_EQ(after, QStringLiteral("Polska"));
    EXPECT_EQ(frm->EdCQ->text(), QStringLiteral("15")); // Poland's zone, not Germany's 14
}

// A corrected call sign brings its own continent and zones when the stored
// ones are just what the old call gives; typed ones stay.
TEST_F(LogFrmTest, ACorrectedCallSignFillsItsZonesUnlessTheStoredOnesWereTyped)
{
    struct Case {
        const char *stored, *kont;
        int itu, cq;
        const char *corrected, *wantKont;
        int wantItu, wantCq;
    };
    for (const Case c : {Case{"OK1ZZY", "EU", 28, 15, "JA1ZZX", "AS", 45, 25},
                         Case{"DL7TYP", "EU", 29, 16, "DL8TYP", "EU", 29, 16}}) {
        SCOPED_TRACE(c.stored);
        QsoRow r = StoredQso();
        r.Stacja = QString::fromLatin1(c.stored);
        r.Kontynent = QString::fromLatin1(c.kont);
        r.Itu = c.itu;
        r.Cq = c.cq;
        const int id = AddQsos({r})[0];
        OpenEdit(id, [&] {
            frm->EdStacja->selectAll();
            TypeAndLeave(frm->EdStacja, QString::fromLatin1(c.corrected));
            frm->PostBtn->click();
        });
        EXPECT_TRUE(frm->Changed) << Warnings().join('|').toStdString();
        TLog saved;
        saved.LogLoad(*DM, id);
        EXPECT_EQ(saved.Stacja, QString::fromLatin1(c.corrected));
        EXPECT_EQ(saved.Kontynent, QString::fromLatin1(c.wantKont));
        EXPECT_EQ(saved.ITU, c.wantItu);
        EXPECT_EQ(saved.CQ, c.wantCq);
    }
}

// Rows as the ADIF import stores them (every text at its column's width, modes
// of five and six characters) or stored earlier (a lower-case call and district,
// codes of blanks only, a date before the date field's first): opened and saved
// without a change, or with only "QSL O" ticked, each keeps every other column.
TEST_F(LogFrmTest, ASavedQsoKeepsEveryValueTheOperatorDidNotChange)
{
    QsoRow wide{.Data = DateTime::fromDate(2024, 3, 5, 12, 34, 56),
                .Band = 5,
                .Stacja = "SP9ABC/QRP/MM1",
                .Emisja = "MSK144",
                .RaportNad = "-15dB/59",
                .RaportOdb = "599 QSB ",
                .Imie = "MĘŻCZYZNA Jóźwi",
                .Miasto = "Konstantynów Łódzki pod Ł",
                .Lokator = "KO02MD",
                .QslWys = "T",
                .Kontynent = "EU",
                .Itu = 28,
                .Cq = 15,
                .Notatki = QString(49, u'x') + u'ś',
                .Domena = "M-KR",
                .Wyspa = "EU-024",
                .Gmina = "146501",
                .Zamek = "MKR001",
                .QslManager = "SP5ABC/"};
    QsoRow odd{.Data = DateTime::fromDate(1700, 1, 1),
               .Stacja = "sp2zaz",
               .Emisja = "PSK31",
               .Kontynent = "  ",
               .Domena = "m-kr",
               .Gmina = "    ",
               .Zamek = "   "};
    QsoRow plain{.Data = DateTime::fromDate(2020, 1, 1, 0, 0, 1), .Stacja = "DL1AA", .Emisja = "OLIVIA"};
    for (QsoRow *r : {&wide, &odd, &plain})
        r->KrajId = DM->KrajIdForCall(r->Stacja);
    const std::vector<int> ids = AddQsos({wide, odd, plain});
    const auto row = [this](int id) {
        return SelectRows(DM->Baza, QStringLiteral("select * from Logi where LogId = %1").arg(id));
    };
    for (int id : ids) {
        const QStringList before = row(id);
        ASSERT_EQ(before.size(), 1);
        SCOPED_TRACE(before[0].toStdString());
        QString shownMode;
        OpenEdit(id, [&] {
            shownMode = frm->EdEmisja->currentText();
            frm->PostBtn->click();
        });
        EXPECT_EQ(shownMode, before[0].section("EMISJA=", 1).section('|', 0, 0));
        EXPECT_EQ(row(id), before);
        OpenEdit(id, [&] {
            frm->EdQSLOdb->setChecked(true);
            frm->PostBtn->click();
        });
        EXPECT_EQ(row(id), QStringList{QString(before[0]).replace("QSL_ODB=N", "QSL_ODB=T")});
        EXPECT_TRUE(Warnings().isEmpty()) << Warnings().join('|').toStdString();
    }

    // A new QSO takes a six-character mode whole, typed or picked from the list.
    OpenNew([&] {
        FillMinimal(QStringLiteral("SP3XYZ"));
        frm->EdEmisja->setCurrentIndex(frm->EdEmisja->findText(QStringLiteral("MSK144")));
        frm->PostBtn->click();
    });
    EXPECT_EQ(SelectStrings(DM->Baza, "select Emisja from Logi where Stacja = 'SP3XYZ'"),
              QStringList{"MSK144"});
}
