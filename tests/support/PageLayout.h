#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

class PagePicture;
class TCustomReport;

// What a recorded page draws, in tenths of a millimetre from the paper's
// top-left corner: every text with the left end of its baseline, and every
// filled or outlined rectangle.
struct PlacedText {
    QString text;
    QPointF at;
};
struct PageLayout {
    std::vector<PlacedText> texts;
    std::vector<QRectF> rects;
    std::vector<QLineF> lines;

    const PlacedText *find(const QString &text, int nth = 0) const;
    int count(const QString &text) const;
};
PageLayout LayoutOf(const PagePicture &page);

// Runs a report into a printer of its own and reads back every page.
std::vector<PageLayout> RunReport(TCustomReport &report);
