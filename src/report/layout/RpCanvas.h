#pragma once

#include "platform/print/Canvas.h"

#include <QBrush>
#include <QFont>
#include <QPen>

// The report's Qt pens, brushes and fonts as canvas values.
CanvasFont ToCanvasFont(const QFont &font, const QColor &color = Qt::black);
// A pen of width 1 or less is the device's thinnest line.
CanvasPen ToCanvasPen(const QPen &pen);
CanvasBrush ToCanvasBrush(const QBrush &brush);
CanvasBrush SolidBrush(const QColor &color);
