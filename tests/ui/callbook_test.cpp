#include "controls/ButtonEdit.h"
#include "controls/DbNavigator.h"
#include "controls/ExDBCtrl.h"
#include "core/CallbookSearch.h"
#include "core/FDM.h"
#include "support/GridTitles.h"
#include "support/LogDb.h"
#include "support/UiFixture.h"
#include "ui/FCallbookSkrFrm.h"
#include "ui/FCallbookTblFrm.h"
#include "ui/FMainForm.h"
#include "ui/FSzukajRozFrm.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

const char *const Stations[] = {
    "('SP9ABC', 'Jan', 'Kowalski', 'Kowalski Jan', 'Kraków', '30-001', 'ul. Długa 1', 'KN09AB', 'M', 'KQ')",
    "('SP9XYZ', 'Anna', 'Nowak', 'Nowak Anna', 'Kielce', '25-001', 'ul. Sienkiewicza 2', 'KO00AA', 'S', "
    "'AB')",
    "('SP1AAA', 'Piotr', 'Wiśniewski', 'Wiśniewski Piotr', 'Szczecin', '70-001', 'pl. Żołnierza 3', 'JO73', "
    "'Z', 'ZY')",
    "('SP5QRN', 'Marek', 'Zieliński', 'Zieliński Marek', 'Warszawa', '00-001', 'ul. Prosta 4', 'KO02', 'R', "
    "'AL')",
};

// The three callbook windows as start-up makes them, over a callbook of four stations.
class CallbookWindows : public UiFixture {
protected:
    void SetUp() override
    {
        UiFixture::SetUp();
        for (const char *row : Stations)
            ExecSql(DM->Baza,
                    QStringLiteral("insert into STACJE (STACJA, IMIE, NAZWISKO, NAZWA, MIASTO, KODPOCZT, "
                                   "ADRES, LOKATOR, WOJEW, POWIAT) values ") +
                        QString::fromUtf8(row));
        tbl = std::make_unique<TCallbookTblFrm>();
        skr = std::make_unique<TCallbookSkrFrm>();
        CallbookTblFrm = tbl.get();
        CallbookSkrFrm = skr.get();
        SzukajRozFrm = new TSzukajRozFrm(tbl.get());
    }
    void TearDown() override
    {
        skr.reset();
        tbl.reset();
        CallbookTblFrm = nullptr;
        CallbookSkrFrm = nullptr;
        SzukajRozFrm = nullptr;
        UiFixture::TearDown();
    }

    // "Kryterium wyszukiwania" with the criteria the steps set in the dialog,
    // then "Szukaj"; the dialog is cancelled when it stays open.
    void Search(const std::function<void(TSzukajRozFrm &)> &steps)
    {
        TSzukajRozFrm &d = *SzukajRozFrm;
        bool ran = false;
        QTimer::singleShot(0, &d, [&] {
            steps(d);
            QTest::mouseClick(d.SzukajBtn, Qt::LeftButton);
            ran = true;
            if (d.isVisible())
                d.reject();
        });
        QTest::mouseClick(tbl->KryteriumBtn, Qt::LeftButton);
        EXPECT_TRUE(ran);
    }
    QStringList Calls() const
    {
        QStringList out;
        const Bookmark at = DM->Callbook.GetBookmark();
        for (DM->Callbook.First(); !DM->Callbook.Eof(); DM->Callbook.Next())
            out << DM->Callbook.FieldByName("STACJA")->AsString();
        DM->Callbook.GotoBookmark(at);
        return out;
    }
    TSortMarker MarkerOf(int column) const
    {
        TSortMarker marker = smNone;
        TGridFont font;
        QColor background;
        tbl->DbGrid->OnGetBtnParams(*tbl->DbGrid, tbl->DbGrid->ColumnField(column), font, background, marker,
                                    false);
        return marker;
    }
    QStringList Details() const
    {
        QStringList out;
        for (int row = 0; row < 6; ++row)
            out << tbl->DetailText(row);
        return out;
    }
    QStringList Entry() const
    {
        QStringList out;
        for (int row = 0; row < 10; ++row)
            out << skr->ValueText(row);
        return out;
    }

    std::unique_ptr<TCallbookTblFrm> tbl;
    std::unique_ptr<TCallbookSkrFrm> skr;
};

}

