#pragma once

// Test and benchmark QSOs written straight into LOGI (header-only, so the
// benchmarks can use it without the test-support library).
#include "core/Pasmo.h"
#include "platform/DateTime.h"
#include "platform/db/FbDatabase.h"
#include "platform/db/FbStatement.h"
#include "platform/db/FbTransaction.h"

#include <QString>
#include <QStringList>
#include <vector>

struct QsoRow {
    DateTime Data;
    int Band = 0; // TPasmo index
    QString Stacja;
    QString Emisja = QStringLiteral("SSB");
    QString RaportNad = QStringLiteral("59");
    QString RaportOdb = QStringLiteral("59");
    QString Imie;
    QString Miasto;
    QString Lokator;
    QString QslWys = QStringLiteral("N");
    QString QslOdb = QStringLiteral("N");
    int KrajId = 0;
    QString Kontynent;
    int Itu = 0;
    int Cq = 0;
    QString Notatki;
    QString Domena;
    QString Wyspa;
    QString Gmina;
    QString Zamek;
    QString QslManager;
};

// Inserts the rows in one transaction, each with a LogId from the program's
// generator; returns the LogIds in row order.
inline std::vector<int> InsertQsos(FbDatabase &db, const std::vector<QsoRow> &rows)
{
    FbTransaction tr(&db);
    tr.StartTransaction();
    FbStatement ins(&db, &tr);
    ins.SetSQL(QStringList{
        QStringLiteral(
            "insert into Logi (LOGID, DATA, PASMO, PASMO_IND, STACJA, KRAJID, EMISJA, RAPORT_NAD, "
            "RAPORT_ODB, IMIE, MIASTO, LOKATOR, NOTATKI, QSL_WYS, QSL_ODB, KONTYNENT, ITU, CQ, DOMENA, "
            "WYSPA, GMINA, ZAMEK, QSL_MANAGER)"),
        QStringLiteral("values (GEN_ID(GEN_LOGID, 1), :DATA, :PASMO, :PASMO_IND, :STACJA, :KRAJID, :EMISJA, "
                       ":RAPORT_NAD, :RAPORT_ODB, :IMIE, :MIASTO, :LOKATOR, :NOTATKI, :QSL_WYS, :QSL_ODB, "
                       ":KONTYNENT, :ITU, :CQ, :DOMENA, :WYSPA, :GMINA, :ZAMEK, :QSL_MANAGER)"),
        QStringLiteral("returning LOGID")});
    ins.Prepare();
    std::vector<int> ids;
    ids.reserve(rows.size());
    for (const QsoRow &r : rows) {
        ins.ParamByName(QStringLiteral("DATA"))->SetAsDateTime(r.Data);
        ins.ParamByName(QStringLiteral("PASMO"))->SetAsString(TPasmo::BandNameOf(r.Band));
        ins.ParamByName(QStringLiteral("PASMO_IND"))->SetAsInteger(TPasmo::BandWavelengthOf(r.Band));
        ins.ParamByName(QStringLiteral("STACJA"))->SetAsString(r.Stacja);
        ins.ParamByName(QStringLiteral("KRAJID"))->SetAsInteger(r.KrajId);
        ins.ParamByName(QStringLiteral("EMISJA"))->SetAsString(r.Emisja);
        ins.ParamByName(QStringLiteral("RAPORT_NAD"))->SetAsString(r.RaportNad);
        ins.ParamByName(QStringLiteral("RAPORT_ODB"))->SetAsString(r.RaportOdb);
        ins.ParamByName(QStringLiteral("IMIE"))->SetAsString(r.Imie);
        ins.ParamByName(QStringLiteral("MIASTO"))->SetAsString(r.Miasto);
        ins.ParamByName(QStringLiteral("LOKATOR"))->SetAsString(r.Lokator);
        ins.ParamByName(QStringLiteral("NOTATKI"))->SetAsString(r.Notatki);
        ins.ParamByName(QStringLiteral("QSL_WYS"))->SetAsString(r.QslWys);
        ins.ParamByName(QStringLiteral("QSL_ODB"))->SetAsString(r.QslOdb);
        ins.ParamByName(QStringLiteral("KONTYNENT"))->SetAsString(r.Kontynent);
        ins.ParamByName(QStringLiteral("ITU"))->SetAsInteger(r.Itu);
        ins.ParamByName(QStringLiteral("CQ"))->SetAsInteger(r.Cq);
        ins.ParamByName(QStringLiteral("DOMENA"))->SetAsString(r.Domena);
        ins.ParamByName(QStringLiteral("WYSPA"))->SetAsString(r.Wyspa);
        ins.ParamByName(QStringLiteral("GMINA"))->SetAsString(r.Gmina);
        ins.ParamByName(QStringLiteral("ZAMEK"))->SetAsString(r.Zamek);
        ins.ParamByName(QStringLiteral("QSL_MANAGER"))->SetAsString(r.QslManager);
        ins.ExecQuery();
        ids.push_back(int(ins.ColumnByName(QStringLiteral("LOGID"))->AsInteger()));
    }
    ins.Close();
    tr.Commit();
    return ids;
}

// A varied log of n QSOs, one every seven minutes from 2003-07-05, with Polish
// names and towns, several QSOs per station and every band.
inline std::vector<QsoRow> SampleQsos(int n)
{
    static const char *const calls[] = {"SP5ABC", "SQ9XYZ", "DL1AA", "OK2PBQ", "G3XYZ",  "SP3KEP", "HA5KDQ",
                                        "IK2AAA", "SP9LOD", "W1AW",  "JA1ZZZ", "VK2ABC", "SP7CMA"};
    static const char *const names[] = {"Józef", "Łukasz", "Hans",  "Jiří", "John",  "Zbigniew", "Gábor",
                                        "Marco", "Żaneta", "Hiram", "Taro", "Bruce", "Ćwirek"};
    static const char *const towns[] = {"Warszawa", "Kraków",   "Berlin",     "Brno", "London",
                                        "Poznań",   "Budapest", "Milano",     "Łódź", "Newington",
                                        "Tokyo",    "Sydney",   "Częstochowa"};
    static const char *const modes[] = {"SSB", "CW", "FM", "RTTY"};
    std::vector<QsoRow> rows;
    rows.reserve(n);
    const DateTime start = DateTime::fromDate(2003, 7, 5, 6, 0);
    for (int i = 0; i < n; ++i) {
        const int s = (i * 7 + i / 13) % 13;
        QsoRow r;
        r.Data = start.addSecs(qint64(i) * 7 * 60);
        r.Band = 1 + i % 14;
        r.Stacja = QString::fromUtf8(calls[s]);
        r.Imie = QString::fromUtf8(names[s]);
        r.Miasto = QString::fromUtf8(towns[s]);
        r.Emisja = QString::fromLatin1(modes[i % 4]);
        const bool cw = r.Emisja != QLatin1String("SSB") && r.Emisja != QLatin1String("FM");
        r.RaportNad = r.RaportOdb = cw ? QStringLiteral("599") : QStringLiteral("59");
        r.Lokator = QStringLiteral("JO9%1AB").arg(i % 10).left(6);
        r.QslWys = i % 3 ? QStringLiteral("T") : QStringLiteral("N");
        r.QslOdb = i % 5 ? QStringLiteral("N") : QStringLiteral("T");
        r.Kontynent = QStringLiteral("EU");
        r.Itu = 28;
        r.Cq = 15;
        r.Notatki = i % 4 ? QString() : QStringLiteral("zawody");
        rows.push_back(r);
    }
    return rows;
}
