#include "platform/gui/DialogFolder.h"

#include "platform/Registry.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

const QString Key = ProgramKey(QStringLiteral("FileDialogs"));
const QString Value = QStringLiteral("LastFolder");

}

QString DialogStartFolder()
{
    Registry reg;
    if (reg.OpenKey(Key, false)) {
        const QString folder = reg.ReadString(Value);
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}

void RememberDialogFolder(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    Registry reg;
    if (reg.OpenKey(Key, true))
        reg.WriteString(Value, QFileInfo(folder).absoluteFilePath());
}

QString ExecFileDialog(QFileDialog &dialog)
{
    dialog.setDirectory(DialogStartFolder());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString file = dialog.selectedFiles().constFirst();
    RememberDialogFolder(QFileInfo(file).absolutePath());
    return file;
}
