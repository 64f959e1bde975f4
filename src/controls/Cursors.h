#pragma once

#include <QCursor>

// The two cursors the control library registers under fixed numbers.
inline constexpr int crExHand = 14000; // "EX_HANDCUR"
inline constexpr int crExDrag = 14001; // "EX_DRAGCUR"

// The cursor registered under a number; the arrow for an unknown one.
QCursor ScreenCursor(int id);
