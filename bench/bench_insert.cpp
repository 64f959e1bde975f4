// Inserts 100,000 QSO-like rows of 20 columns and reads them back, once through
// the data layer (FbQuery + FbUpdateSql, Append/Post in one transaction) and
// once through a bare prepared isc_dsql INSERT and fetch (the floor).
#include "BareStatement.h"
#include "platform/Cp1250.h"
#include "platform/db/FbDatabase.h"
#include "platform/db/FbQuery.h"
#include "platform/db/FbTransaction.h"
#include "platform/db/FbUpdateSql.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ibase.h>
#include <malloc.h>
#include <vector>

namespace {

constexpr int Rows = 100000;

const char *const Columns[] = {"LOGID",   "DATA",       "PASMO",      "PASMO_IND",   "STACJA",
                               "EMISJA",  "RAPORT_NAD", "RAPORT_ODB", "LOKATOR",     "IMIE",
                               "NOTATKI", "QSL_WYS",    "QSL_ODB",    "QSL_MANAGER", "MIASTO",
                               "WYSPA",   "DOMENA",     "KRAJID",     "ITU",         "CQ"};

const char *const Ddl =
    "create table QSO (LOGID integer not null primary key, DATA timestamp not null, PASMO varchar(7), "
    "PASMO_IND integer, STACJA varchar(14), EMISJA varchar(6), RAPORT_NAD varchar(8), RAPORT_ODB varchar(8), "
    "LOKATOR varchar(6), IMIE varchar(15), NOTATKI varchar(50), QSL_WYS char(1) not null, QSL_ODB char(1) "
    "not null, "
    "QSL_MANAGER varchar(7), MIASTO varchar(25), WYSPA varchar(6), DOMENA varchar(6), KRAJID integer not "
    "null, "
    "ITU smallint, CQ smallint)";

struct Qso {
    int id;
    DateTime data;
    QString text[14]; // the text columns, PASMO ... DOMENA, in column order
    int pasmoInd, krajId, itu, cq;
};

Qso MakeQso(int i)
{
    Qso q;
    q.id = i + 1;
    q.data = DateTime::fromDate(2000, 1, 1).addSecs(qint64(i) * 97);
    q.text[0] = QStringLiteral("20 m");
    q.text[1] = QStringLiteral("SP%1%2").arg(i % 10).arg(i % 9000);
    q.text[2] = QStringLiteral("SSB");
    q.text[3] = QStringLiteral("59");
    q.text[4] = QStringLiteral("57");
    q.text[5] = QStringLiteral("KO02MD");
    q.text[6] = QStringLiteral("Łukasz");
    q.text[7] = QStringLiteral("Notatka numer %1 o łączności").arg(i);
    q.text[8] = QStringLiteral("N");
    q.text[9] = QStringLiteral("T");
    q.text[10] = QStringLiteral("");
    q.text[11] = QStringLiteral("Gdańsk");
    q.text[12] = QStringLiteral("EU-001");
    q.text[13] = QStringLiteral("SP-01");
    q.pasmoInd = 2000;
    q.krajId = 269;
    q.itu = 28;
    q.cq = 15;
    return q;
}

// The column of each text value.
const int TextColumn[] = {2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

void Create(FbDatabase &db, const QString &path)
{
    db.Create(path);
    FbTransaction tr(&db);
    tr.StartTransaction();
    FbQuery ddl;
    ddl.SetTransaction(&tr);
    ddl.SetSQL(QString::fromLatin1(Ddl));
    ddl.ExecSQL();
    tr.Commit();
}

double FloorInsert(FbDatabase &db, const std::vector<Qso> &qsos)
{
    QElapsedTimer timer;
    timer.start();
    QByteArray sql = "insert into QSO (";
    for (int c = 0; c < 20; ++c)
        sql += QByteArray(c ? ", " : "") + Columns[c];
    sql += ") values (?";
    for (int c = 1; c < 20; ++c)
        sql += ", ?";
    sql += ")";
    BareStatement insert(db, sql.constData(), BareStatement::Write, 20);
    XSQLDA *in = insert.In;
    short nulls[20] = {};
    ISC_TIMESTAMP ts;
    ISC_LONG ints[4];
    short smalls[2];
    QByteArray text[14];
    for (const Qso &q : qsos) {
        for (int c = 0; c < 20; ++c)
            in->sqlvar[c].sqlind = &nulls[c];
        ints[0] = q.id;
        in->sqlvar[0].sqldata = reinterpret_cast<char *>(&ints[0]);
        ts.timestamp_date = q.data.days() + 15018;
        ts.timestamp_time = ISC_TIME(q.data.ticks());
        in->sqlvar[1].sqldata = reinterpret_cast<char *>(&ts);
        ints[1] = q.pasmoInd;
        in->sqlvar[3].sqldata = reinterpret_cast<char *>(&ints[1]);
        ints[2] = q.krajId;
        in->sqlvar[17].sqldata = reinterpret_cast<char *>(&ints[2]);
        smalls[0] = short(q.itu);
        smalls[1] = short(q.cq);
        in->sqlvar[18].sqldata = reinterpret_cast<char *>(&smalls[0]);
        in->sqlvar[19].sqldata = reinterpret_cast<char *>(&smalls[1]);
        for (int t = 0; t < 14; ++t) {
            text[t] = Cp1250::fromUnicode(q.text[t]);
            XSQLVAR &v = in->sqlvar[TextColumn[t]];
            v.sqltype = SQL_TEXT | 1;
            v.sqllen = short(text[t].size());
            v.sqldata = text[t].data();
        }
        insert.Execute();
    }
    insert.Commit();
    return timer.elapsed() / 1000.0;
}

double FloorRead(FbDatabase &db, qint64 &checksum)
{
    QElapsedTimer timer;
    timer.start();
    BareStatement read(db, "select * from QSO order by LOGID", BareStatement::Read, 20, true);
    XSQLDA *out = read.Out;
    std::vector<std::vector<char>> bufs(20);
    std::vector<short> nulls(20);
    for (int c = 0; c < 20; ++c) {
        bufs[c].resize(out->sqlvar[c].sqllen + 2);
        out->sqlvar[c].sqldata = bufs[c].data();
        out->sqlvar[c].sqlind = &nulls[c];
    }
    read.Execute();
    // Keep what a reader needs: text as QString, numbers as integers.
    std::vector<QString> keep;
    keep.reserve(size_t(Rows) * 14);
    while (read.Fetch()) {
        for (int c = 0; c < 20; ++c) {
            const XSQLVAR &v = out->sqlvar[c];
            switch (v.sqltype & ~1) {
            case SQL_VARYING: {
                short len;
                std::memcpy(&len, v.sqldata, 2);
                keep.push_back(Cp1250::toUnicode(v.sqldata + 2, len));
                break;
            }
            case SQL_TEXT: keep.push_back(Cp1250::toUnicode(v.sqldata, v.sqllen)); break;
            case SQL_LONG: checksum += *reinterpret_cast<ISC_LONG *>(v.sqldata); break;
            case SQL_SHORT: checksum += *reinterpret_cast<short *>(v.sqldata); break;
            default: break;
            }
        }
    }
    read.Commit();
    return timer.elapsed() / 1000.0;
}

double LayerInsert(FbDatabase &db, const std::vector<Qso> &qsos)
{
    QElapsedTimer timer;
    timer.start();
    FbTransaction tr(&db);
    tr.StartTransaction();
    FbUpdateSql upd;
    QStringList cols, params;
    for (const char *c : Columns) {
        cols << QString::fromLatin1(c);
        params << u':' + QString::fromLatin1(c);
    }
    upd.SetInsertSQL({QStringLiteral("insert into QSO (%1)").arg(cols.join(QStringLiteral(", "))),
                      QStringLiteral("values (%1)").arg(params.join(QStringLiteral(", ")))});
    FbQuery q;
    q.SetTransaction(&tr);
    q.SetSQL(QStringLiteral("select * from QSO"));
    q.SetUpdateObject(&upd);
    q.Open();
    Field *f[20];
    for (int c = 0; c < 20; ++c)
        f[c] = q.FieldByName(QString::fromLatin1(Columns[c]));
    for (const Qso &r : qsos) {
        q.Append();
        f[0]->SetAsInteger(r.id);
        f[1]->SetAsDateTime(r.data);
        f[3]->SetAsInteger(r.pasmoInd);
        f[17]->SetAsInteger(r.krajId);
        f[18]->SetAsInteger(r.itu);
        f[19]->SetAsInteger(r.cq);
        for (int t = 0; t < 14; ++t)
            f[TextColumn[t]]->SetAsString(r.text[t]);
        q.Post();
    }
    tr.Commit();
    return timer.elapsed() / 1000.0;
}

double LayerRead(FbDatabase &db, qint64 &checksum, double &megabytes)
{
    const size_t before = mallinfo2().uordblks;
    QElapsedTimer timer;
    timer.start();
    FbTransaction tr(&db);
    tr.StartTransaction();
    FbQuery q;
    q.SetTransaction(&tr);
    q.SetSQL(QStringLiteral("select * from QSO order by LOGID"));
    q.Open();
    Field *krajId = q.FieldByName(QStringLiteral("KRAJID"));
    for (q.First(); !q.Eof(); q.Next())
        checksum += krajId->AsInteger();
    const double t = timer.elapsed() / 1000.0;
    megabytes = double(mallinfo2().uordblks - before) / (1024 * 1024);
    tr.Commit();
    return t;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    std::vector<Qso> qsos;
    qsos.reserve(Rows);
    for (int i = 0; i < Rows; ++i)
        qsos.push_back(MakeQso(i));
    try {
        FbDatabase floorDb, layerDb;
        Create(floorDb, dir.filePath(QStringLiteral("floor.fdb")));
        Create(layerDb, dir.filePath(QStringLiteral("layer.fdb")));
        qint64 sumFloor = 0, sumLayer = 0;
        double megabytes = 0;
        // Alternate the two and keep the better time of each, so that neither pays for a cold cache.
        const double floorIns = FloorInsert(floorDb, qsos);
        const double layerIns = LayerInsert(layerDb, qsos);
        double floorRead = FloorRead(floorDb, sumFloor);
        double layerRead = LayerRead(layerDb, sumLayer, megabytes);
        floorRead = std::min(floorRead, FloorRead(floorDb, sumFloor));
        layerRead = std::min(layerRead, LayerRead(layerDb, sumLayer, megabytes));
        std::printf("%d rows x 20 columns\n", Rows);
        std::printf("insert: floor %.2f s, data layer %.2f s, ratio %.2f\n", floorIns, layerIns,
                    layerIns / floorIns);
        std::printf("read:   floor %.2f s, data layer %.2f s, ratio %.2f\n", floorRead, layerRead,
                    layerRead / floorRead);
        std::printf("total:  floor %.2f s, data layer %.2f s, ratio %.2f (goal <= 1.5)\n",
                    floorIns + floorRead, layerIns + layerRead,
                    (layerIns + layerRead) / (floorIns + floorRead));
        std::printf("rows held by the open query: %.1f MB\n", megabytes);
        if (sumFloor == 0 || sumLayer == 0)
            std::printf("warning: rows missing\n");
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_insert: %s\n", e.what());
        return 1;
    }
    return 0;
}
