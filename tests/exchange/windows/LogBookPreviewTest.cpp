#include "controls/DateTimeEdit.h"
#include "core/FWindow.h"
#include "core/Settings.h"
#include "exchange/windows/FParamDrukLog.h"
#include "exchange/windows/LogBookPrint.h"
#include "platform/print/PrintDevice.h"
#include "report/printer/RpPrinter.h"
#include "report/windows/FRpPreview.h"
#include "report/windows/RpReportWindows.h"
#include "support/DateFields.h"
#include "support/FullDisk.h"
#include "support/LogDb.h"
#include "support/QsoRows.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

namespace {

// Runs `act` once on the first visible top-level window of type W for which
// `ready` holds, polling while a modal loop runs.
template <class W>
void WhenShown(
    std::function<void(W *)> act, std::function<bool(W *)> ready = [](W *) { return true; })
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, ready] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<W *>(w);
            if (window && window->isVisible() && ready(window)) {
                timer->stop();
                timer->deleteLater();
                act(window);
                return;
            }
        }
    });
    timer->start();
}

int PdfPages(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(
        QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

class LogBookPreview : public DataModuleTest {
protected:
    void SetUp() override
    {
        DataModuleTest::SetUp();
        RegisterReportWindows();
        OwnCallSign = QStringLiteral("SP9XYZ");
        placement.AppKey = QStringLiteral("Quarn");
    }

    void AnswerDialog(const QDate &first, const QDate &last)
    {
        WhenShown<TParamDrukLog>([first, last](TParamDrukLog *d) {
            d->EdOkres->setCurrentIndex(4);
            d->EdOdDnia->setDate(first);
            d->EdDoDnia->setDate(last);
            QTest::mouseClick(d->PostBtn, Qt::LeftButton);
        });
    }

    TWindow placement;
    QTemporaryDir dir;
};

} // namespace

TEST_F(LogBookPreview, TheRangeChosenShowsInThePreviewWhichPrintsItsStoredPagesToAPdf)
{
    InsertQsos(dm->Baza, SampleQsos(60));
    const QString pdf = dir.filePath(QStringLiteral("log.pdf"));
    int pages = 0, pdfPages = -1;
    QStringList lastPage;
    AnswerDialog(QDate(2003, 7, 5), QDate(2003, 7, 5));
    WhenShown<TRpStandardPreview>(
        [&](TRpStandardPreview *preview) {
            pages = preview->RpPrinter->PageCount();
            preview->LastPageClick();
            lastPage = preview->RpPrinter->GetPage(pages)->texts();
            // The query is reopened on another range meanwhile: the print keeps the stored pages.
            dm->OpenDrukLog(DateTime::fromDate(1990, 1, 1), DateTime::fromDate(1990, 1, 2));
            // No print queue here: the device writes the PDF the user names in the print dialog.
            PrintDevice *device = preview->RpPrinter->Printer();
            ASSERT_TRUE(device);
            device->SetOutputFileName(pdf);
            preview->RpPrinter->Print();
            pdfPages = PdfPages(pdf);
            preview->close();
        },
        [](TRpStandardPreview *preview) {
            return preview->RpPrinter && preview->RpPrinter->Status() == rpStatusFinished;
        });
    DrukujLog(*dm, placement, nullptr);
    EXPECT_EQ(pages, 3);
    EXPECT_TRUE(lastPage.contains(QStringLiteral("SP9XYZ")));
    EXPECT_TRUE(lastPage.contains(SampleQsos(60).back().Data.toString("yyyy-MM-dd HH:mm:ss")));
    EXPECT_EQ(pdfPages, 3);
    EXPECT_TRUE(warnings.isEmpty());
}

// A disk that fills up while the log book goes to a PDF, or while its pages
// are saved to a page file, is told with its cause and leaves no file.
TEST_F(LogBookPreview, APdfOrPageFileThatCannotBeWrittenWholeIsToldAndLeavesNoFile)
{
    InsertQsos(dm->Baza, SampleQsos(60));
    const QString pdf = dir.filePath(QStringLiteral("log.pdf")),
                  rpp = dir.filePath(QStringLiteral("log.rpp"));
    std::optional<FullDisk> full;
    // The file dialog gets the name, and the disk is full from then on.
    const auto answerFileDialog = [&full](const QString &name) {
        QTimer::singleShot(0, [&full, name] {
            if (auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                full.emplace(2000);
                d->selectFile(name);
                QMetaObject::invokeMethod(d, "accept");
            }
        });
    };
    AnswerDialog(QDate(2003, 7, 5), QDate(2003, 7, 5));
    WhenShown<TRpStandardPreview>(
        [&](TRpStandardPreview *preview) {
            answerFileDialog(pdf);
            preview->Print->trigger();
            full.reset();
            answerFileDialog(rpp);
            preview->SaveReport->trigger();
            full.reset();
            preview->close();
        },
        [](TRpStandardPreview *preview) {
            return preview->RpPrinter && preview->RpPrinter->Status() == rpStatusFinished;
        });
    DrukujLog(*dm, placement, nullptr);
    const QString cause =
        QStringLiteral(": plik przekroczył największy rozmiar, jaki system pozwala zapisać");
    EXPECT_EQ(warnings, QStringList({"Nie można zapisać pliku PDF " + pdf + cause + ".",
                                     "Nie można zapisać pliku raportu " + rpp + cause}));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

// A termination signal exits the application's event loops; the wait for the
// preview to close must be one of them, or the program never ends.
TEST_F(LogBookPreview, AnApplicationExitEndsTheWaitForTheShownPreview)
{
    InsertQsos(dm->Baza, SampleQsos(60));
    AnswerDialog(QDate(2003, 7, 5), QDate(2003, 7, 5));
    QPointer<TRpStandardPreview> shown;
    WhenShown<TRpStandardPreview>(
        [&](TRpStandardPreview *preview) {
            shown = preview;
            QCoreApplication::exit(0);
        },
        [](TRpStandardPreview *preview) {
            return preview->RpPrinter && preview->RpPrinter->Status() == rpStatusFinished;
        });
    bool closedByGuard = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        closedByGuard = true;
        if (shown)
            shown->close();
    });
    guard.start(10000);
    DrukujLog(*dm, placement, nullptr);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(closedByGuard) << "the wait ended only when the preview was closed";
    if (shown)
        shown->close();
    // An exit stops every loop started later, until the application loop runs again.
    QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();
}

