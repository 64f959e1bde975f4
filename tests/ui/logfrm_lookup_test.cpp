#include "logfrm_fixture.h"

#include "controls/NumberEdit.h"
#include "core/Geography.h"
#include "core/Log.h"
#include "support/CountryZones.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <functional>

namespace {

void SaveEarlierQso(const QString &call)
{
    DM->ReopenLogiOrdered(0, 0);
    TLog log;
    log.Data = DateTime::fromDate(2022, 1, 2, 3, 4, 5);
    log.Pasmo.ParseBand("80 m");
    log.LogSetStacja(call);
    log.RaportNad = "59";
    log.Imie = QStringLiteral("Józef");
    log.Miasto = QStringLiteral("Kraków");
    log.Domena = QStringLiteral("K-KR");
    log.LogSetLokator("KN09AB");
    log.QslManager = QStringLiteral("SP9ZZZ");
    log.LogSave(*DM);
}

}

TEST_F(LogFrmTest, LeavingTheCallFillsFromAnEarlierQsoBeforeTheCallbook)
{
    SaveEarlierQso("SP9ABC");
    Exec("INSERT INTO STACJE (Stacja, Imie, Miasto, Lokator, Wojew, Powiat) "
         "VALUES ('SP9ABC', 'Inny', 'Tarnów', 'KN09CC', 'K', 'TA')");
    OpenNew([&] { TypeAndLeave(frm->EdStacja, "sp9abc"); });
    EXPECT_EQ(frm->EdStacja->text(), QStringLiteral("SP9ABC"));
    EXPECT_EQ(frm->EdImie->text(), QStringLiteral("Józef"));
    EXPECT_EQ(frm->EdMiasto->text(), QStringLiteral("Kraków"));
    EXPECT_EQ(frm->EdDomena->text(), QStringLiteral("K-KR"));
    EXPECT_EQ(frm->EdLokator->text(), QStringLiteral("KN09AB"));
    EXPECT_EQ(frm->EdManager->text(), QStringLiteral("SP9ZZZ"));
    // The zones come from the DXCC rules for the call.
    EXPECT_EQ(frm->EdKont->currentIndex(), ContinentIndex("EU"));
    EXPECT_EQ(frm->EdITU->text(), QStringLiteral("28"));
    EXPECT_EQ(frm->EdCQ->text(), QStringLiteral("15"));
    EXPECT_FALSE(frm->dxccLbl->text().isEmpty());
    EXPECT_TRUE(frm->QsoLbl->text().endsWith(QStringLiteral(" Pasmo: 80 m")))
        << frm->QsoLbl->text().toStdString();
}

TEST_F(LogFrmTest, AStationNeverWorkedIsFilledFromTheCallbook)
{
    Exec("INSERT INTO STACJE (Stacja, Imie, Miasto, Lokator, Wojew, Powiat) "
         "VALUES ('SP2XYZ', 'Łucja', 'Gdańsk', 'JO94HI', 'G', 'GD')");
    OpenNew([&] { TypeAndLeave(frm->EdStacja, "SP2XYZ"); });
    EXPECT_EQ(frm->EdImie->text(), QStringLiteral("Łucja"));
    EXPECT_EQ(frm->EdMiasto->text(), QStringLiteral("Gdańsk"));
    EXPECT_EQ(frm->EdDomena->text(), QStringLiteral("G-GD"));
    EXPECT_EQ(frm->EdLokator->text(), QStringLiteral("JO94HI"));
    EXPECT_TRUE(frm->EdManager->text().isEmpty());
}

TEST_F(LogFrmTest, ATypedNamePreventsBothLookupsButNotTheZones)
{
    SaveEarlierQso("SP9ABC");
    OpenNew([&] {
        frm->EdImie->setText(QStringLiteral("Adam"));
        TypeAndLeave(frm->EdStacja, "SP9ABC");
    });
    EXPECT_EQ(frm->EdImie->text(), QStringLiteral("Adam"));
    EXPECT_TRUE(frm->EdMiasto->text().isEmpty());
    EXPECT_TRUE(frm->EdManager->text().isEmpty());
    EXPECT_EQ(frm->EdKont->currentIndex(), ContinentIndex("EU"));
    EXPECT_EQ(frm->EdITU->text(), QStringLiteral("28"));
}

