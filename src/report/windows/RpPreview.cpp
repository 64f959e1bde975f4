#include "report/windows/RpPreview.h"

#include "platform/print/PagePicture.h"
#include "report/pages/RpPageList.h"
#include "report/windows/RpOutlineTree.h"
#include "report/windows/RpPagePaint.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QUrl>
#include <cmath>

void OpenExternalLink(const QString &target)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(target));
}

TRpPreviewImage::TRpPreviewImage(QWidget *parent) : QWidget(parent)
{
    resize(100, 50);
    setMouseTracking(true);
}

TRpPreviewImage::~TRpPreviewImage() = default;

void TRpPreviewImage::SetPageNumber(int n)
{
    pageNumber_ = n;
    PageImage = PageToShow(RpPrinter, n);
    update();
}

void TRpPreviewImage::Clear()
{
    PageImage.reset();
    pageNumber_ = 0;
    update();
}

void TRpPreviewImage::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    PaintPage(p, rect(), PageImage ? &*PageImage : nullptr);
}

QString TRpPreviewImage::LinkAt(const QPoint &point) const
{
    if (Hyperlinks.isEmpty() || Zoom <= 0)
        return {};
    const QPoint at(int(std::lrint(point.x() / double(Zoom) * 100)),
                    int(std::lrint(point.y() / double(Zoom) * 100)));
    for (const TRpHyperlink &h : Hyperlinks)
        if (h.Rect.contains(at))
            return h.Link;
    return {};
}

void TRpPreviewImage::hyperlinkEvent(TRpHyperlinkEventType type, const QString &link, bool &handled)
{
    if (OnHyperlink)
        OnHyperlink(this, type, link, handled);
}

// The pointer is now over the link (none when empty).
void TRpPreviewImage::pointerAt(const QString &link)
{
    bool handled = false;
    if (!link.isEmpty()) {
        if (overLink_ && link == currentLink_)
            return;
        overLink_ = true;
        currentLink_ = link;
        setCursor(Qt::PointingHandCursor);
        hyperlinkEvent(heCursorMoveOver, link, handled);
    } else if (overLink_) {
        overLink_ = false;
        currentLink_.clear();
        unsetCursor();
        hyperlinkEvent(heCursorMoveAway, QString(), handled);
    }
}

void TRpPreviewImage::mouseMoveEvent(QMouseEvent *e)
{
    pointerAt(LinkAt(e->position().toPoint()));
    QWidget::mouseMoveEvent(e);
}

void TRpPreviewImage::leaveEvent(QEvent *e)
{
    pointerAt(QString());
    QWidget::leaveEvent(e);
}

void TRpPreviewImage::mouseReleaseEvent(QMouseEvent *e)
{
    const QString link = LinkAt(e->position().toPoint());
    if (link.isEmpty()) {
        QWidget::mouseReleaseEvent(e);
        return;
    }
    bool handled = false;
    hyperlinkEvent(heGoto, link, handled);
    if (!handled)
        RpHyperlinks::Follow(link, OpenExternalLink);
}

TRpPreview::TRpPreview(QWidget *parent) : QScrollArea(parent)
{
    PreviewImage = new TRpPreviewImage;
    setWidget(PreviewImage);
    setWidgetResizable(false);
    setAlignment(Qt::AlignCenter);
    setBackgroundRole(QPalette::Dark);
    resize(250, 250);
}

TRpPreview::~TRpPreview()
{
    detachOutline();
    if (printer_ && printer_->Client == this) {
        printer_->SetShowingPreview(false);
        printer_->Client = nullptr;
    }
}

void TRpPreview::ForgetPrinter()
{
    printer_ = nullptr;
    PreviewImage->RpPrinter = nullptr;
    PreviewImage->Clear();
    if (outlineView_)
        outlineView_->Clear();
}

void TRpPreview::ReleasePrinter()
{
    detachOutline();
    ForgetPrinter();
}

void TRpPreview::detachOutline()
{
    if (!printer_)
        return;
    TRpOutline &outline = printer_->PageList().Outline();
    if (outline.TreeView() && outline.TreeView() == outlineView_.get())
        outline.SetTreeView(nullptr);
}

void TRpPreview::attachOutline()
{
    if (printer_)
        printer_->PageList().Outline().SetTreeView(outlineView_.get());
}

QTreeWidget *TRpPreview::Outline() const
{
    return outlineView_ ? outlineView_->Tree() : nullptr;
}

