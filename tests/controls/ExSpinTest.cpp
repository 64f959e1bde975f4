#include "controls/ExSpin.h"
#include "controls/DrawUtils.h"
#include "platform/NumFormat.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ExSpinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldBeep_ = SetBeepHandler([this] { ++beeps; });
        other = new QLineEdit(&form);
        other->move(0, 40);
    }
    void TearDown() override { SetBeepHandler(oldBeep_); }
    TExSpinEdit *Spin(double min = 0, double max = 0)
    {
        auto *ed = new TExSpinEdit(&form);
        ed->resize(80, 22);
        ed->SetMinValue(min);
        ed->SetMaxValue(max);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        return ed;
    }

    QWidget form;
    QLineEdit *other = nullptr;
    int beeps = 0;

private:
    std::function<void()> oldBeep_;
};

} // namespace

TEST_F(ExSpinTest, EqualBoundsMeanNoRange)
{
    auto *ed = Spin();
    EXPECT_EQ(ed->text(), "0");
    ed->SetValue(1e6);
    EXPECT_EQ(ed->text(), "1000000");
    ed->SetValue(-5);
    EXPECT_EQ(ed->Value(), -5);
}

TEST_F(ExSpinTest, TypedValueIsClampedOnLeaving)
{
    auto *ed = Spin(1, 3);
    ed->setMaxLength(1);
    ed->SetValue(1);
    ed->setFocus();
    ed->selectAll();
    QTest::keyClicks(ed, "7");
    EXPECT_EQ(ed->text(), "7");
    EXPECT_EQ(ed->Value(), 3); // as read, the value obeys the range
    other->setFocus();
    EXPECT_EQ(ed->text(), "3");
    ed->setText("0");
    EXPECT_EQ(ed->AsInteger(), 1);
}

TEST_F(ExSpinTest, EmptyOrBadTextReadsAsMinValue)
{
    auto *ed = Spin(1, 10);
    ed->setText("");
    EXPECT_EQ(ed->AsInteger(), 1);
    ed->setText("x");
    EXPECT_EQ(ed->Value(), 1);
    auto *f = Spin(1.5, 10);
    f->setText("");
    EXPECT_EQ(f->Value(), 1.5); // truncated to 1 on reading, then raised into the range
}

TEST_F(ExSpinTest, IntegerTextRoundsHalvesToEven)
{
    auto *ed = Spin();
    ed->SetValue(2.5);
    EXPECT_EQ(ed->text(), "2");
    ed->SetValue(3.5);
    EXPECT_EQ(ed->text(), "4");
    ed->SetValue(-2.5);
    EXPECT_EQ(ed->text(), "-2");
}

TEST_F(ExSpinTest, ValueTypes)
{
    const FormatSettings saved = CurrentFormatSettings();
    CurrentFormatSettings().DecimalSeparator = ',';
    auto *ed = Spin();
    ed->SetIncrement(0.4);
    ed->SetValueType(vtFloat);
    ed->SetValue(1.234);
    EXPECT_EQ(ed->text(), "1,23");
    EXPECT_DOUBLE_EQ(ed->Value(), 1.23);
    ed->SetDecimal(1);
    EXPECT_EQ(ed->text(), "1,2");
    ed->SetValueType(vtHex);
    EXPECT_EQ(ed->Increment(), 1); // 0.4 rounds to 0, which becomes 1
    EXPECT_EQ(ed->text(), "1");
    ed->SetValue(255);
    EXPECT_EQ(ed->text(), "FF");
    ed->setText("1a");
    EXPECT_EQ(ed->Value(), 26);
    CurrentFormatSettings() = saved;
}

TEST_F(ExSpinTest, StepsAtTheLimitFireOnlyTheClickEvent)
{
    auto *ed = Spin(1, 3);
    ed->SetValue(2);
    QSignalSpy changes(ed, &TExSpinEdit::OnChange);
    QSignalSpy tops(ed, &TExSpinEdit::OnTopClick);
    QSignalSpy bottoms(ed, &TExSpinEdit::OnBottomClick);
    ed->UpClick();
    EXPECT_EQ(ed->text(), "3");
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(ed->isModified());
    ed->UpClick();
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(tops.count(), 2);
    ed->DownClick();
    EXPECT_EQ(ed->text(), "2");
    EXPECT_EQ(bottoms.count(), 1);
}

