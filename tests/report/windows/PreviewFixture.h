#pragma once

#include "platform/Messages.h"
#include "report/printer/RpPrinter.h"
#include "report/windows/FRpPreview.h"
#include "report/windows/RpPreview.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A preview window on a sample document of a few pages, its printer, a
// temporary folder and every warning box recorded.
class PreviewFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A preview window on the printer, 900 x 700, shown.
    TRpStandardPreview *Open(TRpPrinter &printer);
    // Answers the next modal dialog of type D from inside its event loop.
    template <class D> static void Answer(std::function<void(D *)> answer)
    {
        QTimer::singleShot(0, [answer] {
            if (auto *d = qobject_cast<D *>(QApplication::activeModalWidget()))
                answer(d);
        });
    }
    int Page() const { return Window->RpPreview->PageNumber(); }
    QString Status(int panel) const { return Window->StatusPanels[panel]->text(); }

    std::unique_ptr<TRpPrinter> Printer;
    QPointer<TRpStandardPreview> Window;
    QStringList Warnings;
    QTemporaryDir Dir;

private:
    std::vector<QPointer<TRpStandardPreview>> windows_;
    Messages::Handler oldHandler_;
};
