#include "core/PrefiksyExpImp.h"
#include "PrefixData.h"
#include "platform/Cp1250.h"

#include <QSet>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Records the statements and answers the country check from a set of ids.
class FakeExecutor : public PrefixTableExecutor {
public:
    QSet<int> Countries;
    bool FailCheck = false;
    struct Call {
        QString Sql;
        std::vector<Param> Params;
    };
    std::vector<Call> Executed;

    void Execute(const QString &sql, const std::vector<Param> &params) override
    {
        Executed.push_back({sql, params});
        if (sql.startsWith("INSERT INTO KrajeDX"))
            Countries.insert(params[0].Value.toInt());
    }
    int64_t SelectInteger(const QString &sql, const std::vector<Param> &params) override
    {
        if (FailCheck)
            throw std::runtime_error("connection lost");
        EXPECT_TRUE(sql.contains("COUNT(*)"));
        return Countries.contains(params.at(0).Value.toInt()) ? 1 : 0;
    }
};

struct Read {
    std::vector<TKrajDX> Countries;
    std::vector<TPrefixDX> Prefixes;
    QString Error;
};

Read read(const QByteArray &bytes)
{
    Read r;
    r.Error = ReadPrefixRecords(
        bytes, [&](const TKrajDX &c) { r.Countries.push_back(c); },
        [&](const TPrefixDX &p) { r.Prefixes.push_back(p); });
    return r;
}

} // namespace

TEST(PrefiksyExpImp, CountryRecordText)
{
    TKrajDX k;
    k.KrajId = 291;
    k.PrefixDX = "K";
    k.NazwaAng = "United States";
    k.NazwaPol = "Stany Zjednoczone";
    k.Kontynent = "NA";
    EXPECT_EQ(k.KrajDXToTagText(), "<TABELA:7>KrajeDx<KRAJID:3>291<PREFIXDX:1>K<NAZWAANG:13>United States"
                                   "<NAZWAPOL:17>Stany Zjednoczone<KONTYNENT:2>NA<EOR>");
    k.KrajDXClear();
    EXPECT_EQ(k.KrajDXToTagText(), "<TABELA:7>KrajeDx<EOR>");
    k.KrajId = -3;
    EXPECT_EQ(k.KrajDXToTagText(), "<TABELA:7>KrajeDx<EOR>");
}

TEST(PrefiksyExpImp, PrefixRecordText)
{
    TPrefixDX p;
    p.KrajId = 269;
    p.Prefix = "SP";
    EXPECT_EQ(p.PrefixDXToTagText(), "<TABELA:10>PrefiksyDx<KRAJID:3>269<PREFIX:2>SP<EOR>");
    p.PrefixDXClear();
    EXPECT_EQ(p.PrefixDXToTagText(), "<TABELA:10>PrefiksyDx<EOR>");
}

TEST(PrefiksyExpImp, InsertsUseParameters)
{
    FakeExecutor db;
    TKrajDX k;
    k.KrajId = 269;
    k.PrefixDX = "SP";
    k.NazwaPol = "Polska";
    EXPECT_TRUE(k.KrajDXInsert(db));
    ASSERT_EQ(db.Executed.size(), 1u);
    EXPECT_EQ(db.Executed[0].Sql, "INSERT INTO KrajeDX(KrajId, PrefixDX, NazwaAng, NazwaPol, Kontynent)\n"
                                  "VALUES(:KrajId, :PrefixDX, :NazwaAng, :NazwaPol, :Kontynent)");
    EXPECT_EQ(db.Executed[0].Params[3].Value.toString(), "Polska");
    EXPECT_EQ(db.Executed[0].Params[2].Value.toString(), ""); // sent as an empty string

    TPrefixDX p;
    p.KrajId = 269;
    p.Prefix = "S'P";
    EXPECT_TRUE(p.PrefixDXInsert(db));
    ASSERT_EQ(db.Executed.size(), 2u);
    EXPECT_EQ(db.Executed[1].Sql, "INSERT INTO PrefiksyDX(KrajId, Prefix)\nVALUES(:KrajId, :Prefix)");
    EXPECT_EQ(db.Executed[1].Params[1].Value.toString(), "S'P");
}

TEST(PrefiksyExpImp, RecordsWithoutAValidCountryAreSkipped)
{
    FakeExecutor db;
    TKrajDX k; // KrajId 0: missing or not numeric in the file
    EXPECT_FALSE(k.KrajDXInsert(db));
    TPrefixDX p;
    p.Prefix = "SP";
    EXPECT_FALSE(p.PrefixDXInsert(db));
    p.KrajId = 5; // no such country
    EXPECT_FALSE(p.PrefixDXInsert(db));
    db.Countries.insert(5);
    db.FailCheck = true; // a failed check counts as "no country"
    EXPECT_FALSE(p.PrefixDXInsert(db));
    EXPECT_TRUE(db.Executed.empty());
}

