#include <QCoreApplication>
#include <gtest/gtest.h>

// Tests of the program as a user starts it: each starts the built program.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
