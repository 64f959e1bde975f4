#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class TRpPrinter;
class PrintDevice;

// Logic opens no window: the windows library registers here how a preview,
// a progress window and the print dialog are shown.

// Shows the preview of a printer's pages; returns the window.
class TRpPreviewInterface {
public:
    virtual ~TRpPreviewInterface() = default;
    virtual QObject *Show(TRpPrinter &printer) = 0;
    virtual QObject *ShowModal(TRpPrinter &printer) = 0;
};

// A window that follows a print's progress and can cancel it.
class TRpProgressWindow {
public:
    virtual ~TRpProgressWindow() = default;
    // Where the printer posts its progress (becomes the printer's Client).
    virtual QObject *Receiver() = 0;
    virtual void SetCaption(const QString &caption) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
};

// What the print dialog shows and hands back (classic codes, see DeviceMode).
enum TRpPrintRange { prAllPages, prSelection, prPageNums };
enum TRpPrintDialogOption : unsigned {
    poPrintToFile = 1,
    poPageNums = 2,
    poSelection = 4,
    poWarning = 8,
    poHelp = 16,
    poDisablePrintToFile = 32
};
struct TRpPrintDialogData {
    int PrinterIndex = -1;
    int Collate = 0;
    int Copies = 1;
    int FromPage = 0;
    int ToPage = 0;
    int MinPage = 0;
    int MaxPage = 0;
    unsigned Options = 0;
    bool PrintToFile = false;
    TRpPrintRange PrintRange = prAllPages;
    int PrintQuality = 0;
    int ColorOption = 0;
    int OutputBin = 0; // bin code
    int PaperSize = 0; // paper code
    double Paperwidth = 0;
    double Paperlength = 0;
    int Orientation = 1;
    bool Duplex = false;
    int DuplexCode = 0;
    unsigned Fields = 0;
};

namespace RpWindows {

using PreviewFactory = std::function<std::unique_ptr<TRpPreviewInterface>()>;
using ProgressFactory = std::function<std::unique_ptr<TRpProgressWindow>(TRpPrinter &)>;
// Runs the print dialog on a device; true when the user confirms.
using PrintDialogRunner = std::function<bool(PrintDevice &device, TRpPrintDialogData &data)>;

void SetPreviewFactory(PreviewFactory factory);
void SetProgressFactory(ProgressFactory factory);
void SetPrintDialogRunner(PrintDialogRunner runner);

// Null (or false) when the windows library has registered nothing.
std::unique_ptr<TRpPreviewInterface> CreatePreviewInterface();
std::unique_ptr<TRpProgressWindow> CreateProgressWindow(TRpPrinter &printer);
bool RunPrintDialog(PrintDevice &device, TRpPrintDialogData &data);

}
