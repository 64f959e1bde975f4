#include "report/layout/RpDesignLayout.h"
#include "report/layout/RpLabel.h"
#include "report/layout/RpReport.h"
#include "report/windows/RpDesignSurface.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Pixels of a colour inside a rectangle of an image.
int CountColour(const QImage &image, const QRect &rect, QRgb colour)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

} // namespace

TEST(DesignSurface, PaintsThePaperWithGridAndBandsAndABandsLowerEdgeDragsItsHeight)
{
    TCustomReport report;
    TRpBand *title = CreateBandOfType(report, TRpBandType::rbTitle);
    title->Color = QColor(0xFFFFC0);
    TRpBand *detail = CreateBandOfType(report, TRpBandType::rbDetail);
    detail->Color = QColor(0xC0FFC0);
    TRpBand *off = CreateBandOfType(report, TRpBandType::rbPageFooter);
    off->Enabled = false;
    TRpDesignSurface surface(report);
    surface.resize(surface.sizeHint());
    surface.show();
    const int r = TRpDesignSurface::RulerSize;
    EXPECT_EQ(surface.sizeHint(), QSize(r + 794 + r / 2, r + 1123 + r / 2)); // A4 at 96 dpi

    std::vector<TRpBandPlace> places = LayoutBands(report);
    ASSERT_EQ(places.size(), 3u);
    const QRect detailRect = places[1].Rect.translated(r, r);
    const QImage image = surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(CountColour(image, places[0].Rect.translated(r, r), QColor(0xFFFFC0).rgb()), 1000);
    EXPECT_GT(CountColour(image, detailRect, QColor(0xC0FFC0).rgb()), 1000);
    EXPECT_GT(CountColour(image, places[2].Rect.translated(r, r), QColor(0xC0C0C0).rgb()), 1000);
    // The grid shows on the paper below the bands; the ruler carries black ticks.
    EXPECT_GT(CountColour(image, QRect(r + 40, r + 400, 200, 200), QColor(0xF0F0F0).rgb()), 100);
    EXPECT_GT(CountColour(image, QRect(r, 0, 400, r), QColor(Qt::black).rgb()), 50);

    const QPoint edge(detailRect.left() + 100, detailRect.bottom() + 1);
    EXPECT_EQ(surface.BandEdgeAt(edge), detail);
    EXPECT_EQ(surface.BandEdgeAt(edge + QPoint(0, 10)), nullptr);
    QTest::mousePress(&surface, Qt::LeftButton, {}, edge);
    QTest::mouseMove(&surface, edge + QPoint(0, 38));
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, edge + QPoint(0, 38));
    places = LayoutBands(report);
    EXPECT_EQ(places[1].Rect.height(), detailRect.height() + 38);

    surface.SetZoom(50);
    EXPECT_EQ(report.Zoom(), 50);
    EXPECT_EQ(surface.sizeHint(), QSize(r + 397 + r / 2, r + 561 + r / 2));
    surface.SetZoom(301);
    EXPECT_EQ(report.Zoom(), 50);
}
