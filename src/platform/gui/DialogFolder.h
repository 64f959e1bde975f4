#pragma once

#include <QString>

class QFileDialog;

// The folder a file dialog starts in when its edit names none: the folder
// last chosen in any file dialog (kept in the settings store), or the user's
// home folder. Never the program's working folder.
QString DialogStartFolder();
void RememberDialogFolder(const QString &folder);

// Runs the dialog from the remembered folder and remembers the folder of the
// file chosen. Returns that file, or nothing when the dialog was cancelled.
QString ExecFileDialog(QFileDialog &dialog);
