#include "controls/FileUtils.h"

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
