#include "controls/Cursors.h"

QCursor ScreenCursor(int id)
{
    switch (id) {
    case crExHand: return QCursor(Qt::PointingHandCursor);
    case crExDrag: return QCursor(Qt::ClosedHandCursor);
    default: return QCursor(Qt::ArrowCursor);
    }
}
