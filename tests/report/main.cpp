// The report tests paint pages and measure fonts: a GUI application, no widgets.
#include "support/TestMain.h"

#include <QGuiApplication>

int main(int argc, char **argv)
{
    return RunTests<QGuiApplication>(argc, argv);
}
