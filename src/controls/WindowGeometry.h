#pragma once

#include <QRect>

class QWidget;
class TWindow;
struct StoredBounds;

// Gives a window a stored rectangle when it is usable: a sensible size and
// enough of it on some screen to grab it again. A rectangle off every screen or
// of a degenerate size is ignored and the window keeps its bounds; the result
// says which happened.
bool ApplyStoredGeometry(QWidget *window, const QRect &stored);

// Whether a window at this rectangle could be seen and grabbed.
bool IsUsableGeometry(const QRect &stored);

// The stored values that are there replace the window's own, each on its own.
bool ApplyStoredBounds(QWidget *window, const StoredBounds &stored);

// Widens a window that is laid out (shown, or in its showEvent) so that a view
// in it gets `viewWidth` pixels, as far as the screen allows; never narrows it.
void WidenForView(QWidget *window, const QWidget &view, int viewWidth);

// A window's placement in the store, under its object name: restored when it is
// shown (a damaged key is ignored, and rewritten on close), kept when it closes.
void RestoreWindowPlacement(QWidget *window, TWindow &store);
void KeepWindowPlacement(QWidget *window, TWindow &store);
