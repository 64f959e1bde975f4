#include "core/CallbookSearch.h"
#include "core/CallbookQueries.h"
#include "platform/db/FbError.h"
#include "support/LogDb.h"

#include <gtest/gtest.h>

namespace {

const QString Select =
    QStringLiteral("Select Stacja, Nazwisko, Imie, Nazwa, Adres, Lokator, Miasto, Wojew, Powiat "
                   "From Stacje  Where ");
const QString Count = QStringLiteral("Select Count(*) As Licznik From Stacje Where ");

enum Row { Stacja, Nazwisko, Imie, Nazwa, Miasto, Lokator };

TCallbookCriteria With(std::initializer_list<std::tuple<Row, TSearchOperator, const char *>> rows,
                       int kolej = 0)
{
    TCallbookCriteria c;
    for (const auto &[row, op, value] : rows) {
        c.Operators[row] = op;
        c.Values[row] = QString::fromUtf8(value);
    }
    c.KolejItem = kolej;
    return c;
}

}

TEST(CallbookSearch, CriteriaJoinInRowOrderWithTheOrderAndTheCountOfTheSameCriteria)
{
    TCallbookCriteria spWithS = With({{Stacja, soStartsWith, "SP9"}});
    spWithS.WojewItem = 14;
    spWithS.WojewText = QStringLiteral("S - świętokrzyskie");
    TCallbookCriteria district = With({}, 7);
    district.PowiatItem = 379;
    district.PowiatText = QStringLiteral("ZY - żarski - Żary");
    TCallbookCriteria all = With({{Lokator, soEquals, "jo90"},
                                  {Miasto, soContains, "  Kraków "},
                                  {Nazwa, soStartsWith, "Klub"},
                                  {Imie, soEquals, "Jan"},
                                  {Nazwisko, soContains, "ski"},
                                  {Stacja, soEquals, "SP9ABC"}},
                                 4);
    all.WojewItem = 6;
    all.WojewText = QStringLiteral("M - małopolskie");
    all.PowiatItem = 1;
    all.PowiatText = QStringLiteral("AB - wałbrzyski - Wałbrzych");

    const struct {
        const char *name;
        TCallbookCriteria criteria;
        QString crit;
        QString orderBy;
    } cases[] = {
        {"contains on the surname", With({{Nazwisko, soContains, "ski"}}), "(Nazwisko Like '%ski%')",
         "Order by Stacja"},
        {"starts with and a voivodeship", spWithS, "(Stacja Starting with 'SP9') And (Wojew='S')",
         "Order by Stacja"},
        {"equals with an empty value", With({{Stacja, soEquals, ""}}), "(Stacja = '')", "Order by Stacja"},
        {"an apostrophe is dropped, blanks trimmed", With({{Nazwisko, soEquals, " O'Neil' "}}, 1),
         "(Nazwisko = 'ONeil')", "Order by Nazwisko"},
        {"a value cannot end its literal", With({{Imie, soContains, "x') Or (1=1"}}, 2),
         "(Imie Like '%x) Or (1=1%')", "Order by Imie"},
        {"district only, by district", district, "(Powiat='ZY')", "Order by Powiat"},
        {"every row, the text rows first, in dialog order", all,
         "(Stacja = 'SP9ABC') And (Nazwisko Like '%ski%') And (Imie = 'Jan') And (Nazwa Starting with "
         "'Klub') "
         "And (Miasto Like '%Kraków%') And (Lokator = 'jo90') And (Wojew='M') And (Powiat='AB')",
         "Order by Miasto"},
        {"an order outside the list", With({{Nazwa, soEquals, "X"}}, 8), "(Nazwa = 'X')", ""},
        {"order by name", With({{Nazwa, soEquals, "X"}}, 3), "(Nazwa = 'X')", "Order by Nazwa"},
        {"order by locator", With({{Nazwa, soEquals, "X"}}, 5), "(Nazwa = 'X')", "Order by Lokator"},
        {"order by voivodeship", With({{Nazwa, soEquals, "X"}}, 6), "(Nazwa = 'X')", "Order by Wojew"},
    };
    for (const auto &c : cases) {
        const TCallbookSql sql = BuildSearchSql(c.criteria);
        EXPECT_EQ(sql.SearchSql, Select + c.crit + " " + c.orderBy) << c.name;
        EXPECT_EQ(sql.CountSql, Count + c.crit) << c.name;
    }

    TCallbookCriteria none = With({{Nazwisko, soNone, "ski"}});
    none.WojewText = QStringLiteral(" ");
    EXPECT_TRUE(BuildSearchSql(none).IsEmpty()) << "a value without an operator is no criterion";
    EXPECT_TRUE(BuildSearchSql(none).CountSql.isEmpty());
}

