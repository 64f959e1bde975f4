// The exchange tests open no window; the log book paints pages, so a GUI
// application (offscreen) measures its fonts.
#include "support/TestMain.h"

#include <QGuiApplication>

int main(int argc, char **argv)
{
    return RunTests<QGuiApplication>(argc, argv);
}
