#include <QGuiApplication>
#include <gtest/gtest.h>

// The exchange tests run without windows; the log book paints pages, so a GUI
// application (offscreen) measures its fonts.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
