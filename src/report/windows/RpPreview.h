#pragma once

#include "report/pages/RpHyperlinks.h"
#include "report/printer/RpPrinter.h"

#include <QList>
#include <QPointer>
#include <QScrollArea>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class PagePicture;
class QTreeWidget;
class QTreeWidgetItem;
class TRpOutlineTree;

// Sender, what happened, the link (empty when moving away), Handled: set
// true and a chosen link is not followed.
using TRpPreviewHyperlinkEvent =
    std::function<void(QObject *sender, TRpHyperlinkEventType eventType, const QString &link, bool &handled)>;

// Opens a link target outside the program, through the desktop.
void OpenExternalLink(const QString &target);

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

    // The link at a point of the image at its zoom; empty when there is none.
    QString LinkAt(const QPoint &point) const;
    bool OverLink() const { return overLink_; }
    QString CurrentLink() const { return currentLink_; }

    TRpPrinter *RpPrinter = nullptr;
    std::optional<PagePicture> PageImage;
    int Zoom = 100;
    // The links of the page shown, in its pixels at 100 %.
    QList<TRpHyperlink> Hyperlinks;
    TRpPreviewHyperlinkEvent OnHyperlink;

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    void hyperlinkEvent(TRpHyperlinkEventType type, const QString &link, bool &handled);
    void pointerAt(const QString &link);

    int pageNumber_ = 0;
    bool overLink_ = false;
    QString currentLink_;
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
    // Lets go of a printer that lives on; its outline no longer shows here.
    void ReleasePrinter();

    int PageNumber() const { return pageNumber_; }
    void SetPageNumber(int n);
    int Zoom() const { return zoom_; }
    // Accepted from 2 to 2000 percent.
    void SetZoom(int z);
    void ZoomToFit();
    void ZoomToWidth();
    void UpdateZoom();

    // The tree that shows the printer's outline (not owned; none by default).
    QTreeWidget *Outline() const;
    void SetOutline(QTreeWidget *tree);
    void SetOnHyperlink(TRpPreviewHyperlinkEvent handler) { PreviewImage->OnHyperlink = std::move(handler); }

    TRpPreviewImage *PreviewImage;
    TRpZoomState ZoomState = rpZoomOther;

signals:
    void PageAvailable(int pageNum);
    void ProgressUpdate(int progress);
    // The printer shown is being freed: nothing may use it any more.
    void PrinterFreed();
    // An outline node was chosen and its page is shown.
    void OutlinePageChosen(int page);

protected:
    bool event(QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    bool applyZoom(long z);
    void attachOutline();
    void detachOutline();
    void outlineNodeChosen(QTreeWidgetItem *node);
    int screenX(double tenths) const;
    int screenY(double tenths) const;

    TRpPrinter *printer_ = nullptr;
    std::unique_ptr<TRpOutlineTree> outlineView_;
    int pageNumber_ = 1;
    int zoom_ = 100;
};
