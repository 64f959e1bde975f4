#pragma once

#include "platform/print/PagePicture.h"
#include "report/pages/RpStream.h"

#include <QByteArray>
#include <cstdint>

// Reading and writing the parts of a page file, shared by the page list and
// the check that runs before a file is loaded. Faults raise ERpError with a
// reason in words.
namespace RpPageFile {

struct Header {
    int size = 128; // 128, or 124 or 96 for older files
    uint16_t version1 = 0;
    uint16_t version2 = 0;
    int32_t pageCount = 0;
    uint8_t compression = 0;
};

// The 128-byte header.
QByteArray BuildHeader(int32_t pageCount, double dateTime, bool compression);
// The header size found by probing for the first page's picture signature;
// the stream's position is kept.
int ProbeHeaderSize(TRpStream &stream);
// The header at offset 0, in the 128-byte layout whatever its size.
Header ReadHeader(TRpStream &stream);

// One page record read from its start: the data between the links.
struct Record {
    int32_t pageNumber = 0;
    int64_t next = 0;
    QByteArray data;
};
// Reads the record at the stream's position, checking that its link to the
// next record lies inside the stream and its back link names its start. The
// position ends at the next record.
Record ReadRecord(TRpStream &stream);

QByteArray EncodePage(const PagePicture &page, bool compressed);
PagePicture DecodePage(const QByteArray &data, bool compressed);

int32_t ReadI32(TRpStream &stream);
void WriteI32(TRpStream &stream, int32_t value);

// Checks a whole file (header, every record and page) and returns its header.
Header CheckFile(TRpStream &stream);

} // namespace RpPageFile
