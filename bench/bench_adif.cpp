// ADIF export and import of a generated 100,000-QSO log, against the floor of
// the same rows through one bare prepared INSERT in one transaction.
#include "BenchApp.h"
#include "core/FDM.h"
#include "core/Log.h"
#include "core/NewDatabase.h"
#include "exchange/AdifExport.h"
#include "exchange/AdifImport.h"
#include "exchange/AdifWriter.h"
#include "exchange/QsoGenerator.h"
#include "platform/Cp1250.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace {

constexpr int Qsos = 100000;

void Report(const char *what, double s, qsizetype n)
{
    std::printf("%-34s %8.3f s  %10.0f QSO/s\n", what, s, n / s);
}

// The floor: the same QSOs through one prepared INSERT in one transaction,
// ids from a counter, no parsing and no duplicate check.
double RawInsert(TDM &dm, const std::vector<TLog> &qsos)
{
    FbTransaction tr(&dm.Baza);
    tr.StartTransaction();
    FbStatement ins(&dm.Baza, &tr);
    ins.SetSQL(QStringList{"insert into Logi (LOGID, DATA, PASMO, PASMO_IND, STACJA, KRAJID, EMISJA, "
                           "RAPORT_NAD, RAPORT_ODB, IMIE, "
                           "WYSPA, DOMENA, GMINA, ZAMEK, MIASTO, LOKATOR, NOTATKI, QSL_MANAGER, QSL_WYS, "
                           "QSL_ODB, KONTYNENT, ITU, CQ)",
                           "values (:P1, :P2, :P3, :P4, :P5, :P6, :P7, :P8, :P9, :P10, :P11, :P12, :P13, "
                           ":P14, :P15, :P16, :P17, "
                           ":P18, :P19, :P20, :P21, :P22, :P23)"});
    ins.Prepare();
    std::vector<Param *> p;
    for (int i = 0; i < ins.Params().Count(); ++i)
        p.push_back(ins.Params().At(i));
    QElapsedTimer t;
    t.start();
    int id = 1;
    for (const TLog &q : qsos) {
        int c = 0;
        p[c++]->SetAsInteger(id++);
        p[c++]->SetAsDateTime(q.Data);
        p[c++]->SetAsString(q.Pasmo.BandName());
        p[c++]->SetAsInteger(q.Pasmo.BandWavelength());
        p[c++]->SetAsString(q.Stacja);
        p[c++]->SetAsInteger(0);
        for (const QString *s : {&q.Emisja, &q.RaportNad, &q.RaportOdb, &q.Imie, &q.Wyspa, &q.Domena,
                                 &q.Gmina, &q.Zamek, &q.Miasto, &q.Lokator, &q.Notatki, &q.QslManager})
            p[c++]->SetAsString(*s);
        p[c++]->SetAsString(q.QslWys ? "T" : "N");
        p[c++]->SetAsString(q.QslOdb ? "T" : "N");
        p[c++]->SetAsString(q.Kontynent);
        p[c++]->SetAsInteger(q.ITU);
        p[c++]->SetAsInteger(q.CQ);
        ins.ExecQuery();
    }
    tr.Commit();
    return Seconds(t);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PrintBoxesToStderr();
    QTemporaryDir dir;

    QElapsedTimer t;
    t.start();
    QsoGenerator gen(2024);
    std::vector<TLog> qsos;
    qsos.reserve(Qsos);
    QByteArray file = AdifFileHeader();
    for (int i = 0; i < Qsos; ++i) {
        qsos.push_back(gen.Next());
        file += Cp1250::fromUnicode(qsos.back().LogToAdif()) + "\r\n";
    }
    std::printf("generated %d QSOs, %.1f MB of ADIF in %.3f s\n", Qsos, file.size() / 1e6, Seconds(t));

    try {
        // Floor in a database of its own, so both runs start from an empty log.
        const QString floorPath = dir.filePath("floor.dat");
        CreateLogDatabase(floorPath, DefaultSeedDataDir());
        double floor = 0;
        {
            qputenv("QUARN_DATABASE", floorPath.toLocal8Bit());
            TDM dm;
            DM = &dm;
            if (!dm.OpenDatabase())
                return 1;
            floor = RawInsert(dm, qsos);
            DM = nullptr;
        }
        Report("raw insert floor", floor, Qsos);

        const QString path = dir.filePath("Log.dat");
        CreateLogDatabase(path, DefaultSeedDataDir());
        qputenv("QUARN_DATABASE", path.toLocal8Bit());
        TDM dm;
        DM = &dm;
        if (!dm.OpenDatabase())
            return 1;

        AdifImport imp(dm);
        t.restart();
        const bool ok = imp.Run(file);
        const double import = Seconds(t);
        Report("import into an empty log", import, imp.Counts().added);
        std::printf("  added %lld of %lld, ok %d, %.2fx the floor (goal <= 2x)\n",
                    (long long)imp.Counts().added, (long long)imp.Counts().processed, ok, import / floor);

        AdifImport again(dm);
        t.restart();
        again.Run(file);
        Report("import again (all duplicates)", Seconds(t), again.Counts().processed);

        // Three runs: the first one also warms the engine's page cache.
        AdifExport exp(dm);
        AdifExport::Outcome outcome = AdifExport::Outcome::Failed;
        for (int run = 1; run <= 3; ++run) {
            const QString name = dir.filePath(QStringLiteral("out%1.adi").arg(run));
            t.restart();
            outcome = exp.Run(name);
            const double exportTime = Seconds(t);
            Report(qPrintable(QStringLiteral("export of the whole log, run %1").arg(run)), exportTime,
                   exp.Written());
        }
        QFile out(dir.filePath("out3.adi"));
        out.open(QIODevice::ReadOnly);
        std::printf("  outcome %d, file identical to the generated one: %s (goal < 1 s)\n", int(outcome),
                    out.readAll() == file ? "yes" : "no");
        DM = nullptr;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "error: %s\n", e.what());
        return 1;
    }
    return 0;
}
