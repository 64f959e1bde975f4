#include "ReportFixture.h"

#include "report/RpError.h"
#include "report/printer/RpPrinter.h"
#include "support/FullDisk.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>

namespace {

// The temporary folder moved to a plain file, where nothing can be made (not
// even by root), for as long as it lives.
class UnusableTempFolder {
public:
    UnusableTempFolder() : saved_(qgetenv("TMPDIR")), had_(qEnvironmentVariableIsSet("TMPDIR"))
    {
        const QString file = dir_.filePath(QStringLiteral("file"));
        QFile(file).open(QIODevice::WriteOnly);
        qputenv("TMPDIR", file.toLocal8Bit());
    }
    ~UnusableTempFolder()
    {
        if (had_)
            qputenv("TMPDIR", saved_);
        else
            qunsetenv("TMPDIR");
    }

private:
    QTemporaryDir dir_;
    QByteArray saved_;
    bool had_;
};

struct SpillCase {
    const char *name;
    int rows;
    size_t pages;  // once the store can spill
    bool noFolder; // else the disk fills up
};

// A run whose pages pass a small memory limit while the store cannot spill.
QString FailingRun(const SpillCase &c, RowsReport &r, TRpPrinterStatus &status)
{
    std::optional<UnusableTempFolder> tmp;
    std::optional<FullDisk> full;
    if (c.noFolder)
        tmp.emplace();
    else
        full.emplace(4000);
    r.report.PrinterSettings.MemoryLimit = 200;
    TRpPrinter printer(&r.report);
    r.report.RpPrinter = &printer;
    r.served = 0;
    QString error;
    try {
        r.report.CreateReport(false);
    } catch (const ERpError &e) {
        error = e.message();
    }
    r.report.RpPrinter = nullptr;
    status = printer.Status();
    return error;
}

} // namespace

// One page fails when the document closes (no folder for the file), many
// pages in the middle of the run (the disk fills up). Either way the error
// reaches the caller after the clean-up, and the same report runs once the
// store can spill again.
TEST(ReportSpill, AStoreThatCannotSpillFailsTheRunAndTheSameReportRunsOnceTheFolderIsUsable)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const SpillCase &c : {SpillCase{"one page", 5, 1, true}, SpillCase{"many pages", 200, 8, false}}) {
        SCOPED_TRACE(c.name);
        // An exception out of the clean-up would abort the whole program.
        ASSERT_EXIT(
            {
                RowsReport r(c.rows);
                TRpPrinterStatus status;
                FailingRun(c, r, status);
                std::exit(0);
            },
            ::testing::ExitedWithCode(0), "");

        RowsReport r(c.rows);
        TRpPrinterStatus status = rpStatusIdle;
        const QString error = FailingRun(c, r, status);
        // The cause is named, also when a write stops part way.
        EXPECT_TRUE(error.startsWith(c.noFolder ? QStringLiteral("Nie można utworzyć pliku tymczasowego")
                                                : QStringLiteral("Błąd ")))
            << error.toStdString();
        if (!c.noFolder) {
            EXPECT_TRUE(
                error.endsWith(QStringLiteral(": plik przekroczył największy rozmiar, jaki system pozwala "
                                              "zapisać")))
                << error.toStdString();
        }
        EXPECT_EQ(status, rpStatusFinished);
        EXPECT_TRUE(r.report.Available);
        EXPECT_EQ(r.report.Units(), TRpUnit::MM);
        EXPECT_TRUE(r.report.DataSetList.isEmpty());

        const std::vector<PageLayout> pages = r.Run();
        ASSERT_EQ(pages.size(), c.pages);
        EXPECT_EQ(pages.back().count(QStringLiteral("Row %1").arg(c.rows)), 1);
        EXPECT_EQ(AllTexts(pages).filter(QStringLiteral("Row ")).size(), c.rows);
    }
}
