// libFuzzer target over the prefix-file reader: any bytes must read without
// crash, hang or leak.
#include "core/PrefiksyExpImp.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    qsizetype records = 0;
    ReadPrefixRecords(
        bytes, [&](const TKrajDX &) { ++records; }, [&](const TPrefixDX &) { ++records; });
    // Every record ends with its own end tag, so there cannot be more records than bytes.
    if (records > qsizetype(size))
        std::abort();
    return 0;
}
