#include "platform/print/PagePicture.h"

#include <QPainter>
#include <QtEndian>
#include <gtest/gtest.h>
#include <limits>

namespace {

// An image of w x h pixels at 254 dots per inch: one pixel per 0.1 mm.
QImage Sheet(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    image.fill(Qt::white);
    return image;
}

// One of every drawing, on a page of 800 x 600 (0.1 mm).
void DrawEverything(Canvas &canvas)
{
    CanvasPen pen;
    pen.color = Qt::blue;
    pen.width = 6;
    canvas.setPen(pen);
    CanvasBrush brush;
    brush.color = Qt::yellow;
    canvas.setBrush(brush);
    canvas.drawRect(QRect(20, 20, 200, 100));
    canvas.drawEllipse(QRect(250, 20, 200, 100));
    pen.width = 0;
    pen.style = Qt::DashLine;
    canvas.setPen(pen);
    canvas.drawRoundedRect(QRect(500, 20, 200, 100), 30, 20);
    canvas.drawLine(QPoint(20, 150), QPoint(780, 180));
    brush.style = Qt::DiagCrossPattern;
    brush.color = Qt::red;
    canvas.setBrush(brush);
    canvas.fillRect(QRect(20, 200, 100, 100));
    CanvasFont font;
    font.pointSize = 12;
    font.bold = true;
    font.color = Qt::darkGreen;
    canvas.setFont(font);
    canvas.drawText(QRect(150, 200, 300, 120), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                    QStringLiteral("Zażółć gęślą jaźń, a tekst się zawija w prostokącie"));
    canvas.drawTextClipped(QRect(500, 200, 120, 60), 480, 210, QStringLiteral("Ucięty tekst ŁÓDŹ"));
    canvas.textOut(20, 400, QStringLiteral("Strona 1"));
    QImage logo(4, 4, QImage::Format_ARGB32);
    logo.fill(Qt::magenta);
    canvas.drawPicture(QRect(600, 400, 150, 150), logo);
}

PagePicture RecordEverything()
{
    PictureRecorder recorder(800, 600);
    DrawEverything(recorder);
    return recorder.finish();
}

} // namespace

TEST(PagePicture, ReplayAtTheRecordingResolutionDrawsWhatThePainterCanvasDraws)
{
    QImage direct = Sheet(800, 600);
    {
        QPainter painter(&direct);
        PainterCanvas canvas(painter);
        EXPECT_EQ(canvas.dpiX(), 254);
        DrawEverything(canvas);
    }
    QImage replayed = Sheet(800, 600);
    {
        QPainter painter(&replayed);
        RecordEverything().replay(painter, QRectF(0, 0, 800, 600));
    }
    EXPECT_EQ(replayed, direct);
    EXPECT_EQ(direct.pixelColor(100, 300), QColor(Qt::white)); // the cross pattern leaves gaps
    EXPECT_EQ(direct.pixelColor(680, 480), QColor(Qt::magenta));
}

TEST(PagePicture, ReplayScalesThePageOntoAnyTargetExactly)
{
    PictureRecorder recorder(2100, 2970);
    CanvasBrush black;
    black.color = Qt::black;
    recorder.setBrush(black);
    recorder.fillRect(QRect(254, 254, 254, 254)); // one inch square, one inch in
    const PagePicture page = recorder.finish();
    EXPECT_EQ(page.width(), 2100);
    EXPECT_EQ(page.height(), 2970);

    struct Target {
        double dpi;
        QRectF rect;
    } targets[] = {{96, QRectF(0, 0, 793.7, 1122.5)},
                   {600, QRectF(0, 0, 4960.6, 7015.7)},
                   {100, QRectF(50, 30, 826.8, 1169.3)}};
    for (const Target &t : targets) {
        SCOPED_TRACE(t.dpi);
        QImage image(int(t.rect.right()) + 1, int(t.rect.bottom()) + 1, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            page.replay(painter, t.rect);
        }
        const double inch = t.dpi;
        const QPointF o = t.rect.topLeft();
        auto at = [&](double inches) { return int(o.x() + inch * inches); };
        auto atY = [&](double inches) { return int(o.y() + inch * inches); };
        EXPECT_EQ(image.pixelColor(at(1.5), atY(1.5)), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(at(1) + 2, atY(1) + 2), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(at(2) - 2, atY(2) - 2), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(at(1) - 2, atY(1.5)), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(at(2) + 2, atY(1.5)), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(at(1.5), atY(2) + 2), QColor(Qt::white));
    }
}

TEST(PagePicture, TextsComeOutInDrawingOrderAndTheWalkStopsWhenAsked)
{
    const PagePicture page = RecordEverything();
    const QStringList expected{QStringLiteral("Zażółć gęślą jaźń, a tekst się zawija w prostokącie"),
                               QStringLiteral("Ucięty tekst ŁÓDŹ"), QStringLiteral("Strona 1")};
    EXPECT_EQ(page.texts(), expected);
    int seen = 0;
    page.forEachText([&seen](const QString &) { return ++seen < 2; });
    EXPECT_EQ(seen, 2);
    EXPECT_TRUE(PagePicture().texts().isEmpty());

    const auto copy = PagePicture::fromBytes(page.bytes());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->texts(), expected);
    EXPECT_EQ(copy->recordCount(), page.recordCount());
}

