#include <QGuiApplication>
#include <gtest/gtest.h>

// Pages are drawn and measured with real fonts, so a GUI application object
// lives for the whole run (offscreen unless told otherwise).
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
