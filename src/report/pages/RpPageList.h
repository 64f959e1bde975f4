#pragma once

#include "platform/DateTime.h"
#include "platform/print/PagePicture.h"
#include "report/pages/RpOutline.h"
#include "report/pages/RpStream.h"

#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>

// The open dialog's filter and the default extension of page files (the
// save dialog's filter comes from TRpExportFilterLibrary). File dialogs match
// patterns in any case, so *.RPP finds .rpp files too.
extern const QString RppLoadFilter;    // "Report file (*.RPP)|*.RPP"
extern const QString RppDefaultSuffix; // "RPP"

// The pages of a report in one stream, which is also the page file:
//
//   header, 128 bytes (little-endian): u16 3; u16 40; 4 bytes 0; i32 page
//   count; 4 bytes 0; double date-time written (days since 1899-12-30);
//   1 byte 0; 1 byte compression flag (1 compressed, else 0); 100 bytes 0x48;
//   2 bytes 0.
//   one record per page, in order: i32 page number; i32 offset of the next
//   record; page data; i32 offset of this record (back link).
//
// Page data is a PagePicture's bytes, or, compressed, an i32 count of those
// bytes followed by their TRpCompress code. Files with a 124- or 96-byte
// header are read too. AddPage and GetPage hold the list's lock, then the
// stream's.
class TRpPageList {
public:
    static constexpr int FileHeaderSize = 128;

    TRpPageList();
    ~TRpPageList();
    TRpPageList(const TRpPageList &) = delete;
    TRpPageList &operator=(const TRpPageList &) = delete;

    // Forgets the pages (the stream stays).
    void Clear();

    // Appends one page as page PageCount() + 1; the first page writes the
    // header. The header's page count is kept up to date with every page, so
    // a report that stops early leaves a consistent stream. Raises ERpError
    // without a stream, and when the stream would pass 2 GiB (the file's
    // offsets are 32-bit); the list is unchanged then.
    // A compressed page is written once it is coded: a failure to write it
    // (the 2 GB limit) comes from the next call that reads the list.
    void AddPage(const PagePicture &page);
    // Page n (1 .. PageCount()), or nothing beyond PageCount(). A page whose
    // bytes are damaged raises ERpError.
    std::optional<PagePicture> GetPage(int32_t pageNumber);

    // The 128-byte header at offset 0 with the current page count, date-time
    // and compression flag.
    void WriteFileHeader();
    void ReadFileHeader();
    int HeaderSize();
    void SeekToFirstPage();
    void SeekToLastPage();
    void SeekToPage(int32_t pageNumber);

    // Reads and checks the whole file (header, links, page numbers, page data)
    // before anything changes; on success the file's pages and compression
    // flag replace the current ones. A bad or missing file raises ERpError
    // with a message naming the fault and leaves the list as it was.
    void LoadFromFile(const QString &fileName);
    // Writes the stream to the file, replacing it only once complete.
    void SaveToFile(const QString &fileName);

    bool Compression() const { return compression_; }
    void SetCompression(bool compression)
    {
        WriteCoded();
        compression_ = compression;
    }
    // Pages added, those still being coded included.
    int32_t PageCount() const { return pageCount_ + int32_t(coding_.size()); }
    TRpStream *Stream();
    // Takes over the stream (none frees the current one).
    void SetStream(std::unique_ptr<TRpStream> stream);
    TRpOutline &Outline() { return outline_; }
    const TRpOutline &Outline() const { return outline_; }

    // The clock WriteFileHeader reads (tests fix it).
    std::function<DateTime()> Now = &DateTime::currentLocal;

private:
    void WriteRecord(const QByteArray &data);
    void WriteOldest();
    void WriteHeaderNow();
    void WriteCoded();
    void DropCoded();

    std::recursive_mutex mutex_;
    // Compressed pages are coded on other threads while the report draws the
    // next ones, and written in the order they came, before anything reads
    // the list or its stream.
    std::deque<std::future<QByteArray>> coding_;
    std::unique_ptr<TRpStream> stream_;
    bool compression_ = false;
    int32_t pageCount_ = 0;
    TRpOutline outline_;
};
