#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The body of every test program's main(): one application object of the kind
// the program needs (QCoreApplication for logic, QGuiApplication where it
// paints, QApplication for windows) lives for the whole run, under the
// offscreen platform unless one is set. `ready` runs once the object exists.
// Each test program keeps its settings in a folder of its own: CTest runs
// test cases in parallel processes, which must not see each other's
// remembered folders or window positions.
template <typename App, typename Ready> int RunTests(int argc, char **argv, Ready ready)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    if (config.isValid())
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    App app(argc, argv);
    ready();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

template <typename App> int RunTests(int argc, char **argv)
{
    return RunTests<App>(argc, argv, [] {});
}
