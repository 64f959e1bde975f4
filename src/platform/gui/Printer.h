#pragma once

#include "platform/print/PrintDevice.h"

#include <QPrinterInfo>
#include <memory>

class QPdfWriter;
class QPrinter;
class QWidget;
class PainterCanvas;
class SaveFile;

// The printing device over Qt's printer. With no print queue on the machine
// every job goes to the PDF file named by SetOutputFileName. A PDF (also one
// the print dialog sends to a file) is written to a temporary file beside it
// and put in place by EndDoc only when every byte was written; otherwise
// EndDoc (or NewPage, as soon as a write fails) throws the cause in Polish
// and no file is left under that name.
class Printer : public PrintDevice {
public:
    Printer();
    ~Printer() override;

    QStringList PrinterNames() const override { return names_; }
    int DefaultPrinterIndex() const override;
    int PrinterIndex() const override { return index_; }
    void SetPrinterIndex(int index) override;
    void Refresh() override;

    DeviceMode Mode() const override;
    void SetMode(const DeviceMode &mode) override;
    QList<int> PaperCodes() const override;

    int XResolution() const override;
    int YResolution() const override;
    QPoint PhysicalOffset() const override;
    QSize PhysicalSize() const override;
    QSize PrintableSize() const override;

    QString Title() const override { return title_; }
    void SetTitle(const QString &title) override { title_ = title; }
    QString OutputFileName() const override { return outputFile_; }
    // The name chosen last is where the next device's PDF goes too.
    void SetOutputFileName(const QString &fileName) override;

    void BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;
    void Abort() override;
    bool Printing() const override;
    Canvas &PageCanvas() override;
    QPainter &PagePainter() override;

    // The Qt printer, for the print dialog.
    QPrinter &QtPrinter() { return *printer_; }
    bool ToPdf() const { return names_.isEmpty(); }
    // Takes over the queue the print dialog chose on the Qt printer.
    void AdoptChosenPrinter();

    // Makes this the device the report logic prints through.
    static void Install();
    // Asks where a PDF goes; empty when the user cancels.
    static QString AskPdfFileName(QWidget *parent = nullptr);

private:
    QPrinterInfo info() const;
    // The PDF file a job writes, or empty when it goes to a print queue.
    QString pdfTarget() const;
    // Ends the drawing; a PDF written so far stays in its temporary file.
    void endPainting();
    void endJob();
    [[noreturn]] void pdfFailed();

    QStringList names_;
    int index_ = -1;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<SaveFile> pdfFile_; // while a PDF job runs
    std::unique_ptr<QPdfWriter> pdfWriter_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PainterCanvas> canvas_;
    QString title_;
    QString outputFile_;
};
