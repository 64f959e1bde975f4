#include "platform/gui/TitleBar.h"

#include <QFontMetrics>
#include <QWidget>

int TitleBarWidth(const QWidget &window)
{
    QFont bold = window.font();
    bold.setBold(true);
    // Title bars often use a larger type than the window's own.
    return QFontMetrics(bold).horizontalAdvance(window.windowTitle()) * 5 / 4 + 160;
}
