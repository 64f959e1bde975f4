#include "logfrm_fixture.h"

#include "controls/ButtonEdit.h"
#include "controls/ExDBCtrl.h"
#include "core/Geography.h"
#include "platform/Messages.h"
#include "platform/db/DataSet.h"
#include "ui/FWybierzFrm.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

class PickerTest : public LogFrmTest {
protected:
    void SetUp() override
    {
        LogFrmTest::SetUp();
        Exec("INSERT INTO ZAMKI (Symbol, Nazwa) VALUES ('SKI02', 'Zamek Dolny')");
        Exec("INSERT INTO ZAMKI (Symbol, Nazwa) VALUES ('SKI01', 'Zamek Górny')");
        Exec("INSERT INTO ZAMKI (Symbol, Nazwa) VALUES ('DWA01', 'Książ')");
        Exec("INSERT INTO ZAMKI (Symbol, Nazwa) VALUES ('PKI01', 'Czersk')");
        Exec("INSERT INTO GMINY (GminaId, Gmina, Powiat, WojewId) VALUES ('AB02', 'Dobromierz', 'x', 'D')");
        Exec("INSERT INTO GMINY (GminaId, Gmina, Powiat, WojewId) VALUES ('AB01', 'Boguszów', 'x', 'D')");
        Exec("INSERT INTO GMINY (GminaId, Gmina, Powiat, WojewId) VALUES ('CD01', 'Łask', 'x', 'C')");
    }

    // Runs the picker modally with the steps and cancels it if they left it open.
    int Run(TWybierzFrm &p, const QString &initial, const std::function<void()> &steps)
    {
        QTimer::singleShot(0, &p, [&p, steps] {
            steps();
            if (p.isVisible())
                p.reject();
        });
        return p.RunPicker(initial);
    }

    static QString Code(TWybierzFrm &p, const char *field)
    {
        return p.Table().FieldByName(field)->AsString().trimmed();
    }

    // The codes the table shows from its first row on.
    static QStringList Shown(TWybierzFrm &p, const char *field)
    {
        QStringList out;
        for (p.Table().First(); !p.Table().Eof(); p.Table().Next())
            out << Code(p, field);
        return out;
    }
};

}

TEST_F(PickerTest, CastlePickerStartsOnTheInitialSymbolAndReturnsTheChosenOne)
{
    TWybierzFrm p(TWybierzFrm::Zamek);
    QString start, caption;
    const int result = Run(p, "SKI02", [&] {
        start = Code(p, "SYMBOL");
        caption = p.windowTitle();
        p.Table().Prior();
        p.WybierzBtn->click();
    });
    EXPECT_EQ(caption, QStringLiteral("Zamki Polskie"));
    EXPECT_EQ(start, QStringLiteral("SKI02"));
    EXPECT_EQ(result, int(mrOk));
    EXPECT_EQ(p.PickedCode, QStringLiteral("SKI01"));
}

TEST_F(PickerTest, AnUnknownCastleOpensOnTheFirstRowAndCancelKeepsTheEditorField)
{
    TWybierzFrm p(TWybierzFrm::Zamek);
    QString start;
    const int result = Run(p, "XXX99", [&] { start = Code(p, "SYMBOL"); });
    EXPECT_EQ(start, QStringLiteral("DWA01"));
    EXPECT_EQ(result, int(mrCancel));
    EXPECT_EQ(p.PickedCode, QStringLiteral("XXX99"));

    // Through the editor's button: cancelling returns nothing.
    QString field;
    OpenNew([&] {
        frm->EdZamek->setText("XXX99");
        QTimer::singleShot(0, [] {
            if (auto *picker = qobject_cast<TWybierzFrm *>(QApplication::activeModalWidget()))
                picker->reject();
        });
        frm->ZamekBtn->click();
        field = frm->EdZamek->text();
    });
    EXPECT_EQ(field, QStringLiteral("XXX99"));
}

