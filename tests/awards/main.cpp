#include <QCoreApplication>
#include <gtest/gtest.h>

// The award tests run without windows, under a core application.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