TEST_F(LogBookPreview, ALastDayBeforeTheFirstIsRefusedAndCancelShowsNothing)
{
    bool stayedOpen = false;
    WhenShown<TParamDrukLog>([&](TParamDrukLog *d) {
        d->EdOkres->setCurrentIndex(4);
        d->EdOdDnia->setDate(QDate(2003, 7, 6));
        d->EdDoDnia->setDate(QDate(2003, 7, 5));
        QTest::mouseClick(d->PostBtn, Qt::LeftButton);
        stayedOpen = d->isVisible();
        QTest::mouseClick(d->CancelBtn, Qt::LeftButton);
    });
    DrukujLog(*dm, placement, nullptr);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(warnings, QStringList{QStringLiteral("Błędny zakres dat.")});
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<TRpStandardPreview *>(w) && w->isVisible());
}

TEST_F(LogBookPreview, TheDialogOpensWithTheCurrentMonthAndKeepsItsPlace)
{
    QPoint where;
    WhenShown<TParamDrukLog>([&](TParamDrukLog *d) {
        const QDate today = QDate::currentDate();
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Wydruk łączności"));
        EXPECT_EQ(d->EdOkres->currentIndex(), 0);
        EXPECT_EQ(DateFields(*d), QStringList({"EdOdDnia: TDateTimeEdit", "EdDoDnia: TDateTimeEdit"}));
        EXPECT_EQ(d->EdOdDnia->date(), QDate(today.year(), today.month(), 1));
        EXPECT_EQ(d->EdDoDnia->date(), QDate(today.year(), today.month(), today.daysInMonth()));
        d->move(123, 77);
        where = d->pos();
        d->reject();
    });
    DrukujLog(*dm, placement, nullptr);
    TWindow stored;
    stored.AppKey = QStringLiteral("Quarn");
    stored.SetWindowSection(QStringLiteral("ParamDrukLog"));
    ASSERT_TRUE(stored.LoadWindowPlacement());
    EXPECT_EQ(QPoint(stored.Left, stored.Top), where);
}

