#include "controls/ProgressPacer.h"

#include <QCoreApplication>

void ProgressPacer::RepaintNow()
{
    QCoreApplication::processEvents(flags_);
    shown_.restart();
}