TEST(PrefiksyExpImp, ReadsFieldsByTheirLength)
{
    const Read r = read(Cp1250::fromUnicode(
        QString::fromUtf8("<TABELA:7>KrajeDx<KRAJID:3>269<PREFIXDX:2>SP<NAZWAANG:6>Poland<NAZWAPOL:6>Polska<"
                          "KONTYNENT:2>EU<EOR>\r\n"
                          "<TABELA:7>KrajeDx<KRAJID:2>xx<NAZWAPOL:8>Wyspa<x><EOR>\r\n"
                          "<TABELA:10>PrefiksyDx<KRAJID:3>269<PREFIX:3>SP9<UNKNOWN:2>ab<EOR>\r\n"
                          "<TABELA:10>PrefiksyDx<KRAJID:3>269<PREFIX:3>Żx1<EOR>\r\n")));
    EXPECT_TRUE(r.Error.isEmpty());
    ASSERT_EQ(r.Countries.size(), 2u);
    EXPECT_EQ(r.Countries[0].KrajId, 269);
    EXPECT_EQ(r.Countries[0].NazwaPol, "Polska");
    EXPECT_EQ(r.Countries[0].Kontynent, "EU");
    EXPECT_EQ(r.Countries[1].KrajId, 0); // not a number: ignored
    EXPECT_EQ(r.Countries[1].NazwaPol, "Wyspa<x>");
    EXPECT_EQ(r.Countries[1].PrefixDX, ""); // cleared after the first record
    ASSERT_EQ(r.Prefixes.size(), 2u);
    EXPECT_EQ(r.Prefixes[0].Prefix, "SP9");
    EXPECT_EQ(r.Prefixes[1].Prefix, QString::fromUtf8("Żx1"));
}

TEST(PrefiksyExpImp, RecordsBeforeAnyTableTagAreCountries)
{
    const Read r = read("<KRAJID:1>7<PREFIX:2>ZA<PREFIXDX:2>ZA<EOR>");
    ASSERT_EQ(r.Countries.size(), 1u);
    EXPECT_EQ(r.Countries[0].KrajId, 7);
    EXPECT_TRUE(r.Prefixes.empty());
}

TEST(PrefiksyExpImp, BadLengthStopsWithAMessage)
{
    const Read r = read("<TABELA:7>KrajeDx<KRAJID:1>7<EOR><TABELA:10>PrefiksyDx<KRAJID:x>7<EOR>");
    EXPECT_EQ(r.Countries.size(), 1u);
    EXPECT_TRUE(r.Prefixes.empty());
    EXPECT_FALSE(r.Error.isEmpty());
}

TEST(PrefiksyExpImp, AFileCutShortOrAValuePastItsRecordStopsWithAMessage)
{
    const QByteArray first = "<TABELA:7>KrajeDx<KRAJID:1>7<EOR>\r\n";
    struct Case {
        QByteArray bytes;
        const char *message; // empty: read whole
    } cases[] = {
        {"no tags at all", ""},
        {first + "\r\n", ""},
        {first + "<TABELA:7>Kraj", "sięga poza koniec pliku"},
        {first + "<TABELA:7>KrajeDx<KRAJID:900>12", "sięga poza koniec pliku"},
        {first + "<TABELA:7>KrajeDx<KRAJID:3>269", "nie kończy się znacznikiem <EOR>"},
        {first + "<TABELA", "znacznik <TABELA nie jest zamknięty"},
        {first + "<", "nie jest zamknięty"},
        {first + "<TABELA:7>KrajeDx<KRAJID:1>8<EO", "znacznik <EO nie jest zamknięty"},
        {first + "<TABELA:7>KrajeDx<NAZWAPOL:8>Pol<EOR><TABELA:7>KrajeDx<EOR>", "sięga poza znacznik <EOR>"},
        {first + "<TABELA:7>KrajeDx<NAZWAPOL:8>Pol<eor>\r\n<EOR>", "sięga poza znacznik <EOR>"},
        {first + "<TABELA:7>KrajeDx<KRAJID:99999999999999999999>1<EOR>", "Błędna długość pola"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        const Read r = read(c.bytes);
        EXPECT_TRUE(r.Error.contains(QString::fromUtf8(c.message))) << r.Error.toStdString();
        EXPECT_EQ(r.Error.isEmpty(), *c.message == 0);
        // What came before the fault was read; the caller drops it with the file.
        EXPECT_EQ(r.Countries.size(), c.bytes.startsWith(first) ? 1u : 0u);
    }
}

TEST(PrefiksyExpImp, RealFileRoundTripsByteForByte)
{
    const PrefixFileData data = LoadPrefixFile();
    EXPECT_EQ(data.Countries.size(), 340u);
    EXPECT_EQ(data.Prefixes.size(), 11543u);
    QString text;
    for (const TKrajDX &k : data.Countries)
        text += k.KrajDXToTagText() + "\r\n";
    for (const TPrefixDX &p : data.Prefixes)
        text += p.PrefixDXToTagText() + "\r\n";
    EXPECT_EQ(Cp1250::fromUnicode(text), data.Bytes);
}

TEST(PrefiksyExpImp, RealFileImportsIntoTheTables)
{
    const PrefixFileData data = LoadPrefixFile();
    FakeExecutor db;
    int countries = 0, prefixes = 0;
    for (const TKrajDX &k : data.Countries)
        countries += k.KrajDXInsert(db);
    for (const TPrefixDX &p : data.Prefixes)
        prefixes += p.PrefixDXInsert(db);
    EXPECT_EQ(countries, 340);
    EXPECT_EQ(prefixes, 11543);
}

TEST(PrefiksyExpImp, DamagedFilesNeverOverrun)
{
    // Cuts and byte changes at random (fixed seed) in the head of the real file.
    const QByteArray head = LoadPrefixFile().Bytes.left(3000);
    quint32 seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int i = 0; i < 300; ++i) {
        QByteArray bytes = head.left(qsizetype(next() % head.size()));
        for (int k = 0; k < 5 && !bytes.isEmpty(); ++k)
            bytes[qsizetype(next() % bytes.size())] = "<>:0123456789x"[next() % 14];
        const Read r = read(bytes);
        for (const TKrajDX &k : r.Countries)
            EXPECT_LE(k.NazwaAng.size(), bytes.size());
    }
}
