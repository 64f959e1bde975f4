#include "report/windows/RpReportWindows.h"

#include "platform/gui/Printer.h"
#include "report/printer/RpPrinter.h"
#include "report/windows/FRpPreview.h"
#include "report/windows/FRpProgress.h"
#include "report/windows/RpEditors.h"
#include "report/windows/RpPrintDialog.h"

#include <QEventLoop>
#include <QPointer>

namespace {

class TRpStandardPreviewInterface : public TRpPreviewInterface {
public:
    QObject *Show(TRpPrinter &printer) override
    {
        auto *window = new TRpStandardPreview(nullptr, &printer);
        window->Show();
        return window;
    }

    QObject *ShowModal(TRpPrinter &printer) override
    {
        auto *window = new TRpStandardPreview(nullptr, &printer);
        window->setWindowModality(Qt::ApplicationModal);
        QEventLoop loop;
        QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
        window->Show();
        loop.exec();
        return nullptr;
    }
};

class ProgressWindow : public TRpProgressWindow {
public:
    explicit ProgressWindow(TRpPrinter &printer) : form_(new TRpProgressForm(&printer)) {}
    ~ProgressWindow() override { delete form_; }

    QObject *Receiver() override { return form_; }
    void SetCaption(const QString &caption) override
    {
        if (form_)
            form_->setWindowTitle(caption);
    }
    void Show() override
    {
        if (form_)
            form_->show();
    }
    void Hide() override
    {
        if (form_)
            form_->hide();
    }

private:
    QPointer<TRpProgressForm> form_;
};

bool runPrintDialog(PrintDevice &device, TRpPrintDialogData &data)
{
    auto *printer = dynamic_cast<Printer *>(&device);
    if (!printer)
        return false;
    TRpPrintDialog dialog(*printer);
    static_cast<TRpPrintDialogData &>(dialog) = data;
    if (!dialog.Execute())
        return false;
    data = dialog;
    return true;
}

}

void RegisterReportWindows()
{
    Printer::Install();
    RpWindows::SetPreviewFactory([] { return std::make_unique<TRpStandardPreviewInterface>(); });
    RpWindows::SetProgressFactory(
        [](TRpPrinter &printer) { return std::make_unique<ProgressWindow>(printer); });
    RpWindows::SetPrintDialogRunner(runPrintDialog);
    RegisterReportEditors();
}
