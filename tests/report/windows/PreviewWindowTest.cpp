#include "PreviewFixture.h"

#include "platform/gui/DialogFolder.h"
#include "platform/gui/Printer.h"
#include "report/SampleDocument.h"
#include "report/windows/FRpProgress.h"
#include "report/windows/FSearchDlg.h"
#include "report/windows/RpReportWindows.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

TEST_F(PreviewFixture, ZoomIsAcceptedFrom2To2000AndFitTakesTheSmallerOfTheTwoRatios)
{
    TRpPreview *p = Window->RpPreview;
    EXPECT_EQ(Window->windowTitle(), "Podgląd wydruku: Dziennik stacji");
    EXPECT_EQ(p->Zoom(), 100);
    const int dpiX = p->logicalDpiX(), dpiY = p->logicalDpiY();
    EXPECT_EQ(p->PreviewImage->width(), std::lrint(2100.0 * dpiX / 254) + 4);
    EXPECT_EQ(p->PreviewImage->height(), std::lrint(2970.0 * dpiY / 254) + 4);
    for (auto [zoom, expected] : {std::pair{2000, 2000}, {2001, 2000}, {1, 2000}, {2, 2}, {70, 70}}) {
        p->SetZoom(zoom);
        EXPECT_EQ(p->Zoom(), expected) << zoom;
    }

    Printer->SetOrientation(true); // A4 on its side
    p->ZoomToFit();
    const long byHeight = std::lrint(double(p->height()) / std::lrint(2100.0 * dpiY / 254) * 95);
    const long byWidth = std::lrint(double(p->width()) / std::lrint(2970.0 * dpiX / 254) * 95);
    EXPECT_EQ(p->Zoom(), std::min(byHeight, byWidth));
    EXPECT_EQ(p->ZoomState, rpZoomToFit);
    Window->resize(1000, 800);
    QApplication::processEvents();
    EXPECT_EQ(p->ZoomState, rpZoomToFit) << "a fitted page follows the window's size";

    Window->ZoomToWidth->trigger();
    EXPECT_EQ(p->Zoom(), std::lrint(double(p->width()) / std::lrint(2970.0 * dpiX / 254) * 90));
    EXPECT_EQ(p->ZoomState, rpZoomToWidth);
    Window->Zoom100->trigger();
    EXPECT_EQ(p->Zoom(), 100);
    EXPECT_EQ(p->ZoomState, rpZoomOther);
}

TEST_F(PreviewFixture, KeysWheelAndThumbnailsMoveBetweenPagesAndTheStatusBarFollows)
{
    EXPECT_EQ(Status(1), "Strona 1 z 3");
    EXPECT_EQ(Status(2), "Dziennik stacji");
    EXPECT_EQ(Window->ThumbGrid->rowCount(), 3);
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int page;
    };
    for (const Step s :
         {Step{Qt::Key_PageDown, Qt::NoModifier, 2}, Step{Qt::Key_PageDown, Qt::ControlModifier, 3},
          Step{Qt::Key_Home, Qt::ShiftModifier, 1}, Step{Qt::Key_PageUp, Qt::NoModifier, 1},
          Step{Qt::Key_End, Qt::NoModifier, 3}, Step{Qt::Key_PageUp, Qt::ShiftModifier, 2},
          Step{Qt::Key_PageUp, Qt::ControlModifier, 1}}) {
        QTest::keyClick(Window->RpPreview, s.key, s.mods);
        EXPECT_EQ(Page(), s.page) << s.key;
        EXPECT_EQ(Window->ThumbGrid->currentRow(), s.page - 1);
    }
    EXPECT_EQ(Status(1), "Strona 1 z 3");

    // A page taller than the view scrolls before it turns.
    Window->RpPreview->SetZoom(300);
    QScrollBar *bar = Window->RpPreview->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 200);
    QTest::keyClick(Window->ThumbGrid, Qt::Key_Up);
    EXPECT_EQ(Page(), 1) << "Up at the top of page 1 stays there";
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(Window->RpPreview, Qt::Key_Down);
    EXPECT_EQ(bar->value(), 43);
    bar->setValue(bar->maximum());
    QTest::keyClick(Window->RpPreview, Qt::Key_Down);
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(Window->RpPreview, Qt::Key_Up);
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(bar->value(), bar->maximum() - 43);

    QWidget *view = Window->RpPreview->viewport();
    const QPointF at(50, 50);
    bar->setValue(100);
    QWheelEvent down(at, view->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &down);
    EXPECT_EQ(bar->value(), 143);
    QWheelEvent up(at, view->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                   false);
    QApplication::sendEvent(view, &up);
    EXPECT_EQ(bar->value(), 100);
    EXPECT_EQ(Page(), 1);

    Window->ThumbGrid->setCurrentCell(2, 0);
    EXPECT_EQ(Page(), 3);
    EXPECT_EQ(Status(1), "Strona 3 z 3");
}

