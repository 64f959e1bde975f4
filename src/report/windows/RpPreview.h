#pragma once

#include "report/RpPrinter.h"

#include <QScrollArea>
#include <QWidget>
#include <optional>

class PagePicture;

// One page of the printer drawn at a zoom, with frame and shadow.
class TRpPreviewImage : public QWidget {
    Q_OBJECT
public:
    explicit TRpPreviewImage(QWidget *parent = nullptr);
    ~TRpPreviewImage() override;

    // Frees the page shown and takes page n from the printer.
    void SetPageNumber(int n);
    int PageNumber() const { return pageNumber_; }
    bool HasPage() const { return PageImage.has_value(); }
    void Clear();

    TRpPrinter *RpPrinter = nullptr;
    std::optional<PagePicture> PageImage;
    int Zoom = 100;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int pageNumber_ = 0;
};

// A scrolling view of one page of a report printer at a zoom factor.
class TRpPreview : public QScrollArea {
    Q_OBJECT
public:
    explicit TRpPreview(QWidget *parent = nullptr);
    ~TRpPreview() override;

    TRpPrinter *RpPrinter() const { return printer_; }
    void SetRpPrinter(TRpPrinter *printer);
    // Lets go of a printer that is being freed, without touching it.
    void ForgetPrinter();

    int PageNumber() const { return pageNumber_; }
    void SetPageNumber(int n);
    int Zoom() const { return zoom_; }
    // Accepted from 2 to 2000 percent.
    void SetZoom(int z);
    void ZoomToFit();
    void ZoomToWidth();
    void UpdateZoom();

    TRpPreviewImage *PreviewImage;
    TRpZoomState ZoomState = rpZoomOther;

signals:
    void PageAvailable(int pageNum);
    void ProgressUpdate(int progress);
    // The printer shown is being freed: nothing may use it any more.
    void PrinterFreed();

protected:
    bool event(QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    bool applyZoom(long z);
    int screenX(double tenths) const;
    int screenY(double tenths) const;

    TRpPrinter *printer_ = nullptr;
    int pageNumber_ = 1;
    int zoom_ = 100;
};
