#include "report/layout/RpShape.h"

#include "platform/print/Canvas.h"
#include "report/layout/RpCanvas.h"
#include "report/pages/RpExportFilter.h"
#include "report/printer/RpPrinter.h"

TRpShape::TRpShape()
{
    Size.SetNative(TRpPrintableSize::WidthIdx, 65 * 254.0 / 96);
    Size.SetNative(TRpPrintableSize::HeightIdx, 65 * 254.0 / 96);
}

void TRpShape::Draw(Canvas &canvas, const QRect &rect) const
{
    canvas.setPen(ToCanvasPen(Pen));
    canvas.setBrush(ToCanvasBrush(Brush));
    const int l = rect.left(), t = rect.top(), w = rect.width(), h = rect.height();
    switch (Shape) {
    case TRpShapeType::rpsRectangle: canvas.drawRect(rect); break;
    case TRpShapeType::rpsCircle: canvas.drawEllipse(rect); break;
    case TRpShapeType::rpsVertLine: canvas.drawLine(QPoint(l + w / 2, t), QPoint(l + w / 2, t + h)); break;
    case TRpShapeType::rpsHorLine: canvas.drawLine(QPoint(l, t + h / 2), QPoint(l + w, t + h / 2)); break;
    case TRpShapeType::rpsTopAndBottom:
        canvas.drawLine(QPoint(l, t), QPoint(l + w, t));
        canvas.drawLine(QPoint(l, t + h - 1), QPoint(l + w, t + h - 1));
        break;
    case TRpShapeType::rpsRightAndLeft:
        canvas.drawLine(QPoint(l, t), QPoint(l, t + h));
        canvas.drawLine(QPoint(l + w - 1, t), QPoint(l + w - 1, t + h));
        break;
    case TRpShapeType::rpsRoundRect: {
        const int corner = int(w * RoundFactor);
        canvas.drawRoundedRect(rect, corner / 2, corner / 2);
        break;
    }
    }
}

void TRpShape::Print(int offsetX, int offsetY)
{
    if (ShouldDraw()) {
        const QRect rect = DeviceRect(offsetX, offsetY);
        Draw(*RpPrinter()->GetCanvas(), rect);
        if (TRpExportFilter *filter = ExportFilter())
            filter->Shape(*this, rect);
    }
    TRpPrintable::Print(offsetX, offsetY);
}
