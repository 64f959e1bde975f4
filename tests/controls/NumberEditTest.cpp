#include "controls/NumberEdit.h"
#include "controls/DrawUtils.h"
#include "platform/NumFormat.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Each test sees the same number settings and counts the beeps.
class NumberEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = CurrentFormatSettings();
        FormatSettings fs;
        fs.DecimalSeparator = ',';
        fs.ThousandSeparator = ' ';
        fs.CurrencyString = "zł";
        fs.CurrencyFormat = 3;
        fs.CurrencyDecimals = 2;
        CurrentFormatSettings() = fs;
        oldBeep_ = SetBeepHandler([this] { ++beeps; });
        other = new QLineEdit(&form);
        other->move(0, 40);
    }
    void TearDown() override
    {
        SetBeepHandler(oldBeep_);
        CurrentFormatSettings() = saved_;
    }
    TCustomNumberEdit *Edit()
    {
        auto *ed = new TCustomNumberEdit(&form);
        ed->resize(120, 24);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        return ed;
    }

    QWidget form;
    QLineEdit *other = nullptr;
    int beeps = 0;

private:
    FormatSettings saved_;
    std::function<void()> oldBeep_;
};

} // namespace

TEST_F(NumberEditTest, ZoneFieldClampsAndShowsZeroAsEmpty)
{
    auto *ed = new TAmountEdit(&form);
    ed->SetDisplayFormat("##");
    ed->SetDecimalPlaces(0);
    ed->setMaxLength(2);
    ed->SetMaxValue(40);
    form.show();
    EXPECT_FALSE(ed->Button()->isVisible());
    ed->setText("41");
    EXPECT_EQ(ed->Value(), 40);
    ed->SetValue(0);
    EXPECT_EQ(ed->text(), "");
    EXPECT_EQ(ed->DisplayText(), "");
    ed->SetValue(17);
    EXPECT_EQ(ed->text(), "17");
    EXPECT_EQ(ed->DisplayText(), "17");
}

TEST_F(NumberEditTest, RangeRules)
{
    auto *ed = Edit();
    ed->SetMinValue(5);
    ed->SetValue(3);
    EXPECT_EQ(ed->Value(), 5);
    ed->SetValue(100);
    EXPECT_EQ(ed->Value(), 100); // MaxValue 0: only the lower bound
    ed->SetMinValue(0);
    ed->SetMaxValue(10);
    EXPECT_EQ(ed->Value(), 10); // re-clamped when the range changes
    ed->SetMinValue(20);
    ed->SetValue(100);
    EXPECT_EQ(ed->Value(), 100); // both bounds set the wrong way round: no range
    ed->SetMinValue(0);
    ed->SetMaxValue(0);
    ed->SetValue(-7.5);
    EXPECT_EQ(ed->Value(), -7.5);
    ed->SetValue(12.9);
    EXPECT_EQ(ed->AsInteger(), 12);
    ed->SetValue(-12.9);
    EXPECT_EQ(ed->AsInteger(), -12);
}

TEST_F(NumberEditTest, CheckRangeReportsTheBounds)
{
    auto *ed = Edit();
    ed->SetMaxValue(40);
    ed->setText("41");
    try {
        ed->CheckRange();
        FAIL() << "no range error";
    } catch (const ERangeError &e) {
        EXPECT_STREQ(e.what(), "Value must be between 0,00 and 40,00");
    }
}

TEST_F(NumberEditTest, TypedCommaBecomesDecimalSeparatorAndThirdDecimalBeeps)
{
    auto *ed = Edit();
    ed->setFocus();
    QTest::keyClicks(ed, "12.3");
    EXPECT_EQ(ed->text(), "12,3");
    QTest::keyClicks(ed, "4");
    EXPECT_EQ(ed->text(), "12,34");
    EXPECT_EQ(beeps, 0);
    QTest::keyClicks(ed, "5");
    EXPECT_EQ(ed->text(), "12,34");
    EXPECT_EQ(beeps, 1);
    QTest::keyClicks(ed, "x");
    EXPECT_EQ(beeps, 2);
    EXPECT_DOUBLE_EQ(ed->Value(), 12.34);
}

TEST_F(NumberEditTest, WithoutGroupingWhileEditingCommaAndPointAreDecimalInAnyLocale)
{
    FormatSettings english = CurrentFormatSettings();
    english.DecimalSeparator = '.';
    english.ThousandSeparator = ',';
    CurrentFormatSettings() = english;
    auto *ed = Edit();
    ed->setFocus();
    QTest::keyClicks(ed, "0,45");
    EXPECT_EQ(ed->text(), "0.45");
    EXPECT_DOUBLE_EQ(ed->Value(), 0.45);
    ed->clear();
    QTest::keyClicks(ed, "1.5,");
    EXPECT_EQ(ed->text(), "1.5");
    EXPECT_EQ(beeps, 1);

    // Grouping while editing: the comma stays the thousands separator.
    ed->SetFormatOnEditing(true);
    ed->clear();
    QTest::keyClicks(ed, "1,234.5");
    EXPECT_EQ(ed->text(), "1,234.5");
    EXPECT_DOUBLE_EQ(ed->Value(), 1234.5);
}

