#include "core/QsoChecks.h"
#include "core/Log.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// A QSO that passes every check.
QsoEntryTexts GoodEntry()
{
    return {QStringLiteral("SP5ABC"), QStringLiteral("59"),     QStringLiteral("57"),
            QStringLiteral("KO02MD"), QStringLiteral("EU-024"), QStringLiteral("S-KI"),
            QStringLiteral("SKI01")};
}

struct CheckCase {
    const char *name;
    std::function<void(QsoEntryTexts &)> change;
    const char *warning; // empty: saved
    QsoField field;
    const char *notice;
};

} // namespace

TEST(QsoSaveChecks, TheFirstFaultInTheFixedOrderIsTheAnswer)
{
    const CheckCase cases[] = {
        {"a good QSO", [](QsoEntryTexts &) {}, "", QsoField::None, ""},
        {"no call", [](QsoEntryTexts &e) { e.Stacja = "  "; }, "Stacja wołana nie podana.", QsoField::Stacja,
         ""},
        {"no call wins over every later fault",
         [](QsoEntryTexts &e) { e = {"", "", "5", "ZZ99", "EU1", "S-KI", "PKI01"}; },
         "Stacja wołana nie podana.", QsoField::Stacja, ""},
        {"no report sent", [](QsoEntryTexts &e) { e.RaportNad = " "; }, "Raport nadany nie podany.",
         QsoField::RaportNad, ""},
        {"short report sent before a short report received",
         [](QsoEntryTexts &e) {
             e.RaportNad = "5";
             e.RaportOdb = "5";
         },
         "Błędny raport nadany.", QsoField::RaportNad, ""},
        {"short report received", [](QsoEntryTexts &e) { e.RaportOdb = "5"; }, "Błędny raport odebrany.",
         QsoField::RaportOdb, ""},
        {"empty report received is accepted", [](QsoEntryTexts &e) { e.RaportOdb.clear(); }, "",
         QsoField::None, ""},
        {"bad locator before bad IOTA",
         [](QsoEntryTexts &e) {
             e.Lokator = "ZZ99";
             e.Wyspa = "EU1";
         },
         "Błędny lokator.", QsoField::Lokator, ""},
        {"locator of five characters", [](QsoEntryTexts &e) { e.Lokator = "KO02M"; }, "Błędny lokator.",
         QsoField::Lokator, ""},
        {"lower-case locator", [](QsoEntryTexts &e) { e.Lokator = "ko02md"; }, "", QsoField::None, ""},
        {"bad IOTA", [](QsoEntryTexts &e) { e.Wyspa = "EU 024"; }, "Błędny symbol IOTA.", QsoField::Wyspa,
         ""},
        {"a lone dash for IOTA", [](QsoEntryTexts &e) { e.Wyspa = "-"; }, "", QsoField::None, ""},
        {"castle of another district warns only", [](QsoEntryTexts &e) { e.Zamek = "PKI01"; }, "",
         QsoField::None, "Niezgodność SPPA - Symbol zamku."},
        {"castle without district", [](QsoEntryTexts &e) { e.Domena.clear(); }, "", QsoField::None, ""},
        {"a refused QSO gives no castle warning",
         [](QsoEntryTexts &e) {
             e.Zamek = "PKI01";
             e.Wyspa = "EU1";
         },
         "Błędny symbol IOTA.", QsoField::Wyspa, ""},
    };
    for (const CheckCase &c : cases) {
        SCOPED_TRACE(c.name);
        QsoEntryTexts entry = GoodEntry();
        c.change(entry);
        const QsoSaveCheck check = CheckQsoBeforeSave(entry);
        EXPECT_EQ(check.Warning, QString::fromUtf8(c.warning));
        EXPECT_EQ(check.Refused(), *c.warning != 0);
        EXPECT_EQ(check.Field, c.field);
        EXPECT_EQ(check.Notice, QString::fromUtf8(c.notice));
    }
}

TEST(SppaMatchesCastle, ComparesTheDistrictWithTheFirstThreeCharactersOfTheCastle)
{
    EXPECT_TRUE(SppaMatchesCastle("S-KI", "SKI01"));
    EXPECT_TRUE(SppaMatchesCastle(" ski ", "ski"));
    EXPECT_TRUE(SppaMatchesCastle("SKI", "SKI99"));
    EXPECT_FALSE(SppaMatchesCastle("S-KI", "PKI01"));
    EXPECT_FALSE(SppaMatchesCastle("S-KI", "SK"));
    EXPECT_TRUE(SppaMatchesCastle("", "PKI01"));
    EXPECT_TRUE(SppaMatchesCastle("S-KI", "  "));
}

TEST(QsoChanged, EveryFieldCountsAndTheLocatorIsComparedAsShown)
{
    TLog loaded;
    loaded.LogId = 7;
    loaded.Data = DateTime::fromDate(2024, 7, 14, 9, 5, 0);
    loaded.Pasmo.ParseBand("20 m");
    loaded.LogSetStacja("SP5ABC");
    loaded.LogSetLokator("-");
    EXPECT_FALSE(QsoChanged(loaded, loaded));

    TLog shown = loaded;
    shown.LogSetLokator("");
    EXPECT_FALSE(QsoChanged(loaded, shown)) << "a stored dash reads as no locator";

    const std::function<void(TLog &)> changes[] = {
        [](TLog &l) { l.Data = l.Data.addSecs(1); },
        [](TLog &l) { l.Pasmo.ParseBand("40 m"); },
        [](TLog &l) { l.Stacja = "SP5ABD"; },
        [](TLog &l) { l.Emisja = "CW"; },
        [](TLog &l) { l.RaportNad = "59"; },
        [](TLog &l) { l.RaportOdb = "59"; },
        [](TLog &l) { l.Lokator = "KO02"; },
        [](TLog &l) { l.Imie = "Ewa"; },
        [](TLog &l) { l.Notatki = "x"; },
        [](TLog &l) { l.QslManager = "SP9ZZZ"; },
        [](TLog &l) { l.QslWys = true; },
        [](TLog &l) { l.QslOdb = true; },
        [](TLog &l) { l.Miasto = "Łódź"; },
        [](TLog &l) { l.Wyspa = "EU-024"; },
        [](TLog &l) { l.Domena = "S-KI"; },
        [](TLog &l) { l.Gmina = "KI01"; },
        [](TLog &l) { l.Zamek = "SKI01"; },
        [](TLog &l) { l.Kontynent = "EU"; },
        [](TLog &l) { l.ITU = 28; },
        [](TLog &l) { l.CQ = 15; },
        [](TLog &l) { l.Imie = " "; },
    };
    int i = 0;
    for (const auto &change : changes) {
        TLog edited = loaded;
        change(edited);
        EXPECT_TRUE(QsoChanged(loaded, edited)) << "change " << i;
        ++i;
    }
}
