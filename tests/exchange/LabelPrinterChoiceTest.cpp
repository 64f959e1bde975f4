#include "exchange/LabelPrinterChoice.h"
#include "exchange/LabelPrintDevice.h"

#include <gtest/gtest.h>

// A queue is named as it is; without one the line says where the next print
// goes, and a chosen PDF file serves one print only.
TEST(LabelPrinterChoice, QueueOrAPdfFileForTheNextPrintOnly)
{
    LabelPrintDevice device;
    device.names = {QStringLiteral("Etykieciarka"), QStringLiteral("Biuro")};
    TLabelPrinterChoice choice(device);
    EXPECT_EQ(choice.Text(), "Etykieciarka");
    EXPECT_TRUE(choice.PrepareForPrint(nullptr));
    EXPECT_TRUE(device.OutputFileName().isEmpty());

    device.names.clear();
    device.SetOutputFileName(QStringLiteral("/tmp/inny-wydruk.pdf")); // another job's file
    EXPECT_EQ(choice.Text(), "brak drukarki - wydruk do pliku PDF");
    EXPECT_FALSE(choice.ChoosePdf(nullptr));
    EXPECT_FALSE(choice.ChoosePdf([] { return QString(); }));
    EXPECT_FALSE(choice.PrepareForPrint([] { return QString(); }));
    EXPECT_EQ(device.OutputFileName(), "/tmp/inny-wydruk.pdf");

    EXPECT_TRUE(choice.ChoosePdf([] { return QStringLiteral("/tmp/etykiety/qsl.pdf"); }));
    EXPECT_EQ(choice.Text(), "plik PDF: qsl.pdf");
    EXPECT_FALSE(choice.ChoosePdf([] { return QString(); })) << "a cancelled choice keeps the file";
    EXPECT_EQ(choice.Text(), "plik PDF: qsl.pdf");
    int asked = 0;
    const auto ask = [&asked] {
        ++asked;
        return QStringLiteral("/tmp/etykiety/druga.pdf");
    };
    EXPECT_TRUE(choice.PrepareForPrint(ask));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(device.OutputFileName(), "/tmp/etykiety/qsl.pdf");
    EXPECT_EQ(choice.Text(), "brak drukarki - wydruk do pliku PDF");
    EXPECT_TRUE(choice.PrepareForPrint(ask));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(device.OutputFileName(), "/tmp/etykiety/druga.pdf");
}