TEST_F(LogFrmTest, ATypedManagerSkipsTheLogButNotTheCallbook)
{
    SaveEarlierQso("SP9ABC");
    Exec("INSERT INTO STACJE (Stacja, Imie, Miasto, Lokator, Wojew, Powiat) "
         "VALUES ('SP9ABC', 'Inny', 'Tarnów', 'KN09CC', 'K', 'TA')");
    OpenNew([&] {
        frm->EdManager->setText("SP9MGR");
        TypeAndLeave(frm->EdStacja, "SP9ABC");
    });
    EXPECT_EQ(frm->EdImie->text(), QStringLiteral("Inny"));
    EXPECT_EQ(frm->EdDomena->text(), QStringLiteral("K-TA"));
    EXPECT_EQ(frm->EdManager->text(), QStringLiteral("SP9MGR"));
}

TEST_F(LogFrmTest, ATypedZoneKeepsTheZoneFillAwayButWyznaczOverwrites)
{
    QString itu, cq;
    OpenNew([&] {
        frm->EdCQ->setText("3");
        TypeAndLeave(frm->EdStacja, "SP5ABC");
        itu = frm->EdITU->text();
        frm->WyznaczBtn->click();
        cq = frm->EdCQ->text();
        frm->EdStacja->setText("Q0Q0");
        frm->WyznaczBtn->click();
    });
    EXPECT_TRUE(itu.isEmpty());
    EXPECT_EQ(cq, QStringLiteral("15"));
    EXPECT_EQ(frm->EdKont->currentIndex(), 0);
    EXPECT_TRUE(frm->EdITU->text().isEmpty());
    EXPECT_TRUE(frm->EdCQ->text().isEmpty());
}

// Leaving the call and "Wyznacz" take the continent from the country table
// where the built-in one has none.
TEST_F(LogFrmTest, CountriesWithoutABuiltInContinentGetTheCountryTables)
{
    QStringList left, computed, expected;
    auto shown = [&](const QString &call) {
        return QStringLiteral("%1 %2 %3 %4")
            .arg(call)
            .arg(frm->EdKont->currentIndex())
            .arg(frm->EdITU->text(), frm->EdCQ->text());
    };
    OpenNew([&] {
        for (const CountryZoneSample &c : ContinentFromCountryTable) {
            frm->EdStacja->clear();
            TypeAndLeave(frm->EdStacja, c.Call);
            left << shown(c.Call);
            frm->EdKont->setCurrentIndex(0);
            frm->WyznaczBtn->click();
            computed << shown(c.Call);
        }
    });
    for (const CountryZoneSample &c : ContinentFromCountryTable)
        expected << QStringLiteral("%1 %2 %3 %4")
                        .arg(c.Call)
                        .arg(ContinentIndex(c.Kontynent))
                        .arg(c.Itu)
                        .arg(c.Cq);
    EXPECT_EQ(left, expected);
    EXPECT_EQ(computed, expected);
}

// Zones filled from a mistyped call follow the corrected call; zones the user
// typed, or a QSO loaded for editing, keep theirs.
TEST_F(LogFrmTest, FilledZonesFollowACorrectedCallButTypedOnesStay)
{
    struct Shown {
        int kont;
        QString itu, cq;
    };
    auto shown = [&] { return Shown{frm->EdKont->currentIndex(), frm->EdITU->text(), frm->EdCQ->text()}; };
    auto retype = [&](const QString &call) {
        frm->EdStacja->clear();
        TypeAndLeave(frm->EdStacja, call);
    };
    Shown mistyped, corrected, noCountry, typed;
    DM->ReopenLogiOrdered(0, 0);
    OpenNew([&] {
        FillMinimal(QString());
        retype("SSB");
        mistyped = shown();
        retype("SQ5PBU");
        corrected = shown();
        frm->PostBtn->click();
        retype("SSB");
        retype("Q0Q0");
        noCountry = shown();
        retype("SSB");
        frm->EdITU->setText("29");
        retype("SQ5PBU");
        typed = shown();
    });
    EXPECT_EQ(mistyped.kont, ContinentIndex("AF"));
    EXPECT_EQ(mistyped.itu, QStringLiteral("48"));
    EXPECT_EQ(corrected.kont, ContinentIndex("EU"));
    EXPECT_EQ(corrected.itu, QStringLiteral("28"));
    EXPECT_EQ(corrected.cq, QStringLiteral("15"));
    EXPECT_EQ(noCountry.kont, 0);
    EXPECT_TRUE(noCountry.itu.isEmpty() && noCountry.cq.isEmpty());
    EXPECT_EQ(typed.kont, ContinentIndex("AF"));
    EXPECT_EQ(typed.itu, QStringLiteral("29"));
    EXPECT_EQ(typed.cq, QStringLiteral("34"));

    // The QSO went in with the corrected call's continent; loaded for editing,
    // its zones are still what its call gives, so they follow a new call.
    EXPECT_EQ(SelectStrings(DM->Baza, "SELECT KONTYNENT FROM LOGI"), QStringList{"EU"});
    OpenEdit(SelectInteger(DM->Baza, "SELECT LOGID FROM LOGI"), [&] {
        retype("SSB");
        typed = shown();
    });
    EXPECT_EQ(typed.kont, ContinentIndex("AF"));
    EXPECT_EQ(typed.itu, QStringLiteral("48"));
}

