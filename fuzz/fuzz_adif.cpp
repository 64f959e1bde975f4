// libFuzzer target over the ADIF reader: any bytes must read without crash,
// hang or leak, and every record must lie inside the input.
#include "exchange/AdifReader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    AdifReader reader(bytes);
    AdifRecord record;
    qsizetype last = -1;
    while (reader.next(record)) {
        if (reader.position() <= last || reader.position() > reader.size())
            std::abort();
        last = reader.position();
    }
    if (reader.problems().size() > 1)
        std::abort();
    for (const AdifProblem &p : reader.problems())
        (void)AdifProblemText(p);
    return 0;
}
