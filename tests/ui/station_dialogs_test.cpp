#include "core/FDM.h"
#include "core/OwnCallSign.h"
#include "core/Settings.h"
#include "platform/Registry.h"
#include "support/LogDb.h"
#include "support/UiFixture.h"
#include "ui/FMainForm.h"
#include "ui/FUzytkownikFrm.h"
#include "ui/FZnakStacjiFrm.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

class StationDialogs : public UiFixture {
protected:
    void Stale(const QString &set) { ExecSql(DM->Baza, QStringLiteral("update STALE set ") + set); }
    QStringList Row()
    {
        return SelectStrings(DM->Baza,
                             "select '[' || coalesce(IMIE, '') || '|' || coalesce(MIASTO, '') || '|' || "
                             "coalesce(WOJEW, '') || '|' || coalesce(POWIAT, '') || '|' || "
                             "coalesce(LOKATOR, '') || ']' from STALE");
    }
    static void Type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        edit->home(false);
        for (QChar c : text) {
            // QTest knows the keys of ASCII characters only.
            if (c.unicode() < 0x80)
                QTest::keyClick(edit, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    // Runs `work` on the call-sign dialog once it is shown modally.
    static void OnCallSignDialog(std::function<void(TZnakStacjiFrm &)> work)
    {
        QTimer::singleShot(0, [work] {
            auto *frm = qobject_cast<TZnakStacjiFrm *>(QApplication::activeModalWidget());
            ASSERT_TRUE(frm);
            work(*frm);
            if (frm->isVisible())
                frm->reject();
        });
    }
    QStringList Warnings() const
    {
        QStringList out;
        for (const ShownBox &b : Boxes)
            if (!b.confirm)
                out << b.text;
        return out;
    }
};

}

TEST_F(StationDialogs, TheStationDataAreShownEditedAndSaved)
{
    Stale("IMIE='Józef', MIASTO='Kraków', WOJEW='M', POWIAT='KR', LOKATOR='KN09'");
    OwnCallSign = QStringLiteral("SP9QRN");
    TUzytkownikFrm frm(*DM, &Main());
    frm.FillStationData();
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Dane stacji"));
    EXPECT_EQ(frm.ZnakLbl->text(), QStringLiteral("SP9QRN"));
    EXPECT_EQ(frm.EdImie->text(), QStringLiteral("Józef"));
    EXPECT_EQ(frm.EdMiasto->text(), QStringLiteral("Kraków"));
    EXPECT_EQ(frm.EdDomena->displayText(), QStringLiteral("M-KR"));
    EXPECT_EQ(frm.EdLokator->displayText(), QStringLiteral("KN09__"));

    // A 4-character locator is valid; the masks take upper case.
    Type(frm.EdMiasto, QStringLiteral("Częstochowa"));
    Type(frm.EdDomena, QStringLiteral("gcz"));
    Type(frm.EdLokator, QStringLiteral("jo90"));
    EXPECT_EQ(frm.DomenaText(), QStringLiteral("G-CZ"));
    QTest::mouseClick(frm.ZapiszBtn, Qt::LeftButton);
    EXPECT_EQ(frm.result(), int(QDialog::Accepted));
    EXPECT_TRUE(Warnings().isEmpty());
    EXPECT_EQ(Row(), QStringList{QStringLiteral("[Józef|Częstochowa|G|CZ|JO90]")});
    EXPECT_FALSE(DM->trStale.Active());

    // The name and the town take at most their columns' 30 characters.
    Type(frm.EdImie, QString(40, QLatin1Char('x')));
    EXPECT_EQ(frm.EdImie->text().size(), 30);
}

TEST_F(StationDialogs, AWrongLocatorIsRefusedAndNothingIsSaved)
{
    Stale("IMIE='Ewa', LOKATOR='KO02MF'");
    TUzytkownikFrm frm(*DM, &Main());
    frm.FillStationData();
    frm.show();
    for (const char *wrong : {"KS02", "KO02M", "KO02MZ", "K"}) {
        SCOPED_TRACE(wrong);
        Boxes.clear();
        Type(frm.EdLokator, QString::fromLatin1(wrong));
        Type(frm.EdImie, QStringLiteral("Anna"));
        QTest::mouseClick(frm.ZapiszBtn, Qt::LeftButton);
        EXPECT_EQ(Warnings(), QStringList{QStringLiteral("Błędny lokator.")});
        EXPECT_TRUE(frm.isVisible());
        EXPECT_EQ(frm.focusWidget(), frm.EdLokator);
        EXPECT_TRUE(frm.EdLokator->hasSelectedText()) << "typing replaces the wrong locator";
        EXPECT_EQ(Row(), QStringList{QStringLiteral("[Ewa||||KO02MF]")});
    }
}

// An empty table: the masks' blanks show, and saving inserts the row with a
// blank letter and two blank district characters.
TEST_F(StationDialogs, AnEmptyTableAndAnEmptySppaAreSavedAsARowWithBlanks)
{
    ExecSql(DM->Baza, "delete from STALE");
    TUzytkownikFrm frm(*DM, &Main());
    frm.FillStationData();
    EXPECT_EQ(frm.EdDomena->displayText(), QStringLiteral("_-__"));
    EXPECT_EQ(frm.EdLokator->displayText(), QStringLiteral("______"));
    Type(frm.EdImie, QStringLiteral("Żaneta"));
    QTest::mouseClick(frm.ZapiszBtn, Qt::LeftButton);
    EXPECT_EQ(frm.result(), int(QDialog::Accepted));
    EXPECT_EQ(Row(), QStringList{QStringLiteral("[Żaneta|| |  |]")});

    // Blanks stored in the SPPA keep their places, shown and saved unchanged;
    // so does what the masks would change.
    const struct {
        const char *set, *shown, *row;
    } stored[] = {{"WOJEW=' ', POWIAT='KR'", " -KR", "[Żaneta|| |KR|]"},
                  {"WOJEW='M', POWIAT=' K'", "M- K", "[Żaneta||M| K|]"},
                  {"WOJEW='m', POWIAT='k', LOKATOR='ko02md'", "M-K ", "[Żaneta||m|k|ko02md]"}};
    for (const auto &s : stored) {
        SCOPED_TRACE(s.set);
        Stale(QString::fromUtf8(s.set));
        TUzytkownikFrm again(*DM, &Main());
        again.FillStationData();
        EXPECT_EQ(again.DomenaText(), QString::fromUtf8(s.shown));
        QTest::mouseClick(again.ZapiszBtn, Qt::LeftButton);
        EXPECT_EQ(Row(), QStringList{QString::fromUtf8(s.row)});
    }
}

TEST_F(StationDialogs, TheCallSignDialogRefusesWhatIsNoCallSignAndStoresTheRest)
{
    TMainForm &main = Main();
    TUzytkownikFrm frm(*DM, &main);
    frm.FillStationData();
    OnCallSignDialog([this](TZnakStacjiFrm &dlg) {
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Znak stacji"));
        EXPECT_TRUE(dlg.EdZnak->text().isEmpty());
        for (const char *wrong : {"K1", "SP5-QRN"}) {
            Type(dlg.EdZnak, QString::fromLatin1(wrong));
            QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
            EXPECT_TRUE(dlg.isVisible()) << wrong;
        }
        EXPECT_EQ(Warnings(), (QStringList{QStringLiteral("Znak stacji musi mieć od 3 do 14 znaków."),
                                           QStringLiteral("Znak stacji może zawierać tylko litery A-Z, cyfry "
                                                          "i znak \"/\".")}));
        EXPECT_TRUE(OwnCallSign.isEmpty());
        Type(dlg.EdZnak, QStringLiteral("sp5qrn/p"));
        EXPECT_EQ(dlg.EdZnak->text(), QStringLiteral("SP5QRN/P"));
        QTest::keyClick(dlg.EdZnak, Qt::Key_Return);
        EXPECT_FALSE(dlg.isVisible());
    });
    QTest::mouseClick(frm.ZnakBtn, Qt::LeftButton);
    EXPECT_EQ(OwnCallSign, QStringLiteral("SP5QRN/P"));
    EXPECT_EQ(frm.ZnakLbl->text(), QStringLiteral("SP5QRN/P"));

    // Kept in the settings store: the next start loads it and does not ask.
    OwnCallSign.clear();
    bool asked = false;
    QTimer::singleShot(0, [&asked] {
        if (auto *dlg = qobject_cast<TZnakStacjiFrm *>(QApplication::activeModalWidget())) {
            asked = true;
            dlg->reject();
        }
    });
    EnsureOwnCallSign(&main);
    QApplication::processEvents();
    EXPECT_FALSE(asked);
    EXPECT_EQ(OwnCallSign, QStringLiteral("SP5QRN/P"));

    // Cancel keeps the old call sign.
    OnCallSignDialog([](TZnakStacjiFrm &dlg) {
        EXPECT_EQ(dlg.EdZnak->text(), QStringLiteral("SP5QRN/P"));
        Type(dlg.EdZnak, QStringLiteral("SQ9AAA"));
        QTest::mouseClick(dlg.AnulujBtn, Qt::LeftButton);
    });
    QTest::mouseClick(frm.ZnakBtn, Qt::LeftButton);
    EXPECT_EQ(OwnCallSign, QStringLiteral("SP5QRN/P"));
}

TEST_F(StationDialogs, WithNoStoredCallSignTheStartAsksAndTheMainWindowFollows)
{
    TMainForm &main = Main();
    OnCallSignDialog([](TZnakStacjiFrm &dlg) {
        Type(dlg.EdZnak, QStringLiteral("QX7KWV"));
        QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
    });
    EnsureOwnCallSign(&main);
    main.FormActivate();
    EXPECT_EQ(main.ZnakLbl->text(), QStringLiteral("QX7KWV"));
    EXPECT_FALSE(main.PrefixEditBtn->isHidden());

    // Changed through the station data: the main window's label follows.
    QTimer::singleShot(0, [] {
        auto *frm = qobject_cast<TUzytkownikFrm *>(QApplication::activeModalWidget());
        ASSERT_TRUE(frm);
        OnCallSignDialog([](TZnakStacjiFrm &dlg) {
            Type(dlg.EdZnak, QStringLiteral("SP5QRN"));
            QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
        });
        QTest::mouseClick(frm->ZnakBtn, Qt::LeftButton);
        QTest::mouseClick(frm->AnulujBtn, Qt::LeftButton);
    });
    main.DaneStacjiMnu->trigger();
    EXPECT_EQ(main.ZnakLbl->text(), QStringLiteral("SP5QRN"));
    EXPECT_TRUE(main.PrefixEditBtn->isHidden());
    Registry reg;
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("\\Software\\Dovren\\Quarn"), false));
    EXPECT_EQ(reg.ReadString(QStringLiteral("OwnCallSign")), QStringLiteral("SP5QRN"));
}

