#pragma once

#include <QString>
#include <QtEndian>
#include <cstdint>

// Record layout of PagePicture (see PagePicture.h), shared by the recorder,
// the checker and the replay.
namespace PictureFormat {

constexpr uint16_t Version = 1;
constexpr int RecordHead = 8; // u32 type, u32 size

enum Type : uint32_t {
    Pen = 1,       // u32 ARGB, i32 width, u32 style
    Brush = 2,     // u32 ARGB, u32 style
    Font = 3,      // i32 size in 1/100 pt, u32 style bits, u32 ARGB, u32 chars, u32 offset of family
    Rectangle = 4, // rect
    Ellipse = 5,   // rect
    RoundRect = 6, // rect, i32 rx, i32 ry
    Line = 7,      // i32 x1, y1, x2, y2
    Fill = 8,      // rect
    Text = 9,      // layout rect, clip rect, u32 Qt flags, u32 options, u32 chars, u32 offset of text
    Image = 10,    // rect, u32 bytes, u32 offset of PNG data
};

// Record size without variable data; a rect is i32 x, y, width, height.
constexpr int FixedSize(uint32_t type)
{
    switch (type) {
    case Pen: return RecordHead + 12;
    case Brush: return RecordHead + 8;
    case Font: return RecordHead + 20;
    case Rectangle:
    case Ellipse:
    case Fill:
    case Line: return RecordHead + 16;
    case RoundRect: return RecordHead + 24;
    case Text: return RecordHead + 48;
    case Image: return RecordHead + 24;
    default: return 0;
    }
}

// Where a record keeps the count of its variable data; the offset of that
// data from the record's start follows in the next four bytes.
constexpr int FontFamilyAt = RecordHead + 12;
constexpr int TextStringAt = RecordHead + 40;
constexpr int ImageDataAt = RecordHead + 16;

// Font style bits and text options.
constexpr uint32_t Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8;
constexpr uint32_t Clipped = 1;

// The text flags a record may carry.
constexpr uint32_t TextFlagMask = 0x1fff;

// Coordinates beyond a hundred metres are refused: no page is that large, and
// replay stays cheap whatever a file holds.
constexpr int32_t MaxCoordinate = 1000000;
constexpr int32_t MaxFontSize = 100000; // 1000 pt

inline int32_t GetI32(const char *p)
{
    return qFromLittleEndian<int32_t>(p);
}
inline uint32_t GetU32(const char *p)
{
    return qFromLittleEndian<uint32_t>(p);
}
inline uint16_t GetU16(const char *p)
{
    return qFromLittleEndian<uint16_t>(p);
}

// The UTF-16 string of a checked record whose count field is at countAt.
inline QString Utf16At(const char *record, int countAt)
{
    const uint32_t count = GetU32(record + countAt);
    const char *p = record + GetU32(record + countAt + 4);
    QString s(qsizetype(count), Qt::Uninitialized);
    for (uint32_t i = 0; i < count; ++i)
        s[qsizetype(i)] = QChar(GetU16(p + 2 * i));
    return s;
}

} // namespace PictureFormat

namespace PictureFormat {

// Calls visit(type, record, size) for every record of a checked picture;
// visit returns false to stop.
template <typename Visit> void ForEachRecord(const QByteArray &bytes, int headerSize, Visit visit)
{
    const char *p = bytes.constData() + headerSize;
    const char *end = bytes.constData() + bytes.size();
    while (end - p >= RecordHead) {
        const uint32_t type = GetU32(p);
        const uint32_t size = GetU32(p + 4);
        if (size < uint32_t(RecordHead) || size > uint32_t(end - p) || !visit(type, p, size))
            return;
        p += size;
    }
}

} // namespace PictureFormat
