#include "platform/QuitOnSignal.h"

#include <QCoreApplication>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

// A termination signal ends the event loop normally instead of the process.
TEST(QuitOnSignal, TerminationEndsTheEventLoop)
{
    QuitOnTerminationSignals();
    bool timedOut = false;
    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    QTimer::singleShot(10000, [&] {
        timedOut = true;
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    EXPECT_FALSE(timedOut);
}
