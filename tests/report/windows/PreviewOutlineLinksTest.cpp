#include "PreviewFixture.h"

#include "report/SampleDocument.h"
#include "report/pages/RpExportFilter.h"
#include "report/pages/RpPageList.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

namespace {

// Takes the URLs the desktop would open for the test's own scheme.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QStringList urls;
public slots:
    void open(const QUrl &url) { urls << url.toString(); }
};

// Writes each page's texts, one a line, under a line naming the page.
class TextFilter : public TRpExportFilter {
public:
    using TRpExportFilter::TRpExportFilter;
    void BeginDoc(int) override
    {
        file_.setFileName(FileName);
        if (!file_.open(QIODevice::WriteOnly))
            throw ERpError(QStringLiteral("Nie można zapisać pliku ") + FileName);
    }
    void NewPage(int pageNumber, const PagePicture &page) override
    {
        file_.write(QStringLiteral("== %1\n").arg(pageNumber).toUtf8());
        file_.write((page.texts().join(u'\n') + u'\n').toUtf8());
    }
    void EndDoc() override { file_.close(); }

private:
    QFile file_;
};

QByteArray fileBytes(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}

TEST_F(PreviewFixture, TheOutlineTreeHoldsTheEntriesAndChoosingANodeShowsItsPage)
{
    TRpOutline &outline = Printer->PageList().Outline();
    outline.Add({QStringLiteral("Dziennik stacji"), 0, QRect(), 1, 1});
    outline.Add({QStringLiteral("Maj 2024"), 1, QRect(), 2, 2});
    outline.Add({QStringLiteral("Łączności SSB"), 2, QRect(), 3, 3});
    outline.Add({QStringLiteral("Czerwiec"), 1, QRect(), 0, 4}); // no page of its own
    QTreeWidget tree;
    tree.resize(300, 300);
    Window->GotoPage(2);
    Window->RpPreview->SetOutline(&tree);
    EXPECT_EQ(Page(), 2) << "filling the tree chooses no node";
    EXPECT_EQ(Window->RpPreview->Outline(), &tree);
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    QTreeWidgetItem *top = tree.topLevelItem(0);
    EXPECT_EQ(top->text(0), "Dziennik stacji");
    ASSERT_EQ(top->childCount(), 2);
    EXPECT_EQ(top->child(0)->text(0), "Maj 2024");
    EXPECT_EQ(top->child(1)->text(0), "Czerwiec");
    ASSERT_EQ(top->child(0)->childCount(), 1);
    QTreeWidgetItem *ssb = top->child(0)->child(0);
    EXPECT_EQ(ssb->text(0), "Łączności SSB");

    tree.setCurrentItem(ssb);
    EXPECT_EQ(Page(), 3);
    EXPECT_EQ(Status(1), "Strona 3 z 3");
    EXPECT_EQ(Window->ThumbGrid->currentRow(), 2);
    tree.setCurrentItem(top->child(1));
    EXPECT_EQ(Page(), 3) << "an entry on page 0 shows nothing";

    // Clicking the node that is already current shows its page again.
    tree.setCurrentItem(ssb);
    Window->FirstPage->trigger();
    ASSERT_EQ(Page(), 1);
    tree.show();
    tree.expandAll();
    QApplication::processEvents();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(ssb).center());
    EXPECT_EQ(Page(), 3);
    EXPECT_EQ(Status(1), "Strona 3 z 3");

    // A control handed another printer shows that printer's outline.
    TRpPrinter a, b;
    PrintSampleDocument(a, 1);
    PrintSampleDocument(b, 2);
    a.PageList().Outline().Add({QStringLiteral("A"), 0, QRect(), 1, 7});
    b.PageList().Outline().Add({QStringLiteral("B1"), 0, QRect(), 1, 8});
    b.PageList().Outline().Add({QStringLiteral("B2"), 0, QRect(), 2, 9});
    QTreeWidget other;
    {
        TRpPreview preview;
        preview.SetRpPrinter(&a);
        preview.SetOutline(&other);
        ASSERT_EQ(other.topLevelItemCount(), 1);
        EXPECT_EQ(other.topLevelItem(0)->text(0), "A");
        preview.SetRpPrinter(&b);
        EXPECT_EQ(a.PageList().Outline().TreeView(), nullptr);
        ASSERT_EQ(other.topLevelItemCount(), 2);
        other.setCurrentItem(other.topLevelItem(1));
        EXPECT_EQ(preview.PageNumber(), 2);
    }
    EXPECT_EQ(b.PageList().Outline().TreeView(), nullptr) << "a freed control leaves no view behind";

    Window->close();
    EXPECT_EQ(outline.TreeView(), nullptr) << "the printer outlives its window";
    EXPECT_EQ(tree.topLevelItemCount(), 0);
}