TEST_F(PreviewFixture, GoToPageReadsANumberAndAnythingElseMeansPageOne)
{
    for (auto [text, page] :
         {std::pair{"2", 2}, {" 3 ", 3}, {"0", 1}, {"-1", 1}, {"4", 1}, {"abc", 1}, {"", 1}})
        EXPECT_EQ(TRpStandardPreview::PageFromText(QString::fromUtf8(text), 3), page) << text;

    QString caption, prompt, start;
    int width = 0, captionWidth = 0;
    Answer<QInputDialog>([&](QInputDialog *d) {
        caption = d->windowTitle();
        width = d->width();
        QFont bold = d->font();
        bold.setBold(true);
        captionWidth = QFontMetrics(bold).horizontalAdvance(caption);
        prompt = d->labelText();
        start = d->textValue();
        d->setTextValue(QStringLiteral("3"));
        d->accept();
    });
    Window->GotoPageButton->trigger();
    EXPECT_EQ(caption, "Numer strony [od 1 do 3]");
    EXPECT_GE(width, captionWidth * 5 / 4 + 160)
        << "room for the whole caption beside the title bar's buttons";
    EXPECT_EQ(prompt, "Numer strony");
    EXPECT_EQ(start, "1");
    EXPECT_EQ(Page(), 3);
}

TEST_F(PreviewFixture, FindListsThePagesWithTheTextInAnyCaseOfPolishLetters)
{
    Answer<TSearchDlg>([](TSearchDlg *d) {
        EXPECT_EQ(d->windowTitle(), "Szukaj");
        EXPECT_EQ(d->CheckBox1->text(), "Uwzględnij wielkość liter");
        d->Edit1->setText(QStringLiteral("ŁÓDŹ"));
        d->SpeedButton2->click();
    });
    Window->FindButton->trigger();
    ASSERT_EQ(Window->SearchResultBox->count(), 1);
    EXPECT_EQ(Window->SearchResultBox->item(0)->text(), "Strona 2");
    EXPECT_EQ(Window->SearchTextLabel->text(), "ŁÓDŹ");
    Window->SearchResultBox->setCurrentRow(0);
    emit Window->SearchResultBox->itemClicked(Window->SearchResultBox->item(0));
    EXPECT_EQ(Page(), 2);

    EXPECT_TRUE(Window->Search(QStringLiteral("gęślą"), true));
    EXPECT_TRUE(Window->Search(QStringLiteral("def"), false));
    EXPECT_EQ(Window->SearchResultBox->item(0)->text(), "Strona 3");
    EXPECT_FALSE(Window->Search(QStringLiteral("def"), true));
    ASSERT_EQ(Window->SearchResultBox->count(), 1);
    EXPECT_EQ(Window->SearchResultBox->item(0)->text(), "Podany tekst nie został znaleziony");
    EXPECT_FALSE(Window->SearchResultBox->isEnabled());

    Answer<TSearchDlg>([](TSearchDlg *d) {
        d->Edit1->setText(QStringLiteral("Strona"));
        d->SpeedButton1->click();
    });
    Window->FindButton->trigger();
    EXPECT_EQ(Window->SearchTextLabel->text(), "def") << "a cancelled search changes nothing";
}

