#pragma once

// A small award log shared by the statistics tests: the seeded reference rows
// are replaced by a handful of countries, islands, districts, communes and
// castles, and 24 QSOs are logged over them. Worked out by hand, the log holds:
// - countries (PrefixDX order) DL 230, JA 339, K 291, OK 503 (never worked),
//   SP 269, VK 150, ZZ 1001 (an id above 1000); QSOs also with id 999 (not in
//   KRAJEDX) and 0;
// - islands AS-007, EU-005, EU-024, NA-046 (also logged as "na-046"), OC-001;
//   QSOs with "AF-999" (not in WYSPY) and " - ";
// - districts AB, AL, BB, ZY; Domena in forms "DAB", "WXAL", " DAB ", "RAB" and
//   "AB" (too short);
// - communes B12011, D0101, G2401, W3064 (GMINAID is CHAR(6), so the shorter
//   ones come back padded), one QSO with "d0101";
// - castles ZM001, ZM002, ZM003, one QSO with "zm003", one with " ZM003";
// - squares on 6 m and up: IK51, JO31, JO72, "jo72", KO02 (JO90 only on 4 m,
//   others only on HF, "JO7" too short);
// - ITU zones 8, 27, 28, 29, 37, 45, 59, 75 and CQ zones 5, 14, 15, 25, 30,
//   33, 40, one QSO with ITU 76 and CQ 41, one with ITU 0 and CQ 33;
// - continents EU, NA, AS, OC, AF and one "XX";
// - bands 160 m to 10 m, 6 m, 4 m, 2 m, 70 cm, 23 cm and one QSO without a band.
// Non-Polish QSOs carry Polish references too (never counted for them).

#include "support/LogDb.h"
#include "support/QsoRows.h"

#include <vector>

struct AwardsQso {
    const char *Call;
    int Band; // TPasmo index
    int KrajId;
    bool Confirmed;
    const char *Kontynent;
    int Itu, Cq;
    const char *Wyspa, *Domena, *Gmina, *Zamek, *Lokator;
};

// In LOGID order; the n-th QSO is logged at 2024-05-01 10:00 plus n-1 hours.
inline const std::vector<AwardsQso> &AwardsQsos()
{
    static const std::vector<AwardsQso> qsos = {
        {"SP1AAA", 2, 269, false, "EU", 28, 15, "", "DAB", "D0101", "ZM001", "JO72AA"},
        {"SP2BBB", 2, 269, true, "EU", 28, 15, "", "DAB", "D0101", "ZM001", "JO82BB"},
        {"SP3CCC", 12, 269, false, "EU", 28, 15, "", "WXAL", "W3064", "ZM002", "JO72AB"},
        {"SP4DDD", 11, 269, true, "EU", 29, 15, "", "GBB", "G2401", "zm003", "JO90CC"},
        {"SP5EEE", 13, 269, true, "EU", 28, 15, "", "BZY", "B12011", "ZM003", "KO02DD"},
        {"SP6FFF", 5, 269, false, "EU", 28, 15, "", "AB", "d0101", "", "JO80"},
        {"SP7GGG", 0, 269, true, "EU", 28, 15, "", "DAB", "D0101", "ZM001", "JO72"},
        {"SP8HHH", 12, 269, true, "EU", 28, 15, "", "DAB", "D0101", "ZM002", "jo72ac"},
        {"DL1AAA", 5, 230, true, "EU", 28, 14, "", "DAB", "D0101", "ZM001", "JO31"},
        {"DL2BBB", 5, 230, false, "EU", 28, 14, "", "", "", "", "JO31AA"},
        {"DL3CCC", 10, 230, false, "EU", 28, 14, "", "", "", "", "JO31BB"},
        {"DL4DDD", 1, 230, true, "EU", 28, 14, "", "", "", "", "JO40"},
        {"K1AAA", 5, 291, false, "NA", 8, 5, "NA-046", "", "", "", "FN31"},
        {"K2BBB", 9, 291, true, "NA", 8, 5, "na-046", "", "", "", ""},
        {"JA1AAA", 7, 339, true, "AS", 45, 25, "AS-007", "", "", "", "PM95"},
        {"VK2AAA", 3, 150, false, "OC", 59, 30, "OC-001", "", "", "", "QF56"},
        {"ZZ1AA", 6, 1001, true, "AF", 76, 41, "AF-999", "", "", "", ""},
        {"ZZ2BB", 14, 1001, false, "AF", 0, 33, " - ", "", "", "", "IK51XX"},
        {"XX1XX", 5, 999, true, "XX", 0, 0, "EU-024", "", "", "", ""},
        {"GB1AA", 5, 0, false, "", 27, 14, "EU-005", "", "", "", ""},
        {"SP9III", 13, 269, false, "EU", 28, 15, "", "DAB", "D0101", "ZM001", "KO02"},
        {"SP0JJJ", 10, 269, false, "EU", 75, 40, "", "RAB", "G2401", "ZM003", "KO02EE"},
        {"SP1KKK", 12, 269, true, "EU", 29, 15, "", " DAB ", "W3064", " ZM003", "JO72CC"},
        {"SP2LLL", 12, 269, false, "EU", 37, 15, "", "", "", "", "JO7"},
    };
    return qsos;
}

