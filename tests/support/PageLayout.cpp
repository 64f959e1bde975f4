#include "support/PageLayout.h"

#include "platform/print/PagePicture.h"
#include "report/layout/RpReport.h"
#include "report/printer/RpPrinter.h"

#include <QLineF>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

namespace {

class CaptureEngine : public QPaintEngine {
public:
    explicit CaptureEngine(PageLayout &out) : QPaintEngine(QPaintEngine::AllFeatures), out_(out) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        out_.texts.push_back({item.text(), painter()->combinedTransform().map(p)});
    }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            out_.rects.push_back(painter()->combinedTransform().mapRect(rects[i]));
    }
    void drawRects(const QRect *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            out_.rects.push_back(painter()->combinedTransform().mapRect(QRectF(rects[i])));
    }
    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            out_.lines.push_back(painter()->combinedTransform().map(lines[i]));
    }
    void drawLines(const QLine *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            out_.lines.push_back(painter()->combinedTransform().map(QLineF(lines[i])));
    }
    Type type() const override { return User; }

private:
    PageLayout &out_;
};

// A page-sized device of 254 dots per inch: one unit is 0.1 mm.
class CaptureDevice : public QPaintDevice {
public:
    CaptureDevice(PageLayout &out, int width, int height) : engine_(out), width_(width), height_(height) {}
    QPaintEngine *paintEngine() const override { return const_cast<CaptureEngine *>(&engine_); }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return width_;
        case PdmHeight: return height_;
        case PdmWidthMM: return width_ / 10;
        case PdmHeightMM: return height_ / 10;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 254;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    CaptureEngine engine_;
    int width_, height_;
};

} // namespace

const PlacedText *PageLayout::find(const QString &text, int nth) const
{
    for (const PlacedText &t : texts)
        if (t.text == text && nth-- == 0)
            return &t;
    return nullptr;
}

int PageLayout::count(const QString &text) const
{
    int n = 0;
    for (const PlacedText &t : texts)
        n += t.text == text;
    return n;
}

std::vector<PageLayout> RunReport(TCustomReport &report)
{
    TRpPrinter printer(&report);
    report.RpPrinter = &printer;
    report.CreateReport(false);
    report.RpPrinter = nullptr;
    std::vector<PageLayout> pages;
    for (int i = 1; i <= printer.PageCount(); ++i)
        pages.push_back(LayoutOf(*printer.GetPage(i)));
    return pages;
}

PageLayout LayoutOf(const PagePicture &page)
{
    PageLayout out;
    CaptureDevice device(out, page.width(), page.height());
    QPainter painter(&device);
    page.replay(painter, QRectF(0, 0, page.width(), page.height()));
    return out;
}