TEST_F(LogFrmTest, DefaultReportsFollowTheMode)
{
    struct Case {
        const char *mode, *sent, *received, *wantSent, *wantReceived;
    };
    const Case cases[] = {{"rtty", "59", "", "599", "599"},
                          {"RTTY", "57", "", "57", "599"},
                          {"AM", "599", "599", "59", "59"},
                          {"FM", "", "579", "59", "579"},
                          {"JT65", "", "59", "", "59"}};
    OpenNew([&] {
        for (const Case &c : cases) {
            frm->EdRaportNad->setText(c.sent);
            frm->EdRaportOdb->setText(c.received);
            frm->EdEmisja->setEditText(QString());
            TypeAndLeave(frm->EdEmisja, c.mode);
            SCOPED_TRACE(c.mode);
            EXPECT_EQ(frm->EdRaportNad->text(), QString::fromLatin1(c.wantSent));
            EXPECT_EQ(frm->EdRaportOdb->text(), QString::fromLatin1(c.wantReceived));
        }
    });
}

TEST_F(LogFrmTest, DistanceNeedsASixCharacterOwnLocator)
{
    Exec("UPDATE STALE SET LOKATOR='KO02MF'");
    QString distance, noBearing;
    OpenNew([&] {
        frm->EdLokator->setText("JO91QR");
        distance = frm->OdlegloscLbl->text();
        frm->EdLokator->setText("KO02MF");
        noBearing = frm->OdlegloscLbl->text();
    });
    EXPECT_TRUE(distance.contains(QRegularExpression("^\\d+ km  \\[ \\d+° \\d+' \\d+\" \\]$")))
        << distance.toStdString();
    EXPECT_EQ(noBearing, QStringLiteral("0 km"));

    Exec("UPDATE STALE SET LOKATOR='KO02'");
    OpenNew([&] {
        frm->EdLokator->setText("JO91QR");
        distance = frm->OdlegloscLbl->text();
    });
    EXPECT_TRUE(distance.isEmpty());
}

TEST_F(LogFrmTest, IslandAndDistrictNamesAreShown)
{
    const QString island = DM->IslandNameForIota("EU-024");
    QString shownIsland, sppa, hint;
    OpenNew([&] {
        frm->EdWyspa->setText("eu-024");
        shownIsland = frm->IotaLbl->text();
        frm->EdDomena->setText("F-GD");
        sppa = frm->SppaLbl->text();
        hint = frm->SppaLbl->toolTip();
        frm->EdDomena->setText("X");
    });
    EXPECT_FALSE(island.isEmpty());
    EXPECT_EQ(shownIsland, island);
    EXPECT_EQ(sppa, QStringLiteral("[") + VoivodeshipNameForCode("F") + QStringLiteral("] ") +
                        QStringLiteral("gdański - Gdańsk [grodzki]"));
    EXPECT_EQ(hint, sppa);
    EXPECT_TRUE(frm->SppaLbl->text().isEmpty());
    EXPECT_TRUE(frm->SppaLbl->toolTip().isEmpty());
}

TEST_F(LogFrmTest, TypingACallShowsItsCountryAndTheLastQso)
{
    SaveEarlierQso("DL1AA");
    QString country, last, none;
    OpenNew([&] {
        Type(frm->EdStacja, "DL1AA");
        country = frm->dxccLbl->text();
        last = frm->QsoLbl->text();
        Type(frm->EdStacja, "X");
        none = frm->QsoLbl->text();
    });
    EXPECT_EQ(country, DM->CountryNameForCall("DL1AA"));
    EXPECT_FALSE(country.isEmpty());
    EXPECT_FALSE(last.isEmpty());
    EXPECT_TRUE(none.isEmpty());
}

