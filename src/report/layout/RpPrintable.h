#pragma once

#include "report/layout/RpFrame.h"
#include "report/printer/RpUnits.h"

#include <QString>

class TCustomReport;
class TRpExportFilter;
class TRpCustomBand;
class TRpPrinter;

enum class TRpAlignment { Left, Right, Center };

// Base of everything that is placed on a band (or on the report itself) and
// drawn onto the page when its band prints. Positions are in 0.1 mm during a run.
class TRpPrintable {
public:
    TRpPrintable();
    virtual ~TRpPrintable() = default;
    TRpPrintable(const TRpPrintable &) = delete;
    TRpPrintable &operator=(const TRpPrintable &) = delete;

    QString Name;
    int Tag = 0;
    bool Enabled = true;
    TRpFrame Frame;
    TRpPrintableSize Size;

    TRpAlignment Alignment() const { return alignment_; }
    virtual void SetAlignment(TRpAlignment alignment);
    bool AlignToBand() const { return alignToBand_; }
    void SetAlignToBand(bool on);
    bool Transparent = true;

    // Where it sits: a band, or the report itself (band null).
    TRpCustomBand *ParentBand() const { return band_; }
    TCustomReport *ParentReport() const { return report_; }
    void SetParent(TCustomReport *report, TRpCustomBand *band);

    // A stretching descendant clears it while part of its content is still due
    // in a following column or page.
    bool PrintFinished = true;
    bool Printing() const { return printing_; }

    virtual void Prepare();
    // Draws at the band's position (0.1 mm from the paper's top-left corner).
    virtual void Print(int offsetX, int offsetY);
    virtual void Unprepare();
    // How far the content has got; a pass that leaves it unchanged made no progress.
    virtual int PrintProgress() const { return 0; }
    // Gives up the rest of the content so that the run can go on.
    virtual void FinishPrint() { PrintFinished = true; }
    // Height (0.1 mm) its current content needs when it stretches its band;
    // negative for one of a fixed height.
    virtual double StretchedHeight() { return -1; }
    void AlignIt();
    virtual void ParentResized() { AlignIt(); }
    // Class name of the design-time editor that serves this printable.
    virtual QString EditorClass() const { return QStringLiteral("TRpPrintableEditor"); }

protected:
    TRpPrinter *RpPrinter() const { return printer_; }
    // Device rectangle of the printable at the given band offset.
    QRect DeviceRect(int offsetX, int offsetY) const;
    // Device rectangle between two points in 0.1 mm.
    QRect DeviceArea(double left, double top, double right, double bottom) const;
    // True while the run draws: on the page, or for an export filter.
    bool ShouldDraw() const;
    // The filter the report exports through, or null.
    TRpExportFilter *ExportFilter() const;

private:
    TRpAlignment alignment_ = TRpAlignment::Left;
    bool alignToBand_ = false;
    bool aligning_ = false;
    bool printing_ = false;
    TCustomReport *report_ = nullptr;
    TRpCustomBand *band_ = nullptr;
    TRpPrinter *printer_ = nullptr;
};