TEST_F(PreviewFixture, SaveAndLoadGoThroughTheFileDialogsAndABadFileKeepsThePages)
{
    QTemporaryDir lastUsed;
    RememberDialogFolder(lastUsed.path());
    QString saveFilter, openedIn;
    Answer<QFileDialog>([&](QFileDialog *d) {
        saveFilter = d->nameFilters().join(';');
        openedIn = d->directory().absolutePath();
        d->selectFile(Dir.filePath(QStringLiteral("kopia")));
        static_cast<QDialog *>(d)->accept();
    });
    Window->SaveReport->trigger();
    const QString saved = Dir.filePath(QStringLiteral("kopia.RPP"));
    ASSERT_TRUE(QFile::exists(saved));
    EXPECT_EQ(saveFilter, "Report file (*.RPP)");
    EXPECT_EQ(openedIn, QDir(lastUsed.path()).absolutePath())
        << "the folder last used, not the working folder";
    QFile::copy(saved, Dir.filePath(QStringLiteral("male.rpp")));

    TRpPrinter other;
    PrintSampleDocument(other, 1);
    TRpStandardPreview *second = Open(other);
    EXPECT_EQ(second->StatusPanels[1]->text(), "Strona 1 z 1");
    QString loadFilter;
    Answer<QFileDialog>([&](QFileDialog *d) {
        loadFilter = d->nameFilters().join(';');
        openedIn = d->directory().absolutePath();
        d->selectFile(Dir.filePath(QStringLiteral("male.rpp")));
        static_cast<QDialog *>(d)->accept();
    });
    second->LoadReport->trigger();
    EXPECT_EQ(loadFilter, "Report file (*.RPP)") << "patterns match in any case: male.rpp was found";
    EXPECT_EQ(openedIn, QDir(Dir.path()).absolutePath()) << "where the page file was saved";
    EXPECT_EQ(other.PageCount(), 3);
    EXPECT_EQ(second->StatusPanels[1]->text(), "Strona 1 z 3");
    EXPECT_EQ(second->StatusPanels[2]->text(), Dir.filePath(QStringLiteral("male.rpp")));
    EXPECT_TRUE(second->Print->isEnabled());
    EXPECT_FALSE(second->SaveReport->isVisible());
    EXPECT_EQ(second->ThumbGrid->rowCount(), 3);
    ASSERT_TRUE(second->RpPreview->PreviewImage->HasPage());
    EXPECT_EQ(other.GetPage(2)->texts(), Printer->GetPage(2)->texts());

    QFile bad(Dir.filePath(QStringLiteral("zly.RPP")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(200, '\x48'));
    bad.close();
    EXPECT_FALSE(Window->LoadFile(bad.fileName()));
    ASSERT_EQ(Warnings.size(), 1);
    EXPECT_FALSE(Warnings.at(0).isEmpty());
    EXPECT_EQ(Printer->PageCount(), 3);
    EXPECT_TRUE(Window->RpPreview->PreviewImage->HasPage());
    EXPECT_EQ(Status(2), "Dziennik stacji");
    EXPECT_FALSE(Window->LoadFile(Dir.filePath(QStringLiteral("brak.RPP"))));
    EXPECT_EQ(Warnings.value(1), "File does not exist");
}

TEST_F(PreviewFixture, TheWindowDoesNotCloseWhilePagesAreStillBeingMade)
{
    TRpPrinter running;
    running.BeginDoc();
    running.NewPage();
    QPointer<TRpStandardPreview> w = Open(running);
    running.NewPage();
    QApplication::processEvents();
    EXPECT_EQ(w->ThumbGrid->rowCount(), 1) << "the newest page may still grow";
    EXPECT_FALSE(w->Print->isEnabled());
    EXPECT_FALSE(w->close());
    QTest::keyClick(w->RpPreview, Qt::Key_Escape);
    EXPECT_TRUE(w->isVisible());
    running.EndDoc();
    QApplication::processEvents();
    EXPECT_TRUE(w->Print->isEnabled());
    EXPECT_EQ(w->ThumbGrid->rowCount(), 2);
    QTest::keyClick(w->RpPreview, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(w.isNull());
    EXPECT_FALSE(running.ShowingPreview());

    auto freed = std::make_unique<TRpPrinter>();
    PrintSampleDocument(*freed, 2);
    QPointer<TRpStandardPreview> orphan = Open(*freed);
    freed.reset();
    EXPECT_EQ(orphan->RpPrinter, nullptr) << "a printer freed under the window is let go";
    QTest::keyClick(orphan->RpPreview, Qt::Key_PageDown);
    EXPECT_FALSE(orphan->Search(QStringLiteral("Strona"), false));
    orphan->ThumbGrid->viewport()->repaint();
    EXPECT_TRUE(orphan->close());

    // "&Zamknij" closes a finished preview from the keyboard, as its caption says.
    TRpPrinter done;
    PrintSampleDocument(done, 1);
    QPointer<TRpStandardPreview> byKey = Open(done);
    QTest::keyClick(byKey->RpPreview, Qt::Key_Z, Qt::AltModifier);
    QApplication::processEvents();
    EXPECT_TRUE(byKey.isNull());
}

TEST_F(PreviewFixture, EachThumbnailIsDrawnOnceWhilePagesArriveAndAgainAfterALoad)
{
    TRpPrinter running;
    running.BeginDoc();
    running.NewPage();
    TRpStandardPreview *w = Open(running);
    constexpr int pages = 40;
    for (int i = 2; i <= pages; ++i) {
        running.NewPage();
        QApplication::processEvents();
        w->ThumbGrid->viewport()->repaint();
    }
    running.EndDoc();
    QApplication::processEvents();
    w->ThumbGrid->viewport()->repaint();
    ASSERT_EQ(w->ThumbGrid->rowCount(), pages);
    EXPECT_GT(w->ThumbnailsRendered(), 0);
    EXPECT_LE(w->ThumbnailsRendered(), pages)
        << "a page that has arrived is not drawn anew for every later page";

    const QString file = Dir.filePath(QStringLiteral("trzy.RPP"));
    Printer->Save(file);
    const int before = w->ThumbnailsRendered();
    ASSERT_TRUE(w->LoadFile(file));
    w->ThumbGrid->viewport()->repaint();
    EXPECT_EQ(w->ThumbGrid->rowCount(), 3);
    EXPECT_GT(w->ThumbnailsRendered(), before) << "the loaded pages are drawn, not the ones kept from before";
}

TEST_F(PreviewFixture, ProgressShowsInStepsOfFiveAndTheProgressFormOnlyOnMultiplesOfFive)
{
    for (auto [progress, shown] : {std::pair{3, "0%"}, {7, "7%"}, {10, "7%"}, {12, "12%"}, {100, ""}}) {
        QApplication::postEvent(Window->RpPreview,
                                new TRpMessageEvent(rpMsgProgress, progress, Printer.get()));
        QApplication::processEvents();
        EXPECT_EQ(Status(0), shown) << progress;
    }

    TRpProgressForm form(Printer.get());
    EXPECT_EQ(form.windowTitle(), "Printing progress");
    Printer->Client = &form;
    Printer->SetProgress(45);
    QApplication::processEvents();
    EXPECT_EQ(form.Info->text(), "45%  Completed");
    EXPECT_EQ(form.Gauge->value(), 45);
    Printer->SetProgress(47);
    QApplication::processEvents();
    EXPECT_EQ(form.Info->text(), "45%  Completed");
    form.CancelButton->click();
    EXPECT_TRUE(Printer->Cancelled);
}

TEST_F(PreviewFixture, ZoomToFitWidthAndThumbnailsDoNothingHarmfulOnAPageOfNoSize)
{
    TRpPrinter empty;
    empty.SetPaperSize(0); // the device's own page: there is no device
    TRpStandardPreview *w = Open(empty);
    w->RpPreview->SetZoom(150);
    w->ZoomFit->trigger();
    w->ZoomToWidth->trigger();
    EXPECT_EQ(w->RpPreview->Zoom(), 150);
    w->resize(500, 400);
    QApplication::processEvents();
    EXPECT_FALSE(w->grab().isNull());
    EXPECT_EQ(w->StatusPanels[1]->text(), "Strona 1 z 0");
}

// Draws the preview with a sample document into the PNG named by QUARN_SCREENSHOT.
TEST_F(PreviewFixture, Screenshot)
{
    const QString path = qEnvironmentVariable("QUARN_SCREENSHOT");
    if (path.isEmpty())
        GTEST_SKIP() << "set QUARN_SCREENSHOT to a PNG path";
    TRpPrinter printer;
    printer.SetTitle(QStringLiteral("Dziennik stacji SP5QRN"));
    PrintSampleDocument(printer, 4);
    TRpStandardPreview *w = Open(printer);
    w->resize(1100, 750);
    w->ZoomFit->trigger();
    w->Search(QStringLiteral("łódź"), false);
    w->Tabs->setCurrentIndex(0);
    w->GotoPage(2);
    QApplication::processEvents();
    ASSERT_TRUE(w->grab().save(path));
}

TEST_F(PreviewFixture, WithNoPrintQueueThePrintButtonWritesThePagesToAPdfFileTheUserNames)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has a print queue";
    Printer::Install();
    TRpPrinter printer;
    printer.SetOrientation(true); // as the log book prints
    PrintSampleDocument(printer, 3);
    printer.SetFirstPage(2);
    TRpStandardPreview *w = Open(printer);
    const QString pdf = Dir.filePath(QStringLiteral("dziennik.pdf"));
    Answer<QFileDialog>([&](QFileDialog *d) {
        d->selectFile(pdf);
        static_cast<QDialog *>(d)->accept();
    });
    w->Print->trigger();
    PrintDevices::SetFactory({});
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2)
        << "pages 2 and 3";
    EXPECT_EQ(bytes.count("/MediaBox [0 0 842.000000 595.000000]"), 2) << "A4 landscape";
    const QString copy = qEnvironmentVariable("QUARN_PDF");
    if (!copy.isEmpty()) {
        QFile::remove(copy);
        QFile::copy(pdf, copy);
    }
}

// A viewer for looking at the window on a real display: with QUARN_VIEWER set
// the preview of a sample document stays open until it is closed.
TEST_F(PreviewFixture, Viewer)
{
    if (qEnvironmentVariableIsEmpty("QUARN_VIEWER"))
        GTEST_SKIP() << "set QUARN_VIEWER to look at the window";
    RegisterReportWindows();
    TRpPrinter printer;
    printer.SetTitle(QStringLiteral("Dziennik stacji SP5QRN"));
    PrintSampleDocument(printer, 5);
    QPointer<TRpStandardPreview> w = Open(printer);
    w->setWindowState(Qt::WindowMaximized);
    while (w)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
