#include "report/windows/FRpPreview.h"

#include "platform/print/PagePicture.h"
#include "report/windows/RpPagePaint.h"
#include "report/windows/RpPreview.h"

#include <QAction>
#include <QActionGroup>
#include <QCache>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

QString StatusText;

// Paints page row + 1 of the preview's printer as a thumbnail with its number.
// A page once drawn is kept as a picture of its thumbnail: while pages arrive
// the grid repaints after each one, and replaying every visible page each time
// made a long report many times slower to generate than without the window.
class ThumbDelegate : public QStyledItemDelegate {
public:
    ThumbDelegate(TRpStandardPreview *preview, const int &margin)
        : QStyledItemDelegate(preview), preview_(preview), margin_(margin)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const QRect cell = option.rect;
        const QRect r(QPoint(cell.left() + margin_, cell.top() + 10),
                      QPoint(cell.right() - 30, cell.bottom() - 10));
        if (r.width() > 0 && r.height() > 0) {
            if (const QPixmap *thumb =
                    Thumbnail(index.row() + 1, r.size(), painter->device()->devicePixelRatioF()))
                painter->drawPixmap(r.topLeft(), *thumb);
        }
        painter->save();
        painter->setPen(Qt::black);
        const QString number = QString::number(index.row() + 1);
        const QRect textRect = painter->fontMetrics().boundingRect(number).translated(cell.topLeft());
        painter->fillRect(QRect(cell.topLeft(), textRect.size()), preview_->palette().button());
        painter->drawText(QRect(cell.topLeft(), textRect.size()), Qt::AlignLeft | Qt::AlignTop, number);
        painter->restore();
    }

    // Forgets the pictures when the pages behind them change.
    void Clear() { cache_.clear(); }
    int Rendered() const { return rendered_; }

private:
    const QPixmap *Thumbnail(int n, const QSize &size, qreal ratio) const
    {
        if (const QPixmap *kept = cache_.object(n); kept && kept->deviceIndependentSize().toSize() == size)
            return kept;
        const std::optional<PagePicture> page = PageToShow(preview_->RpPrinter, n);
        if (!page)
            return nullptr;
        auto *thumb = new QPixmap(size * ratio);
        thumb->setDevicePixelRatio(ratio);
        thumb->fill(Qt::transparent);
        QPainter p(thumb);
        PaintPage(p, QRect(QPoint(0, 0), size), &*page);
        p.end();
        ++rendered_;
        cache_.insert(n, thumb);
        return thumb;
    }

    TRpStandardPreview *preview_;
    const int &margin_;
    mutable QCache<int, QPixmap> cache_{64};
    mutable int rendered_ = 0;
};

namespace {

QAction *toolButton(QToolBar *bar, QStyle::StandardPixmap icon, const QString &hint)
{
    QAction *a = bar->addAction(bar->style()->standardIcon(icon), hint);
    a->setToolTip(hint);
    return a;
}

// A printer drawn in a few strokes (the style has none); the set-up one carries a dot row.
QIcon printerIcon(bool setup)
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 1.5, 9, 6));
    p.setBrush(QColor(120, 130, 150));
    p.drawRoundedRect(QRectF(1.5, 7.5, 17, 7), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 12.5, 9, 6));
    if (setup) {
        p.setPen(QPen(QColor(60, 60, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 8; ++i) {
            const QLineF tooth = QLineF::fromPolar(4.6, i * 45).translated(14.5, 14.5);
            p.drawLine(QPointF(14.5, 14.5), tooth.p2());
        }
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.setBrush(QColor(240, 200, 60));
        p.drawEllipse(QPointF(14.5, 14.5), 3.2, 3.2);
    }
    return QIcon(pm);
}

QAction *iconButton(QToolBar *bar, const QIcon &icon, const QString &hint)
{
    QAction *a = bar->addAction(icon, hint);
    a->setToolTip(hint);
    return a;
}

QAction *textButton(QToolBar *bar, const QString &text, const QString &hint)
{
    QAction *a = bar->addAction(text);
    a->setToolTip(hint);
    a->setCheckable(true);
    return a;
}

}

