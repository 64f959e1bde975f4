#include "exchange/LabelPrinterChoice.h"

#include "platform/print/PrintDevice.h"

#include <QFileInfo>

QString TLabelPrinterChoice::Text() const
{
    if (device_.HasPrinters()) {
        const int index =
            device_.PrinterIndex() >= 0 ? device_.PrinterIndex() : device_.DefaultPrinterIndex();
        return device_.PrinterNames().value(index);
    }
    return pdfFile_.isEmpty() ? QStringLiteral("brak drukarki - wydruk do pliku PDF")
                              : QStringLiteral("plik PDF: ") + QFileInfo(pdfFile_).fileName();
}

bool TLabelPrinterChoice::ChoosePdf(const std::function<QString()> &ask)
{
    const QString file = ask ? ask() : QString();
    if (file.isEmpty())
        return false;
    pdfFile_ = file;
    return true;
}

bool TLabelPrinterChoice::PrepareForPrint(const std::function<QString()> &ask)
{
    device_.Refresh();
    if (device_.HasPrinters())
        return true;
    if (pdfFile_.isEmpty() && !ChoosePdf(ask))
        return false;
    device_.SetOutputFileName(pdfFile_);
    pdfFile_.clear();
    return true;
}
