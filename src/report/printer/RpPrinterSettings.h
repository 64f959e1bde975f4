#pragma once

#include "platform/print/PrintDevice.h"

#include <QString>
#include <array>
#include <functional>

// Output bins by index, with their DMBIN codes.
enum TRpBin {
    rpBinFirst,
    rpBinUpper,
    rpBinLower,
    rpBinMiddle,
    rpBinManual,
    rpBinEnvelope,
    rpBinEnvManual,
    rpBinAuto,
    rpBinTractor,
    rpBinSmallFormat,
    rpBinLargeFormat,
    rpBinLargeCapacity,
    rpBinCassette,
    rpBinLast
};
constexpr int RpBinCount = 14;
int BinCode(int bin);
// The first bin index with the code, or -1.
int BinIndexOfCode(int code);

// The paper index (1..69) with the printer's paper code, or 0.
int PaperIndexOfCode(int code);

class TPrinterSettings;

// Sender, Cancel (set true to veto), the job settings read or about to be written.
using TRpPrinterEvent = std::function<void(TPrinterSettings &sender, bool &cancel, DeviceMode &mode)>;

// The settings of the device a report prints on: read from the device,
// changed by the report, written back before a job.
class TPrinterSettings {
public:
    TPrinterSettings() = default;

    // Reads the device (also done when a device is set).
    void ReadSettings();
    // Writes the settings to the device.
    void ApplySettings();
    // True when the device has settings and understands all the fields.
    bool Supports(unsigned fields) const;
    void SetField(unsigned fields);

    PrintDevice *Printer() const { return printer_; }
    void SetPrinter(PrintDevice *printer);

    // The paper in 0.1 mm: the table's size, or the device's for Default and Custom.
    int PaperWidth() const;
    int PaperLength() const;
    void SetPaperWidth(int value) { paperWidth_ = value; }
    void SetPaperLength(int value) { paperLength_ = value; }

    int Copies = 1;
    bool Duplex = false;
    bool PrintMetaFile = false;
    bool UseStandardprinter = false;
    TRpPrinterEvent OnGetPrinterSettings;
    TRpPrinterEvent OnApplyPrinterSettings;
    int ExtendedDuplex = 0;
    bool UseCustomBinCode = false;
    int CustomBinCode = 0;
    int PrintQuality = 0;
    int Collate = 0;
    int ColorOption = 0;
    int MemoryLimit = 250000;
    bool UseCustomPaperCode = false;
    int CustomPaperCode = 0;
    bool Orientation = false;              // true = landscape
    int OutputBin = 0;                     // TRpBin
    int PaperSize = 9;                     // index into the paper table, A4
    std::array<bool, 70> PaperAvailable{}; // by paper index; Custom always
    int XResolution = 0;
    int YResolution = 0;
    int TopOffset = 0;  // 0.1 mm
    int LeftOffset = 0; // 0.1 mm

private:
    DeviceMode mode_;
    bool hasMode_ = false;
    PrintDevice *printer_ = nullptr;
    int paperWidth_ = 0;
    int paperLength_ = 0;
};

// The part of the settings that reports keep.
struct TRpPrinterSettings {
    int Copies = 1;
    bool Duplex = false;
    int OutputBin = rpBinAuto;
    int PrinterIndex = -1; // the default printer
    QString Title;
    int FirstPage = 0;
    int LastPage = 0;
    int MemoryLimit = 250000;
};

// Printer wishes of a report, copied into its report printer before each run.
struct TReportPrinterSettings : TRpPrinterSettings {
    bool UseStandardprinter = false;
    bool UseCustomBinCode = false;
    int CustomBinCode = 0;
    int ExtendedDuplex = 0;
    bool UseCustomPaperCode = false;
    int CustomPaperCode = 0;
    bool PrintMetaFile = false;
    int PrintQuality = 600;
    int Collate = 0;
    int ColorOption = 0;
};

// The job choices of a printer set-up (bin, collation, colour, quality,
// copies, duplex, custom bin code) from one settings object into another.
template <class Settings> void CopySetupChoices(const TReportPrinterSettings &from, Settings &to)
{
    to.OutputBin = from.OutputBin;
    to.Collate = from.Collate;
    to.ColorOption = from.ColorOption;
    to.PrintQuality = from.PrintQuality;
    to.Copies = from.Copies;
    to.Duplex = from.Duplex;
    to.ExtendedDuplex = from.ExtendedDuplex;
    to.UseCustomBinCode = from.UseCustomBinCode;
    to.CustomBinCode = from.CustomBinCode;
}

// 0.1 mm from device pixels at a resolution (a resolution of 0 takes the fallback).
int TenthsOfMm(int pixels, int dpi);
// Device pixels per 0.1 mm at a resolution, the other way round.
double DeviceFactor(int dpi);
