#pragma once

#include "platform/print/PagePicture.h"
#include "platform/print/PrintDevice.h"

#include <QImage>
#include <QPainter>
#include <QStringList>
#include <memory>

// A printing device that remembers its job: "B" begin, "N" new page, "E" end,
// "A" abort, in order, the settings each job began with, and draws into a
// small image.
class FakePrintDevice : public PrintDevice {
public:
    QStringList PrinterNames() const override { return names; }
    int DefaultPrinterIndex() const override { return names.isEmpty() ? -1 : 0; }
    int PrinterIndex() const override { return index; }
    void SetPrinterIndex(int i) override
    {
        index = i;
        mode = defaults;
    }
    void Refresh() override {}
    DeviceMode Mode() const override { return mode; }
    void SetMode(const DeviceMode &m) override
    {
        mode = m;
        ++modesSet;
    }
    QList<int> PaperCodes() const override { return paperCodes; }
    int XResolution() const override { return dpiX; }
    int YResolution() const override { return dpiY; }
    QPoint PhysicalOffset() const override { return offset; }
    QSize PhysicalSize() const override { return physical; }
    QString Title() const override { return title; }
    void SetTitle(const QString &t) override { title = t; }
    QString OutputFileName() const override { return file; }
    void SetOutputFileName(const QString &f) override { file = f; }

    void BeginDoc() override
    {
        calls += 'B';
        jobModes.append(mode);
        image = QImage(200, 300, QImage::Format_RGB32);
        painter = std::make_unique<QPainter>(&image);
        canvas = std::make_unique<PainterCanvas>(*painter);
    }
    void NewPage() override { calls += 'N'; }
    void EndDoc() override
    {
        calls += 'E';
        stop();
    }
    void Abort() override
    {
        calls += 'A';
        stop();
    }
    bool Printing() const override { return painter != nullptr; }
    Canvas &PageCanvas() override { return *canvas; }
    QPainter &PagePainter() override { return *painter; }

    QStringList names{QStringLiteral("Biuro")};
    int index = -1;
    DeviceMode defaults{dmOrientation | dmPaperSize | dmCopies | dmDuplex | dmDefaultSource | dmCollate,
                        1,
                        9,
                        2100,
                        2970,
                        2,
                        4,
                        600,
                        2,
                        2,
                        1};
    DeviceMode mode = defaults;
    int modesSet = 0;
    QList<int> paperCodes{1, 2, 5, 8, 9, 10, 11};
    int dpiX = 600, dpiY = 300;
    QPoint offset{100, 50}; // device pixels
    QSize physical{4961, 3508 / 2};
    QString title, file;
    QString calls;
    QList<DeviceMode> jobModes;
    QImage image;

private:
    void stop()
    {
        canvas.reset();
        painter.reset();
    }
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<PainterCanvas> canvas;
};