TRpStandardPreview::TRpStandardPreview(QWidget *owner, TRpPrinter *printer)
    : QWidget(owner, Qt::Window), RpPrinter(printer)
{
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();

    const TRpPreviewOptions &o = printer->PreviewOptions;
    int zoom = 100;
    if (o.FromReport) {
        resize(std::max(1, o.Width), std::max(1, o.Height));
        ShowThumbs = o.ShowThumbs;
        ShowSearch = o.ShowSearch;
        InitialZoomState = o.InitialZoom;
        zoom = o.Zoom;
        Landscape = o.Landscape;
        if (o.Maximized)
            setWindowState(Qt::WindowMaximized);
    } else {
        resize(833, 601);
        setWindowState(Qt::WindowMaximized);
        Landscape = printer->Orientation();
    }
    if (!o.FromReport || o.StayOnTop)
        setWindowFlag(Qt::WindowStaysOnTopHint);
    StatusText = printer->Title();

    RpPreview->SetRpPrinter(printer);
    printer->SetOrientation(Landscape);
    if (!printer->Title().isEmpty())
        setWindowTitle(QStringLiteral("Podgląd wydruku: ") + printer->Title());

    ThumbGrid->setRowCount(1);
    const bool tabs = ShowThumbs || ShowSearch;
    Tabs->setVisible(tabs);
    if (tabs && printer->PageCount() > 0)
        ThumbGrid->setRowCount(printer->PageCount());
    Tabs->setTabVisible(0, ShowThumbs);
    FindButton->setVisible(ShowSearch);
    Tabs->setTabVisible(1, ShowSearch);
    applyInitialZoom(zoom);
    // Pages finished before the window opened count as arrived.
    if (printer->Status() == rpStatusFinished)
        pageAvailable(printer->PageCount());

    connect(RpPreview, &TRpPreview::PageAvailable, this, &TRpStandardPreview::pageAvailable);
    connect(RpPreview, &TRpPreview::ProgressUpdate, this, &TRpStandardPreview::ShowProgress);
    connect(RpPreview, &TRpPreview::OutlinePageChosen, this, &TRpStandardPreview::GotoPage);
    connect(RpPreview, &TRpPreview::PrinterFreed, this, [this] {
        RpPrinter = nullptr;
        UpdateStatusBar();
    });
}

TRpStandardPreview::~TRpStandardPreview() = default;