TEST_F(LogFrmTest, AQsoSavedInTheSessionFeedsTheNextFillIn)
{
    DM->ReopenLogiOrdered(0, 0);
    OpenNew([&] {
        FillMinimal("SP3KEP");
        frm->EdImie->setText(QStringLiteral("Zbigniew"));
        frm->EdMiasto->setText(QStringLiteral("Poznań"));
        frm->PostBtn->click();
        TypeAndLeave(frm->EdStacja, "SP3KEP");
    });
    EXPECT_EQ(frm->EdImie->text(), QStringLiteral("Zbigniew"));
    EXPECT_EQ(frm->EdMiasto->text(), QStringLiteral("Poznań"));
}

// However "Zapisz" is pressed, what leaving the field with the cursor does
// comes first: the call sign's fill-in and zones, the mode's reports.
TEST_F(LogFrmTest, EveryWayOfSavingFromAFieldSavesWhatLeavingItFills)
{
    SaveEarlierQso("SP9ABC");
    struct Way {
        const char *name;
        bool fromMode; // the cursor in the mode field (the call left), the reports empty
        std::function<void(TLogFrm &)> press;
    };
    const auto altZ = [](TLogFrm &f) {
        QTest::keyClick(&f, Qt::Key_Z, Qt::AltModifier);
        for (int i = 0; i < 50 && f.EdStacja->text().size(); ++i) // the button's click is animated
            QTest::qWait(20);
    };
    const Way ways[] = {
        {"Enter", false, [](TLogFrm &f) { QTest::keyClick(f.EdStacja, Qt::Key_Return); }},
        {"Alt+Z", false, altZ},
        {"Tab, then a click", false,
         [](TLogFrm &f) {
             QTest::keyClick(f.EdStacja, Qt::Key_Tab);
             QTest::mouseClick(f.PostBtn, Qt::LeftButton);
         }},
        {"Enter in the mode field", true, [](TLogFrm &f) { QTest::keyClick(f.EdEmisja, Qt::Key_Return); }},
        {"Alt+Z in the mode field", true, altZ},
    };
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        const int before = DM->QsoCount();
        OpenNew([&] {
            frm->EdPasmo->setCurrentIndex(5);
            frm->EdEmisja->setEditText(QStringLiteral("SSB"));
            Type(frm->EdStacja, "SP9ABC");
            if (way.fromMode)
                frm->EdEmisja->setFocus(Qt::OtherFocusReason);
            else
                frm->EdRaportNad->setText(QStringLiteral("57"));
            way.press(*frm);
        });
        ASSERT_EQ(DM->QsoCount(), before + 1) << Warnings().join('|').toStdString();
        DM->ReopenLogiOrdered(0, 0);
        DM->Logi.Last();
        TLog saved;
        saved.LogLoad(*DM, DM->CurrentLogId());
        EXPECT_EQ(saved.Kontynent, QStringLiteral("EU"));
        EXPECT_EQ(saved.ITU, 28);
        EXPECT_EQ(saved.CQ, 15);
        EXPECT_EQ(saved.Imie, QStringLiteral("Józef"));
        EXPECT_EQ(saved.RaportNad, way.fromMode ? QStringLiteral("59") : QStringLiteral("57"));
    }
}

// A click into the middle of an empty masked field types from its start.
TEST_F(LogFrmTest, AClickIntoAnEmptyMaskedFieldTypesFromItsStart)
{
    struct Case {
        QLineEdit *TLogFrm::*field;
        const char *typed, *shown;
    };
    const Case cases[] = {{&TLogFrm::EdLokator, "ko02md", "KO02MD"},
                          {&TLogFrm::EdWyspa, "eu024", "EU-024"},
                          {&TLogFrm::EdGmina, "ab12", "AB12"},
                          {&TLogFrm::EdZamek, "abc12", "ABC12"}};
    std::vector<QString> shown;
    OpenNew([&] {
        for (const Case &c : cases) {
            QLineEdit *e = (*frm).*c.field;
            QTest::mouseClick(e, Qt::LeftButton, {}, QPoint(e->width() * 2 / 3, e->height() / 2));
            QTest::keyClicks(e, QString::fromLatin1(c.typed));
            shown.push_back(e->text());
        }
    });
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(shown[i], QString::fromLatin1(cases[i].shown));
}
