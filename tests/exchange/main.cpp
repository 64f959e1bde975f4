// The exchange tests run without windows; the log book paints pages and
// measures fonts, so they need a GUI application.
#include "support/TestMain.h"

#include <QGuiApplication>

int main(int argc, char **argv)
{
    return RunTests<QGuiApplication>(argc, argv);
}