// The settings folder cannot be made (its parent is a regular file, which
// stops root too): the call sign holds for this run, the user learns which
// file could not be written, once, and closing the main window stores its
// settings without a second box.
TEST_F(StationDialogs, ACallSignThatCannotBeStoredIsToldWithTheFileName)
{
    const QString blocker = QFileInfo(SettingsPath()).absolutePath() + QStringLiteral("/plik");
    QFile(blocker).open(QIODevice::WriteOnly);
    const QString file = blocker + QStringLiteral("/Quarn.ini");
    qputenv("QUARN_SETTINGS", file.toUtf8());
    TMainForm &main = Main();
    OnCallSignDialog([](TZnakStacjiFrm &dlg) {
        Type(dlg.EdZnak, QStringLiteral("SP5QRN"));
        QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
        EXPECT_FALSE(dlg.isVisible());
    });
    EnsureOwnCallSign(&main);
    EXPECT_EQ(OwnCallSign, QStringLiteral("SP5QRN"));
    ASSERT_EQ(Warnings().size(), 1);
    EXPECT_EQ(Warnings()[0], QStringLiteral("Nie udało się zapisać ustawień programu w pliku:\n") + file +
                                 QStringLiteral("\n\nZmienione ustawienia nie zostaną zapamiętane do "
                                                "następnego uruchomienia programu."));
    main.close();
    EXPECT_EQ(Warnings().size(), 1);
    EXPECT_FALSE(QFileInfo::exists(file));
}
