#include "report/pages/RpPageList.h"

#include "platform/SaveFile.h"
#include "report/RpError.h"
#include "report/pages/RpPageFile.h"

#include <QFile>
#include <QtEndian>
#include <limits>
#include <system_error>

using namespace RpPageFile;

const QString RppLoadFilter = QStringLiteral("Report file (*.RPP)|*.RPP");
const QString RppDefaultSuffix = QStringLiteral("RPP");

namespace {
using Lock = std::lock_guard<std::recursive_mutex>;

TRpStream &Required(const std::unique_ptr<TRpStream> &stream)
{
    if (!stream)
        throw ERpError(QStringLiteral("Brak stron raportu"));
    return *stream;
}

// Pages coded at the same time, on as many threads; each holds a copy of
// its picture.
constexpr size_t MaxCoding = 4;
} // namespace

TRpPageList::TRpPageList() = default;
TRpPageList::~TRpPageList() = default;

void TRpPageList::Clear()
{
    Lock lock(mutex_);
    DropCoded();
    pageCount_ = 0;
}

void TRpPageList::SetStream(std::unique_ptr<TRpStream> stream)
{
    Lock lock(mutex_);
    DropCoded();
    stream_ = std::move(stream);
}

TRpStream *TRpPageList::Stream()
{
    Lock lock(mutex_);
    WriteCoded();
    return stream_.get();
}

void TRpPageList::AddPage(const PagePicture &page)
{
    Lock lock(mutex_);
    Required(stream_);
    if (!compression_) {
        WriteCoded();
        WriteRecord(EncodePage(page, false));
        return;
    }
    if (coding_.size() >= MaxCoding)
        WriteOldest();
    try {
        coding_.push_back(std::async(std::launch::async, [page] { return EncodePage(page, true); }));
    } catch (const std::system_error &) {
        // No thread to be had: this one codes it.
        WriteCoded();
        WriteRecord(EncodePage(page, true));
    }
}

void TRpPageList::WriteCoded()
{
    while (!coding_.empty())
        WriteOldest();
}

// A page that cannot be coded or written leaves out the pages after it too,
// so that the stream never has a gap.
void TRpPageList::WriteOldest()
{
    std::future<QByteArray> oldest = std::move(coding_.front());
    coding_.pop_front();
    try {
        WriteRecord(oldest.get());
    } catch (...) {
        DropCoded();
        throw;
    }
}

void TRpPageList::DropCoded()
{
    // A future of std::async waits for its thread when it goes.
    coding_.clear();
}

void TRpPageList::WriteRecord(const QByteArray &data)
{
    TRpStream &stream = Required(stream_);
    const int32_t number = pageCount_ + 1;
    const int64_t start = std::max<int64_t>(number == 1 ? TRpPageList::FileHeaderSize : 0, stream.Size());
    const int64_t end = start + 8 + data.size() + 4;
    if (end > std::numeric_limits<int32_t>::max())
        throw ERpError(
            QStringLiteral("Raport jest za duży: strona %1 przekroczyłaby granicę 2 GB pliku stron")
                .arg(number));

    QByteArray record(8, '\0');
    qToLittleEndian<int32_t>(number, record.data());
    qToLittleEndian<int32_t>(int32_t(end), record.data() + 4);
    record.append(data);
    record.append(4, '\0');
    qToLittleEndian<int32_t>(int32_t(start), record.data() + record.size() - 4);
    try {
        pageCount_ = number;
        if (number == 1)
            WriteHeaderNow();
        // The count in the header follows every page, so a run that stops
        // early still leaves a stream whose header is true.
        stream.Seek(8);
        WriteI32(stream, number);
        stream.Seek(start);
        stream.Write(record.constData(), record.size());
    } catch (...) {
        pageCount_ = number - 1;
        stream.Truncate(start);
        throw;
    }
}

std::optional<PagePicture> TRpPageList::GetPage(int32_t pageNumber)
{
    Lock lock(mutex_);
    WriteCoded();
    if (pageNumber < 1 || pageNumber > pageCount_)
        return std::nullopt;
    TRpStream &stream = Required(stream_);
    try {
        SeekToPage(pageNumber);
        const Record record = ReadRecord(stream);
        if (record.pageNumber != pageNumber)
            throw ERpError(QStringLiteral("zapis ma numer %1").arg(record.pageNumber));
        return DecodePage(record.data, compression_);
    } catch (const ERpError &e) {
        // Leave the position where SeekToPage can start from again.
        stream.Seek(0, TRpStream::Origin::End);
        throw ERpError(QStringLiteral("Uszkodzona strona %1 raportu: %2").arg(pageNumber).arg(e.message()));
    }
}

