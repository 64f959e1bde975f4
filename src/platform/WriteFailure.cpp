#include "platform/WriteFailure.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <cerrno>
#include <cstring>

QString WriteFailureCause(int errorNumber, const QString &fileName, const QString &fallback)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    switch (errorNumber) {
    case 0: break;
    case ENOSPC: return QStringLiteral("brak miejsca na dysku");
    case EDQUOT: return QStringLiteral("wyczerpany przydział miejsca na dysku");
    case EFBIG: return QStringLiteral("plik przekroczył największy rozmiar, jaki system pozwala zapisać");
    case EACCES:
    case EPERM: return QStringLiteral("brak prawa zapisu w folderze %1").arg(folder);
    case EROFS: return QStringLiteral("folder %1 jest tylko do odczytu").arg(folder);
    case ENOENT:
    case ENOTDIR: return QStringLiteral("folder %1 nie istnieje").arg(folder);
    case EIO: return QStringLiteral("błąd wejścia-wyjścia dysku");
    default: return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
    const QFileInfo dir(folder);
    if (!dir.isDir())
        return QStringLiteral("folder %1 nie istnieje").arg(folder);
    if (!dir.isWritable())
        return QStringLiteral("brak prawa zapisu w folderze %1").arg(folder);
    const QStorageInfo storage(dir.absoluteFilePath());
    if (storage.isValid() && storage.bytesAvailable() == 0)
        return QStringLiteral("brak miejsca na dysku");
    return fallback.isEmpty() ? QStringLiteral("nieznany błąd zapisu") : fallback;
}
