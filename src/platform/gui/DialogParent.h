#pragma once

class QWidget;

// The window a box or dialog that has no window of its own to sit on belongs
// to: the modal window that is open, else the active window, else the main
// window. The active window alone is not enough: while a modal editor is open
// the window system may report another window (or none) as active, and a box
// made the child of that one can open behind the editor, out of sight, while
// the editor no longer answers.
QWidget *DialogParent();
