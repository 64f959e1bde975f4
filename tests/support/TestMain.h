#pragma once

#include <QByteArray>
#include <gtest/gtest.h>

// The body of every test program's main(): one application object of the kind
// the program needs (QCoreApplication for logic, QGuiApplication where it
// paints, QApplication for windows) lives for the whole run, under the
// offscreen platform unless one is set. `ready` runs once the object exists.
template <typename App, typename Ready>
int RunTests(int argc, char **argv, Ready ready)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    ready();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

template <typename App>
int RunTests(int argc, char **argv)
{
    return RunTests<App>(argc, argv, [] {});
}
