#include "controls/TextBox.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {
class CountingBox : public TTextBox {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *e) override
    {
        ++paints;
        TTextBox::paintEvent(e);
    }
};
} // namespace

TEST(TextBox, FrameFollowsThePenWidth)
{
    TTextBox box;
    EXPECT_EQ(box.size(), QSize(80, 20));
    box.resize(50, 20);
    auto frame = [&](int width) {
        QPen pen(Qt::black, width);
        box.SetPen(pen);
        const QRect r = box.FrameRect();
        return QList<int>({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    };
    EXPECT_EQ(frame(0), QList<int>({0, 0, 50, 20}));
    EXPECT_EQ(frame(1), QList<int>({0, 0, 50, 20}));
    EXPECT_EQ(frame(2), QList<int>({1, 1, 50, 20}));
    EXPECT_EQ(frame(3), QList<int>({1, 1, 49, 19}));
}

TEST(TextBox, PaintsFrameOnTheOuterPixels)
{
    TTextBox box;
    box.resize(50, 20);
    box.SetBrush(QColor(0, 200, 0));
    const QImage img = box.grab().toImage();
    EXPECT_EQ(QColor(img.pixel(0, 0)), QColor(Qt::black));
    EXPECT_EQ(QColor(img.pixel(49, 19)), QColor(Qt::black));
    EXPECT_EQ(QColor(img.pixel(49, 0)), QColor(Qt::black));
    EXPECT_EQ(QColor(img.pixel(1, 1)), QColor(0, 200, 0));
    EXPECT_EQ(QColor(img.pixel(48, 18)), QColor(0, 200, 0));
    EXPECT_EQ(box.Brush().color(), QColor(0, 200, 0));
}

TEST(TextBox, WideTextStartsAtTheLeftEdge)
{
    TTextBox box;
    box.resize(30, 20);
    box.SetPen(Qt::NoPen);
    box.SetText("WWWWWWWWWW");
    const QImage img = box.grab().toImage();
    bool inkAtLeft = false;
    for (int y = 0; y < 20; ++y)
        inkAtLeft = inkAtLeft || qGray(img.pixel(0, y)) < 128 || qGray(img.pixel(1, y)) < 128;
    EXPECT_TRUE(inkAtLeft);
}

TEST(TextBox, SameTextDoesNotRepaint)
{
    CountingBox box;
    box.SetText("17");
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QTest::qWait(20);
    box.paints = 0;
    box.SetText("17");
    QTest::qWait(20);
    EXPECT_EQ(box.paints, 0);
    box.SetText("18");
    QTest::qWait(20);
    EXPECT_GT(box.paints, 0);
}
