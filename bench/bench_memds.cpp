// Fills a memory table as the statistics do and searches it by key.
#include "controls/DbUtils.h"
#include "controls/ExDBCtrl.h"
#include "platform/db/ExMemDS.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

// The same kind of fill with a grid showing the table, as a window that does not
// detach its grid would do it.
qint64 BoundAppendMs(int rows)
{
    TExMemoryData table;
    table.AddField("Symbol", FieldType::FixedChar, 8);
    table.AddField("Ilosc", FieldType::Integer);
    table.Open();
    DataSource source(&table);
    TExDBGrid grid;
    grid.SetDataSource(&source);
    grid.resize(500, 300);
    grid.show();
    QElapsedTimer timer;
    timer.start();
    Field *symbol = table.FieldByName("Symbol");
    Field *ilosc = table.FieldByName("Ilosc");
    for (int i = 0; i < rows; ++i) {
        table.Append();
        symbol->SetAsString(QString::number(i));
        ilosc->SetAsInteger(i);
        table.Post();
    }
    QApplication::processEvents();
    return timer.elapsed();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int Rows = 100000;
    TExMemoryData table;
    table.AddField("Symbol", FieldType::FixedChar, 8);
    table.AddField("Nazwa", FieldType::String, 40);
    table.AddField("KrajId", FieldType::Integer);
    table.AddField("Pasmo", FieldType::Smallint);
    table.AddField("Data", FieldType::DateTime);
    table.AddField("Potw", FieldType::Boolean);
    table.Open();

    QElapsedTimer timer;
    timer.start();
    Field *symbol = table.FieldByName("Symbol");
    Field *nazwa = table.FieldByName("Nazwa");
    Field *kraj = table.FieldByName("KrajId");
    Field *pasmo = table.FieldByName("Pasmo");
    Field *data = table.FieldByName("Data");
    Field *potw = table.FieldByName("Potw");
    for (int i = 0; i < Rows; ++i) {
        table.Append();
        symbol->SetAsString(QStringLiteral("K%1").arg(i, 6, 10, QLatin1Char('0')));
        nazwa->SetAsString(QStringLiteral("Zamek Książ nr %1").arg(i));
        kraj->SetAsInteger(i % 340);
        pasmo->SetAsInteger(i % 14 + 1);
        data->SetAsDateTime(DateTime::fromDate(2024, 1, 1).addSecs(i * 60));
        potw->SetAsBoolean(i % 3 == 0);
        table.Post();
    }
    const qint64 appendMs = timer.elapsed();

    timer.restart();
    table.First();
    int found = 0;
    constexpr int Searches = 20;
    for (int k = 0; k < Searches; ++k) {
        const int key = Rows - 1 - k * (Rows / Searches);
        found += LocateThrough(table, "Symbol", QStringLiteral("K%1").arg(key, 6, 10, QLatin1Char('0')), 0);
    }
    const double locateMs = timer.nsecsElapsed() / 1e6 / Searches;

    timer.restart();
    const bool partial = LocateThrough(table, "Nazwa", QStringLiteral("zamek książ nr 9999"),
                                       LocateCaseInsensitive | LocatePartialKey);
    const double partialMs = timer.nsecsElapsed() / 1e6;

    timer.restart();
    table.EmptyMemoryTable();
    const qint64 emptyMs = timer.elapsed();

    std::printf("memory table: append %d records (6 fields): %lld ms\n", Rows,
                static_cast<long long>(appendMs));
    std::printf("memory table: locate by key field: %.2f ms per search (%d of %d found)\n", locateMs, found,
                Searches);
    std::printf("memory table: partial case-insensitive locate: %.2f ms (%s)\n", partialMs,
                partial ? "found" : "not found");
    std::printf("memory table: empty %d records: %lld ms\n", Rows, static_cast<long long>(emptyMs));
    const qint64 boundMs = BoundAppendMs(Rows);
    std::printf("memory table: append %d records with a grid bound: %lld ms\n", Rows,
                static_cast<long long>(boundMs));
    return found == Searches && partial ? 0 : 1;
}
