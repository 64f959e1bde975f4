#include "report/pages/RpStream.h"

#include "platform/WriteFailure.h"
#include "report/RpError.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <cerrno>
#include <cstring>
#include <stdlib.h>
#include <unistd.h>

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

// A new file of our own in the temporary folder (mkstemp creates it for the
// owner only), its name removed at once: the data lives only as long as the
// open handle, whichever way the program ends.
std::unique_ptr<QFile> CreateTemporaryFile(QString &name)
{
    QByteArray path = QFile::encodeName(QDir::tempPath() + QStringLiteral("/RPPXXXXXX"));
    const int fd = ::mkstemp(path.data());
    if (fd < 0)
        throw ERpError(QStringLiteral("Nie można utworzyć pliku tymczasowego w %1: %2")
                           .arg(QDir::tempPath(), QString::fromLocal8Bit(std::strerror(errno))));
    ::unlink(path.constData());
    name = QFile::decodeName(path);
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw ERpError(QStringLiteral("Nie można otworzyć pliku tymczasowego %1").arg(name));
    }
    return file;
}

// `error` is errno right after the failed call: Qt's own text loses it when
// a write stops part way.
[[noreturn]] void WriteFailed(const QFile &file, int error, const QString &name)
{
    throw ERpError(QStringLiteral("Błąd zapisu stron raportu: %1")
                       .arg(WriteFailureCause(error, name, file.errorString())));
}

} // namespace

TRpStream::TRpStream(int32_t memoryLimit) : inMemory_(true), memoryLimit_(memoryLimit) {}

std::unique_ptr<TRpStream> TRpStream::CreateFromFile(const QString &fileName)
{
    std::unique_ptr<TRpStream> stream(new TRpStream(0));
    stream->inMemory_ = false;
    stream->memoryLimit_ = 0;
    stream->file_ = std::make_unique<QFile>(fileName);
    if (!stream->file_->open(QIODevice::ReadOnly))
        throw ERpError(
            QStringLiteral("Nie można otworzyć pliku %1: %2").arg(fileName, stream->file_->errorString()));
    return stream;
}

TRpStream::~TRpStream()
{
    Lock lock(mutex_);
    file_.reset();
}

int64_t TRpStream::Read(void *buffer, int64_t count)
{
    Lock lock(mutex_);
    if (count <= 0)
        return 0;
    if (!inMemory_) {
        const qint64 n = file_->read(static_cast<char *>(buffer), count);
        if (n < 0)
            throw ERpError(QStringLiteral("Błąd odczytu stron raportu: %1").arg(file_->errorString()));
        return n;
    }
    const int64_t n = std::clamp<int64_t>(memory_.size() - memoryPos_, 0, count);
    std::memcpy(buffer, memory_.constData() + memoryPos_, size_t(n));
    memoryPos_ += n;
    return n;
}

int64_t TRpStream::Write(const void *buffer, int64_t count)
{
    Lock lock(mutex_);
    if (count <= 0)
        return 0;
    if (!inMemory_) {
        errno = 0;
        if (file_->write(static_cast<const char *>(buffer), count) != count)
            WriteFailed(*file_, errno, fileName_);
        return count;
    }
    const int64_t end = memoryPos_ + count;
    const int64_t oldSize = memory_.size();
    if (end > oldSize) {
        memory_.resize(end);
        if (memoryPos_ > oldSize) // a seek past the end leaves zeros
            std::memset(memory_.data() + oldSize, 0, size_t(memoryPos_ - oldSize));
    }
    std::memcpy(memory_.data() + memoryPos_, buffer, size_t(count));
    memoryPos_ = end;
    if (memory_.size() > memoryLimit_)
        SwitchToFile();
    return count;
}

void TRpStream::SwitchToFile()
{
    QString name;
    auto file = CreateTemporaryFile(name);
    errno = 0;
    if (file->write(memory_) != memory_.size() || !file->seek(memoryPos_))
        WriteFailed(*file, errno, name);
    file_ = std::move(file);
    fileName_ = name;
    memory_ = QByteArray();
    memoryPos_ = 0;
    inMemory_ = false;
}

int64_t TRpStream::Seek(int64_t offset, Origin origin)
{
    Lock lock(mutex_);
    const int64_t base = origin == Origin::Begin ? 0 : origin == Origin::Current ? Position() : Size();
    const int64_t target = base + offset;
    if (target < 0)
        throw ERpError(QStringLiteral("Pozycja przed początkiem stron raportu"));
    if (inMemory_) {
        memoryPos_ = target;
        return target;
    }
    errno = 0;
    if (!file_->seek(target)) {
        // A seek writes out what is buffered first: on a spill file that is
        // where a full disk shows.
        const int error = errno;
        throw ERpError(QStringLiteral("Błąd pozycjonowania w stronach raportu: %1")
                           .arg(file_->isWritable()
                                    ? WriteFailureCause(error, fileName_, file_->errorString())
                                    : file_->errorString()));
    }
    return target;
}

int64_t TRpStream::Position() const
{
    Lock lock(mutex_);
    return inMemory_ ? memoryPos_ : file_->pos();
}

int64_t TRpStream::Size() const
{
    Lock lock(mutex_);
    return inMemory_ ? memory_.size() : file_->size();
}

void TRpStream::Truncate(int64_t size)
{
    Lock lock(mutex_);
    if (size < 0 || size >= Size())
        return;
    if (inMemory_) {
        memory_.truncate(qsizetype(size));
        memoryPos_ = std::min(memoryPos_, size);
    } else {
        const int64_t pos = std::min<int64_t>(file_->pos(), size);
        errno = 0;
        if (!file_->resize(size) || !file_->seek(pos))
            WriteFailed(*file_, errno, fileName_);
    }
}

void TRpStream::SaveToStream(QIODevice &dest)
{
    Lock lock(mutex_);
    Seek(0);
    char block[10240];
    for (;;) {
        const int64_t n = Read(block, sizeof block);
        if (n == 0)
            break;
        if (dest.write(block, n) != n)
            throw ERpError(QStringLiteral("Błąd zapisu pliku raportu: %1").arg(dest.errorString()));
    }
}
