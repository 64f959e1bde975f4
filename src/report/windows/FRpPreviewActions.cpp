#include "report/windows/FRpPreview.h"

#include "controls/FileNameEdit.h"
#include "platform/Messages.h"
#include "platform/gui/DialogFolder.h"
#include "platform/gui/Guarded.h"
#include "platform/gui/Printer.h"
#include "platform/gui/TitleBar.h"
#include "platform/print/PagePicture.h"
#include "report/layout/RpReport.h"
#include "report/pages/RpExportFilter.h"
#include "report/pages/RpPageList.h"
#include "report/pages/RpPageSearch.h"
#include "report/windows/FSearchDlg.h"
#include "report/windows/RpPagePaint.h"
#include "report/windows/RpPreview.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QWheelEvent>

bool TRpStandardPreview::generating() const
{
    return RpPrinter && RpPrinter->Status() == rpStatusBusy;
}

bool TRpStandardPreview::finished() const
{
    return RpPrinter && RpPrinter->Status() == rpStatusFinished;
}

int TRpStandardPreview::lastPage() const
{
    if (!RpPrinter)
        return 1;
    return RpPrinter->Status() == rpStatusFinished ? RpPrinter->PageCount() : RpPrinter->PageCount() - 1;
}

void TRpStandardPreview::GotoPage(int n)
{
    RpPreview->SetPageNumber(n);
    UpdateStatusBar();
    if (RpPrinter && n >= 1 && n <= RpPrinter->PageCount() && n <= ThumbGrid->rowCount())
        selectThumb(n);
}

void TRpStandardPreview::selectThumb(int n)
{
    const bool wasSyncing = syncing_;
    syncing_ = true;
    ThumbGrid->setCurrentCell(n - 1, 0);
    syncing_ = wasSyncing;
}

void TRpStandardPreview::thumbRowSelected(int row)
{
    if (syncing_ || row < 0)
        return;
    if (row + 1 != RpPreview->PageNumber())
        GotoPage(row + 1);
}

void TRpStandardPreview::FirstPageClick()
{
    GotoPage(1);
}

void TRpStandardPreview::PreviousPageClick()
{
    GotoPage(RpPreview->PageNumber() - 1);
}

void TRpStandardPreview::NextPageClick()
{
    GotoPage(RpPreview->PageNumber() + 1);
}

void TRpStandardPreview::LastPageClick()
{
    GotoPage(lastPage());
}

int TRpStandardPreview::PageFromText(const QString &text, int pageCount)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n >= 1 && n <= pageCount ? n : 1;
}

void TRpStandardPreview::GotoPageClick()
{
    if (!RpPrinter)
        return;
    const int count = RpPrinter->PageCount();
    QInputDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Numer strony [od 1 do %1]").arg(count));
    dialog.setLabelText(QStringLiteral("Numer strony"));
    dialog.setTextValue(QString::number(RpPreview->PageNumber()));
    dialog.setCancelButtonText(QStringLiteral("Anuluj"));
    // The box is narrower than its caption, which the title bar would cut
    // short: its edit field widens it to leave room for the caption.
    if (auto *edit = dialog.findChild<QLineEdit *>())
        edit->setMinimumWidth(TitleBarWidth(dialog));
    if (dialog.exec() == QDialog::Accepted)
        GotoPage(PageFromText(dialog.textValue(), count));
}

void TRpStandardPreview::FindClick()
{
    if (generating() || searching_)
        return;
    TSearchDlg dialog(this);
    dialog.exec();
    if (!dialog.Cancelled)
        Search(dialog.SearchText(), dialog.MatchCase());
}

bool TRpStandardPreview::Search(const QString &text, bool matchCase)
{
    if (!RpPrinter || searching_)
        return false;
    searching_ = true;
    SearchResultBox->setEnabled(true);
    SearchTextLabel->setText(text);
    SearchResultBox->clear();
    for (int i = 1; i <= RpPrinter->PageCount(); ++i) {
        const std::optional<PagePicture> page = PageToShow(RpPrinter, i);
        if (page && SearchPageText(text, *page, matchCase)) {
            auto *item =
                new QListWidgetItem(QStringLiteral("Strona") + ' ' + QString::number(i), SearchResultBox);
            item->setData(Qt::UserRole, i);
        }
    }
    const bool found = SearchResultBox->count() > 0;
    if (!found) {
        SearchResultBox->addItem(QStringLiteral("Podany tekst nie został znaleziony"));
        SearchResultBox->setEnabled(false);
    }
    if (ShowSearch)
        Tabs->setCurrentWidget(TabSearchResult);
    searching_ = false;
    return found;
}

void TRpStandardPreview::SearchResultClick()
{
    const QListWidgetItem *item = SearchResultBox->currentItem();
    const int n = item ? item->data(Qt::UserRole).toInt() : 0;
    GotoPage(RpPrinter && n >= 1 && n <= RpPrinter->PageCount() ? n : 1);
}

QString TRpStandardPreview::askFileName(bool save, const QString &title, const QString &filter,
                                        int *filterIndex)
{
    QFileDialog dialog(this, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = TFileNameEdit::NameFilters(filter);
    // Each pair's extension, from its first pattern.
    QStringList suffixes;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 1; i < parts.size(); i += 2)
        suffixes << parts.at(i).section(u';', 0, 0).trimmed().remove(QStringLiteral("*."));
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(RppDefaultSuffix);
    // A name typed without an extension takes the chosen kind's.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &chosen) {
        dialog.setDefaultSuffix(suffixes.value(filters.indexOf(chosen), RppDefaultSuffix));
    });
    const QString file = ExecFileDialog(dialog);
    if (!file.isEmpty() && filterIndex)
        *filterIndex = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
    return file;
}

