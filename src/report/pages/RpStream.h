#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <mutex>

class QFile;
class QIODevice;

// The growing byte stream that holds a report's pages: in memory until its
// size passes MemoryLimit, then in a private temporary file. The file is
// created with owner-only permissions in the temporary folder and its name is
// removed at once, so nothing is left behind when the store is freed or the
// program ends in any way. Every operation holds the stream's lock.
// Failures (a temporary file that cannot be created, a full disk, a file that
// cannot be opened) raise ERpError.
class TRpStream {
public:
    enum class Origin { Begin, Current, End };
    static constexpr int32_t DefaultMemoryLimit = 250000;

    explicit TRpStream(int32_t memoryLimit = DefaultMemoryLimit);
    // An existing file, read-only; the stream never deletes it.
    static std::unique_ptr<TRpStream> CreateFromFile(const QString &fileName);
    ~TRpStream();
    TRpStream(const TRpStream &) = delete;
    TRpStream &operator=(const TRpStream &) = delete;

    // Each returns the count actually read or written.
    int64_t Read(void *buffer, int64_t count);
    int64_t Write(const void *buffer, int64_t count);
    // The new position; a position before the start is refused (ERpError).
    int64_t Seek(int64_t offset, Origin origin = Origin::Begin);
    int64_t Position() const;
    int64_t Size() const;
    // Cuts the content to size bytes (the position stays within it).
    void Truncate(int64_t size);

    void LockStream() { mutex_.lock(); }
    void UnlockStream() { mutex_.unlock(); }

    // Copies the whole content to dest, in blocks of 10240 bytes.
    void SaveToStream(QIODevice &dest);

    bool InMemory() const { return inMemory_; }
    int32_t MemoryLimit() const { return memoryLimit_; }
    // Where the temporary file was created (empty while in memory, and for a
    // stream opened from a file).
    const QString &FileName() const { return fileName_; }

private:
    void SwitchToFile();

    mutable std::recursive_mutex mutex_;
    QByteArray memory_;
    int64_t memoryPos_ = 0;
    std::unique_ptr<QFile> file_;
    QString fileName_;
    bool inMemory_ = true;
    int32_t memoryLimit_ = 0;
};
