#include "controls/SpeedButton.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
QImage Strip(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::blue);
    return img;
}
} // namespace

TEST(SpeedButton, NumGlyphsFollowsTheStripShape)
{
    TExSpeedButton b;
    b.SetGlyph(Strip(64, 16));
    EXPECT_EQ(b.NumGlyphs(), 4);
    TExSpeedButton tall;
    tall.SetGlyph(Strip(16, 96));
    EXPECT_EQ(tall.NumGlyphs(), 1);
    TExSpeedButton many;
    many.SetGlyph(Strip(96, 16));
    EXPECT_EQ(many.NumGlyphs(), 1);
    many.SetNumGlyphs(9);
    EXPECT_EQ(many.NumGlyphs(), 5);
}

TEST(SpeedButton, DerivedStateImages)
{
    TExSpeedButton b;
    QImage img = Strip(16, 16);
    img.setPixel(0, 15, qRgb(255, 0, 255)); // bottom-left: the transparent colour
    img.setPixel(5, 5, qRgb(255, 0, 0));
    b.SetGlyph(img);
    const TExButtonGlyph &g = b.ButtonGlyph();
    EXPECT_EQ(qAlpha(g.StateImage(bsUp).pixel(0, 15)), 0);
    const QRgb grey = g.StateImage(bsInactive).pixel(5, 5);
    EXPECT_EQ(qRed(grey), (255 * 77) >> 8);
    EXPECT_EQ(qRed(grey), qBlue(grey));
    EXPECT_EQ(g.StateImage(bsDown), g.StateImage(bsUp));
    EXPECT_NE(g.StateImage(bsDisabled), g.StateImage(bsUp));
}

TEST(SpeedButton, ClickAndModalResult)
{
    QDialog dialog;
    auto *b = new TExSpeedButton(&dialog);
    b->SetModalResult(2);
    QSignalSpy clicks(b, &TExSpeedButton::OnClick);
    dialog.show();
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(dialog.result(), 2);
    // Released outside the button: no click.
    dialog.show();
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(SpeedButton, GroupedButtonsAreExclusive)
{
    QWidget parent;
    auto *a = new TExSpeedButton(&parent);
    auto *b = new TExSpeedButton(&parent);
    b->move(30, 0);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    parent.show();
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(a->Down());
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), bsUp);
    // Without AllowAllUp the down button stays down.
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(b->Down());
    b->SetAllowAllUp(true);
    EXPECT_TRUE(a->AllowAllUp());
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(b->Down());

    TExSpeedButton single;
    single.SetDown(true);
    EXPECT_FALSE(single.Down());
    single.SetMargin(-2);
    EXPECT_EQ(single.Margin(), -1);
}

TEST(SpeedButton, DropDownMenuOpensBelowWithoutClick)
{
    QWidget parent;
    auto *b = new TExSpeedButton(&parent);
    b->SetCaption("Drukuj");
    b->resize(67, 44);
    b->SetFlat(true);
    b->SetMarkDropDown(false);
    QMenu menu;
    menu.addAction("&LOG - Łączności");
    menu.addAction("&QSL - Etykiety");
    b->SetDropDownMenu(&menu);
    QSignalSpy clicks(b, &TExSpeedButton::OnClick);
    parent.move(200, 200);
    parent.show();
    QPoint shownAt;
    bool tracking = false;
    QTimer::singleShot(50, [&] {
        shownAt = menu.pos();
        tracking = b->MenuTracking();
        menu.close();
    });
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(tracking);
    EXPECT_EQ(shownAt, b->mapToGlobal(QPoint(-1, 44)));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(b->State(), bsUp);
    EXPECT_FALSE(b->MenuTracking());
}

TEST(SpeedButton, AutoRepeatWhileHeld)
{
    QWidget parent;
    auto *b = new TExSpeedButton(&parent);
    b->SetAllowTimer(true);
    QElapsedTimer clock;
    QList<qint64> at;
    QObject::connect(b, &TExSpeedButton::OnClick, [&] { at.append(clock.elapsed()); });
    parent.show();
    clock.start();
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY_WITH_TIMEOUT(at.size() >= 3, 5000);
    // Timers may fire up to 5% early, and each click is stamped a little after
    // its timer restarted, in whole milliseconds; a loaded machine only makes
    // them late.
    EXPECT_GE(at[0], 470);        // InitPause
    EXPECT_GE(at[1] - at[0], 90); // RepeatInterval
    EXPECT_GE(at[2] - at[1], 90);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
    const qsizetype released = at.size();
    QTest::qWait(250);
    EXPECT_EQ(at.size(), released);
}

TEST(SpeedButton, LayoutPutsGlyphAboveCaption)
{
    TExSpeedButton b;
    b.SetGlyph(Strip(16, 16));
    const QFontMetrics fm(QFont("DejaVu Sans", 9));
    const auto place =
        b.ButtonGlyph().CalcLayout(QRect(0, 0, 67, 44), "Drukuj", blGlyphTop, -1, 4, false, fm, false);
    EXPECT_EQ(place.glyph.size(), QSize(16, 16));
    EXPECT_EQ(place.text.top(), place.glyph.bottom() + 1 + 4);
    EXPECT_EQ(place.glyph.x(), 67 / 2 - 8);
    EXPECT_EQ(place.caption, "Drukuj");

    const auto narrow =
        b.ButtonGlyph().CalcLayout(QRect(0, 0, 40, 25), "Drukowanie", blGlyphLeft, 2, 2, false, fm, false);
    EXPECT_TRUE(narrow.caption.endsWith("..."));
    EXPECT_EQ(narrow.glyph.x(), 2);
    EXPECT_EQ(narrow.text.x(), 2 + 16 + 2);

    // With a drop-down mark and no glyph the mark follows the caption.
    TExSpeedButton plain;
    const auto marked =
        plain.ButtonGlyph().CalcLayout(QRect(0, 0, 80, 25), "Menu", blGlyphLeft, -1, 1, true, fm, false);
    EXPECT_EQ(marked.mark.x(), marked.text.right() + 1 + 3);
}

TEST(SpeedButton, ClickOnButtonClosesItsMenuWithoutReopening)
{
    QWidget parent;
    auto *b = new TExSpeedButton(&parent);
    b->resize(67, 44);
    QMenu menu;
    menu.addAction("&LOG - Łączności");
    b->SetDropDownMenu(&menu);
    QSignalSpy shows(&menu, &QMenu::aboutToShow);
    parent.move(200, 200);
    parent.show();
    QTimer::singleShot(50, [&] {
        const QPoint onButton = menu.mapFromGlobal(b->mapToGlobal(QPoint(10, 10)));
        QTest::mouseClick(&menu, Qt::LeftButton, {}, onButton);
        if (menu.isVisible())
            menu.close();
    });
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::qWait(50);
    EXPECT_EQ(shows.count(), 1);
    EXPECT_FALSE(menu.isVisible());
}

TEST(SpeedButton, AcceleratorAndDoubleClick)
{
    QWidget parent;
    auto *b = new TExSpeedButton(&parent);
    b->SetCaption("&Dodaj");
    b->SetGroupIndex(2);
    QSignalSpy clicks(b, &TExSpeedButton::OnClick);
    QSignalSpy doubles(b, &TExSpeedButton::OnDblClick);
    parent.show();
    parent.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
    QTest::keyClick(&parent, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    b->setEnabled(false);
    QTest::keyClick(&parent, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    b->setEnabled(true);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(b->Down());
    QTest::mouseDClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(doubles.count(), 1);
}
