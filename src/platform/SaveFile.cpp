#include "platform/SaveFile.h"

#include "platform/WriteFailure.h"

#include <cerrno>

void SaveFile::noteFailure()
{
    if (!failed_)
        errno_ = errno;
    failed_ = true;
}

bool SaveFile::open(OpenMode mode)
{
    errno = 0;
    if (QSaveFile::open(mode))
        return true;
    noteFailure();
    return false;
}

qint64 SaveFile::writeData(const char *data, qint64 len)
{
    errno = 0;
    const qint64 written = QSaveFile::writeData(data, len);
    if (written != len)
        noteFailure();
    return written;
}

bool SaveFile::Commit()
{
    if (!failed_) {
        errno = 0;
        if (!flush())
            noteFailure();
    }
    if (failed_) {
        cancelWriting();
        // commit() after a cancel removes the temporary file and leaves the target.
        QSaveFile::commit();
        return false;
    }
    errno = 0;
    if (QSaveFile::commit())
        return true;
    noteFailure();
    return false;
}

QString SaveFile::FailureCause() const
{
    return WriteFailureCause(errno_, fileName(), errorString());
}
