#include "support/TestMain.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    return RunTests<QCoreApplication>(argc, argv);
}