TEST_F(NumberEditTest, NoNegativeNumbersInAPositiveRange)
{
    auto *ed = Edit();
    ed->SetMaxValue(40);
    ed->setFocus();
    QTest::keyClicks(ed, "-5");
    EXPECT_EQ(ed->text(), "-");
    EXPECT_EQ(beeps, 1);
}

TEST_F(NumberEditTest, TextConversion)
{
    auto *ed = Edit();
    ed->SetText("1 234,5");
    EXPECT_DOUBLE_EQ(ed->Value(), 1234.5);
    EXPECT_EQ(ed->text(), "1234,5");
    ed->SetText("-");
    EXPECT_EQ(ed->text(), "");
    EXPECT_EQ(ed->Value(), 0);
    ed->SetText("");
    EXPECT_EQ(ed->Value(), 0);
    ed->SetText("7");
    EXPECT_THROW(ed->SetText("abc"), EConvertError);
    EXPECT_EQ(ed->Value(), 7);
}

TEST_F(NumberEditTest, UnconvertibleTextBeepsAndKeepsTheLastValue)
{
    auto *ed = Edit();
    ed->SetValue(3);
    ed->setText("1,2,3");
    EXPECT_EQ(ed->Value(), 3);
    EXPECT_EQ(beeps, 1);
}

TEST_F(NumberEditTest, FailedPasteIsRolledBack)
{
    auto *ed = Edit();
    ed->setFocus();
    QTest::keyClicks(ed, "15");
    QApplication::clipboard()->setText("abc");
    QTest::keyClick(ed, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ed->text(), "15");
    EXPECT_EQ(ed->selectedText(), "15");
    EXPECT_EQ(beeps, 1);
    QApplication::clipboard()->setText("2,5");
    QTest::keyClick(ed, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ed->text(), "2,5");
    EXPECT_DOUBLE_EQ(ed->Value(), 2.5);
}

TEST_F(NumberEditTest, CheckOnExitBeepsAndClampsWithoutThrowing)
{
    auto *ed = Edit();
    ed->SetMaxValue(40);
    ed->SetCheckOnExit(true);
    ed->setFocus();
    QTest::keyClicks(ed, "55");
    other->setFocus();
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(ed->Value(), 40);
    EXPECT_EQ(ed->DisplayText(), "40");
}

TEST_F(NumberEditTest, DisplayAndEditingTexts)
{
    auto *ed = Edit();
    ed->SetDisplayFormat(",0.00 cm;-,0.00 cm");
    ed->SetValue(1234.5);
    EXPECT_EQ(ed->DisplayText(), "1 234,50 cm");
    EXPECT_EQ(ed->text(), "1234,5");
    ed->SetValue(-2);
    EXPECT_EQ(ed->DisplayText(), "-2,00 cm");
    ed->SetDecimalPlaces(0);
    ed->SetValue(2.5);
    EXPECT_EQ(ed->text(), "3");

    auto *amount = new TAmountEdit(&form);
    EXPECT_EQ(amount->DisplayFormat(), ",0.00 zł;-,0.00 zł");
    amount->SetValue(-1500);
    EXPECT_EQ(amount->DisplayText(), "-1 500,00 zł");
}

TEST_F(NumberEditTest, EscapeRestoresTheEditingText)
{
    auto *ed = Edit();
    ed->SetValue(8);
    ed->setFocus();
    ed->end(false);
    QTest::keyClicks(ed, "9");
    EXPECT_EQ(ed->text(), "89");
    QTest::keyClick(ed, Qt::Key_Escape);
    EXPECT_EQ(ed->text(), "8");
}

TEST_F(NumberEditTest, GroupSeparatorsWhileEditing)
{
    auto *ed = Edit();
    ed->SetFormatOnEditing(true);
    QSignalSpy changes(ed, &TCustomButtonEdit::OnChange);
    ed->setFocus();
    QTest::keyClicks(ed, "1234567");
    EXPECT_EQ(ed->text(), "1 234 567");
    EXPECT_EQ(ed->cursorPosition(), 9);
    EXPECT_EQ(changes.count(), 7);
    EXPECT_DOUBLE_EQ(ed->Value(), 1234567);
}

TEST_F(NumberEditTest, TextSetWhileUnfocusedIsDisplayed)
{
    auto *ed = Edit();
    ed->SetMaxValue(75);
    ed->setText("12,5");
    EXPECT_EQ(ed->DisplayText(), "12,5");
    ed->setText("80");
    EXPECT_EQ(ed->DisplayText(), "75");
    EXPECT_EQ(beeps, 0);
}
