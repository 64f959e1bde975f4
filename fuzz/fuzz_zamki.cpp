// libFuzzer target over the castle list reader: any bytes must read without
// crash, hang or leak, and every row must come from a line long enough with
// a symbol of letters and digits with at least one digit, each with a
// Windows-1250 byte.
#include "awards/ReferenceLists.h"
#include "platform/Cp1250.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ListRead<CastleListRow> read = ReadCastleList(bytes);
    const qsizetype lines = bytes.count('\n') + 1;
    if (read.Rows.size() + read.Problems.size() > lines)
        std::abort();
    for (const CastleListRow &r : read.Rows) {
        if (r.Symbol.isEmpty() || r.Symbol.size() > 6 || r.Nazwa.size() > 32 || r.Line < 1 || r.Line > lines)
            std::abort();
        bool digit = false;
        for (QChar c : r.Symbol) {
            digit = digit || (c >= u'0' && c <= u'9');
            if (!c.isLetterOrNumber() || Cp1250::toByte(c) == '?')
                std::abort();
        }
        if (!digit)
            std::abort();
    }
    return 0;
}
