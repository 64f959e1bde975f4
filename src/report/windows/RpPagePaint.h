#pragma once

#include <QRect>
#include <optional>

class PagePicture;
class QPainter;
class TRpPrinter;

// Page n of the printer for showing; nothing when there is none or it cannot be read.
std::optional<PagePicture> PageToShow(TRpPrinter *printer, int n);

// Draws a page stretched over a rectangle, on white, with a black frame and a
// two-pixel shadow on the right and at the bottom. Without a page only the
// frame is drawn, and only when asked.
void PaintPage(QPainter &painter, const QRect &rect, const PagePicture *page, bool frameWithoutPage = false);
