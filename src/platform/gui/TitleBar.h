#pragma once

class QWidget;

// The narrowest width at which the window manager shows a window's whole
// title: the title in the bold type of title bars, with room for the bar's
// icon and buttons either side.
int TitleBarWidth(const QWidget &window);
