#include "report/windows/RpPrintDialog.h"

#include "platform/gui/Printer.h"

#include <QPrintDialog>
#include <QPrinter>

bool TRpPrintDialog::Execute(QWidget *owner)
{
    QPrinter &qp = printer_.QtPrinter();
    qp.setCopyCount(std::max(1, Copies));
    qp.setCollateCopies(Collate != 0);
    qp.setPageOrientation(Orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);

    QPrintDialog dialog(&qp, owner);
    QAbstractPrintDialog::PrintDialogOptions options =
        QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize;
    if ((Options & poPrintToFile) && !(Options & poDisablePrintToFile))
        options |= QAbstractPrintDialog::PrintToFile;
    if (Options & poPageNums)
        options |= QAbstractPrintDialog::PrintPageRange;
    if (Options & poSelection)
        options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    if (MaxPage >= MinPage && MaxPage > 0)
        dialog.setMinMax(std::max(1, MinPage), MaxPage);
    if (FromPage > 0 && ToPage >= FromPage)
        qp.setFromTo(FromPage, ToPage);
    qp.setPrintRange(PrintRange == prPageNums    ? QPrinter::PageRange
                     : PrintRange == prSelection ? QPrinter::Selection
                                                 : QPrinter::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return false;

    printer_.AdoptChosenPrinter();
    PrinterIndex = printer_.PrinterIndex();
    PrintToFile = !qp.outputFileName().isEmpty() && !printer_.ToPdf();
    PrintRange = qp.printRange() == QPrinter::Selection   ? prSelection
                 : qp.printRange() == QPrinter::PageRange ? prPageNums
                                                          : prAllPages;
    FromPage = qp.fromPage();
    ToPage = qp.toPage();
    Copies = qp.copyCount();
    const DeviceMode mode = printer_.Mode();
    Fields = mode.Fields;
    OutputBin = mode.DefaultSource;
    PaperSize = mode.PaperSize;
    Paperwidth = mode.PaperWidth;
    Paperlength = mode.PaperLength;
    Orientation = mode.Orientation;
    PrintQuality = mode.PrintQuality;
    ColorOption = mode.Color;
    DuplexCode = mode.Duplex;
    Duplex = mode.Duplex != 1;
    Collate = mode.Collate;
    return true;
}