TEST_F(CallbookWindows, TheSimpleLookupShowsTheEntryOnEnterOrTheButtonAndEnterNeverClosesIt)
{
    skr->show();
    QTest::keyClicks(skr->EdStacja, "sp9abc");
    EXPECT_EQ(skr->EdStacja->text(), "SP9ABC");
    QTest::keyClick(skr->EdStacja, Qt::Key_Return);
    EXPECT_TRUE(skr->isVisible()) << "Enter searches, it does not close the window";
    EXPECT_EQ(Entry(), (QStringList{"SP9ABC", "Jan", "Kowalski", "Kowalski Jan", "KN09AB", "Kraków", "30-001",
                                    "ul. Długa 1", "małopolskie", "kamiennogórski - Kamienna Góra"}));

    skr->EdStacja->setText("SP1AAA");
    QTest::mouseClick(skr->EdStacja->Button(), Qt::LeftButton);
    EXPECT_EQ(Entry()[8], "zachodniopomorskie");
    EXPECT_EQ(Entry()[9], "żarski - Żary");

    skr->EdStacja->setText("   ");
    QTest::keyClick(skr->EdStacja, Qt::Key_Return);
    EXPECT_EQ(Entry()[0], "SP1AAA") << "an empty box keeps the last entry";

    skr->EdStacja->setText("SP0NONE");
    skr->LookupCallbookStation();
    EXPECT_EQ(Entry(), QStringList(10, QString()));
    EXPECT_TRUE(skr->EdStacja->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(skr->EdStacja->maxLength(), 10);
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(CallbookWindows, ACompoundSearchFillsTheGridDetailsCountAndSortMarker)
{
    EXPECT_EQ(tbl->StatusText(), "");
    EXPECT_EQ(MarkerOf(0), smNone) << "no marker before the first search";
    EXPECT_FALSE(tbl->DodajBtn->isVisibleTo(tbl.get()));
    // Before the first search the grid shows its column titles, as after it.
    tbl->show();
    TExDBGrid &grid = *tbl->DbGrid;
    std::vector<QImage> titles;
    for (int column = 0; column < 6; ++column) {
        EXPECT_GE(grid.ModelColumnOf(column), 0) << column;
        titles.push_back(TitlePicture(grid, column));
    }

    Search([](TSzukajRozFrm &d) {
        d.EdNazwiskoPar->setCurrentIndex(soContains);
        QTest::keyClicks(d.EdNazwisko, "ski");
        d.EdKolej->setCurrentIndex(4); // Miejscowość
    });
    EXPECT_EQ(SzukajRozFrm->CountSql, "Select Count(*) As Licznik From Stacje Where (Nazwisko Like '%ski%')");
    EXPECT_EQ(tbl->StatusText(), " Liczba stacji: 3");
    EXPECT_EQ(Calls(), (QStringList{"SP9ABC", "SP1AAA", "SP5QRN"}));
    EXPECT_EQ(tbl->SortIndex(), 4);
    EXPECT_EQ(MarkerOf(2), smUp) << "the town column";
    EXPECT_EQ(MarkerOf(0), smNone);
    for (int column : {0, 1, 3, 4, 5})
        EXPECT_EQ(TitlePicture(grid, column), titles[size_t(column)]) << column;
    EXPECT_EQ(Details(), (QStringList{"SP9ABC  Kowalski Jan", "Kraków", "ul. Długa 1", "KN09AB",
                                      "małopolskie", "kamiennogórski - Kamienna Góra"}));

    QTest::mouseClick(tbl->Navigator->ButtonAt(TDBNavigator::nbLast), Qt::LeftButton);
    EXPECT_EQ(Details()[0], "SP5QRN  Zieliński Marek");
    EXPECT_EQ(Details()[4], "mazowieckie");
    EXPECT_FALSE(tbl->Navigator->ButtonAt(TDBNavigator::nbNext)->isEnabled());
    EXPECT_TRUE(tbl->Navigator->ButtonAt(TDBNavigator::nbFirst)->isEnabled());

    // Two criteria, voivodeship from its list; by surname, which the grid does not show.
    Search([](TSzukajRozFrm &d) {
        d.ClearSearchCriteria();
        EXPECT_EQ(d.EdKolej->currentIndex(), 4) << "clearing keeps the order";
        EXPECT_EQ(d.EdNazwisko->text(), "");
        d.EdStacjaPar->setCurrentIndex(soStartsWith);
        d.EdStacja->setText("SP9");
        d.EdWojew->setCurrentIndex(d.EdWojew->findText("S - świętokrzyskie"));
        d.EdKolej->setCurrentIndex(1);
    });
    EXPECT_EQ(tbl->StatusText(), " Liczba stacji: 1");
    EXPECT_EQ(Calls(), QStringList{"SP9XYZ"});
    EXPECT_EQ(tbl->SortIndex(), 2);
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(MarkerOf(column), smNone) << column;

    // By district, nothing found: an empty grid and panel, and a count of 0.
    Search([](TSzukajRozFrm &d) {
        d.ClearSearchCriteria();
        d.EdPowiat->setCurrentIndex(d.EdPowiat->findText("ZY - żarski - Żary"));
        d.EdImiePar->setCurrentIndex(soEquals);
        d.EdImie->setText("Jan");
        d.EdKolej->setCurrentIndex(7);
    });
    EXPECT_EQ(tbl->StatusText(), " Liczba stacji: 0");
    EXPECT_EQ(Details(), QStringList(6, QString()));
    EXPECT_EQ(MarkerOf(5), smUp);
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(CallbookWindows, NoCriterionWarnsAndKeepsTheDialogAndAFailedSearchKeepsThePreviousResult)
{
    Search([](TSzukajRozFrm &d) {
        d.EdStacjaPar->setCurrentIndex(soEquals);
        d.EdStacja->setText("SP5QRN");
    });
    ASSERT_EQ(tbl->StatusText(), " Liczba stacji: 1");

    bool stayed = false;
    Search([&](TSzukajRozFrm &d) {
        d.ClearSearchCriteria();
        d.EdNazwisko->setText("ski"); // a value without an operator is no criterion
        d.EdKolej->setCurrentIndex(2);
        QTimer::singleShot(0, &d, [&] { stayed = d.isVisible(); });
    });
    QTest::qWait(10);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].text, "Należy podać kryterium wyszukiwania!");
    EXPECT_EQ(Boxes[0].caption, "Uwaga");
    EXPECT_EQ(tbl->SortIndex(), 0) << "a search that did not run keeps the sort column";
    EXPECT_EQ(Calls(), QStringList{"SP5QRN"});

    // A statement longer than the database takes fails with the database layer's message.
    Search([](TSzukajRozFrm &d) {
        d.ClearSearchCriteria();
        for (TButtonEdit *box : {d.EdNazwisko, d.EdImie, d.EdNazwa})
            box->setText(QString(30000, u'x'));
        for (QComboBox *op : {d.EdNazwiskoPar, d.EdImiePar, d.EdNazwaPar})
            op->setCurrentIndex(soContains);
        d.EdKolej->setCurrentIndex(4);
    });
    ASSERT_EQ(Boxes.size(), 2u);
    EXPECT_TRUE(Boxes[1].text.startsWith("Polecenie dla bazy danych jest za długie"))
        << Boxes[1].text.toStdString();
    EXPECT_EQ(tbl->StatusText(), " Liczba stacji: 1");
    EXPECT_EQ(Calls(), QStringList{"SP5QRN"});
    EXPECT_EQ(Details()[1], "Warszawa");
    EXPECT_EQ(tbl->SortIndex(), 0) << "the marker stays with the result shown";
    EXPECT_EQ(MarkerOf(0), smUp);
    for (QWidget *w :
         std::initializer_list<QWidget *>{tbl->KryteriumBtn, tbl->ZamknijBtn, tbl->DbGrid, tbl->Navigator})
        EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Pictures of the three windows to the PNG named by QUARN_SCREENSHOT, with
// "-proste" and "-kryterium" for the simple lookup and the criteria dialog.
TEST_F(CallbookWindows, Screenshot)
{
    const QString path = qEnvironmentVariable("QUARN_SCREENSHOT");
    if (path.isEmpty())
        GTEST_SKIP() << "set QUARN_SCREENSHOT to a PNG path";
    const QFileInfo info(path);
    const QString base = info.path() + '/' + info.completeBaseName();
    QString criteriaShot;
    Search([&](TSzukajRozFrm &d) {
        d.EdStacjaPar->setCurrentIndex(soStartsWith);
        d.EdStacja->setText("SP");
        d.EdNazwiskoPar->setCurrentIndex(soContains);
        d.EdNazwisko->setText("ski");
        d.EdKolej->setCurrentIndex(4);
        QTest::qWait(100);
        EXPECT_TRUE(d.grab().save(base + "-kryterium.png"));
    });
    tbl->show();
    DM->Callbook.Next();
    QTest::qWait(200);
    EXPECT_TRUE(tbl->grab().save(path));
    skr->show();
    skr->EdStacja->setText("SP9ABC");
    skr->LookupCallbookStation();
    QTest::qWait(200);
    EXPECT_TRUE(skr->grab().save(base + "-proste.png"));
}
