// QSL labels: 2,000 labels (one per station) from 5,000 unsent QSOs, from the
// list load to a finished PDF, next to a floor that draws the same texts and
// lines straight onto a QPdfWriter with one painter.
#include "BenchApp.h"
#include "SampleLog.h"
#include "exchange/LabelTemplate.h"
#include "exchange/QslLabelGroups.h"
#include "exchange/QslLabelList.h"
#include "exchange/QslLabelPrint.h"
#include "platform/gui/Printer.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int Qsos = 5000;
constexpr int Stations = 2000;

std::vector<QsoRow> UnsentQsos()
{
    std::vector<QsoRow> rows(Qsos);
    const DateTime start = DateTime::fromDate(2004, 1, 1, 6, 0);
    for (int i = 0; i < Qsos; ++i) {
        rows[i].Data = start.addSecs(i * 420);
        rows[i].Band = 1 + i % 14;
        rows[i].Stacja = QStringLiteral("SP%1X").arg(i % Stations, 4, 10, QLatin1Char('0'));
    }
    return rows;
}

TLabelTemplate Sheet()
{
    TLabelTemplate t;
    t.MargL = 0;
    t.MargG = 4.5f;
    t.OdstepPoz = 70;
    t.OdstepPion = 36;
    t.Wysokosc = 36;
    t.Szerokosc = 70;
    t.LiczbaPoz = 3;
    t.LiczbaPion = 8;
    return t;
}

// The floor: every text and line of the labels at fixed places, one painter.
double Floor(const TWykaz &wykaz, const QString &pdf, int &pages)
{
    QElapsedTimer t;
    t.start();
    QPdfWriter writer(pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(1200);
    QPainter p(&writer);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
    p.setFont(font);
    int n = 0;
    pages = 1;
    for (const TWykazRow &station : wykaz) {
        if (n == 24) {
            writer.newPage();
            ++pages;
            n = 0;
        }
        const int x = n % 3 * 3307, y = 213 + n / 3 * 1701;
        static const char *const fixed[] = {"To Radio: ",   "SP9XYZ confirms the following QSO(s):",
                                            "Date (y-m-d)", "UTC",
                                            "Band",         "2X",
                                            "RST",          "PSE QSL",
                                            "Tnx fer QSO"};
        int line = 0;
        for (const char *text : fixed) {
            p.drawText(x + 50 * line, y + 150 * line, QString::fromLatin1(text));
            ++line;
        }
        for (const TLabelQso &q : station.PseQsos) {
            const int row = y + 150 * line++;
            p.drawText(x, row, q.Data.toString(QStringLiteral("yyyy-MM-dd")));
            p.drawText(x + 850, row, q.Data.toString(QStringLiteral("HH:mm")));
            p.drawText(x + 1275, row, q.Pasmo);
            p.drawText(x + 1750, row, q.Emisja);
            p.drawText(x + 2362, row, q.Raport);
        }
        p.drawText(x + 2000, y, station.Stacja);
        p.drawLine(x, y + 500, x + 2929, y + 500);
        p.drawLine(x, y + 1400, x + 2929, y + 1400);
        ++n;
    }
    p.end();
    return Seconds(t);
}

}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PrintBoxesToStderr();
    OwnCallSign = QStringLiteral("SP9XYZ");
    QTemporaryDir dir;
    try {
        TDM dm;
        if (!OpenSampleLog(dm, dir.path(), 0))
            return 1;
        InsertQsos(dm.Baza, UnsentQsos());

        QElapsedTimer t;
        t.start();
        TQslLabelList list;
        list.LoadUnsentQsls(dm);
        const double load = Seconds(t);
        t.restart();
        for (list.DrukTbl.First(); !list.DrukTbl.Eof(); list.DrukTbl.Next())
            list.ToggleMark();
        const double mark = Seconds(t);

        Printer printer;
        const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
        if (printer.HasPrinters()) {
            std::fprintf(stderr, "this machine has a print queue; the benchmark prints to PDF only\n");
            return 1;
        }
        printer.SetOutputFileName(pdf);
        t.restart();
        const TWykaz wykaz = list.BuildWykaz();
        TLabelTexts texts{OwnCallSign, QStringLiteral("Tnx fer QSO"), {}, 0};
        const TLabelRun run = PrintQslLabels(printer, Sheet(), wykaz, texts);
        const double print = Seconds(t);

        int floorPages = 0;
        const QString floorPdf = dir.filePath(QStringLiteral("floor.pdf"));
        const double floor = Floor(wykaz, floorPdf, floorPages);

        std::printf("%d unsent QSOs, %d stations\n", Qsos, Stations);
        std::printf("  list loaded                 %8.3f s\n", load);
        std::printf("  every row marked            %8.3f s\n", mark);
        std::printf("  %d labels, %d pages to PDF %8.3f s   %.1f MB (goal < 2 s)\n", run.Labels, run.Pages,
                    print, QFileInfo(pdf).size() / 1e6);
        std::printf("  floor: straight to a PDF    %8.3f s   %.1f MB, %d pages\n", floor,
                    QFileInfo(floorPdf).size() / 1e6, floorPages);
        std::printf("  from the list to the PDF    %8.3f s   %.2fx the floor\n", load + print,
                    (load + print) / floor);
        DM = nullptr;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
