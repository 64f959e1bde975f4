#include "report/windows/RpPagePaint.h"

#include "platform/print/PagePicture.h"
#include "report/printer/RpPrinter.h"

#include <QPainter>

void PaintPage(QPainter &painter, const QRect &rect, const PagePicture *page, bool frameWithoutPage)
{
    if (!page && !frameWithoutPage)
        return;
    const int l = rect.left(), t = rect.top(), w = rect.width(), h = rect.height();
    painter.save();
    painter.fillRect(QRect(QPoint(l + 1, t + 1), QPoint(l + w - 3, t + h - 3)), Qt::white);
    if (page)
        page->replay(painter, QRectF(rect));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    const QPoint frame[] = {{l, t}, {l, t + h - 3}, {l + w - 3, t + h - 3}, {l + w - 3, t}, {l, t}};
    painter.drawPolyline(frame, 5);
    painter.fillRect(QRect(QPoint(l + w - 2, t + 2), QPoint(l + w - 1, t + h - 1)), Qt::black);
    painter.fillRect(QRect(QPoint(l + 2, t + h - 2), QPoint(l + w - 1, t + h - 1)), Qt::black);
    painter.restore();
}

std::optional<PagePicture> PageToShow(TRpPrinter *printer, int n)
{
    if (!printer)
        return std::nullopt;
    try {
        return printer->GetPage(n);
    } catch (const ERpError &) {
        return std::nullopt;
    }
}
