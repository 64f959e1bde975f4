#include "platform/print/PagePicture.h"

#include "platform/print/PictureFormat.h"

#include <cstring>

using namespace PictureFormat;

namespace {

bool CoordinateOk(int32_t v)
{
    return v >= -MaxCoordinate && v <= MaxCoordinate;
}

bool RectOk(const char *p)
{
    return CoordinateOk(GetI32(p)) && CoordinateOk(GetI32(p + 4)) && CoordinateOk(GetI32(p + 8)) &&
           CoordinateOk(GetI32(p + 12)) && GetI32(p + 8) >= 0 && GetI32(p + 12) >= 0;
}

// Offset and length of a block of variable data (count units of unitSize
// bytes) must lie inside the record, after its fixed fields.
bool BlockOk(const char *record, uint32_t size, int countAt, uint32_t unitSize)
{
    const uint64_t count = GetU32(record + countAt);
    const uint64_t offset = GetU32(record + countAt + 4);
    return offset >= uint64_t(FixedSize(GetU32(record))) && offset + count * unitSize <= size;
}

// Why a record is not valid, or an empty text.
QString RecordFault(uint32_t type, const char *r, uint32_t size)
{
    const int fixed = FixedSize(type);
    if (fixed == 0)
        return QStringLiteral("nieznany rodzaj zapisu %1").arg(type);
    if (size < uint32_t(fixed))
        return QStringLiteral("zapis rodzaju %1 jest za krótki").arg(type);
    const char *f = r + RecordHead;
    switch (type) {
    case Pen:
        if (GetI32(f + 4) < 0 || GetI32(f + 4) > MaxCoordinate || GetU32(f + 8) > Qt::DashDotDotLine)
            return QStringLiteral("błędne pióro");
        break;
    case Brush:
        if (GetU32(f + 4) > Qt::DiagCrossPattern)
            return QStringLiteral("błędny pędzel");
        break;
    case Font:
        if (GetI32(f) <= 0 || GetI32(f) > MaxFontSize || !BlockOk(r, size, FontFamilyAt, 2))
            return QStringLiteral("błędna czcionka");
        break;
    case Rectangle:
    case Ellipse:
    case Fill:
        if (!RectOk(f))
            return QStringLiteral("współrzędne poza stroną");
        break;
    case RoundRect:
        if (!RectOk(f) || !CoordinateOk(GetI32(f + 16)) || !CoordinateOk(GetI32(f + 20)))
            return QStringLiteral("współrzędne poza stroną");
        break;
    case Line:
        for (int i = 0; i < 16; i += 4)
            if (!CoordinateOk(GetI32(f + i)))
                return QStringLiteral("współrzędne poza stroną");
        break;
    case Text:
        if (!RectOk(f) || !RectOk(f + 16))
            return QStringLiteral("współrzędne poza stroną");
        if ((GetU32(f + 32) & ~TextFlagMask) != 0 || GetU32(f + 36) > Clipped)
            return QStringLiteral("błędne znaczniki tekstu");
        if (!BlockOk(r, size, TextStringAt, 2))
            return QStringLiteral("tekst poza swoim zapisem");
        break;
    case Image:
        if (!RectOk(f) || !BlockOk(r, size, ImageDataAt, 1))
            return QStringLiteral("obraz poza swoim zapisem");
        break;
    }
    return {};
}

} // namespace

qint64 PagePicture::sizeFromHeader(const char *data, qint64 size)
{
    if (size < HeaderSize || std::memcmp(data, Signature, 4) != 0 || GetU16(data + 6) != HeaderSize)
        return -1;
    return GetU32(data + 8);
}

std::optional<PagePicture> PagePicture::fromBytes(const QByteArray &bytes, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const char *d = bytes.constData();
    const qint64 total = sizeFromHeader(d, bytes.size());
    if (total < 0)
        return fail(QStringLiteral("brak nagłówka obrazu strony"));
    if (GetU16(d + 4) != Version)
        return fail(QStringLiteral("nieznana wersja obrazu strony (%1)").arg(GetU16(d + 4)));
    if (total != bytes.size() || total % 4 != 0)
        return fail(QStringLiteral("rozmiar obrazu strony nie zgadza się z nagłówkiem"));
    const int32_t width = GetI32(d + 12), height = GetI32(d + 16);
    if (width < 0 || height < 0 || width > MaxCoordinate || height > MaxCoordinate)
        return fail(QStringLiteral("błędny rozmiar strony"));
    const uint32_t declared = GetU32(d + 20);

    uint32_t count = 0;
    qint64 pos = HeaderSize;
    while (pos < total) {
        if (total - pos < RecordHead)
            return fail(QStringLiteral("niepełny zapis na końcu obrazu strony"));
        const char *r = d + pos;
        const uint32_t type = GetU32(r), size = GetU32(r + 4);
        if (size < uint32_t(RecordHead) || size % 4 != 0 || size > uint64_t(total - pos))
            return fail(QStringLiteral("zapis %1: błędna długość").arg(count + 1));
        const QString fault = RecordFault(type, r, size);
        if (!fault.isEmpty())
            return fail(QStringLiteral("zapis %1: %2").arg(count + 1).arg(fault));
        pos += size;
        ++count;
    }
    if (count != declared)
        return fail(QStringLiteral("liczba zapisów nie zgadza się z nagłówkiem"));
    return PagePicture(bytes, width, height, int(count));
}

void PagePicture::forEachText(const std::function<bool(const QString &)> &visit) const
{
    ForEachRecord(bytes_, HeaderSize, [&](uint32_t type, const char *r, uint32_t) {
        return type != Text || visit(Utf16At(r, TextStringAt));
    });
}

QStringList PagePicture::texts() const
{
    QStringList list;
    forEachText([&list](const QString &text) {
        list.append(text);
        return true;
    });
    return list;
}