void TRpPreview::SetOutline(QTreeWidget *tree)
{
    if (tree == Outline())
        return;
    if (QTreeWidget *old = Outline())
        disconnect(old, nullptr, this, nullptr);
    detachOutline();
    outlineView_ = tree ? std::make_unique<TRpOutlineTree>(tree) : nullptr;
    if (tree) {
        connect(tree, &QTreeWidget::currentItemChanged, this,
                [this](QTreeWidgetItem *node) { outlineNodeChosen(node); });
        connect(tree, &QTreeWidget::itemClicked, this,
                [this](QTreeWidgetItem *node) { outlineNodeChosen(node); });
    }
    attachOutline();
}

void TRpPreview::outlineNodeChosen(QTreeWidgetItem *node)
{
    if (!node || !printer_)
        return;
    const int page =
        printer_->PageList().Outline().Find(node->data(0, TRpOutlineTree::OutlineIdRole).toInt()).Page;
    if (page <= 0)
        return;
    SetPageNumber(page);
    emit OutlinePageChosen(page);
}

void TRpPreview::SetRpPrinter(TRpPrinter *printer)
{
    detachOutline();
    if (printer_ && printer_->Client == this) {
        printer_->SetShowingPreview(false);
        printer_->Client = nullptr;
    }
    printer_ = printer;
    PreviewImage->RpPrinter = printer;
    if (printer_) {
        printer_->Client = this;
        printer_->SetShowingPreview(true);
    }
    pageNumber_ = 1;
    PreviewImage->SetPageNumber(1);
    attachOutline();
}

void TRpPreview::SetPageNumber(int n)
{
    if (n == pageNumber_ && PreviewImage->HasPage())
        return;
    if (!printer_ || n < 1 || n > printer_->PageCount())
        return;
    PreviewImage->SetPageNumber(n);
    pageNumber_ = n;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void TRpPreview::SetZoom(int z)
{
    if (z < 2 || z > 2000)
        return;
    zoom_ = z;
    ZoomState = rpZoomOther;
    UpdateZoom();
}

// Pages are held in 0.1 mm; at 100 % they show at their real size on the screen.
int TRpPreview::screenX(double tenths) const
{
    return int(std::lrint(tenths * logicalDpiX() / 254.0));
}

int TRpPreview::screenY(double tenths) const
{
    return int(std::lrint(tenths * logicalDpiY() / 254.0));
}

void TRpPreview::UpdateZoom()
{
    int w, h;
    if (printer_) {
        w = screenX(printer_->PaperWidthValue() * double(zoom_) / 100) + 4;
        h = screenY(printer_->PaperLengthValue() * double(zoom_) / 100) + 4;
    } else {
        w = int(std::lrint(215.9 * zoom_ / 100)) + 4;
        h = int(std::lrint(279.4 * zoom_ / 100)) + 4;
    }
    PreviewImage->resize(w, h);
    PreviewImage->Zoom = zoom_;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    PreviewImage->update();
}

bool TRpPreview::applyZoom(long z)
{
    if (z < 2 || z > 2000)
        return false;
    zoom_ = int(z);
    UpdateZoom();
    return true;
}

void TRpPreview::ZoomToFit()
{
    const int pw = printer_ ? screenX(printer_->PaperWidthValue()) : 216;
    const int pl = printer_ ? screenY(printer_->PaperLengthValue()) : 279;
    if (pw <= 0 || pl <= 0)
        return;
    const long z = std::min(std::lrint(double(height()) / pl * 95), std::lrint(double(width()) / pw * 95));
    applyZoom(z);
    ZoomState = rpZoomToFit;
}

void TRpPreview::ZoomToWidth()
{
    const int pw = printer_ ? screenX(printer_->PaperWidthValue()) : 216;
    if (pw <= 0)
        return;
    applyZoom(std::lrint(double(width()) / pw * 90));
    ZoomState = rpZoomToWidth;
}

bool TRpPreview::event(QEvent *e)
{
    switch (int(e->type())) {
    case rpMsgProgress: emit ProgressUpdate(static_cast<TRpMessageEvent *>(e)->Param); return true;
    case rpMsgPagesAvailable: {
        const int n = static_cast<TRpMessageEvent *>(e)->Param;
        if (printer_ && n == pageNumber_ && !PreviewImage->HasPage() && n <= printer_->PageCount()) {
            if (printer_->PreviewOptions.InitialZoom == rpZoomToWidth)
                ZoomToWidth();
            PreviewImage->SetPageNumber(n);
        }
        emit PageAvailable(n);
        return true;
    }
    case rpMsgPrinterFreed:
        ForgetPrinter();
        emit PrinterFreed();
        return true;
    default: return QScrollArea::event(e);
    }
}

void TRpPreview::resizeEvent(QResizeEvent *e)
{
    QScrollArea::resizeEvent(e);
    if (ZoomState == rpZoomToFit)
        ZoomToFit();
    else if (ZoomState == rpZoomToWidth)
        ZoomToWidth();
    else
        UpdateZoom();
}
