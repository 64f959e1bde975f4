#include "support/TestMain.h"

#include <QCoreApplication>

// Tests of the program as a user starts it: each starts the built program.
int main(int argc, char **argv)
{
    return RunTests<QCoreApplication>(argc, argv);
}
