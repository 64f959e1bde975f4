#include "awards/DrillDown.h"
#include "platform/db/FbQuery.h"
#include "support/LogDb.h"
#include "support/QsoRows.h"

namespace {

struct Qso {
    const char *call;
    int band;
    int krajId;
    const char *domena, *wyspa, *lokator, *gmina, *zamek;
    int itu, cq;
};

// Each QSO is named by its call sign; the comments say which list should
// take it and which should not.
const Qso Qsos[] = {
    {"SP1AAA", 5, 269, "DAB", "", "", "ABC", "Z01", 28, 15},   // district AB (3 characters), HF Poland
    {"SP2BBB", 11, 269, "D-AB", "", "", "", "z01", 28, 15},    // district AB (4), 4 m; castle in lower case
    {"SP3CCC", 10, 269, "AB", "", "JO91", "ABCD", "", 28, 15}, // two characters: no district; 6 m square
    {"DL1AA", 5, 230, "DAB", "eu-024", "JO91AB", "ABC", "Z01", 28, 14}, // not Poland; square on HF
    {"G3XX", 12, 223, "", "EU-005", "JO91CD", "", "", 27, 14},          // 2 m square; zones 27 and 14
    {"SP4DDD", 5, 269, "DXAB1", "-", "JO9", "", " Z01", 28,
     15},                                                    // five characters: no district; castle trimmed
    {"SP5EEE", 0, 269, "DAB", "", "", "ABC", "Z01", 28, 15}, // no band: never counted
};

class DrillDownTest : public DataModuleTest {
protected:
    void SetUp() override
    {
        DataModuleTest::SetUp();
        std::vector<QsoRow> rows;
        DateTime when = DateTime::fromDate(2010, 1, 1, 12, 0);
        for (const Qso &q : Qsos) {
            QsoRow r;
            r.Data = when;
            when = when.addSecs(-3600); // later rows are older: the list must sort by date
            r.Band = q.band;
            r.Stacja = QString::fromLatin1(q.call);
            r.KrajId = q.krajId;
            r.Domena = QString::fromLatin1(q.domena);
            r.Wyspa = QString::fromLatin1(q.wyspa);
            r.Lokator = QString::fromLatin1(q.lokator);
            r.Itu = q.itu;
            r.Cq = q.cq;
            rows.push_back(r);
        }
        InsertQsos(dm->Baza, rows);
        for (const Qso &q : Qsos)
            ExecSql(dm->Baza,
                    QStringLiteral("update Logi set Gmina='%1', Zamek='%2' where Stacja='%3'")
                        .arg(QLatin1String(q.gmina), QLatin1String(q.zamek), QLatin1String(q.call)));
    }

    QStringList Calls(const TDrillDown &d)
    {
        FbTransaction tr(&dm->Baza);
        FbQuery q;
        q.SetTransaction(&tr);
        OpenDrillDown(q, tr, d);
        QStringList calls;
        for (q.First(); !q.Eof(); q.Next())
            calls << q.FieldByName(QStringLiteral("Stacja"))->AsString();
        tr.Commit();
        return calls;
    }
};

}

TEST_F(DrillDownTest, EachListHoldsExactlyTheQsosItsStatisticCountedOldestFirst)
{
    const struct {
        TDrillDown query;
        QStringList calls;
    } cases[] = {
        {CountryQsos(269, "SP", "Polska"), {"SP4DDD", "SP3CCC", "SP2BBB", "SP1AAA"}},
        {CountryHfQsos(269, "SP", "Polska"), {"SP4DDD", "SP1AAA"}},
        {IotaQsos("EU-024", "Wyspy"), {"DL1AA"}},
        {LokatorQsos("JO91"), {"G3XX", "SP3CCC"}},
        {PowiatQsos("AB", "wałbrzyski"), {"SP2BBB", "SP1AAA"}},
        {GminaQsos("ABC", "Gmina"), {"SP1AAA"}},
        {ZamekQsos("Z01", "Zamek"), {"SP4DDD", "SP1AAA"}},
        {ItuQsos(27), {"G3XX"}},
        {CqQsos(14), {"G3XX", "DL1AA"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Calls(c.query), c.calls) << c.query.Caption.toStdString();
}

TEST_F(DrillDownTest, CaptionsNameTheResultAndAQuoteInAValueStaysAValue)
{
    const struct {
        TDrillDown query;
        const char *caption;
    } cases[] = {
        {CountryQsos(269, "SP", "Polska"), "Łączności - [Prefiks: SP] Polska"},
        {CountryHfQsos(269, "SP", "Polska"), "Łączności KF - [Prefiks: SP] Polska"},
        {IotaQsos("EU-024", "Wyspy"), "Łączności - [IOTA: EU-024] Wyspy"},
        {LokatorQsos("JO91"), "Łączności - [Lokator: JO91]"},
        {PowiatQsos("AB", "wałbrzyski"), "Łączności - [Powiat: AB] wałbrzyski"},
        {ZamekQsos("Z01", "Malbork"), "Łączności - [Zamek: Z01] Malbork"},
        {ItuQsos(27), "Łączności - [Strefa ITU: 27]"},
        {CqQsos(14), "Łączności - [Strefa CQ: 14]"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.query.Caption, QString::fromUtf8(c.caption));
    EXPECT_TRUE(Calls(ZamekQsos("Z'01", "")).isEmpty());
    EXPECT_EQ(DistrictName(*dm, "AB"), QStringLiteral("wałbrzyski - Wałbrzych"));
    EXPECT_EQ(DistrictName(*dm, "??"), QString());
}
