#include "exchange/FPrn.h"

#include "platform/print/Canvas.h"
#include "platform/print/PrintDevice.h"

#include <cmath>

int TPrn::MmToPixels(int32_t ppi, float mm)
{
    const float pixels = float(double(ppi) * double(mm) / 25.4);
    // nearbyint rounds halves to even in the default rounding mode.
    return int(std::nearbyint(pixels));
}

Canvas &TPrn::PageCanvas()
{
    return printer_.PageCanvas();
}

void TPrn::TextOutAt(int x, int y, const QString &text)
{
    PageCanvas().textOut(x, y, text);
}

void TPrn::TextOutRight(int xRight, int y, const QString &text)
{
    Canvas &canvas = PageCanvas();
    canvas.textOut(xRight - canvas.textWidth(text), y, text);
}
