#pragma once

#include <QString>
#include <cstdint>

class Canvas;
class PrintDevice;

// Places text on the open page of a printing device in device pixels, with
// lengths given in millimetres. One per print run.
class TPrn {
public:
    explicit TPrn(PrintDevice &printer) : printer_(printer) {}

    int32_t PpiX = 0;
    int32_t PpiY = 0;

    void SetPixelsPerInchX(int32_t value) { PpiX = value; }
    void SetPixelsPerInchY(int32_t value) { PpiY = value; }

    // Ppi x mm / 25.4, held as a single-precision value and then rounded to
    // the nearest integer, halves to even. Each distance is converted on its
    // own, so sums of converted distances may differ by a pixel from the
    // converted sum.
    int MmToPixelsX(float mm) const { return MmToPixels(PpiX, mm); }
    int MmToPixelsY(float mm) const { return MmToPixels(PpiY, mm); }
    static int MmToPixels(int32_t ppi, float mm);

    // Text with its top-left corner at (x, y).
    void TextOutAt(int x, int y, const QString &text);
    // Text that ends at xRight.
    void TextOutRight(int xRight, int y, const QString &text);

    // The open page of the printer.
    Canvas &PageCanvas();

private:
    PrintDevice &printer_;
};
