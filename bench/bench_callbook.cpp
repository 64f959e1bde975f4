// The compound callbook search over 100,000 stations: "contains" on the
// surname and "starts with" on the call sign, each until the first screenful
// of rows and the count are there (and once with every row fetched), through the data module as the window
// runs it. The floor is the same two statements on a bare statement in the same run (execute, fetch the same
// rows, read the count): what the engine needs.
#include "BenchApp.h"
#include "SampleLog.h"
#include "core/CallbookQueries.h"
#include "core/FDM.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <array>
#include <cstdio>

namespace {

const int Stations = 100000;
const int ScreenRows = 50;

const std::array<const char *, 6> Prefixes = {"SP", "SQ", "SO", "SN", "HF", "3Z"};
const std::array<const char *, 12> Surnames = {"Kowalski", "Nowak",       "Wiśniewski", "Wójcik",
                                               "Kamiński", "Lewandowski", "Zieliński",  "Szymański",
                                               "Woźniak",  "Dąbrowski",   "Mazur",      "Krawczyk"};
const std::array<const char *, 8> Towns = {"Kraków", "Warszawa", "Kielce", "Gdańsk",
                                           "Łódź",   "Poznań",   "Lublin", "Szczecin"};

QString CallOf(int i)
{
    QString suffix;
    for (int n = i / 60, k = 0; k < 3; ++k, n /= 26)
        suffix.prepend(QChar(u'A' + n % 26));
    return QLatin1String(Prefixes[i % 6]) + QString::number(i / 6 % 10) + suffix;
}

void FillCallbook(TDM &dm)
{
    FbTransaction tr(&dm.Baza);
    FbStatement insert(&dm.Baza, &tr);
    insert.SetSQL(QStringLiteral("insert into STACJE (STACJA, IMIE, NAZWISKO, NAZWA, MIASTO, ADRES, LOKATOR, "
                                 "WOJEW, POWIAT) values (:S, :I, :N, :NA, :M, :A, :L, :W, :P)"));
    tr.StartTransaction();
    for (int i = 0; i < Stations; ++i) {
        const QString surname = QString::fromUtf8(Surnames[i * 7 % Surnames.size()]);
        insert.ParamByName("S")->SetAsString(CallOf(i));
        insert.ParamByName("I")->SetAsString(QStringLiteral("Jan"));
        insert.ParamByName("N")->SetAsString(surname);
        insert.ParamByName("NA")->SetAsString(surname + QStringLiteral(" Jan"));
        insert.ParamByName("M")->SetAsString(QString::fromUtf8(Towns[i % Towns.size()]));
        insert.ParamByName("A")->SetAsString(QStringLiteral("ul. Długa %1").arg(i % 200));
        insert.ParamByName("L")->SetAsString(QStringLiteral("KN09"));
        insert.ParamByName("W")->SetAsString(QStringLiteral("M"));
        insert.ParamByName("P")->SetAsString(QStringLiteral("KQ"));
        insert.ExecQuery();
    }
    tr.Commit();
}

// The window's way: the search and its count, then the rows the user sees.
int ThroughDataModule(TDM &dm, const TCallbookSql &sql, int rows)
{
    const int count = RunCallbookSearch(dm, sql);
    for (int r = 0; r < rows && !dm.Callbook.Eof(); ++r)
        dm.Callbook.Next();
    return count;
}

int Floor(TDM &dm, const TCallbookSql &sql, int rows)
{
    FbTransaction tr(&dm.Baza);
    tr.StartTransaction();
    FbStatement search(&dm.Baza, &tr);
    search.SetSQL(sql.SearchSql);
    search.ExecQuery();
    for (int r = 0; r < rows && !search.Eof(); ++r)
        search.Next();
    FbStatement count(&dm.Baza, &tr);
    count.SetSQL(sql.CountSql);
    count.ExecQuery();
    const int n = count.ColumnByName("LICZNIK")->AsInteger();
    tr.Commit();
    return n;
}

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    PrintBoxesToStderr();
    QTemporaryDir dir;
    TDM dm;
    if (!OpenSampleLog(dm, dir.path(), 0)) {
        std::fprintf(stderr, "cannot open a new log in %s\n", qPrintable(dir.path()));
        return 1;
    }
    QElapsedTimer fill;
    fill.start();
    FillCallbook(dm);
    std::printf("%d stations written in %.2f s\n", Stations, Seconds(fill));

    TCallbookCriteria contains;
    contains.Operators[1] = soContains;
    contains.Values[1] = QStringLiteral("ski");
    contains.KolejItem = 1;
    TCallbookCriteria startsWith;
    startsWith.Operators[0] = soStartsWith;
    startsWith.Values[0] = QStringLiteral("SP5");
    const struct {
        const char *name;
        TCallbookSql sql;
        int rows;
    } jobs[] = {{"surname contains \"ski\", by surname", BuildSearchSql(contains), ScreenRows},
                {"call sign starts with \"SP5\", by call", BuildSearchSql(startsWith), ScreenRows},
                {"the same \"ski\", every row fetched", BuildSearchSql(contains), Stations}};

    int failures = 0;
    for (const auto &job : jobs) {
        int found = 0, floorFound = 0;
        const double seconds = Best([&] { found = ThroughDataModule(dm, job.sql, job.rows); });
        const double floor = Best([&] { floorFound = Floor(dm, job.sql, job.rows); });
        std::printf("%-40s %6d stations  %.3f s  (floor %.3f s, goal < 0.300 s)\n", job.name, found, seconds,
                    floor);
        if (found != floorFound || found == 0)
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
