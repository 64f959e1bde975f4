#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Canvas;
class QPainter;

// Which values of a DeviceMode the device understands. The numbers are the
// classic DEVMODE field bits, so codes stored by reports keep their meaning.
enum DeviceField : unsigned {
    dmOrientation = 0x0001,
    dmPaperSize = 0x0002,
    dmPaperLength = 0x0004,
    dmPaperWidth = 0x0008,
    dmCopies = 0x0100,
    dmDefaultSource = 0x0200,
    dmPrintQuality = 0x0400,
    dmColor = 0x0800,
    dmDuplex = 0x1000,
    dmCollate = 0x8000,
};

// The job settings of one printer, in the classic codes: orientation 1
// portrait / 2 landscape; paper size a DMPAPER code (0 none); paper width and
// length in 0.1 mm; bin a DMBIN code; duplex 1 simplex, 2 long edge, 3 short
// edge; colour 1 mono, 2 colour; quality in dots per inch; collate 0 or 1.
struct DeviceMode {
    unsigned Fields = 0;
    int Orientation = 1;
    int PaperSize = 0;
    int PaperWidth = 0;
    int PaperLength = 0;
    int Copies = 1;
    int DefaultSource = 0;
    int PrintQuality = 0;
    int Color = 1;
    int Duplex = 1;
    int Collate = 0;

    bool Supports(unsigned fields) const { return (Fields & fields) == fields; }
};

// The printing device the report logic prints through. The widget side
// implements it over the platform's printer; tests use a fake.
class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // Print queues known to the machine; none means printing goes to a PDF file.
    virtual QStringList PrinterNames() const = 0;
    virtual int DefaultPrinterIndex() const = 0; // -1 when there is no queue
    virtual int PrinterIndex() const = 0;        // -1 for the default
    // Selects a printer (-1 the default) with its driver's default settings.
    virtual void SetPrinterIndex(int index) = 0;
    // Reads the list of print queues again.
    virtual void Refresh() = 0;

    virtual DeviceMode Mode() const = 0;
    virtual void SetMode(const DeviceMode &mode) = 0;
    // DMPAPER codes of the papers the device offers.
    virtual QList<int> PaperCodes() const = 0;

    // Device pixels per inch; 0 when the device does not tell.
    virtual int XResolution() const = 0;
    virtual int YResolution() const = 0;
    // Unprintable margin at the top left and the whole sheet, in device pixels.
    virtual QPoint PhysicalOffset() const = 0;
    virtual QSize PhysicalSize() const = 0;
    // The printable area the page canvas covers, in device pixels; without
    // better knowledge the unprintable margins are taken as even on both sides.
    virtual QSize PrintableSize() const
    {
        const QPoint offset = PhysicalOffset();
        return PhysicalSize() - QSize(2 * offset.x(), 2 * offset.y());
    }

    virtual QString Title() const = 0;
    virtual void SetTitle(const QString &title) = 0;
    // The PDF file written when there is no print queue (asked by the windows).
    virtual QString OutputFileName() const = 0;
    virtual void SetOutputFileName(const QString &fileName) = 0;

    // A job: BeginDoc opens its first page, NewPage ends a page and opens the next.
    virtual void BeginDoc() = 0;
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
    virtual void Abort() = 0;
    virtual bool Printing() const = 0;
    // The open page, in device pixels from the printable area's top left;
    // valid only while printing.
    virtual Canvas &PageCanvas() = 0;
    virtual QPainter &PagePainter() = 0;

    bool HasPrinters() const { return !PrinterNames().isEmpty(); }
};

// The process-wide printing device. The windows library installs the maker
// of real devices at start-up; logic without one sees no device at all.
namespace PrintDevices {

using Factory = std::function<std::unique_ptr<PrintDevice>()>;

// Installs the maker (an empty one removes it) and drops the shared device.
void SetFactory(Factory factory);
// A new device of its own, or none when no maker is installed.
std::unique_ptr<PrintDevice> Create();
// The shared device, made on first use; null when no maker is installed.
PrintDevice *Shared();

}

// One value for a resolution the device does not tell (0 or absurdly small).
inline constexpr int FallbackDpi = 96;
inline int UsableDpi(int dpi)
{
    return dpi >= 26 ? dpi : FallbackDpi;
}
