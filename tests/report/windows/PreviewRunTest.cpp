#include "PreviewFixture.h"

#include "report/FakePrintDevice.h"
#include "report/layout/RpBand.h"
#include "report/layout/RpLabel.h"
#include "report/layout/RpReport.h"
#include "support/PageLayout.h"

#include <QAction>
#include <QFileDialog>

namespace {

// Opens the real preview window for a report's run and keeps it for the test.
class KeptPreview : public TRpPreviewInterface {
public:
    explicit KeptPreview(QPointer<TRpStandardPreview> &window) : window_(window) {}
    QObject *Show(TRpPrinter &printer) override
    {
        window_ = new TRpStandardPreview(nullptr, &printer);
        window_->Show();
        return window_;
    }
    QObject *ShowModal(TRpPrinter &printer) override { return Show(printer); }

private:
    QPointer<TRpStandardPreview> &window_;
};

// A report on A4 landscape, a header and one "Row n" line per record, shown
// in the preview window. OnRow runs inside the record loop, AfterRun once
// the pages are made, with the window still open; the window closes after.
class PreviewRun : public PreviewFixture {
protected:
    void SetUp() override
    {
        PreviewFixture::SetUp();
        RpWindows::SetPreviewFactory([this] { return std::make_unique<KeptPreview>(Preview); });
        report.SetUnits(TRpUnit::MM);
        report.Page.SetPaperSize(TRpPaperSize::A4);
        report.Page.SetOrientation(TRpOrientation::Landscape);
        line(report.AddBand(TRpBandType::rbPageHeader), 10)->SetCaption(QStringLiteral("Dziennik"));
        line(report.AddBand(TRpBandType::rbDetail), 6.35)->OnPrint = [this](TRpCustomLabel &, QString &text) {
            text = QStringLiteral("Row %1").arg(served);
        };
        report.OnNeedData = [this](TCustomReport &, bool &more) {
            more = served < rows;
            if (!more)
                return;
            ++served;
            if (OnRow)
                OnRow(served);
        };
        report.AfterPreview = [this](TCustomReport &) {
            // Told again when the window closes.
            if (afterRuns_++ > 0 || !Preview)
                return;
            QApplication::processEvents();
            if (AfterRun)
                AfterRun(*report.RpPrinter);
            QTimer::singleShot(0, Preview.data(), [this] { Preview->close(); });
        };
    }
    void TearDown() override
    {
        delete Preview.data();
        RpWindows::SetPreviewFactory({});
        RpWindows::SetPrintDialogRunner({});
        PreviewFixture::TearDown();
    }

    QList<QAction *> FileAndPrinterActions() const
    {
        return {Preview->PrintSetup, Preview->Print, Preview->SaveReport, Preview->LoadReport};
    }
    // Which of the four actions are usable, as "1010" for set-up and save.
    QString Usable() const
    {
        QString out;
        for (QAction *a : FileAndPrinterActions())
            out += a->isEnabled() ? u'1' : u'0';
        return out;
    }

    TReport report;
    int rows = 100;
    int served = 0;
    std::function<void(int row)> OnRow;
    std::function<void(TRpPrinter &)> AfterRun;
    QPointer<TRpStandardPreview> Preview;

private:
    TRpLabel *line(TRpBand *band, double heightMm)
    {
        band->Size.SetNative(TRpBandSize::HeightIdx, heightMm * 10);
        auto *label = band->Add<TRpLabel>();
        label->SetAutoSize(false);
        label->Size.SetNative(TRpPrintableSize::LeftIdx, 10);
        label->Size.SetNative(TRpPrintableSize::TopIdx, 8);
        label->Size.SetNative(TRpPrintableSize::WidthIdx, 500);
        label->Size.SetNative(TRpPrintableSize::HeightIdx, 42);
        return label;
    }
    int afterRuns_ = 0;
};

}