TEST_F(PickerTest, TheEditorTakesTheCodeChosenInThePicker)
{
    QString castle, district;
    OpenNew([&] {
        QTimer::singleShot(0, [] {
            if (auto *picker = qobject_cast<TWybierzFrm *>(QApplication::activeModalWidget())) {
                picker->Search("pki");
                picker->Choose();
            }
        });
        frm->ZamekBtn->click();
        castle = frm->EdZamek->text();
        frm->EdDomena->setText("F-GD");
        QTimer::singleShot(0, [] {
            if (auto *picker = qobject_cast<TWybierzFrm *>(QApplication::activeModalWidget()))
                picker->Choose();
        });
        frm->SppaBtn->click();
        district = frm->EdDomena->text();
    });
    EXPECT_EQ(castle, QStringLiteral("PKI01"));
    EXPECT_EQ(district, QStringLiteral("F-GD"));
}

TEST_F(PickerTest, DistrictPickerFindsTheDistrictCodeInsideTheSppaText)
{
    for (const char *initial : {"F-GD", "FGD", "GD"}) {
        TWybierzFrm p(TWybierzFrm::Powiat);
        QString start, picked;
        const int result = Run(p, initial, [&] {
            picked = p.PickedCode;
            start = Code(p, "POWIATID");
            p.Choose();
        });
        SCOPED_TRACE(initial);
        EXPECT_TRUE(picked.isEmpty());
        EXPECT_EQ(start, QStringLiteral("GD"));
        EXPECT_EQ(result, int(mrOk));
        EXPECT_EQ(p.PickedCode, QStringLiteral("F-GD"));
    }
    EXPECT_EQ(DistrictCodeOf("S-KI"), QStringLiteral("KI"));
    EXPECT_EQ(DistrictCodeOf("SKI"), QStringLiteral("KI"));
    EXPECT_EQ(DistrictCodeOf("S-KIX"), QStringLiteral("S-KIX"));
}

TEST_F(PickerTest, VoivodeshipFilterShowsOnlyItsRowsAndAllOfThemAgain)
{
    TWybierzFrm p(TWybierzFrm::Powiat);
    QStringList items;
    QStringList filtered, all;
    int total = 0;
    Run(p, "", [&] {
        for (int i = 0; i < p.EdWojew->count(); ++i)
            items << p.EdWojew->itemText(i);
        total = Shown(p, "POWIATID").size();
        p.EdWojew->setCurrentIndex(1);
        for (p.Table().First(); !p.Table().Eof(); p.Table().Next())
            filtered << Code(p, "WOJEWID");
        p.EdWojew->setCurrentIndex(0);
        all = Shown(p, "POWIATID");
    });
    ASSERT_EQ(items.size(), 17);
    EXPECT_EQ(items[0], QStringLiteral("<Wszystkie województwa>"));
    EXPECT_EQ(items[1], QStringLiteral("D - ") + VoivodeshipNameForCode("D"));
    EXPECT_TRUE(items[16].startsWith(QStringLiteral("Z - ")));
    EXPECT_FALSE(filtered.isEmpty());
    EXPECT_EQ(filtered.count(QStringLiteral("D")), filtered.size());
    EXPECT_LT(filtered.size(), total);
    EXPECT_EQ(all.size(), total);
}

TEST_F(PickerTest, SearchJumpsToTheFirstCodeStartingWithTheTextWithinTheFilter)
{
    TWybierzFrm p(TWybierzFrm::Zamek);
    QString afterSki, afterNothing, filteredSearch;
    Run(p, "", [&] {
        p.Table().Last();
        p.EdSzukaj->setFocus();
        QTest::keyClicks(p.EdSzukaj, "ski");
        afterSki = Code(p, "SYMBOL");
        QTest::keyClicks(p.EdSzukaj, "9");
        afterNothing = Code(p, "SYMBOL");
        p.EdSzukaj->clear();
        p.EdWojew->setCurrentIndex(1); // D: only DWA01
        p.Search("SKI");
        filteredSearch = Code(p, "SYMBOL");
    });
    EXPECT_EQ(p.EdSzukaj->text(), QString());
    EXPECT_EQ(afterSki, QStringLiteral("SKI01"));
    EXPECT_EQ(afterNothing, QStringLiteral("SKI01"));
    EXPECT_EQ(filteredSearch, QStringLiteral("DWA01"));
}

TEST_F(PickerTest, CommunePickerMatchesPaddedCodesAndReturnsThemTrimmed)
{
    TWybierzFrm p(TWybierzFrm::Gmina);
    QString start, caption;
    const int result = Run(p, "AB02", [&] {
        caption = p.windowTitle();
        start = Code(p, "GMINAID");
        p.Choose();
    });
    EXPECT_EQ(caption, QStringLiteral("Gminy"));
    EXPECT_EQ(start, QStringLiteral("AB02"));
    EXPECT_EQ(result, int(mrOk));
    EXPECT_EQ(p.PickedCode, QStringLiteral("AB02"));
}

