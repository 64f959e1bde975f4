#pragma once

#include "report/layout/RpPrintable.h"

#include <QBrush>
#include <QPen>

enum class TRpShapeType {
    rpsRectangle,
    rpsCircle,
    rpsVertLine,
    rpsHorLine,
    rpsTopAndBottom,
    rpsRightAndLeft,
    rpsRoundRect
};

// A line or outline inside the printable's rectangle.
class TRpShape : public TRpPrintable {
public:
    TRpShape();

    TRpShapeType Shape = TRpShapeType::rpsRectangle;
    QBrush Brush{Qt::white};
    QPen Pen{Qt::black, 1};
    float RoundFactor = 0;
    int VertAdjust = 0;

    void Print(int offsetX, int offsetY) override;
    // Draws the shape into a device rectangle.
    void Draw(Canvas &canvas, const QRect &rect) const;
};
