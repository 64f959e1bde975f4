#include "report/pages/RpPageFile.h"

#include "report/RpError.h"
#include "report/pages/RpCompress.h"

#include <QThread>
#include <QtEndian>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <exception>
#include <limits>
#include <system_error>
#include <thread>
#include <vector>

namespace RpPageFile {

namespace {

[[noreturn]] void Fault(const QString &why)
{
    throw ERpError(why);
}

void ReadExact(TRpStream &stream, char *buffer, int64_t count)
{
    if (stream.Read(buffer, count) != count)
        Fault(QStringLiteral("plik kończy się przed końcem danych"));
}

// Where the first page's picture starts for each header size, in the order
// they are tried.
struct Probe {
    int64_t offset;
    int headerSize;
};
constexpr Probe Probes[] = {{124 + 8, 124}, {128, 128}, {96 + 8, 96}, {128 + 8, 128}};

// A compressed file is checked in batches of pages read in order.
constexpr size_t BatchPages = 64;
constexpr qsizetype BatchBytes = 4 << 20;

// Decoding is nearly all of the check of a compressed file, and its pages
// decode apart from each other: so they are decoded on up to four threads.
// The fault of each page, none for a sound one.
std::vector<std::exception_ptr> CheckPages(const std::vector<QByteArray> &pages, bool compressed)
{
    std::vector<std::exception_ptr> faults(pages.size());
    std::atomic<size_t> next = 0;
    auto work = [&]() {
        for (size_t k = next++; k < pages.size(); k = next++) {
            try {
                DecodePage(pages[k], compressed);
            } catch (...) {
                faults[k] = std::current_exception();
            }
        }
    };
    const size_t threads = compressed ? std::min<size_t>(pages.size(), std::clamp(QThread::idealThreadCount(), 1, 4)) : 1;
    std::vector<std::thread> helpers;
    try {
        while (helpers.size() + 1 < threads)
            helpers.emplace_back(work);
    } catch (const std::system_error &) {
        // No more threads: this one does the rest.
    }
    work();
    for (std::thread &helper : helpers)
        helper.join();
    return faults;
}

} // namespace

int32_t ReadI32(TRpStream &stream)
{
    char b[4];
    ReadExact(stream, b, 4);
    return qFromLittleEndian<int32_t>(b);
}

void WriteI32(TRpStream &stream, int32_t value)
{
    char b[4];
    qToLittleEndian(value, b);
    stream.Write(b, 4);
}

QByteArray BuildHeader(int32_t pageCount, double dateTime, bool compression)
{
    QByteArray h(128, '\0');
    char *d = h.data();
    qToLittleEndian<uint16_t>(3, d);
    qToLittleEndian<uint16_t>(40, d + 2);
    qToLittleEndian<int32_t>(pageCount, d + 8);
    qToLittleEndian<double>(dateTime, d + 16);
    d[25] = compression ? 1 : 0;
    std::memset(d + 26, 0x48, 100);
    return h;
}

int ProbeHeaderSize(TRpStream &stream)
{
    const int64_t saved = stream.Position();
    const int64_t size = stream.Size();
    int found = 128;
    for (const Probe &probe : Probes) {
        char sig[4];
        if (probe.offset + 4 > size)
            continue;
        stream.Seek(probe.offset);
        if (stream.Read(sig, 4) == 4 && std::memcmp(sig, PagePicture::Signature, 4) == 0) {
            found = probe.headerSize;
            break;
        }
    }
    stream.Seek(saved);
    return found;
}

Header ReadHeader(TRpStream &stream)
{
    Header header;
    header.size = ProbeHeaderSize(stream);
    char raw[128] = {};
    stream.Seek(0);
    ReadExact(stream, raw, header.size);
    if (header.size == 124) {
        // The 124-byte layout lacks the two alignment gaps of the 128-byte one.
        char image[128] = {};
        std::memcpy(image, raw, 12);
        std::memcpy(image + 16, raw + 12, 8);
        image[24] = raw[20];
        image[25] = raw[21];
        std::memcpy(image + 26, raw + 22, 101);
        std::memcpy(raw, image, 128);
    }
    header.version1 = qFromLittleEndian<uint16_t>(raw);
    header.version2 = qFromLittleEndian<uint16_t>(raw + 2);
    header.pageCount = qFromLittleEndian<int32_t>(raw + 8);
    header.compression = uint8_t(raw[25]);
    return header;
}

Record ReadRecord(TRpStream &stream)
{
    const int64_t start = stream.Position();
    const int64_t size = stream.Size();
    if (size - start < 12)
        Fault(QStringLiteral("plik kończy się przed końcem strony"));
    Record record;
    record.pageNumber = ReadI32(stream);
    record.next = ReadI32(stream);
    if (record.next < start + 12 || record.next > size)
        Fault(QStringLiteral("odnośnik do następnej strony wskazuje poza stronę"));
    record.data.resize(qsizetype(record.next - start - 12));
    ReadExact(stream, record.data.data(), record.data.size());
    if (ReadI32(stream) != start)
        Fault(QStringLiteral("odnośnik wstecz nie wskazuje początku strony"));
    return record;
}

QByteArray EncodePage(const PagePicture &page, bool compressed)
{
    if (!compressed)
        return page.bytes();
    const QByteArray &plain = page.bytes();
    QByteArray data(4, '\0');
    qToLittleEndian<int32_t>(int32_t(plain.size()), data.data());
    TRpCompress encoder(&data);
    encoder.Compress(plain.constData(), plain.size());
    encoder.Finish();
    return data;
}

PagePicture DecodePage(const QByteArray &data, bool compressed)
{
    QByteArray plain = data;
    if (compressed) {
        if (data.size() < 4)
            Fault(QStringLiteral("brak długości skompresowanych danych"));
        const int32_t length = qFromLittleEndian<int32_t>(data.constData());
        const int64_t code = data.size() - 4;
        if (length < 0 || length > code * 8)
            Fault(QStringLiteral("długość danych (%1) nie pasuje do %2 bajtów kodu").arg(length).arg(code));
        plain = TRpCompress::Decode(data.constData() + 4, code, length);
    }
    QString why;
    std::optional<PagePicture> page = PagePicture::fromBytes(plain, &why);
    if (!page)
        Fault(why);
    return *page;
}

Header CheckFile(TRpStream &stream)
{
    const int64_t size = stream.Size();
    if (size > std::numeric_limits<int32_t>::max())
        Fault(QStringLiteral("plik jest większy niż 2 GB"));
    if (size < 96)
        Fault(QStringLiteral("plik jest za krótki na nagłówek"));
    const Header header = ReadHeader(stream);
    if (header.version1 != 3 || header.version2 != 40)
        Fault(QStringLiteral("nieznana wersja pliku (%1, %2)").arg(header.version1).arg(header.version2));
    if (header.pageCount < 0)
        Fault(QStringLiteral("ujemna liczba stron (%1)").arg(header.pageCount));
    if (header.compression > 1)
        Fault(QStringLiteral("nieznany znacznik kompresji (%1)").arg(header.compression));
    stream.Seek(header.size);
    const bool compressed = header.compression == 1;
    std::vector<QByteArray> batch;
    qsizetype batchBytes = 0;
    int32_t batchStart = 1;
    auto checkBatch = [&]() {
        const std::vector<std::exception_ptr> faults = CheckPages(batch, compressed);
        for (size_t k = 0; k < faults.size(); ++k) {
            try {
                if (faults[k])
                    std::rethrow_exception(faults[k]);
            } catch (const ERpError &e) {
                Fault(QStringLiteral("strona %1: %2").arg(batchStart + qsizetype(k)).arg(e.message()));
            }
        }
        batch.clear();
        batchBytes = 0;
    };
    for (int32_t page = 1; page <= header.pageCount; ++page) {
        Record record;
        try {
            record = ReadRecord(stream);
            if (record.pageNumber != page)
                Fault(QStringLiteral("zapis ma numer %1").arg(record.pageNumber));
        } catch (const ERpError &e) {
            checkBatch(); // a fault in an earlier page comes first
            Fault(QStringLiteral("strona %1: %2").arg(page).arg(e.message()));
        }
        if (batch.empty())
            batchStart = page;
        batchBytes += record.data.size();
        batch.push_back(std::move(record.data));
        if (!compressed || batch.size() == BatchPages || batchBytes > BatchBytes)
            checkBatch();
    }
    checkBatch();
    if (stream.Position() != size)
        Fault(QStringLiteral("dane za ostatnią stroną (stron w nagłówku: %1)").arg(header.pageCount));
    return header;
}

} // namespace RpPageFile