// Replaces the reference tables with the fixture's rows and logs its QSOs
// (committed). Returns the LogIds in the order of AwardsQsos().
inline std::vector<int> FillAwardsLog(FbDatabase &db)
{
    for (const char *table : {"PREFIKSYDX", "KRAJEDX", "WYSPY", "POWIATY", "GMINY", "ZAMKI"})
        ExecSql(db, QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    const QStringList references = {
        "INSERT INTO KRAJEDX (KRAJID, PREFIXDX, NAZWAANG, NAZWAPOL, KONTYNENT) VALUES (230, 'DL', 'Germany', "
        "'Niemcy', 'EU')",
        "INSERT INTO KRAJEDX (KRAJID, PREFIXDX, NAZWAANG, NAZWAPOL, KONTYNENT) VALUES (339, 'JA', 'Japan', "
        "'Japonia', 'AS')",
        "INSERT INTO KRAJEDX (KRAJID, PREFIXDX, NAZWAANG, NAZWAPOL, KONTYNENT) VALUES (291, 'K', 'United "
        "States', 'Stany Zjednoczone', 'NA')",
        "INSERT INTO KRAJEDX (KRAJID, PREFIXDX, NAZWAANG, NAZWAPOL, KONTYNENT) VALUES (503, 'OK', 'Czech "
        "Republic', 'Czechy', 'EU')",
        "INSERT INTO KRAJEDX (KRAJID, PREFIXDX, NAZWAANG, NAZWAPOL, KONTYNENT) VALUES (269, 'SP', 'Poland', "
        "'Polska', 'EU')",
        "INSERT INTO KRAJEDX (KRAJID, PREFIXDX, NAZWAANG, NAZWAPOL, KONTYNENT) VALUES (150, 'VK', "
        "'Australia', "
        "'Australia', 'OC')",
        "INSERT INTO KRAJEDX (KRAJID, PREFIXDX, NAZWAANG, NAZWAPOL, KONTYNENT) VALUES (1001, 'ZZ', 'Test "
        "Island', 'Wyspa Testowa', 'AF')",
        "INSERT INTO WYSPY (IOTA, NAZWAANG, NAZWAPOL) VALUES ('AS-007', 'Honshu Island', 'Honsiu')",
        "INSERT INTO WYSPY (IOTA, NAZWAANG, NAZWAPOL) VALUES ('EU-005', 'Great Britain', 'Wielka Brytania')",
        "INSERT INTO WYSPY (IOTA, NAZWAANG, NAZWAPOL) VALUES ('EU-024', 'Sardinia Island', 'Sardynia')",
        "INSERT INTO WYSPY (IOTA, NAZWAANG, NAZWAPOL) VALUES ('NA-046', 'Massachusetts South', "
        "'Massachusetts Południe')",
        "INSERT INTO WYSPY (IOTA, NAZWAANG, NAZWAPOL) VALUES ('OC-001', 'Australia', 'Australia')",
        "INSERT INTO POWIATY (POWIATID, WOJEWID, POWIAT) VALUES ('AB', 'D', 'wałbrzyski - Wałbrzych')",
        "INSERT INTO POWIATY (POWIATID, WOJEWID, POWIAT) VALUES ('AL', 'W', 'kaliski - Kalisz [grodzki]')",
        "INSERT INTO POWIATY (POWIATID, WOJEWID, POWIAT) VALUES ('BB', 'G', 'bielski - Bielsko Biała')",
        "INSERT INTO POWIATY (POWIATID, WOJEWID, POWIAT) VALUES ('ZY', 'B', 'żarski - Żary')",
        "INSERT INTO GMINY (GMINAID, GMINA, POWIAT, WOJEWID) VALUES ('B12011', 'Żary', 'żarski', 'B')",
        "INSERT INTO GMINY (GMINAID, GMINA, POWIAT, WOJEWID) VALUES ('D0101', 'Bolków', 'jaworski', 'D')",
        "INSERT INTO GMINY (GMINAID, GMINA, POWIAT, WOJEWID) VALUES ('G2401', 'Bielsko-Biała', 'bielski', "
        "'G')",
        "INSERT INTO GMINY (GMINAID, GMINA, POWIAT, WOJEWID) VALUES ('W3064', 'Kalisz', 'kaliski', 'W')",
        "INSERT INTO ZAMKI (SYMBOL, NAZWA) VALUES ('ZM001', 'Malbork')",
        "INSERT INTO ZAMKI (SYMBOL, NAZWA) VALUES ('ZM002', 'Książ (Wałbrzych)')",
        "INSERT INTO ZAMKI (SYMBOL, NAZWA) VALUES ('ZM003', 'Czersk')",
    };
    for (const QString &sql : references)
        ExecSql(db, sql);

    std::vector<QsoRow> rows;
    const DateTime start = DateTime::fromDate(2024, 5, 1, 10, 0);
    for (const AwardsQso &q : AwardsQsos()) {
        QsoRow r;
        r.Data = start.addSecs(qint64(rows.size()) * 3600);
        r.Band = q.Band;
        r.Stacja = QString::fromUtf8(q.Call);
        r.KrajId = q.KrajId;
        r.QslOdb = q.Confirmed ? QStringLiteral("T") : QStringLiteral("N");
        r.Kontynent = QString::fromUtf8(q.Kontynent);
        r.Itu = q.Itu;
        r.Cq = q.Cq;
        r.Wyspa = QString::fromUtf8(q.Wyspa);
        r.Domena = QString::fromUtf8(q.Domena);
        r.Gmina = QString::fromUtf8(q.Gmina);
        r.Zamek = QString::fromUtf8(q.Zamek);
        r.Lokator = QString::fromUtf8(q.Lokator);
        rows.push_back(r);
    }
    return InsertQsos(db, rows);
}

// A data module on a fresh log holding the award fixture.
class AwardsLogTest : public DataModuleTest {
protected:
    void SetUp() override
    {
        DataModuleTest::SetUp();
        logIds = FillAwardsLog(dm->Baza);
    }

    std::vector<int> logIds;
};
