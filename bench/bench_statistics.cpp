// The nine award statistics over a generated log of 100,000 QSOs (a third of
// them Polish, with districts, 2,500 communes and 300 castles; islands,
// 1,600 locator squares, every zone and continent). Each statistic's time is
// printed next to its floor: a bare fetch of the rows and columns its scan
// reads, in the same run. Goals: each within 3x of its floor, all nine under
// 3 s together.
#include "BenchApp.h"
#include "SampleLog.h"
#include "awards/StatRecipe.h"
#include "awards/StatRuns.h"
#include "core/FDM.h"
#include "core/Geography.h"
#include "platform/db/FbStatement.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

constexpr int Qsos = 100000;
constexpr int Communes = 2500;
constexpr int Castles = 300;

QStringList Column(TDM &dm, const QString &sql)
{
    QStringList values;
    FbTransaction tr(&dm.Baza);
    FbTransactionScope scope(tr);
    FbStatement q(&dm.Baza, &tr);
    q.SetSQL(sql);
    FetchAllRows(q, [&](const TRowValues &row) {
        values << (row[0].s.isEmpty() ? QString::number(row[0].i) : row[0].s);
    });
    return values;
}

void InsertReferences(TDM &dm)
{
    FbTransaction tr(&dm.Baza);
    FbTransactionScope scope(tr);
    FbStatement gmina(&dm.Baza, &tr), zamek(&dm.Baza, &tr);
    gmina.SetSQL("INSERT INTO GMINY (GMINAID, GMINA) VALUES (:ID, :NAZWA)");
    for (int i = 0; i < Communes; ++i) {
        gmina.ParamByName("ID")->SetAsString(
            QStringLiteral("%1").arg(i * 7 + 20000, 6, 10, QLatin1Char('0')));
        gmina.ParamByName("NAZWA")->SetAsString(QStringLiteral("Gmina %1").arg(i));
        gmina.ExecQuery();
    }
    zamek.SetSQL("INSERT INTO ZAMKI (SYMBOL, NAZWA) VALUES (:ID, :NAZWA)");
    for (int i = 0; i < Castles; ++i) {
        zamek.ParamByName("ID")->SetAsString(QStringLiteral("Z%1").arg(i, 4, 10, QLatin1Char('0')));
        zamek.ParamByName("NAZWA")->SetAsString(QStringLiteral("Zamek %1").arg(i));
        zamek.ExecQuery();
    }
    scope.Commit();
}

std::vector<QsoRow> AwardQsos(TDM &dm)
{
    const QStringList countries = Column(dm, "SELECT KrajId FROM KrajeDX");
    const QStringList islands = Column(dm, "SELECT IOTA FROM Wyspy");
    const QStringList districts = Column(dm, "SELECT WojewId || PowiatId FROM Powiaty");
    std::vector<QsoRow> rows = SampleQsos(Qsos);
    for (int i = 0; i < Qsos; ++i) {
        QsoRow &r = rows[i];
        const bool polish = i % 3 == 0;
        r.KrajId = polish ? PolandKrajId : countries[(i * 37) % countries.size()].toInt();
        if (polish) {
            r.Domena = districts[(i * 11) % districts.size()];
            r.Gmina = QStringLiteral("%1").arg(((i * 13) % Communes) * 7 + 20000, 6, 10, QLatin1Char('0'));
            r.Zamek =
                i % 4 ? QString() : QStringLiteral("Z%1").arg((i * 17) % Castles, 4, 10, QLatin1Char('0'));
        }
        r.Wyspa = i % 7 ? QStringLiteral("-") : islands[(i * 29) % islands.size()];
        r.Lokator = QStringLiteral("%1%2%3%4AA")
                        .arg(QChar(u'I' + (i % 4)))
                        .arg(QChar(u'M' + (i / 4) % 4))
                        .arg((i * 7) % 10)
                        .arg((i * 3 / 7) % 10);
        r.Itu = (i * 13) % 80;
        r.Cq = (i * 7) % 42;
        r.Kontynent = ContinentTable[i % 8];
    }
    return rows;
}

