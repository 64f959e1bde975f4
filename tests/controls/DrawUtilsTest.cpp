#include "controls/DrawUtils.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

TEST(DrawUtils, ShortenTextEndsWithDotsAndStops)
{
    const QFont font("DejaVu Sans", 10);
    const QFontMetrics fm(font);
    const QString text = "Abcdef";
    const int width = fm.horizontalAdvance("Abcd");
    const QString s = ShortenText(fm, text, width);
    EXPECT_TRUE(s.endsWith("...")) << s.toStdString();
    EXPECT_LE(fm.horizontalAdvance(s), width);
    EXPECT_EQ(ShortenText(fm, text, 1000), text);
    EXPECT_EQ(ShortenText(fm, text, 0), "...");
}

TEST(DrawUtils, CommandLineKeepsQuotedPathWhole)
{
    QString params;
    EXPECT_EQ(SplitCommandLine("\"/opt/my prog/quarn\" -a \"b c\"  d", &params), "/opt/my prog/quarn");
    EXPECT_EQ(params, "-a \"b c\" d");
    EXPECT_EQ(SplitCommandLine("  quarn\t x", &params), "quarn");
    EXPECT_EQ(params, "x");
    EXPECT_EQ(SplitCommandLine("", &params), "");
}

TEST(DrawUtils, DefaultTransparentColourIsBottomLeftPixel)
{
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::red);
    img.setPixel(1, 1, qRgb(0, 0, 255));
    const QImage t = ApplyTransparentColor(img, clDefault);
    EXPECT_EQ(qAlpha(t.pixel(0, 3)), 0);
    EXPECT_EQ(qAlpha(t.pixel(3, 0)), 0);
    EXPECT_EQ(qAlpha(t.pixel(1, 1)), 255);
    EXPECT_EQ(qAlpha(ApplyTransparentColor(img, clNone).pixel(0, 3)), 255);
}

TEST(DrawUtils, DisabledBitmapIsEmbossed)
{
    QImage img(5, 5, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setPixel(1, 1, qRgb(0, 0, 0));
    const QColor face(192, 192, 192), light(255, 255, 255), shadow(128, 128, 128);
    const QImage d = CreateDisabledBitmap(img, qRgb(255, 255, 255), face, light, shadow, true);
    EXPECT_EQ(QColor(d.pixel(1, 1)), shadow);
    EXPECT_EQ(QColor(d.pixel(2, 2)), light);
    EXPECT_EQ(QColor(d.pixel(4, 0)), face);
}

TEST(DrawUtils, CellTextFillsWithBrushAndAligns)
{
    QImage img(60, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.setFont(QFont("DejaVu Sans", 8));
        p.setBrush(QColor(255, 255, 0));
        p.setPen(Qt::black);
        DrawCellText(p, QRect(0, 0, 60, 20), "1", Qt::AlignRight | Qt::AlignVCenter, false);
    }
    EXPECT_EQ(QColor(img.pixel(0, 0)), QColor(255, 255, 0));
    int leftmostInk = 60;
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 20; ++y)
            if (qGray(img.pixel(x, y)) < 100)
                leftmostInk = std::min(leftmostInk, x);
    EXPECT_GT(leftmostInk, 40); // right-aligned, 3 pixels from the edge
}

TEST(DrawUtils, BeepGoesThroughHandler)
{
    int beeps = 0;
    auto old = SetBeepHandler([&] { ++beeps; });
    Beep();
    Beep();
    SetBeepHandler(old);
    EXPECT_EQ(beeps, 2);
}
