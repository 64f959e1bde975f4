// The QSO list behind one statistics result: a country with 1,000 QSOs in a
// log of 100,000, then a district with about 340 QSOs among 33,000 Polish
// ones. The floor is the bare list query on its own (opened and every row
// fetched); the drill-down is the list window from its builder until its grid
// shows the first rows, and then with every row fetched.
#include "BareStatement.h"
#include "BenchApp.h"
#include "SampleLog.h"
#include "awards/DrillDown.h"
#include "awards/windows/FPrefixDetFrm.h"
#include "controls/ExDBCtrl.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Rounds = 5;

void Exec(TDM &dm, const char *sql)
{
    BareStatement update(dm.Baza, sql, BareStatement::Write, 1);
    update.Execute();
    update.Commit();
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PrintBoxesToStderr();
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    TDM dm;
    if (!OpenSampleLog(dm, dir.path(), count))
        return 1;
    // Every hundredth QSO is with Poland, the rest with Germany.
    Exec(dm, "update Logi set KrajId = iif(mod(LogId, 100) = 0, 269, 230)");
    const auto measure = [&](const TDrillDown &list) {
        int rows = 0;
        const double floor = Best(
            [&] {
                FbTransaction tr(&dm.Baza);
                FbQuery q;
                q.SetTransaction(&tr);
                q.SetSQL(list.SqlLines());
                tr.StartTransaction();
                for (const auto &[name, value] : list.Params)
                    q.ParamByName(name)->SetAsVariant(value);
                q.Open();
                q.RecordCount();
                q.Close();
                tr.Commit();
            },
            Rounds);
        const double shown = Best(
            [&] {
                TPrefixDetFrm frm(dm);
                frm.Fill(list);
                frm.show();
                while (frm.DbGrid->model()->rowCount() == 0)
                    QApplication::processEvents();
                frm.DbGrid->repaint();
            },
            Rounds);
        const double all = Best(
            [&] {
                TPrefixDetFrm frm(dm);
                frm.Fill(list);
                frm.show();
                frm.Stacje.Last();
                rows = frm.Stacje.RecordCount();
                frm.DbGrid->repaint();
            },
            Rounds);
        std::printf("drill-down of %d QSOs in a log of %d (%s, best of %d)\n", rows, count,
                    qPrintable(list.Caption), Rounds);
        std::printf("  floor, bare list query with every row fetched: %.3f s\n", floor);
        std::printf("  list window until its grid shows the first rows: %.3f s (goal < 0.2 s)\n", shown);
        std::printf("  list window with every row fetched:              %.3f s (goal < 0.2 s)\n", all);
    };
    measure(CountryQsos(269, QStringLiteral("SP"), QStringLiteral("Polska")));

    // Every third QSO with Poland, spread over 97 districts "00".."96".
    Exec(dm, "update Logi set KrajId = iif(mod(LogId, 3) = 0, 269, 230), "
             "Domena = 'D' || lpad(cast(mod(LogId / 3, 97) as varchar(2)), 2, '0')");
    measure(PowiatQsos(QStringLiteral("42"), QStringLiteral("Powiat")));
    return 0;
}