TEST(PagePicture, TheRecorderWritesAStateOnlyWhenADrawingNeedsAChangedOne)
{
    PictureRecorder recorder(100, 100);
    CanvasPen pen;
    pen.width = 3;
    recorder.setPen(pen);
    recorder.setPen(pen);
    recorder.setFont(CanvasFont()); // no text drawn: never recorded
    recorder.drawRect(QRect(0, 0, 10, 10));
    recorder.drawRect(QRect(5, 5, 10, 10));
    recorder.drawLine(QPoint(0, 0), QPoint(9, 9));
    EXPECT_EQ(recorder.finish().recordCount(), 5); // pen, brush, three drawings

    recorder.drawLine(QPoint(0, 0), QPoint(9, 9)); // a new page records its pen again
    const PagePicture second = recorder.finish();
    EXPECT_EQ(second.recordCount(), 2);
    EXPECT_EQ(PictureRecorder(100, 100).finish().recordCount(), 0);
}

TEST(PagePicture, TheRecorderMeasuresTextInTenthsOfAMillimetre)
{
    PictureRecorder recorder(100, 100);
    QImage sheet = Sheet(10, 10);
    QPainter painter(&sheet);
    PainterCanvas direct(painter);
    CanvasFont font;
    font.pointSize = 10; // 3.53 mm
    recorder.setFont(font);
    direct.setFont(font);
    const QString text = QStringLiteral("SP9ZZZ Łódź");
    EXPECT_EQ(recorder.textWidth(text), direct.textWidth(text));
    EXPECT_GE(recorder.textHeight(text), 35);
    EXPECT_LE(recorder.textHeight(text), 50);
    const QRect wrapped =
        recorder.textBounds(QRect(0, 0, 200, 10), Qt::TextWordWrap, QStringLiteral("raz dwa trzy cztery"));
    EXPECT_GT(wrapped.height(), recorder.textHeight(text));
}

TEST(PagePicture, DamagedBytesAreRefusedWithTheirReason)
{
    const QByteArray good = RecordEverything().bytes();
    auto setU32 = [](QByteArray &b, qsizetype at, uint32_t v) { qToLittleEndian(v, b.data() + at); };
    const qsizetype first = PagePicture::HeaderSize; // the pen record
    struct Case {
        const char *what;
        std::function<void(QByteArray &)> damage;
        const char *message;
    } cases[] = {
        {"signature", [](QByteArray &b) { b[0] = 'X'; }, "brak nagłówka obrazu strony"},
        {"version", [](QByteArray &b) { b[4] = 2; }, "nieznana wersja obrazu strony (2)"},
        {"total size", [&](QByteArray &b) { setU32(b, 8, uint32_t(b.size() + 4)); },
         "nie zgadza się z nagłówkiem"},
        {"page size", [&](QByteArray &b) { setU32(b, 12, uint32_t(-1)); }, "błędny rozmiar strony"},
        {"record count", [&](QByteArray &b) { setU32(b, 20, 3); }, "liczba zapisów"},
        {"record type", [&](QByteArray &b) { setU32(b, first, 77); }, "zapis 1: nieznany rodzaj zapisu 77"},
        {"record size", [&](QByteArray &b) { setU32(b, first + 4, 6); }, "zapis 1: błędna długość"},
        {"record too short for its type",
         [&](QByteArray &b) {
             setU32(b, first + 4, 8);
             setU32(b, first + 8, 1);
         },
         "zapis"},
        {"pen style", [&](QByteArray &b) { setU32(b, first + 16, 9); }, "zapis 1: błędne pióro"},
        {"cut", [](QByteArray &b) { b.chop(4); }, "nie zgadza się z nagłówkiem"},
        {"empty", [](QByteArray &b) { b.clear(); }, "brak nagłówka"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray bad = good;
        c.damage(bad);
        QString why;
        EXPECT_FALSE(PagePicture::fromBytes(bad, &why));
        EXPECT_TRUE(why.contains(QString::fromUtf8(c.message))) << why.toStdString();
    }
}

// Whatever a file holds is clamped to a page of a hundred metres, so the
// widest pens and largest shapes still replay onto a preview.
TEST(PagePicture, TheLargestValuesAPictureMayHoldReplay)
{
    PictureRecorder recorder(2100, 2970);
    CanvasPen pen;
    pen.width = std::numeric_limits<int>::max();
    pen.style = Qt::DashDotDotLine;
    recorder.setPen(pen);
    CanvasFont font;
    font.pointSize = 1e9;
    recorder.setFont(font);
    const int huge = std::numeric_limits<int>::max() / 2;
    recorder.drawEllipse(QRect(-huge, -huge, huge, huge));
    recorder.drawRoundedRect(QRect(0, 0, huge, huge), huge, huge);
    recorder.drawLine(QPoint(-huge, -huge), QPoint(huge, huge));
    recorder.drawText(QRect(0, 0, huge, huge), Qt::AlignCenter | Qt::TextWordWrap, QString(2000, u'W'));
    const PagePicture page = recorder.finish();
    ASSERT_TRUE(PagePicture::fromBytes(page.bytes()));
    QImage image(210, 297, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    page.replay(painter, QRectF(0, 0, 210, 297));
    painter.end();
    EXPECT_NE(image.pixelColor(105, 150), QColor(Qt::white));
}
