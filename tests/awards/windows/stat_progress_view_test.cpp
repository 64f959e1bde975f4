#include "awards/windows/StatProgressView.h"
#include "platform/Progress.h"

#include <QElapsedTimer>
#include <QGroupBox>
#include <QProgressBar>
#include <QTimer>
#include <gtest/gtest.h>

// A run reports each of its rows; the bar repaints and pending events are
// handled only every few hundredths of a second, yet they are handled.
TEST(StatProgressView, ARowByRowRunRepaintsSeldomAndStillHandlesEvents)
{
    QGroupBox box;
    QProgressBar bar(&box);
    box.show();
    const TProgress p = ProgressInBox(&box, &bar);
    p.ShowPhase("Tworzenie statystyki ");
    EXPECT_EQ(box.title(), "Tworzenie statystyki ");
    EXPECT_TRUE(box.isVisible());
    p.SetMaximum(100000);
    EXPECT_EQ(bar.maximum(), 100000);

    int repaints = 0;
    QObject::connect(&bar, &QProgressBar::valueChanged, [&] { ++repaints; });
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    QElapsedTimer clock;
    clock.start();
    for (int row = 1; row <= 100000; ++row) {
        if (row % 1000 == 0)
            while (clock.elapsed() < row / 1000) // about 0.1 s in all
                ;
        p.SetPosition(row);
    }
    EXPECT_TRUE(handled);
    EXPECT_GE(repaints, 1);
    EXPECT_LE(repaints, 10);
}
