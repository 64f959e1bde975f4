// The log book of 10,000 and 100,000 QSOs: time to the first page shown, to all
// pages stored and to a finished PDF, with resident memory, next to a floor
// that draws the same text lines straight onto a QPdfWriter with one painter.
#include "BenchApp.h"
#include "ResidentMemory.h"
#include "SampleLog.h"
#include "exchange/FLogPrev.h"
#include "platform/print/PagePicture.h"
#include "platform/print/PrintDevice.h"
#include "report/printer/RpPrinter.h"
#include "report/windows/RpReportWindows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Resident and peak resident memory of the process, in MB.
std::pair<double, double> Memory()
{
    return {ResidentKb() / 1024.0, PeakResidentKb() / 1024.0};
}

// The floor: the log book's text lines drawn straight onto a PDF, 27 rows a
// page under the two header lines, with no report engine in between.
double Floor(TDM &dm, const QString &pdf, int &pages)
{
    QElapsedTimer t;
    t.start();
    QPdfWriter writer(pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(254);
    QPainter p(&writer);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    p.setFont(font);
    static const char *const fields[] = {"DATA", "PASMO",  "STACJA",  "EMISJA",  "RAPORT_NAD", "RAPORT_ODB",
                                         "IMIE", "MIASTO", "LOKATOR", "QSL_WYS", "QSL_ODB"};
    static const int lefts[] = {8, 352, 516, 908, 1064, 1225, 1392, 1857, 2302, 2556, 2686};
    std::vector<Field *> columns;
    for (const char *f : fields)
        columns.push_back(dm.DrukLog.FieldByName(QString::fromLatin1(f)));
    dm.DrukLog.First();
    int row = 0;
    pages = 1;
    while (!dm.DrukLog.Eof()) {
        if (row == 27) {
            writer.newPage();
            ++pages;
            row = 0;
        }
        if (row == 0) {
            p.drawText(85, 100, OwnCallSign);
            p.drawText(2800, 100, OwnCallSign);
            static const char *const captions[] = {
                "Data godz. [UTC]", "Pasmo",           "Stacja wołana", "Typ emisji",
                "Raport nadany",    "Raport odebrany", "Imię",          "Miejscowość",
                "Lokator",          "QSL W",           "QSL O"};
            for (size_t c = 0; c < 11; ++c)
                p.drawText(80 + lefts[c], 190, QString::fromUtf8(captions[c]));
            p.drawLine(80, 129, 2890, 129);
            p.drawLine(80, 226, 2890, 226);
        }
        const int y = 227 + row * 64 + 40;
        for (size_t c = 0; c < columns.size(); ++c)
            p.drawText(80 + lefts[c], y, columns[c]->DisplayText());
        p.drawLine(80, y + 15, 2890, y + 15);
        ++row;
        dm.DrukLog.Next();
    }
    p.end();
    return Seconds(t);
}

void Run(const QString &dir, int qsos)
{
    TDM dm;
    if (!OpenSampleLog(dm, dir, qsos))
        return;
    std::printf("\n%d QSOs\n", qsos);

    // From OK in the dialog: open the range, generate, show page 1 as the preview does.
    QElapsedTimer t;
    t.start();
    TLogPrev::OpenRange(dm, QDate(2000, 1, 1), QDate(2030, 12, 31));
    TLogPrev prev(dm);
    TRpPrinter printer(&prev.Report);
    prev.Report.RpPrinter = &printer;
    double firstPage = 0;
    QImage shown(1123, 794, QImage::Format_RGB32);
    prev.Report.OnStartPage = [&](TCustomReport &r) {
        if (r.PageNumber != 2)
            return;
        QPainter painter(&shown);
        printer.GetPage(1)->replay(painter, QRectF(shown.rect()));
        firstPage = Seconds(t);
    };
    prev.Report.CreateReport(false);
    const double allPages = Seconds(t);
    const auto [rss, peak] = Memory();
    std::printf("  first page shown            %8.3f s   (goal < 0.5 s at 100,000)\n", firstPage);
    std::printf("  all %5d pages stored      %8.3f s   (goal < 1 s at 10,000)\n", printer.PageCount(),
                allPages);
    std::printf("  resident memory             %8.1f MB  peak %.1f MB (goal < 300 MB at 100,000)\n", rss,
                peak);

    const QString pdf = dir + QStringLiteral("/log%1.pdf").arg(qsos);
    printer.Printer()->SetOutputFileName(pdf);
    printer.SetDestination(rpDestPrinter);
    t.restart();
    printer.Print();
    const double toPdf = Seconds(t);

    int floorPages = 0;
    const QString floorPdf = dir + QStringLiteral("/floor%1.pdf").arg(qsos);
    const double floor = Floor(dm, floorPdf, floorPages);
    std::printf("  stored pages to a PDF       %8.3f s   %.1f MB\n", toPdf, QFileInfo(pdf).size() / 1e6);
    std::printf("  floor: straight to a PDF    %8.3f s   %.1f MB, %d pages\n", floor,
                QFileInfo(floorPdf).size() / 1e6, floorPages);
    std::printf("  from OK to a finished PDF   %8.3f s   %.2fx the floor (goal <= 2x)\n", allPages + toPdf,
                (allPages + toPdf) / floor);
    prev.Report.RpPrinter = nullptr;
    DM = nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PrintBoxesToStderr();
    RegisterReportWindows();
    OwnCallSign = QStringLiteral("SP9XYZ");
    QTemporaryDir dir;
    try {
        for (int qsos : {10000, 100000})
            Run(dir.path(), qsos);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
