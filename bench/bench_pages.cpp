// The page store of a log book of 100,000 QSOs: 2,500 A4 pages of 40 text
// lines added, saved, loaded and replayed, plain and compressed, each next to
// a floor measured in the same run (for the compressed store, the plain one's
// figures too), and the resident memory while the store holds them.
#include "ResidentMemory.h"
#include "report/SamplePages.h"
#include "report/pages/RpPageList.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

double Seconds(qint64 ns)
{
    return ns / 1e9;
}

// Writes bytes in blocks of the store's copy size: what saving costs at least.
qint64 RawWrite(const QByteArray &bytes, const QString &path)
{
    QElapsedTimer t;
    t.start();
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    for (qsizetype at = 0; at < bytes.size(); at += 10240)
        f.write(bytes.constData() + at, std::min<qsizetype>(10240, bytes.size() - at));
    f.close();
    return t.nsecsElapsed();
}

struct Figures {
    qint64 addSaveNs = 0;
    qint64 loadNs = 0;
};

// plain: the plain store's figures, shown next to the compressed store's.
Figures Run(int pages, bool compression, const QTemporaryDir &dir, const Figures *plain = nullptr)
{
    std::printf("\n%d A4 pages of 40 lines, %s:\n", pages, compression ? "compressed" : "plain");
    const long before = ResidentKb();
    TRpPageList list;
    list.SetCompression(compression);
    list.SetStream(std::make_unique<TRpStream>());
    qint64 recordNs = 0, addNs = 0;
    QElapsedTimer t;
    for (int i = 1; i <= pages; ++i) {
        t.start();
        const PagePicture page = SamplePage(i, 40);
        recordNs += t.nsecsElapsed();
        t.start();
        list.AddPage(page);
        addNs += t.nsecsElapsed();
    }
    list.WriteFileHeader();
    const long holding = ResidentKb();

    const QString path =
        dir.filePath(compression ? QStringLiteral("packed.rpp") : QStringLiteral("plain.rpp"));
    t.start();
    list.SaveToFile(path);
    const qint64 saveNs = t.nsecsElapsed();
    QFile saved(path);
    saved.open(QIODevice::ReadOnly);
    t.start();
    const QByteArray bytes = saved.readAll();
    const qint64 rawReadNs = t.nsecsElapsed();
    const qint64 rawWriteNs = RawWrite(bytes, dir.filePath(QStringLiteral("raw")));

    std::printf("  record the pages (drawing, not stored):   %.2f s\n", Seconds(recordNs));
    std::printf("  add them to the store:                    %.2f s\n", Seconds(addNs));
    std::printf(
        "  save %.1f MB:                             %.2f s (floor: the same bytes written raw %.2f s)\n",
        bytes.size() / 1048576.0, Seconds(saveNs), Seconds(rawWriteNs));
    if (plain)
        std::printf("  add + save:                               %.2f s (goal < 0.5 s; plain %.2f s)\n",
                    Seconds(addNs + saveNs), Seconds(plain->addSaveNs));
    else
        std::printf("  add + save:                               %.2f s (goal < 1 s)\n", Seconds(addNs + saveNs));
    std::printf("  resident memory while the store holds them: %.1f MB (before %.1f MB; goal < 150 MB); "
                "store in its temporary file: %s\n",
                holding / 1024.0, before / 1024.0, list.Stream()->InMemory() ? "no" : "yes");

    TRpPageList loaded;
    t.start();
    loaded.LoadFromFile(path);
    const qint64 loadNs = t.nsecsElapsed();
    if (plain)
        std::printf("  load, checking every page:                %.2f s (goal < 0.35 s; plain %.2f s; "
                    "reading the file raw %.2f s)\n",
                    Seconds(loadNs), Seconds(plain->loadNs), Seconds(rawReadNs));
    else
        std::printf("  load, checking every page:                %.2f s (floor: reading the file raw %.2f s)\n",
                    Seconds(loadNs), Seconds(rawReadNs));

    // A4 at 96 dpi, as the preview shows it at 100 %.
    QImage image(794, 1123, QImage::Format_ARGB32_Premultiplied);
    t.start();
    for (int i = 1; i <= loaded.PageCount(); ++i) {
        image.fill(Qt::white);
        QPainter painter(&image);
        loaded.GetPage(i)->replay(painter, QRectF(0, 0, image.width(), image.height()));
    }
    const qint64 replayNs = t.nsecsElapsed();
    t.start();
    for (int i = 1; i <= pages; ++i) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(image.width() / 2100.0, image.height() / 2970.0);
        PainterCanvas canvas(painter);
        DrawSamplePage(canvas, i, 40);
    }
    const qint64 directNs = t.nsecsElapsed();
    std::printf(
        "  read and replay every page onto 794 x 1123: %.2f s (floor: painting the pages directly %.2f s)\n",
        Seconds(replayNs), Seconds(directNs));
    return {addNs + saveNs, loadNs};
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int pages = argc > 1 ? std::atoi(argv[1]) : 2500;
    QTemporaryDir dir;
    const Figures plain = Run(pages, false, dir);
    Run(pages, true, dir, &plain);
    return 0;
}
