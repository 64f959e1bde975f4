#include "platform/QuitOnSignal.h"

#include <QCoreApplication>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

// A signal that comes while the signals are held back (the database opening)
// is seen at once and, once they are accepted, ends the event loop normally
// instead of the process; so does one that comes later.
TEST(QuitOnSignal, ASignalHeldBackDuringStartUpAndALaterOneBothEndTheEventLoop)
{
    CatchTerminationSignals();
    QuitOnTerminationSignals();
    std::raise(SIGHUP);
    EXPECT_TRUE(TerminationRequested());
    AcceptTerminationSignals();

    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::quit();
    });
    guard.start(10000);
    QCoreApplication::exec();
    EXPECT_FALSE(timedOut);

    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    QCoreApplication::exec();
    EXPECT_FALSE(timedOut);
}