// A set-up confirmed in the middle of a run would change the paper under the
// page being filled: nothing that works on the printer or the pages answers
// until the last page is made, whether clicked or called.
TEST_F(PreviewRun, PrintSetUpPrintSaveAndLoadWaitForTheLastPage)
{
    PrintDevices::SetFactory([] { return std::make_unique<FakePrintDevice>(); });
    int dialogs = 0;
    RpWindows::SetPrintDialogRunner([&](PrintDevice &, TRpPrintDialogData &d) {
        ++dialogs;
        d.Orientation = 1; // portrait
        return true;
    });
    QStringList during;
    int fileDialogs = 0;
    OnRow = [&](int row) {
        if (row != 5 && row != 60)
            return;
        QApplication::processEvents();
        during << Usable();
        std::vector<std::function<void()>> clicks;
        for (QAction *a : FileAndPrinterActions())
            clicks.emplace_back([a] { a->trigger(); });
        clicks.insert(clicks.end(), {[&] { Preview->PrintSetupClick(); }, [&] { Preview->PrintClick(); },
                                     [&] { Preview->SaveReportClick(); }, [&] { Preview->LoadReportClick(); }});
        for (const std::function<void()> &click : clicks) {
            Answer<QFileDialog>([&](QFileDialog *d) {
                ++fileDialogs;
                d->reject();
            });
            click();
        }
        QApplication::processEvents();
    };
    QString after;
    std::vector<PageLayout> pages;
    AfterRun = [&](TRpPrinter &printer) {
        after = Usable();
        for (int n = 1; n <= printer.PageCount(); ++n)
            pages.push_back(LayoutOf(*printer.GetPage(n)));
    };
    report.Preview();

    EXPECT_EQ(during, QStringList({"0000", "0000"}));
    EXPECT_EQ(after, "1111");
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(fileDialogs, 0);
    EXPECT_EQ(report.Page.Orientation(), TRpOrientation::Landscape);
    int rowsSeen = 0;
    QStringList belowThePage;
    for (const PageLayout &page : pages)
        for (const PlacedText &t : page.texts)
            if (t.text.startsWith(QStringLiteral("Row "))) {
                ++rowsSeen;
                if (t.at.y() >= 2100)
                    belowThePage << t.text;
            }
    EXPECT_EQ(rowsSeen, rows);
    EXPECT_EQ(belowThePage, QStringList());
    EXPECT_TRUE(Preview.isNull()) << "the finished preview closes";
}

// A run that fails closes its window; a cancelled one leaves its pages in the
// window, and the actions usable on them.
TEST_F(PreviewRun, AFailedRunClosesItsWindowACancelledOneLeavesItsActionsUsable)
{
    OnRow = [](int row) {
        if (row == 40)
            throw ERpError(QStringLiteral("Błąd odczytu"));
    };
    // A failed run leaves nothing to show: the error goes to the caller and
    // the window closes; it must not stay behind with its actions dead.
    EXPECT_THROW(report.Preview(), ERpError);
    QApplication::processEvents();
    EXPECT_TRUE(Preview.isNull());

    served = 0;
    OnRow = [this](int row) {
        if (row == 40)
            report.CancelReport();
    };
    report.Preview();
    ASSERT_TRUE(Preview);
    QApplication::processEvents();
    EXPECT_GE(Preview->RpPrinter->PageCount(), 1);
    EXPECT_EQ(Usable(), "1111");
    EXPECT_TRUE(Preview->close());
}

// A page file's paper becomes the report's: a portrait A4 file loaded in the
// preview of a Letter landscape report turns its page to portrait A4.
TEST_F(PreviewRun, LoadingAPageFileGivesTheReportThePapersSizeAndOrientation)
{
    report.Page.SetPaperSize(TRpPaperSize::Letter);
    rows = 30;
    bool loaded = false;
    AfterRun = [&](TRpPrinter &) {
        loaded = Preview->LoadFile(QStringLiteral(QUARN_SOURCE_DIR "/tests/report/golden/three-pages-plain.rpp"));
    };
    report.Preview();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(report.Page.PaperSize(), TRpPaperSize::A4);
    EXPECT_EQ(report.Page.Orientation(), TRpOrientation::Portrait);
    EXPECT_NEAR(report.Page.Native(TRpPage::WidthIdx), 2100, 1e-9);
    EXPECT_NEAR(report.Page.Native(TRpPage::LengthIdx), 2970, 1e-9);
}
