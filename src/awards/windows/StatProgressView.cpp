#include "awards/windows/StatProgressView.h"

#include "awards/StatProgress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QPointer>
#include <QProgressBar>
#include <memory>

namespace {

constexpr qint64 RepaintIntervalMs = 40;

}

TStatProgress ProgressInBox(QGroupBox *box, QProgressBar *bar)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QPointer<QProgressBar> barPtr(bar);
    QPointer<QGroupBox> boxPtr(box);
    TStatProgress p;
    p.Phase = [boxPtr, barPtr, clock](const QString &caption) {
        if (!boxPtr || !barPtr)
            return;
        boxPtr->setTitle(caption);
        barPtr->setMinimum(0);
        barPtr->setValue(0);
        boxPtr->show();
        QCoreApplication::processEvents();
        clock->restart();
    };
    p.Maximum = [barPtr](int maximum) {
        if (barPtr)
            barPtr->setMaximum(maximum);
    };
    p.Position = [barPtr, clock](int position) {
        if (clock->elapsed() < RepaintIntervalMs)
            return;
        if (barPtr)
            barPtr->setValue(position);
        QCoreApplication::processEvents();
        clock->restart();
    };
    return p;
}