// The floor: the statistic's scan query fetched to the end in a transaction
// of its own, nothing done with the rows.
double Floor(TDM &dm, const QStringList &sql)
{
    return Best([&] {
        FbTransaction tr(&dm.Baza);
        FbTransactionScope scope(tr);
        FbStatement q(&dm.Baza, &tr);
        q.SetSQL(sql);
        FetchAllRows(q, [](const TRowValues &) {});
    });
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    PrintBoxesToStderr();
    QTemporaryDir dir;
    TDM dm;
    if (!OpenSampleLog(dm, dir.path(), 0))
        return 1;
    InsertReferences(dm);
    InsertQsos(dm.Baza, AwardQsos(dm));

    const QString hf = "WHERE Pasmo IN('160 m','80 m','40 m','30 m','20 m','17 m','15 m','12 m','10 m')";
    TStatTables tables;
    const auto grid = [&](void (*build)(TDM &, TStatTables &, const TProgress &)) {
        return [&dm, &tables, build] { build(dm, tables, {}); };
    };
    struct Job {
        const char *name;
        std::function<void()> run;
        QStringList scan;
    };
    const Job jobs[] = {
        {"DXCC MultiBand",
         grid(BuildDxccMultiBandStats),
         {"SELECT KrajId, Stacja, Pasmo, QSL_ODB", "FROM Logi"}},
        {"DXCC KF", grid(BuildDxccHfStats), {"SELECT KrajId, Stacja, QSL_ODB", "FROM Logi", hf}},
        {"IOTA", grid(BuildIotaStats), {"SELECT Wyspa, QSL_ODB", "FROM Logi"}},
        {"SPPA",
         grid(BuildPowiatStats),
         {"SELECT Stacja, Pasmo, Domena, QSL_ODB", "FROM Logi", "WHERE KrajId=269"}},
        {"PGA", grid(BuildGminaStats), {"SELECT Pasmo, Gmina, QSL_ODB", "FROM Logi", "WHERE KrajId=269"}},
        {"Zamki polskie",
         grid(BuildZamekStats),
         {"SELECT Pasmo, Zamek, QSL_ODB", "FROM Logi", "WHERE KrajId=269"}},
        {"Lokator",
         grid(BuildLokatorStats),
         {"SELECT Pasmo, Lokator, QSL_ODB", "FROM Logi", "WHERE (Lokator IS NOT NULL)"}},
        {"Strefa",
         [&] { BuildZoneStats(dm, {}); },
         {"SELECT ITU, CQ, QSL_ODB", "FROM Logi", "WHERE (ITU<>0) or (CQ<>0)"}},
        {"Kontynent",
         [&] { BuildContinentStats(dm, {}); },
         {"SELECT Kontynent, QSL_ODB", "FROM Logi", "WHERE Kontynent IS NOT NULL"}},
    };

    std::printf("%d QSOs, %d communes, %d castles\n", Qsos, Communes, Castles);
    std::printf("%-16s %9s %9s %7s\n", "statistic", "time", "floor", "ratio");
    double total = 0, worst = 0;
    int positions = 0;
    for (const Job &job : jobs) {
        const double floor = Floor(dm, job.scan);
        const double time = Best(job.run);
        total += time;
        worst = std::max(worst, time / floor);
        std::printf("%-16s %7.3f s %7.3f s %6.2fx\n", job.name, time, floor, time / floor);
    }
    // The window lets the application process its messages at every position.
    const double withProgress = Best([&] {
        TProgress p;
        p.Position = [&positions](int) { ++positions; };
        BuildDxccMultiBandStats(dm, tables, p);
    });
    std::printf("all nine          %7.3f s (goal < 3 s), worst ratio %.2fx (goal <= 3x)\n", total, worst);
    std::printf("DXCC MultiBand with a progress callback: %.3f s, %d positions per run\n", withProgress,
                positions / 3);
    return 0;
}
