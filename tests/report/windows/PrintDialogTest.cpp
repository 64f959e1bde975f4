#include "PreviewFixture.h"

#include "report/SampleDocument.h"
#include "report/windows/RpReportWindows.h"

#include <QPrintDialog>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QSpinBox>

// The printer set-up of a preview that holds no report runs the print dialog
// on the printer's own device and keeps what the user chose.
TEST_F(PreviewFixture, PrinterSetupKeepsThePageRangeAndCopiesChosenAndACancelChangesNothing)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has a print queue";
    RegisterReportWindows();
    TRpPrinter printer;
    PrintSampleDocument(printer, 4);
    TRpStandardPreview *w = Open(printer);

    QString missing;
    Answer<QPrintDialog>([&](QPrintDialog *d) {
        auto *range = d->findChild<QRadioButton *>(QStringLiteral("printRange"));
        auto *from = d->findChild<QSpinBox *>(QStringLiteral("from"));
        auto *to = d->findChild<QSpinBox *>(QStringLiteral("to"));
        auto *copies = d->findChild<QSpinBox *>(QStringLiteral("copies"));
        if (!range || !from || !to || !copies) {
            missing = QStringLiteral("range widgets");
            d->reject();
            return;
        }
        range->setChecked(true);
        to->setValue(3);
        from->setValue(2);
        copies->setValue(2);
        d->accept();
    });
    w->PrintSetup->trigger();
    ASSERT_TRUE(missing.isEmpty()) << missing.toStdString();
    EXPECT_EQ(printer.FirstPage(), 2);
    EXPECT_EQ(printer.LastPage(), 3);
    EXPECT_EQ(printer.PrinterSettings().Copies, 2);

    Answer<QPrintDialog>([](QPrintDialog *d) {
        d->findChild<QRadioButton *>(QStringLiteral("printAll"))->setChecked(true);
        d->reject();
    });
    w->PrintSetup->trigger();
    EXPECT_EQ(printer.FirstPage(), 2);
    EXPECT_EQ(printer.LastPage(), 3);

    Answer<QPrintDialog>([](QPrintDialog *d) {
        d->findChild<QRadioButton *>(QStringLiteral("printAll"))->setChecked(true);
        d->accept();
    });
    w->PrintSetup->trigger();
    EXPECT_EQ(printer.FirstPage(), 0);
    EXPECT_EQ(printer.LastPage(), 0);
    PrintDevices::SetFactory({});
}