void TRpPageList::WriteFileHeader()
{
    Lock lock(mutex_);
    WriteCoded();
    WriteHeaderNow();
}

void TRpPageList::WriteHeaderNow()
{
    TRpStream &stream = Required(stream_);
    const QByteArray header = BuildHeader(pageCount_, Now().toDays(), compression_);
    const int64_t saved = stream.Position();
    stream.Seek(0);
    stream.Write(header.constData(), header.size());
    stream.Seek(std::max<int64_t>(saved, header.size()));
}

void TRpPageList::ReadFileHeader()
{
    Lock lock(mutex_);
    DropCoded();
    const Header header = ReadHeader(Required(stream_));
    pageCount_ = header.pageCount;
    compression_ = header.compression == 1;
}

int TRpPageList::HeaderSize()
{
    Lock lock(mutex_);
    WriteCoded();
    return ProbeHeaderSize(Required(stream_));
}

void TRpPageList::SeekToFirstPage()
{
    Lock lock(mutex_);
    Required(stream_).Seek(HeaderSize());
}

void TRpPageList::SeekToLastPage()
{
    Lock lock(mutex_);
    TRpStream &stream = Required(stream_);
    stream.Seek(-4, TRpStream::Origin::End);
    const int32_t back = ReadI32(stream);
    if (back < HeaderSize() || back > stream.Size() - 12)
        throw ERpError(QStringLiteral("odnośnik do ostatniej strony wskazuje poza plik"));
    stream.Seek(back);
}

void TRpPageList::SeekToPage(int32_t pageNumber)
{
    Lock lock(mutex_);
    TRpStream &stream = Required(stream_);
    if (pageNumber == 1) {
        SeekToFirstPage();
        return;
    }
    const int64_t size = stream.Size();
    if (stream.Position() >= size)
        SeekToLastPage();
    const int64_t first = HeaderSize();
    // Every step moves to another record in the walking direction, so a
    // damaged link ends the walk instead of looping.
    auto pageAt = [&stream]() {
        const int32_t p = ReadI32(stream);
        stream.Seek(-4, TRpStream::Origin::Current);
        return p;
    };
    const int32_t p = pageAt();
    for (int32_t steps = 0; steps <= pageCount_; ++steps) {
        const int64_t at = stream.Position();
        const int32_t q = steps == 0 ? p : pageAt();
        if (q == pageNumber)
            return;
        int64_t to;
        if (pageNumber < p) {
            stream.Seek(at - 4);
            to = ReadI32(stream);
            if (to < first || to >= at)
                break;
        } else {
            stream.Seek(at + 4);
            to = ReadI32(stream);
            if (to <= at || to >= size)
                break;
        }
        stream.Seek(to);
    }
    throw ERpError(QStringLiteral("strona %1 nie została znaleziona w łańcuchu stron").arg(pageNumber));
}

void TRpPageList::LoadFromFile(const QString &fileName)
{
    if (!QFile::exists(fileName))
        throw ERpError(QStringLiteral("Plik %1 nie istnieje").arg(fileName));
    std::unique_ptr<TRpStream> stream;
    Header header;
    try {
        stream = TRpStream::CreateFromFile(fileName);
        header = CheckFile(*stream);
    } catch (const ERpError &e) {
        throw ERpError(QStringLiteral("Nie można wczytać pliku raportu %1: %2").arg(fileName, e.message()));
    }
    stream->Seek(0, TRpStream::Origin::End);
    Lock lock(mutex_);
    DropCoded();
    stream_ = std::move(stream);
    pageCount_ = header.pageCount;
    compression_ = header.compression == 1;
}

void TRpPageList::SaveToFile(const QString &fileName)
{
    Lock lock(mutex_);
    WriteCoded();
    TRpStream &stream = Required(stream_);
    SaveFile file(fileName);
    const auto failed = [&] {
        return ERpError(
            QStringLiteral("Nie można zapisać pliku raportu %1: %2").arg(fileName, file.FailureCause()));
    };
    const int64_t saved = stream.Position();
    if (!file.open(QIODevice::WriteOnly))
        throw failed();
    try {
        stream.SaveToStream(file);
    } catch (const ERpError &) {
        stream.Seek(saved);
        if (file.Failed())
            throw failed();
        throw;
    }
    stream.Seek(saved);
    if (!file.Commit())
        throw failed();
}
