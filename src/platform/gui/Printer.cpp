#include "platform/gui/Printer.h"

#include "platform/SaveFile.h"
#include "platform/gui/DialogFolder.h"
#include "platform/gui/DialogParent.h"
#include "platform/print/PagePicture.h"

#include <QFileDialog>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>
#include <stdexcept>

namespace {

// Qt's paper sources in the order of the classic bin codes 1..11, then 14 and 15.
int binCode(QPrinter::PaperSource source)
{
    const int s = static_cast<int>(source);
    if (s <= QPrinter::LargeCapacity)
        return s + 1;
    return s == QPrinter::Cassette ? 14 : 15;
}

QPrinter::PaperSource sourceOfBin(int code)
{
    if (code >= 1 && code <= 11)
        return static_cast<QPrinter::PaperSource>(code - 1);
    return code == 14 ? QPrinter::Cassette : code == 15 ? QPrinter::FormSource : QPrinter::Auto;
}

QString &chosenPdfFile()
{
    static QString name;
    return name;
}

int duplexCode(QPrinter::DuplexMode mode)
{
    switch (mode) {
    case QPrinter::DuplexNone: return 1;
    case QPrinter::DuplexShortSide: return 3;
    default: return 2;
    }
}

}

Printer::Printer() : outputFile_(chosenPdfFile())
{
    Refresh();
    SetPrinterIndex(-1);
}

Printer::~Printer()
{
    if (Printing())
        Abort();
}

void Printer::Install()
{
    PrintDevices::SetFactory([] { return std::make_unique<Printer>(); });
}

void Printer::SetOutputFileName(const QString &fileName)
{
    outputFile_ = fileName;
    chosenPdfFile() = fileName;
}

