#include "logfrm_fixture.h"

#include "controls/DateTimeEdit.h"
#include "core/Log.h"
#include "core/Settings.h"
#include "platform/Messages.h"
#include "support/DateFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <set>

namespace {

DateTime FixedLocal()
{
    return DateTime::fromDate(2024, 3, 9, 14, 30, 15);
}

// Every LOGID in the log, in LogId order.
std::vector<int> LogIds()
{
    DM->ReopenLogiOrdered(0, 0);
    std::vector<int> ids;
    for (DM->Logi.First(); !DM->Logi.Eof(); DM->Logi.Next())
        ids.push_back(DM->Logi.FieldByName("LOGID")->AsInteger());
    return ids;
}

}

TEST_F(LogFrmTest, ThreeQsosInOneSessionAreThreeRowsAndTheDialogStaysOpen)
{
    DM->ReopenLogiOrdered(0, 0);
    bool openAfterEach = true;
    QString caption;
    OpenNew([&] {
        caption = frm->windowTitle();
        for (const char *call : {"SP5ABC", "DL1AA", "OK2PBQ"}) {
            FillMinimal(QString::fromLatin1(call));
            frm->PostBtn->click();
            openAfterEach = openAfterEach && frm->isVisible() && frm->EdStacja->text().isEmpty();
        }
    });
    EXPECT_EQ(caption, QStringLiteral("Wprowadzenie nowej łączności"));
    EXPECT_TRUE(openAfterEach);
    EXPECT_TRUE(frm->SavedAny);
    EXPECT_TRUE(Warnings().isEmpty()) << Warnings().join('|').toStdString();
    const std::vector<int> ids = LogIds();
    ASSERT_EQ(ids.size(), 3u);
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), 3u);

    TLog saved;
    saved.LogLoad(*DM, ids[1]);
    EXPECT_EQ(saved.Stacja, QStringLiteral("DL1AA"));
    EXPECT_EQ(saved.Pasmo.BandName(), QStringLiteral("20 m"));
    EXPECT_EQ(saved.RaportNad, QStringLiteral("59"));
    EXPECT_EQ(saved.RaportOdb, QStringLiteral("57"));
}

TEST_F(LogFrmTest, CancellingWithoutSavingLeavesSavedAnyFalse)
{
    EXPECT_EQ(OpenNew([] {}), int(mrCancel));
    EXPECT_EQ(DateFields(*frm), QStringList({"EdData: TDateTimeEdit", "EdGodz: TDateTimeEdit"}));
    EXPECT_FALSE(frm->SavedAny);
    EXPECT_EQ(DM->QsoCount(), 0);
}

TEST_F(LogFrmTest, LocksKeepBandModeAndDateForTheNextQso)
{
    SetLocalClock(&FixedLocal);
    const DateTime utc = UtcNow();
    QWidget *focusAfterSave = nullptr;
    int band = -1;
    QString mode, firstDate;
    OpenNew([&] {
        frm->PasmoLock->setChecked(true);
        frm->EmisjaLock->setChecked(true);
        FillMinimal("SP5ABC");
        frm->EdPasmo->setCurrentIndex(3);
        frm->EdEmisja->setEditText("RTTY");
        frm->EdData->setDate(QDate(2020, 1, 2));
        frm->PostBtn->click();
        band = frm->EdPasmo->currentIndex();
        mode = frm->EdEmisja->currentText();
        focusAfterSave = frm->focusWidget();
        firstDate = frm->EdData->date().toString(Qt::ISODate);

        frm->DataLock->setChecked(true);
        FillMinimal("DL1AA");
        frm->EdData->setDate(QDate(2020, 1, 2));
        frm->PostBtn->click();
    });
    SetLocalClock(nullptr);
    EXPECT_EQ(band, 3);
    EXPECT_EQ(mode, QStringLiteral("RTTY"));
    EXPECT_EQ(focusAfterSave, frm->EdStacja);
    EXPECT_EQ(firstDate, utc.date().toString(Qt::ISODate));
    // With the date locked the typed date stays; the locks survive the session.
    EXPECT_EQ(frm->EdData->date(), QDate(2020, 1, 2));
    EXPECT_TRUE(frm->PasmoLock->isChecked());

    int bandOnReopen = -1;
    QWidget *firstFocus = nullptr;
    OpenNew([&] {
        bandOnReopen = frm->EdPasmo->currentIndex();
        firstFocus = frm->focusWidget();
    });
    EXPECT_EQ(bandOnReopen, 5);
    EXPECT_EQ(firstFocus, frm->EdStacja);
}

TEST_F(LogFrmTest, WithoutLocksTheFormIsClearedAndTheBandTakesTheFocus)
{
    int band = -1;
    QString mode;
    QWidget *focus = nullptr;
    OpenNew([&] {
        FillMinimal("SP5ABC");
        frm->EdEmisja->setEditText("SSB");
        frm->EdImie->setText(QStringLiteral("Józef"));
        frm->EdQSLWys->setChecked(true);
        frm->PostBtn->click();
        band = frm->EdPasmo->currentIndex();
        mode = frm->EdEmisja->currentText();
        focus = frm->focusWidget();
    });
    EXPECT_EQ(band, 0);
    EXPECT_TRUE(mode.isEmpty());
    EXPECT_EQ(focus, frm->EdPasmo);
    EXPECT_TRUE(frm->EdImie->text().isEmpty());
    EXPECT_FALSE(frm->EdQSLWys->isChecked());
}

