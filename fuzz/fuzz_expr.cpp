// Any text as an expression of the report engine: preparing, evaluating,
// aggregating and turning the result into text must never crash, hang or
// read out of bounds. The same text also serves as a user mask.
#include "platform/DateTime.h"
#include "report/RpError.h"
#include "report/expr/RpEvEnvironment.h"
#include "report/expr/RpMask.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    static TRpEvEnvironment *env = [] {
        auto *e = new TRpEvEnvironment;
        e->AddFunction("PAGENUMBER", "1");
        e->AddFunction("TITLE", "'Log'");
        e->AddFunction("LOOP", "LOOP + 1");
        e->AddFunction("TWICE", "PAGENUMBER * 2");
        e->PrepareEnvironment();
        return e;
    }();

    TRpEvaluator ev;
    ev.SetEnvironment(env);
    ev.Prepare(text);
    ev.IsAggregate();
    ev.Value();
    ev.DoAggregate();
    ev.DoAggregate();
    const TRpEvResult r = ev.Value();
    try {
        ResultToText(r);
    } catch (const ERpError &) {
    }
    ev.Reset();
    ev.Value();
    ev.Unprepare();

    FormatNumberMask(text, -1234.5678);
    FormatValueMask(text, 42.5);
    FormatDateTimeMask(text, DateTime::fromDate(2024, 12, 31, 23, 59, 58));
    return 0;
}