void TRpStandardPreview::PrintClick()
{
    if (!finished())
        return;
    PrintDevice *device = RpPrinter->Printer();
    if (device && !device->HasPrinters()) {
        const QString pdf = Printer::AskPdfFileName(this);
        if (pdf.isEmpty())
            return;
        device->SetOutputFileName(pdf);
    }
    Guarded([this] { RpPrinter->Print(); });
}

void TRpStandardPreview::PrintSetupClick()
{
    if (!finished())
        return;
    if (PrintDevice *device = RpPrinter->Printer())
        device->Refresh();
    RpPrinter->PrinterSetup();
}

void TRpStandardPreview::SaveReportClick()
{
    if (!finished())
        return;
    const TRpExportFilterLibrary &library = TRpExportFilterLibrary::Instance();
    int index = 0;
    const QString name = askFileName(true, QStringLiteral("Zapisz"), library.SaveDialogFilter(), &index);
    if (name.isEmpty())
        return;
    Guarded([&] {
        if (index == 0) {
            RpPrinter->Save(name);
        } else if (index - 1 < library.Count()) {
            const std::unique_ptr<TRpExportFilter> filter = library.Filter(index - 1).Create(name);
            RpPrinter->ExportToFilter(*filter);
        }
    });
}

void TRpStandardPreview::LoadReportClick()
{
    if (!finished())
        return;
    const QString name = askFileName(false, QStringLiteral("Wczytaj"), RppLoadFilter);
    if (!name.isEmpty())
        LoadFile(name);
}

bool TRpStandardPreview::LoadFile(const QString &fileName)
{
    if (!finished())
        return false;
    if (!QFile::exists(fileName)) {
        Messages::ShowWarning(QStringLiteral("File does not exist"));
        return false;
    }
    if (!Guarded([&] { RpPrinter->Load(fileName); }))
        return false;
    StatusText = fileName;
    clearThumbnails();
    RpPreview->PreviewImage->Clear();
    RpPreview->SetPageNumber(1);
    Landscape = RpPrinter->Orientation();
    RpPrinter->SetOrientation(Landscape);
    // The report's page takes the file's paper, so that a print or a set-up
    // from here works on the pages shown.
    if (auto *report = qobject_cast<TCustomReport *>(RpPrinter->ParentReport)) {
        report->Page.SetPaperSize(TRpPaperSize(RpPrinter->PaperSize()));
        report->Page.SetOrientation(Landscape ? TRpOrientation::Landscape : TRpOrientation::Portrait);
    }
    RpPreview->UpdateZoom();
    if (RpPreview->ZoomState == rpZoomToFit)
        RpPreview->ZoomToFit();
    else if (RpPreview->ZoomState == rpZoomToWidth)
        RpPreview->ZoomToWidth();
    pageAvailable(RpPrinter->PageCount());
    selectThumb(1);
    Print->setEnabled(true);
    SaveReport->setEnabled(false);
    SaveReport->setVisible(false);
    return true;
}

void TRpStandardPreview::scrollUp()
{
    QScrollBar *bar = RpPreview->verticalScrollBar();
    const int step = bar->singleStep();
    if (bar->value() - step > 0) {
        bar->setValue(bar->value() - step);
        return;
    }
    if (RpPreview->PageNumber() <= 1) {
        bar->setValue(0);
        return;
    }
    PreviousPageClick();
    bar->setValue(std::max(0, bar->maximum() - step));
}

void TRpStandardPreview::scrollDown()
{
    QScrollBar *bar = RpPreview->verticalScrollBar();
    const int step = bar->singleStep();
    if (bar->value() + step < bar->maximum())
        bar->setValue(bar->value() + step);
    else
        NextPageClick();
}

void TRpStandardPreview::keyPressEvent(QKeyEvent *e)
{
    if (!eventFilter(this, e))
        QWidget::keyPressEvent(e);
}

bool TRpStandardPreview::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::Resize && watched == ThumbGrid) {
        thumbsResized();
        return false;
    }
    if (e->type() == QEvent::Wheel && watched == RpPreview->viewport()) {
        const int delta = static_cast<QWheelEvent *>(e)->angleDelta().y();
        if (delta >= 0 && delta <= 3000)
            scrollUp();
        else
            scrollDown();
        return true;
    }
    if (e->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, e);
    const auto *key = static_cast<QKeyEvent *>(e);
    const bool onlyCtrl = key->modifiers() == Qt::ControlModifier;
    switch (key->key()) {
    case Qt::Key_Escape: close(); return true;
    case Qt::Key_PageUp: onlyCtrl ? FirstPageClick() : PreviousPageClick(); return true;
    case Qt::Key_PageDown: onlyCtrl ? LastPageClick() : NextPageClick(); return true;
    case Qt::Key_End: LastPageClick(); return true;
    case Qt::Key_Home: FirstPageClick(); return true;
    case Qt::Key_Up: scrollUp(); return true;
    case Qt::Key_Down: scrollDown(); return true;
    default: return QWidget::eventFilter(watched, e);
    }
}

void TRpStandardPreview::closeEvent(QCloseEvent *e)
{
    if (generating()) {
        e->ignore();
        return;
    }
    if (TRpPrinter *printer = RpPrinter) {
        RpPrinter = nullptr;
        RpPreview->ReleasePrinter();
        printer->ClosePreview();
    }
    QApplication::processEvents();
    e->accept();
}
