#pragma once

#include <QString>

// The folder a file dialog starts in when its edit names none: the folder
// last chosen in any file dialog (kept in the settings store), or the user's
// home folder. Never the program's working folder.
QString DialogStartFolder();
void RememberDialogFolder(const QString &folder);
