#include "report/layout/RpFrame.h"

#include "platform/print/Canvas.h"
#include "report/layout/RpCanvas.h"
#include "report/pages/RpExportFilter.h"
#include "report/printer/RpUnits.h"

int TRpFrame::Thickness(double factor) const
{
    if (Width == -1)
        return 1;
    const int t = Nearest(factor / 72 * 254 * Width);
    return t < 1 && Width >= 1 ? 1 : t;
}

void TRpFrame::Paint(Canvas &canvas, const QRect &rect, double fx, double fy, TRpExportFilter *filter) const
{
    const int hw = Thickness(fx), vw = Thickness(fy);
    if (!AnyFrame() || Width == 0)
        return;
    canvas.setPen(CanvasPen{Color, 0, Style});
    canvas.setBrush(SolidBrush(Color));
    const int l = rect.left(), t = rect.top(), r = rect.left() + rect.width(), b = rect.top() + rect.height();
    if (DrawTop)
        canvas.fillRect(QRect(l, t, r - l, vw));
    if (DrawBottom)
        canvas.fillRect(QRect(l, b - vw, r - l, vw));
    if (DrawLeft)
        canvas.fillRect(QRect(l, t, hw, b - t));
    if (DrawRight)
        canvas.fillRect(QRect(r - hw, t, hw, b - t));
    if (!filter)
        return;
    if (DrawTop && DrawBottom && DrawLeft && DrawRight) {
        filter->Frame(rect, *this);
        return;
    }
    if (DrawTop)
        filter->Line(QPoint(l, t), QPoint(r, t), Color, vw);
    if (DrawBottom)
        filter->Line(QPoint(l, b), QPoint(r, b), Color, vw);
    if (DrawLeft)
        filter->Line(QPoint(l, t), QPoint(l, b), Color, hw);
    if (DrawRight)
        filter->Line(QPoint(r, t), QPoint(r, b), Color, hw);
}
