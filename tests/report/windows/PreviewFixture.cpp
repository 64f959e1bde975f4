#include "PreviewFixture.h"

#include "report/SampleDocument.h"

#include <QLabel>

void PreviewFixture::SetUp()
{
    PrintDevices::SetFactory({});
    oldHandler_ = Messages::setHandler([this](Messages::Kind, const QString &, const QString &text) {
        Warnings << text;
        return true;
    });
    Printer = std::make_unique<TRpPrinter>();
    Printer->SetTitle(QStringLiteral("Dziennik stacji"));
    PrintSampleDocument(*Printer, 3);
    Window = Open(*Printer);
}

TRpStandardPreview *PreviewFixture::Open(TRpPrinter &printer)
{
    auto *w = new TRpStandardPreview(nullptr, &printer);
    w->setWindowState(Qt::WindowNoState);
    w->resize(900, 700);
    w->Show();
    QApplication::processEvents();
    windows_.emplace_back(w);
    return w;
}

void PreviewFixture::TearDown()
{
    for (QPointer<TRpStandardPreview> &w : windows_)
        delete w.data();
    Printer.reset();
    Messages::setHandler(oldHandler_);
}
