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

QByteArray Written(const TLog &q) { return AdifFileHeader() + Cp1250::fromUnicode(q.LogToAdif()) + "\r\n"; }

void CheckRoundTrip(const TLog &q) {
    const QByteArray first = Written(q);
    const AdifReadResult back = ReadAdif(first);
    if (back.records.size() != 1 || !back.problems.isEmpty())
        std::abort();
    TLog again;
    if (AdifRecordToLog(back.records[0], again) != AdifVerdict::Accepted || Written(again) != first)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
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
    if (reader.problems().size() > 1)
        std::abort();
    for (const AdifProblem &p : reader.problems())
        (void)AdifProblemText(p);
    return 0;
}
