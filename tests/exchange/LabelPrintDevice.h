#pragma once

// A 600 dpi printing device that keeps what each page draws, for checking
// label positions without a printer; it can be told to fail at a page.
#include "platform/print/Canvas.h"
#include "platform/print/PrintDevice.h"

#include <QImage>
#include <QLine>
#include <stdexcept>
#include <vector>

struct DrawnText {
    QString text;
    QPoint at; // top-left corner
    CanvasFont font;
};

struct DrawnPage {
    std::vector<DrawnText> texts;
    std::vector<QLine> lines;

    const DrawnText *find(const QString &text, int nth = 0) const
    {
        for (const DrawnText &t : texts)
            if (t.text == text && nth-- == 0)
                return &t;
        return nullptr;
    }
    int count(const QString &text) const
    {
        int n = 0;
        for (const DrawnText &t : texts)
            n += t.text == text;
        return n;
    }
};

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(std::vector<DrawnPage> &pages) : pages_(pages)
    {
        metrics_.setDotsPerMeterX(600 * 10000 / 254);
        metrics_.setDotsPerMeterY(600 * 10000 / 254);
    }
    double dpiX() const override { return 600; }
    double dpiY() const override { return 600; }
    void drawRect(const QRect &) override {}
    void drawEllipse(const QRect &) override {}
    void drawRoundedRect(const QRect &, int, int) override {}
    void drawLine(QPoint from, QPoint to) override { pages_.back().lines.emplace_back(from, to); }
    void fillRect(const QRect &) override {}
    void drawText(const QRect &rect, int, const QString &text) override
    {
        pages_.back().texts.push_back({text, rect.topLeft(), font()});
    }
    void drawTextClipped(const QRect &, int x, int y, const QString &text) override
    {
        pages_.back().texts.push_back({text, QPoint(x, y), font()});
    }
    void drawPicture(const QRect &, const QImage &) override {}

protected:
    const QPaintDevice *metricsDevice() const override { return &metrics_; }

private:
    std::vector<DrawnPage> &pages_;
    QImage metrics_{8, 8, QImage::Format_RGB32};
};

class LabelPrintDevice : public PrintDevice {
public:
    QStringList PrinterNames() const override { return names; }
    int DefaultPrinterIndex() const override { return names.isEmpty() ? -1 : 0; }
    int PrinterIndex() const override { return -1; }
    void SetPrinterIndex(int) override {}
    void Refresh() override {}
    DeviceMode Mode() const override { return mode; }
    void SetMode(const DeviceMode &m) override
    {
        if (m.Supports(dmOrientation))
            mode.Orientation = m.Orientation;
    }
    QList<int> PaperCodes() const override { return {9}; }
    int XResolution() const override { return 600; }
    int YResolution() const override { return 600; }
    QPoint PhysicalOffset() const override { return offset; }
    QSize PhysicalSize() const override { return {4961, 7016}; }
    QString Title() const override { return title; }
    void SetTitle(const QString &t) override { title = t; }
    QString OutputFileName() const override { return file; }
    void SetOutputFileName(const QString &f) override { file = f; }

    void BeginDoc() override
    {
        pages.clear();
        pages.emplace_back();
        printing = true;
        ended = aborted = false;
    }
    void NewPage() override
    {
        if (int(pages.size()) == failAtPage)
            throw std::runtime_error("Printer out of paper");
        pages.emplace_back();
    }
    void EndDoc() override
    {
        printing = false;
        ended = true;
    }
    void Abort() override
    {
        printing = false;
        aborted = true;
    }
    bool Printing() const override { return printing; }
    Canvas &PageCanvas() override { return canvas; }
    QPainter &PagePainter() override { throw std::logic_error("no painter"); }

    QStringList names{QStringLiteral("Etykieciarka")};
    DeviceMode mode{dmOrientation, 2};
    QString title, file;
    QPoint offset;      // unprintable margin on each side
    int failAtPage = 0; // NewPage after this many pages fails; 0 never
    bool printing = false, ended = false, aborted = false;
    std::vector<DrawnPage> pages;
    RecordingCanvas canvas{pages};
};
