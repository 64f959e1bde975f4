#pragma once

#include "report/layout/RpFrame.h"
#include "report/layout/RpPrintable.h"
#include "report/printer/RpUnits.h"

#include <QColor>
#include <QFont>
#include <functional>
#include <memory>
#include <vector>

class TCustomReport;
class TRpController;

enum class TRpBandType {
    rbTitle,
    rbPageHeader,
    rbDetail,
    rbPageFooter,
    rbSummary,
    rbGroupHeader,
    rbGroupFooter,
    rbSubDetail,
    rbColumnHeader,
    rbOverlay,
    rbChild
};

// Caption and default name prefix of a band type.
QString BandCaption(TRpBandType type);
QString BandNamePrefix(TRpBandType type);
// Why a link, parent or master that would close a cycle was refused.
QString CircularLinkText();

// A horizontal strip of the report carrying printables. Its output routine
// decides about breaks, grows for stretching text, draws the background, the
// printables and the frame, and moves the report's position down.
class TRpCustomBand {
public:
    explicit TRpCustomBand(TCustomReport *report);
    virtual ~TRpCustomBand();
    TRpCustomBand(const TRpCustomBand &) = delete;
    TRpCustomBand &operator=(const TRpCustomBand &) = delete;

    QString Name;
    std::function<void(TRpCustomBand &, bool printed)> AfterPrint;
    std::function<void(TRpCustomBand &, bool &print)> BeforePrint;
    bool AlignToBottom = false;
    QColor Color = Qt::white;
    bool Enabled = true;
    bool TransparentBand = false;
    QFont Font;
    bool ParentFont = true;
    bool ForceNewColumn = false;
    bool ForceNewPage = false;
    bool PreCalculateBandHeight = false;
    bool KeepOnOnePage = false;
    TRpFrame Frame;
    TRpBandSize Size;

    virtual TRpBandType BandType() const = 0;
    TCustomReport *ParentReport() const { return report_; }

    TRpCustomBand *LinkBand() const { return link_; }
    bool SetLinkBand(TRpCustomBand *band); // false (unchanged) when it would close a cycle

    // Printables in child order; the band owns them.
    template <class T, class... Args> T *Add(Args &&...args)
    {
        auto p = std::make_unique<T>(std::forward<Args>(args)...);
        T *raw = p.get();
        raw->SetParent(report_, this);
        raw->Size.SetUnits(Size.Units());
        printables_.push_back(std::move(p));
        return raw;
    }
    const std::vector<std::unique_ptr<TRpPrintable>> &Printables() const { return printables_; }

    // The first child band whose parent is this band.
    class TRpChildBand *ChildBand() const;
    bool HasChild() const { return ChildBand() != nullptr; }
    void SetHasChild(bool on);

    // Heights in 0.1 mm.
    double StretchHeight() const;
    double LinkedHeight(bool withLinks) const;
    bool CanExpand(double value) const;
    bool ExpandBand(double value, double &newHeight, bool &hasExpanded);
    double Expanded = 0;

    TRpController *Controller = nullptr; // the record loop that drives it, if any

    // Another band of the report is going away: drop every reference to it.
    virtual void Unlink(TRpCustomBand *gone) { (void)gone; }

    // The output routine; called through the report's PrintBand.
    void Output();

private:
    // The steps of Output: the breaks the band asks for, then its printables
    // where the report stands, then its child band.
    void PrintAtPosition(TRpBandType type);
    void BreakBefore(TRpBandType type);
    void FitCheck();
    void PrintChildBand(TRpBandType type);
    // Prints the printables, going on in the next column while content is left.
    void PrintPrintables();
    void PaintBackground();
    // One pass over the printables; true when all are finished.
    bool PrintContent(bool firstPass);
    void PaintFrame(double height);
    // True when the unfinished content is given up (no progress, or a break's header).
    bool GiveUpStuckContent(bool firstPass, std::vector<int> &progress);
    void DrawVerticalLines(const QRect &rect);
    // The device rectangle the band's background covers at the report's position.
    QRect Area() const;

    TCustomReport *report_;
    TRpCustomBand *link_ = nullptr;
    std::vector<std::unique_ptr<TRpPrintable>> printables_;
};

class TRpBand : public TRpCustomBand {
public:
    TRpBand(TCustomReport *report, TRpBandType type) : TRpCustomBand(report), type_(type) {}
    TRpBandType BandType() const override { return type_; }
    // A new type rearranges the report's bands (once the run is over, during one).
    void SetBandType(TRpBandType type);

private:
    TRpBandType type_;
};

class TRpChildBand : public TRpBand {
public:
    explicit TRpChildBand(TCustomReport *report) : TRpBand(report, TRpBandType::rbChild) {}
    TRpCustomBand *ParentBand() const { return parent_; }
    bool SetParentBand(TRpCustomBand *band); // false when it would close a cycle
    void Unlink(TRpCustomBand *gone) override
    {
        if (parent_ == gone)
            parent_ = nullptr;
    }

private:
    TRpCustomBand *parent_ = nullptr;
};

// The band at the top of a child band's chain (the band itself otherwise).
TRpCustomBand *ChainTop(TRpCustomBand *band);

// True for bands as wide as the printable page; the others are one column wide.
bool IsPageWideBand(TRpBandType type);
