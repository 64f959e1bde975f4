// libFuzzer target over the ADIF reader and the mapping to QSO records: any
// bytes must read without crash, hang or leak, and every QSO taken from them
// must write and read back to the same record.
#include "core/Log.h"
#include "exchange/AdifReader.h"
#include "exchange/AdifToLog.h"
#include "exchange/AdifWriter.h"
#include "platform/Cp1250.h"

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray Written(const TLog &q)
{
    return AdifFileHeader() + Cp1250::fromUnicode(q.LogToAdif()) + "\r\n";
}

// Windows-1250 text that happens to be UTF-8 may be read back as UTF-8; the
// round trip holds for the rest.
bool HasUtf8Sequence(const QByteArray &bytes)
{
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i)
        if (uchar(bytes[i]) >= 0xC2 && uchar(bytes[i]) <= 0xF4 && (uchar(bytes[i + 1]) & 0xC0) == 0x80)
            return true;
    return false;
}

void CheckRoundTrip(const TLog &q)
{
    const QByteArray first = Written(q);
    if (HasUtf8Sequence(first))
        return;
    const AdifReadResult back = ReadAdif(first);
    if (back.records.size() != 1 || !back.problems.isEmpty())
        std::abort();
    TLog again;
    if (AdifRecordToLog(back.records[0], again) != AdifVerdict::Accepted || Written(again) != first)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    AdifReader reader(bytes);
    AdifRecord record;
    TLog qso;
    qsizetype last = -1;
    while (reader.next(record)) {
        if (reader.position() <= last || reader.position() > reader.size())
            std::abort();
        last = reader.position();
        if (AdifRecordToLog(record, qso) == AdifVerdict::Accepted)
            CheckRoundTrip(qso);
    }
    // One problem for all skipped records, counting them, and one for what stopped the reading.
    qsizetype skipProblems = 0;
    for (const AdifProblem &p : reader.problems()) {
        if (p.kind != AdifProblemKind::LengthPastRecord)
            continue;
        ++skipProblems;
        if (p.count != reader.skippedRecords())
            std::abort();
    }
    if (reader.problems().size() > 2 || skipProblems > 1 ||
        (skipProblems == 1) != (reader.skippedRecords() > 0))
        std::abort();
    for (const AdifProblem &p : reader.problems())
        (void)AdifProblemText(p);
    return 0;
}
