// libFuzzer target over the commune list reader: any bytes must read without
// crash, hang or leak, every value must fit its column and every code be
// letters and digits with at least one digit, each with a Windows-1250 byte.
#include "awards/ReferenceLists.h"
#include "platform/Cp1250.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ListRead<CommuneListRow> read = ReadCommuneList(bytes);
    const qsizetype lines = bytes.count('\n') + 1;
    if (read.Rows.size() + read.Problems.size() > lines)
        std::abort();
    for (const CommuneListRow &r : read.Rows) {
        if (r.GminaId.isEmpty() || r.GminaId.size() > 6 || r.Gmina.size() > 33 || r.Powiat.size() > 30 ||
            r.WojewId.size() > 1 || r.Line < 1 || r.Line > lines)
            std::abort();
        bool digit = false;
        for (QChar c : r.GminaId) {
            digit = digit || (c >= u'0' && c <= u'9');
            if (!c.isLetterOrNumber() || Cp1250::toByte(c) == '?')
                std::abort();
        }
        if (!digit)
            std::abort();
    }
    return 0;
}
