#include "report/printer/RpWindowHooks.h"

namespace RpWindows {
namespace {

struct Hooks {
    PreviewFactory preview;
    ProgressFactory progress;
    PrintDialogRunner printDialog;
};

Hooks &hooks()
{
    static Hooks h;
    return h;
}

}

void SetPreviewFactory(PreviewFactory factory)
{
    hooks().preview = std::move(factory);
}

void SetProgressFactory(ProgressFactory factory)
{
    hooks().progress = std::move(factory);
}

void SetPrintDialogRunner(PrintDialogRunner runner)
{
    hooks().printDialog = std::move(runner);
}

std::unique_ptr<TRpPreviewInterface> CreatePreviewInterface()
{
    return hooks().preview ? hooks().preview() : nullptr;
}

std::unique_ptr<TRpProgressWindow> CreateProgressWindow(TRpPrinter &printer)
{
    return hooks().progress ? hooks().progress(printer) : nullptr;
}

bool RunPrintDialog(PrintDevice &device, TRpPrintDialogData &data)
{
    return hooks().printDialog && hooks().printDialog(device, data);
}

}