TEST_F(PreviewFixture, APointerOverALinkShowsAHandAndReleasingFollowsTheLinkUnlessTheHandlerTookIt)
{
    TRpPreviewImage *image = Window->RpPreview->PreviewImage;
    Window->RpPreview->SetZoom(200);
    const auto area = [](int top, const char *link) {
        return TRpHyperlink{QRect(QPoint(101, top), QPoint(199, top + 19)), QString::fromUtf8(link)};
    };
    image->Hyperlinks = {area(100, "ext:quarntest:strona"), area(200, "INT:qso:5"),
                         area(300, "quarntest:inny"), area(400, "qso:6")};
    // Page units are image pixels over the zoom, rounded half to even; edges belong to the area.
    const struct {
        QPoint at;
        bool inside;
    } edges[] = {{{201, 220}, false}, {{202, 220}, true},  {{203, 220}, true},
                 {{398, 238}, true},  {{399, 238}, false}, {{398, 239}, false}};
    for (const auto &e : edges)
        EXPECT_EQ(!image->LinkAt(e.at).isEmpty(), e.inside) << e.at.x() << ',' << e.at.y();

    static const char *const names[] = {"over", "away", "goto", "new window"};
    QStringList events;
    bool takeIt = false;
    Window->RpPreview->SetOnHyperlink(
        [&](QObject *sender, TRpHyperlinkEventType type, const QString &link, bool &handled) {
            EXPECT_EQ(sender, image);
            events << QString::fromLatin1(names[type]) + ' ' + link;
            handled = takeIt;
        });
    UrlCatcher desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("quarntest"), &desktop, "open");
    QStringList internal;
    RpHyperlinks::RegisterHandler(QStringLiteral("qso:"), [&](const QString &rest) { internal << rest; });

    const auto mouse = [&](QEvent::Type type, QPoint at) {
        QMouseEvent e(type, at, image->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(image, &e);
    };
    const QPoint overExt(300, 220), overInt(300, 420), overOther(300, 620), overQso(300, 820), off(20, 20);
    mouse(QEvent::MouseMove, off);
    EXPECT_TRUE(events.isEmpty());
    mouse(QEvent::MouseMove, overExt);
    mouse(QEvent::MouseMove, overExt + QPoint(10, 5));
    EXPECT_EQ(events, QStringList({"over ext:quarntest:strona"}));
    EXPECT_EQ(image->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(image->OverLink());
    mouse(QEvent::MouseMove, overInt);
    EXPECT_EQ(events.last(), "over INT:qso:5") << "straight onto another link";
    mouse(QEvent::MouseMove, off);
    EXPECT_EQ(events.last(), "away ");
    EXPECT_NE(image->cursor().shape(), Qt::PointingHandCursor);
    mouse(QEvent::MouseMove, overExt);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(image, &leave);
    EXPECT_EQ(events.last(), "away ") << "leaving the image leaves the link";
    EXPECT_FALSE(image->OverLink());

    events.clear();
    mouse(QEvent::MouseButtonRelease, overExt);
    mouse(QEvent::MouseButtonRelease, overInt);
    mouse(QEvent::MouseButtonRelease, overOther);
    mouse(QEvent::MouseButtonRelease, overQso);
    mouse(QEvent::MouseButtonRelease, off);
    EXPECT_EQ(events, QStringList({"goto ext:quarntest:strona", "goto INT:qso:5", "goto quarntest:inny",
                                   "goto qso:6"}));
    EXPECT_EQ(desktop.urls, QStringList({"quarntest:strona", "quarntest:inny"}));
    EXPECT_EQ(internal, QStringList({"5", "6"}));

    takeIt = true;
    mouse(QEvent::MouseButtonRelease, overExt);
    mouse(QEvent::MouseButtonRelease, overQso);
    EXPECT_EQ(desktop.urls.size(), 2) << "a handled link is not followed";
    EXPECT_EQ(internal.size(), 2);

    QDesktopServices::unsetUrlHandler(QStringLiteral("quarntest"));
    RpHyperlinks::UnregisterHandler(QStringLiteral("qso:"));
}

TEST_F(PreviewFixture, SaveOffersEveryExportFilterAndWritesThroughTheOneChosen)
{
    TRpExportFilterLibrary &library = TRpExportFilterLibrary::Instance();
    library.Register({QStringLiteral("Tekst"), QStringLiteral("txt"),
                      [](const QString &file) { return std::make_unique<TextFilter>(file); }});
    const auto save = [&](const QString &name, int kind) {
        QStringList filters;
        Answer<QFileDialog>([&](QFileDialog *d) {
            filters = d->nameFilters();
            auto *kinds = d->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            for (int i = 0; kinds && i < kind; ++i)
                QTest::keyClick(kinds, Qt::Key_Down);
            d->selectFile(name);
            static_cast<QDialog *>(d)->accept();
        });
        Window->SaveReport->trigger();
        return filters;
    };

    EXPECT_EQ(save(Dir.filePath(QStringLiteral("wynik")), 1),
              QStringList({"Report file (*.RPP)", "Tekst (*.txt)"}));
    EXPECT_FALSE(QFile::exists(Dir.filePath(QStringLiteral("wynik.RPP"))));
    const QByteArray text = fileBytes(Dir.filePath(QStringLiteral("wynik.txt")));
    EXPECT_TRUE(text.startsWith("== 1\nDziennik stacji SP5QRN\nStrona 1\n")) << text.left(80).constData();
    EXPECT_TRUE(text.contains("== 3\nDziennik stacji SP5QRN\nStrona 3\nABC DEF\n"));
    EXPECT_TRUE(text.contains(QStringLiteral("Zażółć gęślą jaźń").toUtf8()));

    save(Dir.filePath(QStringLiteral("kopia")), 0);
    TRpPrinter loaded;
    loaded.Load(Dir.filePath(QStringLiteral("kopia.RPP")));
    EXPECT_EQ(loaded.PageCount(), 3);

    save(Dir.filePath(QStringLiteral("brak/wynik.txt")), 1);
    EXPECT_EQ(Warnings,
              QStringList({"Nie można zapisać pliku " + Dir.filePath(QStringLiteral("brak/wynik.txt"))}));
    library.Unregister(QStringLiteral("Tekst"));
}

#include "PreviewOutlineLinksTest.moc"
