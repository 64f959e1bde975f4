#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>

class PagePicture;
class TCustomReport;
class TRpCustomBand;
class TRpFrame;
class TRpPrinter;
class TRpShape;

// Writes a report into a file of another format. A filter is reached in one
// of two ways: the printer hands it the pages of a finished report in order
// (BeginDoc, NewPage, EndDoc), or the report runs once through its
// ExportToFilter and tells the filter what it draws as it goes. Every member
// does nothing unless a filter wants it; a filter raises an exception when it
// cannot write.
//
// In a report run rectangles and points are device positions of the run's
// printer, which records in 0.1 mm; band positions are in 0.1 mm.
class TRpExportFilter {
public:
    explicit TRpExportFilter(QString fileName) : FileName(std::move(fileName)) {}
    virtual ~TRpExportFilter() = default;

    // The pages of a finished report.
    virtual void BeginDoc(int pageCount) { (void)pageCount; }
    virtual void NewPage(int pageNumber, const PagePicture &page) { (void)pageNumber, (void)page; }
    virtual void EndDoc() {}

    // A report run: the paper in whole 0.1 mm and the report's font, once.
    virtual void StartReport(int pageWidth, int pageLength, const QFont &font)
    {
        (void)pageWidth, (void)pageLength, (void)font;
    }
    virtual void StartPage() {}
    virtual void EndPage() {}
    virtual void EndReport() {}
    // True when every band is to find the paper's whole length free: the
    // report then never breaks a page for lack of room.
    virtual bool UsePaperLength() const { return false; }

    // The area of a band that is not transparent, before its printables.
    virtual void BandRect(const QRect &rect, const QColor &color) { (void)rect, (void)color; }
    // A band has printed with its top-left corner at (x, y), grown by expanded.
    virtual void Band(const TRpCustomBand &band, double expanded, int x, int y)
    {
        (void)band, (void)expanded, (void)x, (void)y;
    }
    // The background of a printable that is not transparent.
    virtual void Rectangle(const QRect &rect, const QColor &color) { (void)rect, (void)color; }
    // A frame drawn on all four sides of the rectangle.
    virtual void Frame(const QRect &rect, const TRpFrame &frame) { (void)rect, (void)frame; }
    // One side of a frame, or a band's vertical line; width in device pixels.
    virtual void Line(const QPoint &from, const QPoint &to, const QColor &color, int width)
    {
        (void)from, (void)to, (void)color, (void)width;
    }
    // One line of text with its top-left corner at the point.
    virtual void Text(const QPoint &at, const QString &text, const QFont &font)
    {
        (void)at, (void)text, (void)font;
    }
    virtual void Shape(const TRpShape &shape, const QRect &rect) { (void)shape, (void)rect; }

    const QString FileName;
    // While a report exports through the filter: the report and the printer
    // it had before the export.
    TCustomReport *Report = nullptr;
    TRpPrinter *Printer = nullptr;
    bool ReportStarted = false;
};

// A kind of export the preview's save dialog offers.
struct TRpExportFilterClass {
    QString Description;
    QString Extension; // without the dot
    std::function<std::unique_ptr<TRpExportFilter>(const QString &fileName)> Create;
};

// The export filters of the process, in the order they were registered.
class TRpExportFilterLibrary {
public:
    static TRpExportFilterLibrary &Instance();

    void Register(TRpExportFilterClass filter);
    void Unregister(const QString &description);
    int Count() const { return int(filters_.size()); }
    const TRpExportFilterClass &Filter(int index) const { return filters_.at(index); }

    // The save dialog's filter: the page file, then each export filter, as
    // "Description|patterns" pairs joined by "|".
    QString SaveDialogFilter() const;

private:
    QList<TRpExportFilterClass> filters_;
};