struct SaveCheck {
    const char *name;
    std::function<void(TLogFrm &)> spoil;
    const char *warning;
    std::function<QWidget *(TLogFrm &)> field;
};

TEST_F(LogFrmTest, SaveChecksRunInOrderAndFocusTheField)
{
    const std::vector<SaveCheck> checks = {
        {"no call", [](TLogFrm &f) { f.EdStacja->setText("  "); }, "Stacja wołana nie podana.",
         [](TLogFrm &f) -> QWidget * { return f.EdStacja; }},
        {"no report sent", [](TLogFrm &f) { f.EdRaportNad->setText(" "); }, "Raport nadany nie podany.",
         [](TLogFrm &f) -> QWidget * { return f.EdRaportNad; }},
        {"short report sent", [](TLogFrm &f) { f.EdRaportNad->setText("5"); }, "Błędny raport nadany.",
         [](TLogFrm &f) -> QWidget * { return f.EdRaportNad; }},
        {"short report received", [](TLogFrm &f) { f.EdRaportOdb->setText("5"); }, "Błędny raport odebrany.",
         [](TLogFrm &f) -> QWidget * { return f.EdRaportOdb; }},
        {"bad locator", [](TLogFrm &f) { f.EdLokator->setText("ZZ99"); }, "Błędny lokator.",
         [](TLogFrm &f) -> QWidget * { return f.EdLokator; }},
        {"bad IOTA", [](TLogFrm &f) { f.EdWyspa->setText("EU1"); }, "Błędny symbol IOTA.",
         [](TLogFrm &f) -> QWidget * { return f.EdWyspa; }},
    };
    for (size_t i = 0; i < checks.size(); ++i) {
        warnings.clear();
        QWidget *focus = nullptr;
        OpenNew([&] {
            FillMinimal("SP5ABC");
            // Every later fault is present too (applied first, so that this
            // one wins a shared field): only this one is reported.
            for (size_t j = checks.size(); j-- > i;)
                checks[j].spoil(*frm);
            frm->PostBtn->click();
            focus = frm->focusWidget();
        });
        SCOPED_TRACE(checks[i].name);
        EXPECT_EQ(Warnings(), QStringList{QString::fromUtf8(checks[i].warning)});
        EXPECT_EQ(focus, checks[i].field(*frm));
        EXPECT_EQ(DM->QsoCount(), 0);
    }
}

TEST_F(LogFrmTest, EmptyReportReceivedIsAccepted)
{
    OpenNew([&] {
        FillMinimal("SP5ABC");
        frm->EdRaportOdb->clear();
        frm->PostBtn->click();
    });
    EXPECT_TRUE(Warnings().isEmpty());
    EXPECT_EQ(DM->QsoCount(), 1);
}

TEST_F(LogFrmTest, CastleOfAnotherDistrictWarnsButSaves)
{
    OpenNew([&] {
        FillMinimal("SP5ABC");
        frm->EdDomena->setText("S-KI");
        frm->EdZamek->setText("PKI01");
        frm->PostBtn->click();
        FillMinimal("SP5ABD");
        frm->EdDomena->setText("S-KI");
        frm->EdZamek->setText("SKI01");
        frm->PostBtn->click();
        FillMinimal("SP5ABE");
        frm->EdZamek->setText("PKI01");
        frm->PostBtn->click();
    });
    EXPECT_EQ(Warnings(), QStringList{QStringLiteral("Niezgodność SPPA - Symbol zamku.")});
    EXPECT_EQ(DM->QsoCount(), 3);
}

TEST_F(LogFrmTest, AFailedSaveKeepsTheInputAndTheLogUnchanged)
{
    Exec("CREATE EXCEPTION E_NO_QSO 'Zapis zablokowany'");
    Exec("CREATE TRIGGER LOGI_NO_INSERT FOR LOGI BEFORE INSERT AS BEGIN EXCEPTION E_NO_QSO; END");
    DM->ReopenLogiOrdered(0, 0);
    QString call;
    bool open = false;
    OpenNew([&] {
        FillMinimal("SP5ABC");
        frm->EdImie->setText(QStringLiteral("Łucja"));
        frm->PostBtn->click();
        open = frm->isVisible();
        call = frm->EdStacja->text();
    });
    ASSERT_EQ(Warnings().size(), 1);
    EXPECT_TRUE(Warnings().first().contains("Zapis zablokowany")) << Warnings().first().toStdString();
    EXPECT_TRUE(open);
    EXPECT_EQ(call, QStringLiteral("SP5ABC"));
    EXPECT_EQ(frm->EdImie->text(), QStringLiteral("Łucja"));
    EXPECT_FALSE(frm->SavedAny);
    EXPECT_EQ(DM->Logi.State(), DataSetState::Browse);
    EXPECT_EQ(DM->QsoCount(), 0);
}