TEST_F(PickerTest, TheSearchButtonShowsAGlyphAndEmptiesTheBox)
{
    TWybierzFrm p(TWybierzFrm::Gmina);
    EXPECT_FALSE(p.EdSzukaj->Glyph().isNull());
    QString hint;
    Run(p, "", [&] {
        p.EdSzukaj->setText("CD");
        hint = p.EdSzukaj->ButtonHint();
        p.EdSzukaj->EditButtonClick();
    });
    EXPECT_EQ(hint, QStringLiteral("Wyczyść"));
    EXPECT_TRUE(p.EdSzukaj->text().isEmpty());
}

TEST_F(PickerTest, ACommuneCodeLongerThanTheMaskIsShownWhole)
{
    Exec("INSERT INTO GMINY (GminaId, Gmina, Powiat, WojewId) VALUES ('AB0123', 'Długa', 'x', 'D')");
    QString shown;
    OpenNew([&] {
        QTimer::singleShot(0, [] {
            if (auto *picker = qobject_cast<TWybierzFrm *>(QApplication::activeModalWidget())) {
                picker->Search("AB012");
                picker->Choose();
            }
        });
        frm->GminaBtn->click();
        shown = frm->EdGmina->text();
        FillMinimal("SP5ABC");
        frm->PostBtn->click();
    });
    EXPECT_EQ(shown, QStringLiteral("AB0123"));
    DM->ReopenLogiOrdered(0, 0);
    EXPECT_EQ(DM->Logi.FieldByName("GMINA")->AsString().trimmed(), QStringLiteral("AB0123"));
}

TEST_F(PickerTest, SearchWorksOnFixedWidthCodes)
{
    TWybierzFrm district(TWybierzFrm::Powiat);
    QString powiat;
    Run(district, "", [&] {
        district.Search("g");
        powiat = Code(district, "POWIATID");
    });
    EXPECT_TRUE(powiat.startsWith(u'G')) << powiat.toStdString();

    TWybierzFrm commune(TWybierzFrm::Gmina);
    QString gmina;
    Run(commune, "", [&] {
        commune.Search(" cd ");
        gmina = Code(commune, "GMINAID");
    });
    EXPECT_EQ(gmina, QStringLiteral("CD01"));
}

TEST_F(PickerTest, AWholeSixCharacterCodeTypedFindsThatCodeAndItsColumnShowsItUncut)
{
    Exec("INSERT INTO ZAMKI (Symbol, Nazwa) VALUES ('SKI012', 'Zamek Średni')");
    Exec("INSERT INTO ZAMKI (Symbol, Nazwa) VALUES ('MWM001', 'Zamek Szeroki')");
    Exec("INSERT INTO GMINY (GminaId, Gmina, Powiat, WojewId) VALUES ('AB0124', 'Długa', 'x', 'D')");
    Exec("INSERT INTO GMINY (GminaId, Gmina, Powiat, WojewId) VALUES ('MWM001', 'Szeroka', 'x', 'D')");
    const struct {
        TWybierzFrm::Kind kind;
        const char *field, *typed;
    } cases[] = {{TWybierzFrm::Zamek, "SYMBOL", "SKI012"}, {TWybierzFrm::Gmina, "GMINAID", "AB0124"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        TWybierzFrm p(c.kind);
        QString found;
        int shownWidth = 0;
        Run(p, "", [&] {
            p.EdSzukaj->setFocus();
            QTest::keyClicks(p.EdSzukaj, c.typed);
            found = Code(p, c.field);
            p.Choose();
            shownWidth = p.DbGrid->ColumnWidth(0);
        });
        EXPECT_EQ(p.EdSzukaj->text(), QLatin1String(c.typed));
        EXPECT_EQ(found, QLatin1String(c.typed));
        EXPECT_EQ(p.PickedCode, QLatin1String(c.typed));
        // Cell text stands 2 pixels in and 3 from the right.
        EXPECT_GE(shownWidth, QFontMetrics(p.DbGrid->font()).horizontalAdvance(QStringLiteral("MWM001")) + 5);
    }
}
