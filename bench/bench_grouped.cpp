// A grouped report with a sub-detail over the log book's 100,000 QSOs, stored
// as pages, next to the plain log book of the same QSOs built in the same run.
#include "SampleLog.h"
#include "exchange/FLogPrev.h"
#include "platform/db/ExMemDS.h"
#include "report/layout/RpControllerBand.h"
#include "report/layout/RpExpr.h"
#include "report/layout/RpGroup.h"
#include "report/printer/RpPrinter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

TRpExpr *AddExpr(TRpCustomBand *band, const QString &expression)
{
    auto *e = band->Add<TRpExpr>();
    e->SetAutoSize(false);
    e->Size.SetNative(TRpPrintableSize::LeftIdx, 8);
    e->Size.SetNative(TRpPrintableSize::TopIdx, 8);
    e->Size.SetNative(TRpPrintableSize::WidthIdx, 1500);
    e->Size.SetNative(TRpPrintableSize::HeightIdx, 42);
    e->SetExpression(expression);
    return e;
}

TRpBand *Sized(TRpBand *band, double heightMm)
{
    band->Size.SetNative(TRpBandSize::WidthIdx, 2812.5);
    band->Size.SetNative(TRpBandSize::HeightIdx, heightMm * 10);
    return band;
}

// Generates the report into a printer of its own from a freshly opened
// query; returns the milliseconds.
qint64 Generate(TDM &dm, TCustomReport &report, int &pages)
{
    TLogPrev::OpenRange(dm, QDate(2000, 1, 1), QDate(2100, 12, 31));
    TRpPrinter printer(&report);
    report.RpPrinter = &printer;
    QElapsedTimer t;
    t.start();
    report.CreateReport(false);
    const qint64 ms = t.elapsed();
    report.RpPrinter = nullptr;
    pages = printer.PageCount();
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;

    QTemporaryDir dir;
    TDM dm;
    if (!OpenSampleLog(dm, dir.path(), count)) {
        std::fprintf(stderr, "cannot open the sample log\n");
        return 1;
    }

    TLogPrev plain(dm);
    int plainPages = 0;
    Generate(dm, plain.Report, plainPages); // warms up fonts and the database cache
    const qint64 plainMs = Generate(dm, plain.Report, plainPages);

    // The same log book, grouped by day (repeated on every page) with the
    // day's count at its end, and the notes of a few stations under their QSOs.
    TLogPrev grouped(dm);
    TCustomReport &report = grouped.Report;
    TRpGroup *day = report.CreateBand<TRpGroup>();
    Sized(day, 6);
    day->Expression = QStringLiteral("COPY(DATA, 1, 10)");
    day->ReprintOnNewPage = true;
    AddExpr(day, QStringLiteral("'Dzień ' + COPY(DATA, 1, 10)"));
    TRpBand *dayEnd = Sized(report.AddBand(TRpBandType::rbGroupFooter), 6);
    AddExpr(dayEnd, QStringLiteral("'QSO tego dnia: ' + STR(COUNT)"))->ResetAfterPrint = true;
    day->SetFooterBand(dayEnd);

    TExMemoryData notes;
    notes.setObjectName(QStringLiteral("UWAGI"));
    notes.AddField(QStringLiteral("ZNAK"), FieldType::String, 20);
    notes.AddField(QStringLiteral("UWAGA"), FieldType::String, 60);
    notes.Open();
    for (const char *call : {"W1AW", "VK2ABC"}) {
        notes.Append();
        notes.FieldByName(QStringLiteral("ZNAK"))->SetAsString(QString::fromLatin1(call));
        notes.FieldByName(QStringLiteral("UWAGA"))->SetAsString(QStringLiteral("QSL przez biuro"));
        notes.Post();
    }
    notes.OnFilterRecord = [&dm](DataSet &d, bool &accept) {
        accept = d.FieldByName(QStringLiteral("ZNAK"))->AsString() ==
                 dm.DrukLog.FieldByName(QStringLiteral("STACJA"))->AsString();
    };
    notes.SetFiltered(true);
    TRpSubDetail *sub = report.CreateBand<TRpSubDetail>();
    Sized(sub, 5);
    sub->SetMaster(&report.Controller());
    sub->SetDataSet(&notes);
    sub->SetPrintIfEmpty(false);
    AddExpr(sub, QStringLiteral("'    ' + UWAGI.UWAGA"));

    int groupedPages = 0;
    const qint64 groupedMs = Generate(dm, report, groupedPages);

    std::printf("plain log book of %d QSOs: %lld ms, %d pages\n", count, plainMs, plainPages);
    std::printf("grouped with a sub-detail: %lld ms, %d pages (%.2fx the plain log book; goal within 1.5x)\n",
                groupedMs, groupedPages, plainMs > 0 ? double(groupedMs) / plainMs : 0.0);
    DM = nullptr;
    return 0;
}
