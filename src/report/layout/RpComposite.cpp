#include "report/layout/RpComposite.h"

#include "report/layout/RpReport.h"
#include "report/printer/RpPrinter.h"

#include <algorithm>

namespace {

// A report's printer and tag, lent to the composite run for one report.
class Lend {
public:
    Lend(TCustomReport &report, TRpPrinter &printer)
        : r_(report), printer_(report.RpPrinter), tag_(report.Tag)
    {
        r_.RpPrinter = &printer;
    }
    ~Lend()
    {
        r_.RpPrinter = printer_;
        r_.Tag = tag_;
    }
    Lend(const Lend &) = delete;
    Lend &operator=(const Lend &) = delete;

private:
    TCustomReport &r_;
    TRpPrinter *printer_;
    int tag_;
};

} // namespace

void TRpCompositeReport::CreateReport(TRpPrinter &printer)
{
    if (Reports.empty() ||
        std::any_of(Reports.begin(), Reports.end(), [](TCustomReport *r) { return !r->Available; }))
        return;
    {
        Lend first(*Reports.front(), printer);
        Reports.front()->CopySettingsToPrinter();
    }
    printer.BeginDoc();
    bool cancelled = false;
    try {
        for (TCustomReport *report : Reports) {
            Lend lent(*report, printer);
            report->PageNumber = 0;
            report->ForgetPagePosition();
            // The closing page end of a composite run: every report ends its own pages.
            report->Tag = 999;
            report->CreateReport(true);
            if (report->Cancelled || printer.Cancelled) {
                cancelled = true;
                break;
            }
        }
    } catch (...) {
        printer.AbortDoc();
        throw;
    }
    if (cancelled)
        printer.AbortDoc();
    else
        printer.EndDoc();
}

void TRpCompositeReport::Print()
{
    if (Reports.empty())
        return;
    TCustomReport &first = *Reports.front();
    TRpPrinter printer(&first, first.PrinterSettings.UseStandardprinter, first.PrinterSettings.MemoryLimit);
    if (!printer.Printer())
        return;
    printer.SetDestination(rpDestPrinter);
    CreateReport(printer);
}
