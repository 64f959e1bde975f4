#pragma once

#include <QString>
#include <functional>

class PrintDevice;

// Where QSL labels print: the device's chosen print queue or, on a machine
// without one, a PDF file chosen for the next print only.
class TLabelPrinterChoice {
public:
    explicit TLabelPrinterChoice(PrintDevice &device) : device_(device) {}

    PrintDevice &Device() const { return device_; }

    // The printer line: the queue in use, or without one the PDF file chosen
    // here for the coming print (never one of another job).
    QString Text() const;

    // Asks for the PDF file of the next print (a null asker gives none); an
    // empty answer keeps the earlier choice and returns false.
    bool ChoosePdf(const std::function<QString()> &ask);

    // Reads the queues again and readies the device for a print. Without a
    // queue the chosen file, asked for now when there is none, becomes the
    // output, and the next print asks again. False when no file was given.
    bool PrepareForPrint(const std::function<QString()> &ask);

private:
    PrintDevice &device_;
    QString pdfFile_;
};