TEST(CallbookSearch, ListsOperatorsSortIndexAndMarker)
{
    EXPECT_EQ(SearchOperatorItems(), (QStringList{" ", "równa się", "zaczyna się od", "zawiera tekst"}));
    for (int item : {-1, 0, 4})
        EXPECT_EQ(SearchOperator(item), soNone);
    EXPECT_EQ(SearchOperator(3), soContains);

    const QStringList wojew = VoivodeshipListItems();
    ASSERT_EQ(wojew.size(), 17);
    EXPECT_EQ(wojew.first(), " ");
    EXPECT_EQ(wojew[1], "B - lubuskie") << "letters in alphabetical order";
    EXPECT_EQ(wojew.last(), "Z - zachodniopomorskie");
    const QStringList powiaty = DistrictListItems();
    ASSERT_EQ(powiaty.size(), 380);
    EXPECT_EQ(powiaty[1], "AB - wałbrzyski - Wałbrzych");
    EXPECT_EQ(powiaty.last(), "ZY - żarski - Żary");
    EXPECT_EQ(DistrictCriterion(powiaty.size() - 1, powiaty.last()), "(Powiat='ZY')");
    EXPECT_EQ(VoivodeshipCriterion(0, " "), "");

    // "Kolejność wg" items against CallbookColumnNames: surname and first name swap.
    const int expected[] = {0, 2, 1, 3, 4, 5, 6, 7, 0, 0};
    for (int item = 0; item < 10; ++item)
        EXPECT_EQ(SortColumnIndex(item == 9 ? -1 : item), expected[item]) << "item " << item;

    EXPECT_TRUE(IsCallbookSortColumn("STACJA", 0));
    EXPECT_TRUE(IsCallbookSortColumn("powiat", 7));
    EXPECT_FALSE(IsCallbookSortColumn("NAZWA", 2)) << "sorting by surname marks no shown column";
    EXPECT_FALSE(IsCallbookSortColumn("STACJA", 8));
}

class CallbookQueries : public DataModuleTest {
protected:
    void SetUp() override
    {
        DataModuleTest::SetUp();
        ExecSql(dm->Baza,
                "insert into STACJE (STACJA, IMIE, NAZWISKO, NAZWA, MIASTO, KODPOCZT, ADRES, LOKATOR, "
                "WOJEW, POWIAT) values ('SP9ABC', 'Jan', 'Kowalski', 'Kowalski Jan', 'Kraków', "
                "'30-001', 'ul. Długa 1', 'KN09AB', 'M', 'KQ')");
        ExecSql(dm->Baza, "insert into STACJE (STACJA, NAZWISKO, NAZWA, WOJEW, POWIAT) "
                          "values ('SP9XYZ', 'Nowak', 'Nowak Anna', 'S', 'XX')");
        ExecSql(dm->Baza,
                "insert into STACJE (STACJA, NAZWISKO, NAZWA) values ('SP1AAA', 'Wiśniewski', 'W')");
    }
    QStringList Calls()
    {
        QStringList out;
        for (dm->Callbook.First(); !dm->Callbook.Eof(); dm->Callbook.Next())
            out << dm->Callbook.FieldByName("STACJA")->AsString();
        return out;
    }
};

TEST_F(CallbookQueries, ASearchOpensItsRowsAndCountsThemAndAFailureKeepsThePreviousResult)
{
    TCallbookSql sql = BuildSearchSql(With({{Nazwisko, soContains, "ski"}}, 1));
    EXPECT_EQ(RunCallbookSearch(*dm, sql), 2);
    EXPECT_EQ(Calls(), (QStringList{"SP9ABC", "SP1AAA"}));
    dm->Callbook.Last();
    EXPECT_EQ(dm->Callbook.FieldByName("PelnaNazwa")->AsString(), "SP1AAA  W");
    dm->Callbook.First();
    EXPECT_EQ(dm->Callbook.FieldByName("NazwaWojew")->AsString(), "małopolskie");
    EXPECT_EQ(dm->Callbook.FieldByName("NazwaPowiatu")->AsString(), "kamiennogórski - Kamienna Góra");
    dm->Callbook.Next();

    TCallbookSql badSearch = sql;
    badSearch.SearchSql.replace("Stacje", "NoSuchTable");
    TCallbookSql badCount = sql;
    badCount.CountSql.replace("Licznik", "Licznik, Nothing");
    for (const TCallbookSql &bad : {badSearch, badCount}) {
        EXPECT_THROW(RunCallbookSearch(*dm, bad), FbError);
        ASSERT_TRUE(dm->Callbook.Active());
        EXPECT_EQ(dm->Callbook.FieldByName("STACJA")->AsString(), "SP1AAA") << "on the row it stood on";
        EXPECT_EQ(Calls(), (QStringList{"SP9ABC", "SP1AAA"}));
        dm->Callbook.Last();
    }
    EXPECT_EQ(RunCallbookSearch(*dm, BuildSearchSql(With({{Stacja, soStartsWith, "SP9"}}))), 2);
    EXPECT_EQ(RunCallbookSearch(*dm, BuildSearchSql(With({{Stacja, soEquals, "SP9A'BC"}}))), 1);
}

TEST_F(CallbookQueries, TheSimpleLookupShowsTheWholeEntryOrNothing)
{
    TCallbookStationQuery lookup(dm->Baza);
    EXPECT_FALSE(lookup.Lookup("   "));
    EXPECT_FALSE(lookup.Stacja.Active());
    ASSERT_TRUE(lookup.Lookup("SP9ABC"));
    EXPECT_EQ(lookup.Text("KODPOCZT"), "30-001");
    EXPECT_EQ(lookup.Text("ADRES"), "ul. Długa 1");
    EXPECT_EQ(lookup.Text("NazwaWojew"), "małopolskie");
    EXPECT_EQ(lookup.Text("NazwaPowiat"), "kamiennogórski - Kamienna Góra");
    ASSERT_TRUE(lookup.Lookup("SP9XYZ"));
    EXPECT_EQ(lookup.Text("NazwaWojew"), "świętokrzyskie");
    EXPECT_EQ(lookup.Text("NazwaPowiat"), "") << "a code the table does not hold";
    ASSERT_TRUE(lookup.Lookup("SP9NONE"));
    EXPECT_EQ(lookup.Text("STACJA"), "");
    EXPECT_FALSE(dm->trCallBook.Active() && dm->Callbook.Active()) << "the lookup leaves the search alone";
}
