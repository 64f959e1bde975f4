#include "platform/gui/GuardedApplication.h"
#include "support/TestMain.h"

int main(int argc, char **argv)
{
    return RunTests<GuardedApplication>(argc, argv);
}
