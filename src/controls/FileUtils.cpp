#include "controls/FileUtils.h"

#include "platform/Messages.h"

#include <QFile>
#include <QFileInfo>

bool IsDirectory(const QString &name)
{
    return !name.isEmpty() && QFileInfo(name).isDir();
}

bool IsValidFileName(const QString &name)
{
    static const QString invalid = QStringLiteral("<>\"[]|");
    if (name.isEmpty())
        return false;
    for (QChar c : name)
        if (invalid.contains(c))
            return false;
    return true;
}

QString LongNameOf(const QString &name)
{
    const QFileInfo info(name);
    return !name.isEmpty() && info.exists() ? info.fileName() : QString();
}

QString ShortNameOf(const QString &name)
{
    return LongNameOf(name);
}

bool InputFileExists(const QString &name, const QString &noNameMessage)
{
    if (name.isEmpty()) {
        Messages::ShowWarning(noNameMessage);
        return false;
    }
    if (QFileInfo(name).isFile())
        return true;
    Messages::ShowWarning(QStringLiteral("Brak pliku: ") + name);
    return false;
}

std::optional<QByteArray> ReadInputFile(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        Messages::ShowWarning(
            QStringLiteral("Nie można otworzyć pliku: %1\n%2").arg(name, file.errorString()));
        return std::nullopt;
    }
    return file.readAll();
}