void TRpStandardPreview::createControls()
{
    setWindowTitle(QStringLiteral("Podgląd wydruku: "));
    ToolBar1 = new QToolBar(this);
    ToolBar1->setIconSize(QSize(20, 20));
    ZoomGroup = new QActionGroup(this);
    ZoomFit = textButton(ToolBar1, QStringLiteral("Cała"), QStringLiteral("Cała strona"));
    ZoomToWidth = textButton(ToolBar1, QStringLiteral("Szerokość"), QStringLiteral("Szerokość strony"));
    Zoom100 = textButton(ToolBar1, QStringLiteral("100%"), QStringLiteral("100%"));
    for (QAction *a : {ZoomFit, ZoomToWidth, Zoom100})
        ZoomGroup->addAction(a);
    ToolBar1->addSeparator();
    FirstPage = toolButton(ToolBar1, QStyle::SP_MediaSkipBackward, QStringLiteral("Pierwsza strona"));
    PreviousPage = toolButton(ToolBar1, QStyle::SP_MediaSeekBackward, QStringLiteral("Poprzednia strona"));
    nextPage = toolButton(ToolBar1, QStyle::SP_MediaSeekForward, QStringLiteral("Następna strona"));
    LastPage = toolButton(ToolBar1, QStyle::SP_MediaSkipForward, QStringLiteral("Ostatnia strona"));
    GotoPageButton = toolButton(ToolBar1, QStyle::SP_ArrowForward, QStringLiteral("Wybierz stronę"));
    FindButton = toolButton(ToolBar1, QStyle::SP_FileDialogContentsView, QStringLiteral("Szukaj"));
    ToolBar1->addSeparator();
    PrintSetup = iconButton(ToolBar1, printerIcon(true), QStringLiteral("Ustawienia wydruku"));
    Print = iconButton(ToolBar1, printerIcon(false), QStringLiteral("Drukuj"));
    SaveReport = toolButton(ToolBar1, QStyle::SP_DialogSaveButton, QStringLiteral("Zapisz"));
    LoadReport = toolButton(ToolBar1, QStyle::SP_DialogOpenButton, QStringLiteral("Wczytaj"));
    // Usable once the pages are all made: a set-up confirmed during the run
    // would change the paper under the page being filled.
    for (QAction *a : {PrintSetup, Print, SaveReport, LoadReport})
        a->setEnabled(false);
    ToolBar1->addSeparator();
    ExitButton = ToolBar1->addAction(QStringLiteral("&Zamknij"));
    ExitButton->setToolTip(QStringLiteral("Zamknij"));
    // A tool bar gives its actions no mnemonic of their own.
    ExitButton->setShortcut(QKeySequence::mnemonic(ExitButton->text()));

    Splitter = new QSplitter(this);
    Tabs = new QTabWidget(Splitter);
    TabThumbs = new QWidget;
    ThumbGrid = new QTableWidget(1, 1, TabThumbs);
    ThumbGrid->horizontalHeader()->hide();
    ThumbGrid->verticalHeader()->hide();
    ThumbGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ThumbGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    ThumbGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ThumbGrid->setShowGrid(false);
    ThumbGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ThumbGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    thumbs_ = new ThumbDelegate(this, thumbMargin_);
    ThumbGrid->setItemDelegate(thumbs_);
    ThumbGrid->installEventFilter(this);
    Tabs->installEventFilter(this);
    (new QVBoxLayout(TabThumbs))->addWidget(ThumbGrid);
    TabThumbs->layout()->setContentsMargins(0, 0, 0, 0);
    Tabs->addTab(TabThumbs, QStringLiteral("Miniatury"));

    TabSearchResult = new QWidget;
    GroupBox1 = new QGroupBox(QStringLiteral("Szukany tekst"), TabSearchResult);
    SearchTextLabel = new QLabel(GroupBox1);
    (new QVBoxLayout(GroupBox1))->addWidget(SearchTextLabel);
    SearchResultBox = new QListWidget(TabSearchResult);
    auto *searchLayout = new QVBoxLayout(TabSearchResult);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    searchLayout->addWidget(GroupBox1);
    searchLayout->addWidget(SearchResultBox);
    Tabs->addTab(TabSearchResult, QStringLiteral("Wyniki wyszukiwania"));
    SearchResultBox->installEventFilter(this);
    Tabs->setMinimumWidth(120);

    RpPreview = new TRpPreview(Splitter);
    RpPreview->horizontalScrollBar()->setSingleStep(52);
    RpPreview->verticalScrollBar()->setSingleStep(43);
    RpPreview->viewport()->installEventFilter(this);
    RpPreview->installEventFilter(this);
    Splitter->setStretchFactor(1, 1);
    // Wide enough for both tab captions in the font in use.
    Splitter->setSizes({std::max(193, Tabs->tabBar()->sizeHint().width() + 4), 640});

    StatusBar = new QStatusBar(this);
    const int widths[3] = {40, 120, 50};
    for (int i = 0; i < 3; ++i) {
        StatusPanels[i] = new QLabel(StatusBar);
        StatusPanels[i]->setMinimumWidth(widths[i]);
        StatusBar->addWidget(StatusPanels[i], i == 2 ? 1 : 0);
    }
    StatusPanels[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    StatusPanels[0]->setText(QStringLiteral("0%"));
    StatusPanels[1]->setText(QStringLiteral("Strona"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(Splitter, 1);
    layout->addWidget(StatusBar);

    connect(ZoomFit, &QAction::triggered, this, [this] { RpPreview->ZoomToFit(); });
    connect(ZoomToWidth, &QAction::triggered, this, [this] { RpPreview->ZoomToWidth(); });
    connect(Zoom100, &QAction::triggered, this, [this] { RpPreview->SetZoom(100); });
    connect(FirstPage, &QAction::triggered, this, &TRpStandardPreview::FirstPageClick);
    connect(PreviousPage, &QAction::triggered, this, &TRpStandardPreview::PreviousPageClick);
    connect(nextPage, &QAction::triggered, this, &TRpStandardPreview::NextPageClick);
    connect(LastPage, &QAction::triggered, this, &TRpStandardPreview::LastPageClick);
    connect(GotoPageButton, &QAction::triggered, this, &TRpStandardPreview::GotoPageClick);
    connect(FindButton, &QAction::triggered, this, &TRpStandardPreview::FindClick);
    connect(PrintSetup, &QAction::triggered, this, &TRpStandardPreview::PrintSetupClick);
    connect(Print, &QAction::triggered, this, &TRpStandardPreview::PrintClick);
    connect(SaveReport, &QAction::triggered, this, &TRpStandardPreview::SaveReportClick);
    connect(LoadReport, &QAction::triggered, this, &TRpStandardPreview::LoadReportClick);
    connect(ExitButton, &QAction::triggered, this, &QWidget::close);
    connect(ThumbGrid, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { thumbRowSelected(row); });
    connect(SearchResultBox, &QListWidget::itemClicked, this, &TRpStandardPreview::SearchResultClick);
}

void TRpStandardPreview::applyInitialZoom(int zoom)
{
    if (InitialZoomState == rpZoomToFit) {
        RpPreview->ZoomToFit();
        ZoomFit->setChecked(true);
    } else if (InitialZoomState == rpZoomToWidth) {
        RpPreview->ZoomToWidth();
        ZoomToWidth->setChecked(true);
    } else {
        RpPreview->SetZoom(zoom);
        RpPreview->UpdateZoom();
        Zoom100->setChecked(true);
    }
}

void TRpStandardPreview::Show()
{
    show();
    UpdateStatusBar();
}

void TRpStandardPreview::UpdateStatusBar()
{
    const int count = RpPrinter ? RpPrinter->PageCount() : 0;
    StatusPanels[1]->setText(QStringLiteral("Strona") + ' ' + QString::number(RpPreview->PageNumber()) + ' ' +
                             QStringLiteral("z") + ' ' + QString::number(count));
    StatusPanels[2]->setText(StatusText);
}

void TRpStandardPreview::ShowProgress(int progress)
{
    if (progress == 0 || progress >= 100) {
        StatusPanels[0]->clear();
        lastProgressShown_ = progress;
    } else if (progress >= lastProgressShown_ + 5) {
        StatusPanels[0]->setText(QString::number(progress) + '%');
        lastProgressShown_ = progress;
    }
}

void TRpStandardPreview::pageAvailable(int)
{
    UpdateStatusBar();
    if (!RpPrinter)
        return;
    const int count = RpPrinter->PageCount();
    if (finished()) {
        PrintSetup->setEnabled(true);
        Print->setEnabled(true);
        SaveReport->setEnabled(!RpPrinter->FileLoaded());
        LoadReport->setEnabled(true);
        ThumbGrid->setRowCount(std::max(1, count));
    } else {
        ThumbGrid->setRowCount(std::max(1, count - 1));
    }
    thumbsResized();
    ThumbGrid->viewport()->update();
}

int TRpStandardPreview::ThumbnailsRendered() const
{
    return thumbs_->Rendered();
}

void TRpStandardPreview::clearThumbnails()
{
    thumbs_->Clear();
}

void TRpStandardPreview::thumbsResized()
{
    if (!RpPrinter)
        return;
    thumbTextHeight_ = ThumbGrid->fontMetrics().boundingRect(QStringLiteral("P")).height();
    const int columnWidth = ThumbGrid->viewport()->width() - 4;
    thumbWidth_ = columnWidth - 20;
    const TPrinterSettings &s = RpPrinter->PrinterSettings();
    const int across = Landscape ? s.PaperLength() : s.PaperWidth();
    const int down = Landscape ? s.PaperWidth() : s.PaperLength();
    if (across <= 0 || down <= 0 || thumbWidth_ <= 0)
        return;
    const double scale = double(thumbWidth_) / across;
    thumbRowHeight_ = std::max(1, int(std::lrint(down * scale - thumbTextHeight_)));
    thumbMargin_ = int(std::lrint((columnWidth - thumbWidth_) / 2.0));
    // Setting a header's sizes walks all its rows: only on a change.
    if (ThumbGrid->columnWidth(0) != columnWidth)
        ThumbGrid->setColumnWidth(0, columnWidth);
    if (ThumbGrid->verticalHeader()->defaultSectionSize() != thumbRowHeight_)
        ThumbGrid->verticalHeader()->setDefaultSectionSize(thumbRowHeight_);
}

void TRpStandardPreview::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    RpPreview->UpdateZoom();
    thumbsResized();
}
