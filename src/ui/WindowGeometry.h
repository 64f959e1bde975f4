#pragma once

#include <QRect>

class QWidget;

// Gives a window a stored rectangle when it is usable: a sensible size and
// enough of it on some screen to grab it again. A rectangle off every screen or
// of a degenerate size is ignored and the window keeps its bounds; the result
// says which happened.
bool ApplyStoredGeometry(QWidget *window, const QRect &stored);

// Whether a window at this rectangle could be seen and grabbed.
bool IsUsableGeometry(const QRect &stored);