QString Printer::AskPdfFileName(QWidget *parent)
{
    QFileDialog dialog(parent ? parent : DialogParent(), QStringLiteral("Drukuj do pliku PDF"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(QStringLiteral("PDF (*.pdf *.PDF)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    return ExecFileDialog(dialog);
}

void Printer::Refresh()
{
    names_ = QPrinterInfo::availablePrinterNames();
    if (index_ >= names_.size())
        index_ = -1;
}

int Printer::DefaultPrinterIndex() const
{
    if (names_.isEmpty())
        return -1;
    return std::max(0, int(names_.indexOf(QPrinterInfo::defaultPrinterName())));
}

QPrinterInfo Printer::info() const
{
    if (names_.isEmpty())
        return {};
    const int i = index_ >= 0 && index_ < names_.size() ? index_ : DefaultPrinterIndex();
    return QPrinterInfo::printerInfo(names_.at(i));
}

void Printer::SetPrinterIndex(int index)
{
    if (Printing())
        Abort();
    index_ = index >= 0 && index < names_.size() ? index : -1;
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (ToPdf()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setPageSize(QPageSize(QPageSize::A4));
        printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    } else {
        printer_->setPrinterName(info().printerName());
    }
}

void Printer::AdoptChosenPrinter()
{
    if (!ToPdf()) {
        const int i = int(names_.indexOf(printer_->printerName()));
        index_ = i == DefaultPrinterIndex() ? -1 : i;
    }
}

DeviceMode Printer::Mode() const
{
    const QPrinterInfo pi = info();
    DeviceMode m;
    m.Fields =
        dmOrientation | dmPaperSize | dmPaperLength | dmPaperWidth | dmCopies | dmCollate | dmPrintQuality;
    const QPageLayout layout = printer_->pageLayout();
    m.Orientation = layout.orientation() == QPageLayout::Landscape ? 2 : 1;
    m.PaperSize = layout.pageSize().windowsId();
    const QSizeF mm = layout.pageSize().size(QPageSize::Millimeter);
    m.PaperWidth = int(std::lrint(mm.width() * 10));
    m.PaperLength = int(std::lrint(mm.height() * 10));
    m.Copies = printer_->copyCount();
    m.Collate = printer_->collateCopies() ? 1 : 0;
    m.PrintQuality = printer_->resolution();
    m.Color = printer_->colorMode() == QPrinter::Color ? 2 : 1;
    m.Duplex = duplexCode(printer_->duplex());
    if (ToPdf() || pi.supportedColorModes().contains(QPrinter::Color))
        m.Fields |= dmColor;
    if (pi.supportedDuplexModes().size() > 1)
        m.Fields |= dmDuplex;
    // Qt does not list a queue's bins, so the bin is passed on but not offered.
    m.DefaultSource = binCode(printer_->paperSource());
    return m;
}

void Printer::SetMode(const DeviceMode &m)
{
    if (m.Supports(dmOrientation))
        printer_->setPageOrientation(m.Orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    const QPageSize::PageSizeId id = QPageSize::id(m.PaperSize);
    if (m.Supports(dmPaperSize) && m.PaperSize > 0 && id != QPageSize::Custom)
        printer_->setPageSize(QPageSize(id));
    else if (m.PaperWidth > 0 && m.PaperLength > 0)
        printer_->setPageSize(QPageSize(QSizeF(m.PaperWidth / 10.0, m.PaperLength / 10.0),
                                        QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
    if (m.Supports(dmCopies))
        printer_->setCopyCount(std::max(1, m.Copies));
    if (m.Supports(dmCollate))
        printer_->setCollateCopies(m.Collate != 0);
    if (m.Supports(dmColor))
        printer_->setColorMode(m.Color == 2 ? QPrinter::Color : QPrinter::GrayScale);
    if (m.Supports(dmDuplex))
        printer_->setDuplex(m.Duplex == 3   ? QPrinter::DuplexShortSide
                            : m.Duplex == 2 ? QPrinter::DuplexLongSide
                                            : QPrinter::DuplexNone);
    if (m.Supports(dmDefaultSource))
        printer_->setPaperSource(sourceOfBin(m.DefaultSource));
}

QList<int> Printer::PaperCodes() const
{
    QList<int> codes;
    if (ToPdf()) {
        for (int i = 0; i <= QPageSize::LastPageSize; ++i)
            if (const int code = QPageSize::windowsId(static_cast<QPageSize::PageSizeId>(i)); code > 0)
                codes.append(code);
        return codes;
    }
    for (const QPageSize &size : info().supportedPageSizes())
        if (size.windowsId() > 0)
            codes.append(size.windowsId());
    return codes;
}

int Printer::XResolution() const
{
    return printer_->resolution();
}

int Printer::YResolution() const
{
    return printer_->resolution();
}

QPoint Printer::PhysicalOffset() const
{
    const QPageLayout layout = printer_->pageLayout();
    const int dpi = UsableDpi(printer_->resolution());
    return layout.paintRectPixels(dpi).topLeft() - layout.fullRectPixels(dpi).topLeft();
}

QSize Printer::PhysicalSize() const
{
    return printer_->pageLayout().fullRectPixels(UsableDpi(printer_->resolution())).size();
}

QSize Printer::PrintableSize() const
{
    return printer_->pageLayout().paintRectPixels(UsableDpi(printer_->resolution())).size();
}

QString Printer::pdfTarget() const
{
    if (ToPdf())
        return outputFile_;
    return printer_->outputFormat() == QPrinter::PdfFormat ? printer_->outputFileName() : QString();
}

void Printer::BeginDoc()
{
    if (Printing())
        throw std::runtime_error("Printing already in progress");
    if (ToPdf()) {
        if (outputFile_.isEmpty())
            SetOutputFileName(AskPdfFileName());
        if (outputFile_.isEmpty())
            throw std::runtime_error("No print queue and no PDF file chosen");
        printer_->setOutputFormat(QPrinter::PdfFormat);
    }
    printer_->setDocName(title_);
    QPaintDevice *device = printer_.get();
    // Qt's printer writes a PDF through a file of its own and tells nothing of
    // a write that failed; a writer over a file of ours sees every failure.
    if (const QString pdf = pdfTarget(); !pdf.isEmpty()) {
        pdfFile_ = std::make_unique<SaveFile>(pdf);
        if (!pdfFile_->open(QIODevice::WriteOnly))
            pdfFailed();
        pdfWriter_ = std::make_unique<QPdfWriter>(pdfFile_.get());
        pdfWriter_->setTitle(title_);
        pdfWriter_->setResolution(printer_->resolution());
        pdfWriter_->setPageLayout(printer_->pageLayout());
        device = pdfWriter_.get();
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(device)) {
        endJob();
        throw std::runtime_error("The printer could not start the job");
    }
    canvas_ = std::make_unique<PainterCanvas>(*painter_);
}

void Printer::NewPage()
{
    if (!Printing())
        return;
    if (pdfWriter_) {
        // A PDF that lost a write cannot be whole: stop at once.
        if (pdfFile_->Failed() || !pdfWriter_->newPage())
            pdfFailed();
    } else if (!printer_->newPage()) {
        throw std::runtime_error("The printer could not start a new page");
    }
}

void Printer::EndDoc()
{
    endPainting();
    if (pdfFile_ && !pdfFile_->Commit())
        pdfFailed();
    pdfFile_.reset();
}

void Printer::Abort()
{
    if (Printing() && !pdfWriter_)
        printer_->abort();
    endJob();
}

void Printer::endPainting()
{
    canvas_.reset();
    if (painter_ && painter_->isActive())
        painter_->end();
    painter_.reset();
    pdfWriter_.reset();
}

void Printer::endJob()
{
    endPainting();
    // Never committed: the temporary file goes and the target stays as it was.
    if (pdfFile_)
        pdfFile_->cancelWriting();
    pdfFile_.reset();
}

void Printer::pdfFailed()
{
    const QString message = QStringLiteral("Nie można zapisać pliku PDF %1: %2.")
                                .arg(pdfFile_->fileName(), pdfFile_->FailureCause());
    endJob();
    throw std::runtime_error(message.toStdString());
}

bool Printer::Printing() const
{
    return painter_ && painter_->isActive();
}

Canvas &Printer::PageCanvas()
{
    if (!canvas_)
        throw std::runtime_error("No page is open on the printer");
    return *canvas_;
}

QPainter &Printer::PagePainter()
{
    if (!painter_)
        throw std::runtime_error("No page is open on the printer");
    return *painter_;
}
