#include "EvalSupport.h"
#include "ReportFixture.h"

#include "platform/NumFormat.h"
#include "report/printer/RpPrinter.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

// Records the progress messages a printer posts.
class ProgressLog : public QObject {
public:
    std::vector<int> values;
    bool event(QEvent *e) override
    {
        if (int(e->type()) != rpMsgProgress)
            return QObject::event(e);
        values.push_back(static_cast<TRpMessageEvent *>(e)->Param);
        return true;
    }
};

// A report over rows kept in memory: a number, a date-time and a text.
struct DataReport : RowsReport {
    explicit DataReport(int n) : RowsReport(0)
    {
        rowsData.AddField("N", FieldType::Integer);
        rowsData.AddField("D", FieldType::DateTime)->SetDisplayFormat("yyyy-MM-dd hh:mm:ss");
        rowsData.AddField("T", FieldType::String, 20);
        rowsData.Open();
        for (int i = 1; i <= n; ++i) {
            rowsData.Append();
            rowsData.FieldByName("N")->SetAsInteger(i * 1000);
            rowsData.FieldByName("D")->SetAsDateTime(DateTime::fromDate(2024, 2, 29, 23, 59, i % 60));
            rowsData.FieldByName("T")->SetAsString(QStringLiteral("SP%1").arg(i));
            rowsData.Post();
        }
        report.OnNeedData = nullptr;
        report.SetDataSet(&rowsData);
        row->OnPrint = nullptr;
        row->Enabled = false;
        double left = 1;
        for (auto [field, mask] :
             {std::pair{"N", "#,##0.00"}, {"D", ""}, {"D", "dd.mm.yyyy"}, {"T", ""}, {"X", ""}}) {
            auto *text = detail->Add<TRpDBText>();
            text->SetAutoSize(false);
            text->DataSet = &rowsData;
            text->DataField = QString::fromLatin1(field);
            text->Mask = QString::fromLatin1(mask);
            text->Size.SetNative(TRpPrintableSize::LeftIdx, left * 10);
            text->Size.SetNative(TRpPrintableSize::TopIdx, 8);
            text->Size.SetNative(TRpPrintableSize::WidthIdx, 400);
            text->Size.SetNative(TRpPrintableSize::HeightIdx, 42);
            left += 45;
        }
    }
    MemoryRows rowsData;
};

} // namespace

TEST(DataReport, FieldsPrintTheirDisplayTextOrTheirValueThroughTheMask)
{
    DataReport r(2);
    const auto pages = RunReport(r.report);
    ASSERT_EQ(pages.size(), 1u);
    const PageLayout &page = pages[0];
    const QString thousand = QStringLiteral("1") + CurrentFormatSettings().ThousandSeparator + "000.00";
    EXPECT_EQ(page.count(thousand), 1);
    EXPECT_EQ(page.count("2024-02-29 23:59:01"), 1);
    EXPECT_EQ(page.count("29.02.2024"), 2);
    EXPECT_EQ(page.count("SP2"), 1);
}

TEST(DataReport, ProgressClimbsWithinZeroToAHundredAndEndsAtAHundred)
{
    DataReport r(100);
    ProgressLog log;
    TRpPrinter printer(&r.report);
    printer.Client = &log;
    r.report.RpPrinter = &printer;
    r.report.CreateReport(false);
    r.report.RpPrinter = nullptr;
    QCoreApplication::processEvents();
    ASSERT_FALSE(log.values.empty());
    for (size_t i = 0; i < log.values.size(); ++i) {
        EXPECT_GE(log.values[i], 0);
        EXPECT_LE(log.values[i], 100);
        if (i > 0) {
            EXPECT_GT(log.values[i], log.values[i - 1]);
        }
    }
    EXPECT_EQ(log.values.back(), 100);
    EXPECT_EQ(printer.PageCount(), 4);
}