// Grabs the date-range dialog and the preview of a 60-QSO log book to the PNG
// named by QUARN_SCREENSHOT (the dialog as "…-dialog.png").
TEST_F(LogBookPreview, Screenshot)
{
    const QString path = qEnvironmentVariable("QUARN_SCREENSHOT");
    if (path.isEmpty())
        GTEST_SKIP() << "set QUARN_SCREENSHOT to a PNG path";
    InsertQsos(dm->Baza, SampleQsos(60));
    bool saved = false;
    WhenShown<TParamDrukLog>([&](TParamDrukLog *d) {
        d->EdOkres->setCurrentIndex(4);
        d->EdOdDnia->setDate(QDate(2003, 7, 5));
        d->EdDoDnia->setDate(QDate(2003, 7, 5));
        QString name = path;
        d->grab().save(name.replace(QStringLiteral(".png"), QStringLiteral("-dialog.png")));
        QTest::mouseClick(d->PostBtn, Qt::LeftButton);
    });
    WhenShown<TRpStandardPreview>(
        [&](TRpStandardPreview *preview) {
            preview->resize(1200, 800);
            QTest::qWait(300);
            saved = preview->grab().save(path);
            preview->close();
        },
        [](TRpStandardPreview *preview) {
            return preview->RpPrinter && preview->RpPrinter->Status() == rpStatusFinished;
        });
    DrukujLog(*dm, placement, nullptr);
    EXPECT_TRUE(saved);
}

// Pages past the memory limit go to a temporary file. When none can be made
// the error is told and the preview goes; once the folder is usable the same
// log book is shown.
TEST_F(LogBookPreview, PagesThatCannotGoToATemporaryFileAreToldAndTheNextTryShowsThem)
{
    InsertQsos(dm->Baza, SampleQsos(400));
    const QString notAFolder = dir.filePath(QStringLiteral("file"));
    QFile(notAFolder).open(QIODevice::WriteOnly);
    const QByteArray savedTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", notAFolder.toLocal8Bit());
    AnswerDialog(QDate(2003, 7, 5), QDate(2003, 7, 31));
    DrukujLog(*dm, placement, nullptr);
    qputenv("TMPDIR", savedTmp);
    if (savedTmp.isEmpty())
        qunsetenv("TMPDIR");
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("Nie można utworzyć pliku tymczasowego")))
        << warnings[0].toStdString();
    QCoreApplication::processEvents();
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<TRpStandardPreview *>(w) && w->isVisible());

    int pages = 0;
    QStringList lastPage;
    AnswerDialog(QDate(2003, 7, 5), QDate(2003, 7, 31));
    WhenShown<TRpStandardPreview>(
        [&](TRpStandardPreview *preview) {
            pages = preview->RpPrinter->PageCount();
            lastPage = preview->RpPrinter->GetPage(pages)->texts();
            preview->close();
        },
        [](TRpStandardPreview *preview) {
            return preview->RpPrinter && preview->RpPrinter->Status() == rpStatusFinished;
        });
    DrukujLog(*dm, placement, nullptr);
    EXPECT_EQ(pages, 15);
    EXPECT_TRUE(lastPage.contains(SampleQsos(400).back().Data.toString("yyyy-MM-dd HH:mm:ss")));
    EXPECT_EQ(warnings.size(), 1);
}
