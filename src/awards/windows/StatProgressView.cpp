#include "awards/windows/StatProgressView.h"

#include "controls/ProgressPacer.h"
#include "platform/Progress.h"

#include <QGroupBox>
#include <QPointer>
#include <QProgressBar>
#include <memory>

TProgress ProgressInBox(QGroupBox *box, QProgressBar *bar)
{
    auto pace = std::make_shared<ProgressPacer>();
    QPointer<QProgressBar> barPtr(bar);
    QPointer<QGroupBox> boxPtr(box);
    TProgress p;
    p.Phase = [boxPtr, barPtr, pace](const QString &caption) {
        if (!boxPtr || !barPtr)
            return;
        boxPtr->setTitle(caption);
        barPtr->setMinimum(0);
        barPtr->setValue(0);
        boxPtr->show();
        pace->RepaintNow();
    };
    p.Maximum = [barPtr](int maximum) {
        if (barPtr)
            barPtr->setMaximum(maximum);
    };
    p.Position = [barPtr, pace](int position) {
        (*pace)([&] {
            if (barPtr)
                barPtr->setValue(position);
        });
    };
    return p;
}
