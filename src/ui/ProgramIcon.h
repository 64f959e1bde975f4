#pragma once

#include <QIcon>
#include <QImage>

// The program's icon, drawn as desktop/quarn.svg draws it (a log sheet and an
// antenna on a blue tile), so that it needs no image plugin.
QImage ProgramIconImage(int size);
QIcon ProgramIcon();