TEST_F(ExSpinTest, ReadOnlyBeepsOnEveryStep)
{
    auto *ed = Spin(1, 10);
    ed->SetValue(5);
    ed->SetReadOnly(true);
    ed->UpClick();
    ed->DownClick();
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(ed->Value(), 5);
}

TEST_F(ExSpinTest, KeysStepAndFilter)
{
    auto *ed = Spin(1, 10);
    ed->SetValue(5);
    ed->setFocus();
    QTest::keyClick(ed, Qt::Key_Up);
    EXPECT_EQ(ed->text(), "6");
    QTest::keyClick(ed, Qt::Key_Down);
    QTest::keyClick(ed, Qt::Key_Down);
    EXPECT_EQ(ed->text(), "4");
    ed->end(false);
    QTest::keyClicks(ed, "a");
    EXPECT_EQ(ed->text(), "4");
    EXPECT_EQ(beeps, 1);
    QTest::keyClick(ed, Qt::Key_Backspace);
    EXPECT_EQ(ed->text(), "");
    ed->SetEditorEnabled(false);
    QTest::keyClicks(ed, "5");
    EXPECT_EQ(ed->text(), "");
    EXPECT_EQ(beeps, 2);
    ed->SetArrowKeys(false);
    QTest::keyClick(ed, Qt::Key_Up);
    EXPECT_EQ(ed->text(), "");
}

TEST_F(ExSpinTest, DiagonalButtonHalves)
{
    auto *ed = Spin(1, 10);
    ed->SetValue(5);
    TExSpinButton *b = ed->SpinButton();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->width(), b->height());
    EXPECT_EQ(b->geometry().right(), ed->width() - 1 - b->y());
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(b->Down(), sbTopDown);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(b->Down(), sbNotDown);
    EXPECT_EQ(ed->text(), "6");
    const QPoint lowerRight(b->width() - 3, b->height() - 3);
    QTest::mouseClick(b, Qt::LeftButton, {}, lowerRight);
    QTest::mouseClick(b, Qt::LeftButton, {}, lowerRight);
    EXPECT_EQ(ed->text(), "4");
    EXPECT_TRUE(ed->hasFocus());
}

TEST_F(ExSpinTest, HeldButtonRepeats)
{
    auto *ed = Spin(0, 100);
    TExSpinButton *b = ed->SpinButton();
    QElapsedTimer clock;
    QList<qint64> at;
    QObject::connect(ed, &TExSpinEdit::OnTopClick, [&] { at.append(clock.elapsed()); });
    clock.start();
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_EQ(at.size(), 1); // the press itself steps at once
    QTRY_VERIFY_WITH_TIMEOUT(at.size() >= 3, 5000);
    EXPECT_GE(at[1] - at[0], 380); // first repeat after 400 ms
    EXPECT_GE(at[2] - at[1], 95);  // then every 100 ms
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(2, 2));
    const double held = ed->Value();
    QTest::qWait(200);
    EXPECT_EQ(ed->Value(), held);
}

TEST_F(ExSpinTest, StandardUpDown)
{
    auto *ed = Spin(1, 10);
    ed->SetValue(5);
    ed->SetButtonKind(bkStandard);
    EXPECT_EQ(ed->SpinButton(), nullptr);
    TExUpDown *u = ed->UpDown();
    ASSERT_NE(u, nullptr);
    EXPECT_LE(u->width(), 15);
    QTest::mouseClick(u, Qt::LeftButton, {}, QPoint(3, 2));
    EXPECT_EQ(ed->text(), "6");
    EXPECT_EQ(u->Position(), 0);
    QTest::mouseClick(u, Qt::LeftButton, {}, QPoint(3, u->height() - 2));
    EXPECT_EQ(ed->text(), "5");
}
