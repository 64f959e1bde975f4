#include "ReportFixture.h"

#include "platform/NumFormat.h"
#include "report/layout/RpPit.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Native width of a text in the label's font on the 96 dpi design surface.
double Native(const TRpLabel &label, const QString &text)
{
    return QFontMetricsF(label.Font()).horizontalAdvance(text) * 254 / 96;
}

QStringList Wrapped(const QString &caption, const QString &fitting, bool wordWrap = true)
{
    TRpLabel label;
    label.SetAutoSize(false);
    label.SetWordWrap(wordWrap);
    label.Size.SetNative(TRpPrintableSize::WidthIdx, Native(label, fitting) + 0.5);
    label.SetCaption(caption);
    return label.FormattedLines();
}

} // namespace

TEST(Label, WordsBreakAfterBlanksAndDashesLongWordsAreCutAndLineFeedsVanish)
{
    EXPECT_EQ(Wrapped("abc-def ghi", "abc-de"), (QStringList{"abc-", "def ", "ghi"}));
    EXPECT_EQ(Wrapped("ab cd ef", "ab cd "), (QStringList{"ab cd ", "ef"}));
    EXPECT_EQ(Wrapped("one\r\ntwo\nthree", "onetwothree"), (QStringList{"one", "twothree"}));
    EXPECT_EQ(Wrapped("abcdefgh", "abc"), (QStringList{"abc", "def", "gh"}));
    EXPECT_EQ(Wrapped("abcdefgh xy", "abc", false), (QStringList{"abc"}));
    EXPECT_EQ(Wrapped("ab cd ef", "ab ", false), (QStringList{"ab "}));
    EXPECT_EQ(Wrapped("", "abc"), (QStringList{""}));
}

TEST(Label, ARightAlignedAutoSizeLabelKeepsItsRightEdgeAndACentredOneItsCentre)
{
    TRpLabel right, centre;
    right.SetAlignment(TRpAlignment::Right);
    centre.SetAlignment(TRpAlignment::Center);
    for (TRpLabel *l : {&right, &centre}) {
        l->SetCaption("SP1");
        l->Size.SetNative(TRpPrintableSize::LeftIdx, 2000);
    }
    const double rightEdge = 2000 + right.Size.Native(TRpPrintableSize::WidthIdx);
    const double middle = 2000 + centre.Size.Native(TRpPrintableSize::WidthIdx) / 2;
    right.SetCaption("SP1ABCDEFG");
    centre.SetCaption("SP1ABCDEFG");
    EXPECT_NEAR(right.Size.Native(TRpPrintableSize::LeftIdx) + right.Size.Native(TRpPrintableSize::WidthIdx),
                rightEdge, 1e-6);
    EXPECT_NEAR(centre.Size.Native(TRpPrintableSize::LeftIdx) +
                    centre.Size.Native(TRpPrintableSize::WidthIdx) / 2,
                middle, 1e-6);
    EXPECT_NEAR(right.Size.Native(TRpPrintableSize::WidthIdx), Native(right, "SP1ABCDEFG"), 1e-6);
}

TEST(Label, ARightAlignedAutoSizeLabelEndsAtItsRightEdgeOnThePage)
{
    RowsReport r(1);
    auto *call = AddTestLabel(r.pageHeader, "X", 262.47, 1.06, 17.20, 6.09);
    call->SetAlignment(TRpAlignment::Right);
    call->SetAutoSize(true);
    const double rightEdge = 80 + 2624.7 + 172.0;
    call->Size.SetNative(TRpPrintableSize::WidthIdx, Native(*call, "X"));
    call->Size.SetNative(TRpPrintableSize::LeftIdx, rightEdge - 80 - Native(*call, "X"));
    r.report.BeforePrint = [call](TCustomReport &, bool &) { call->SetCaption("SP9XYZ/P"); };
    const auto pages = r.Run();
    const PlacedText *t = pages.at(0).find("SP9XYZ/P");
    ASSERT_TRUE(t);
    QFont f = call->Font();
    EXPECT_NEAR(t->at.x() + QFontMetricsF(f).horizontalAdvance("SP9XYZ/P") * 254 / 96, rightEdge, 6);
}

TEST(CellBoxes, AmountsShowWholeUnitsWithTheLocaleSeparatorsAndZeroOnlyWhenAsked)
{
    TRpIntBox box;
    int repaints = 0;
    box.Repaint = [&] { ++repaints; };
    box.SetAmount(1234567);
    box.SetPrintZL(true);
    const QChar group = CurrentFormatSettings().ThousandSeparator;
    EXPECT_EQ(box.FormattedText(),
              "1" + QString(group) + "234" + QString(group) + QString::fromUtf8("567 zł"));
    box.SetAmount(2.5);
    EXPECT_EQ(box.FormattedText(), QString::fromUtf8("3 zł"));
    box.SetValue(0);
    box.SetPrintZL(false);
    EXPECT_EQ(box.FormattedText(), "0");
    box.SetPrintZero(false);
    EXPECT_EQ(box.FormattedText(), "");
    EXPECT_EQ(repaints, 6);
    box.SetValue(0);
    box.SetPrintZero(false);
    EXPECT_EQ(repaints, 6);
}

TEST(CellBoxes, ACellRepaintsOnlyForANewCaptionAndPlacesItByItsAlignments)
{
    TRpCell cell;
    int repaints = 0;
    cell.Repaint = [&] { ++repaints; };
    cell.SetCaption("12");
    cell.SetCaption("12");
    EXPECT_EQ(repaints, 1);
    cell.SetHorAlignment(THAlignment::haRight);
    cell.SetVertAlignment(TVAlignment::vaBottom);
    QImage image(100, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        cell.PaintScreen(p, 100, 40);
    }
    // The text ends one pixel left of the right border, above the bottom border.
    int rightmost = -1, lowest = -1;
    for (int y = 1; y < 39; ++y)
        for (int x = 1; x < 99; ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                rightmost = std::max(rightmost, x);
                lowest = std::max(lowest, y);
            }
    EXPECT_GE(rightmost, 90);
    EXPECT_LE(rightmost, 98);
    EXPECT_GE(lowest, 25);
}

TEST(CellBoxes, BoxesDrawTheirCaptionAndTextOnThePage)
{
    RowsReport r(1);
    auto *text = r.detail->Add<TRpTextBox>();
    text->SetCaption("Znak");
    text->SetText("SP1ABC");
    text->SetTextAlignment(Qt::AlignHCenter);
    auto *amount = r.detail->Add<TRpIntBox>();
    amount->SetCaption("Suma");
    amount->SetAmount(42);
    amount->Size.SetNative(TRpPrintableSize::LeftIdx, 600);
    auto *cell = r.detail->Add<TRpCell>();
    cell->SetCaption("C");
    cell->Size.SetNative(TRpPrintableSize::LeftIdx, 1200);
    r.detail->Size.SetNative(TRpBandSize::HeightIdx, 100);
    const auto pages = r.Run();
    ASSERT_EQ(pages.size(), 1u);
    const PageLayout &page = pages[0];
    for (const char *s : {"Znak", "SP1ABC", "Suma", "42", "C"})
        EXPECT_EQ(page.count(s), 1) << s;
    EXPECT_LT(page.find("Znak")->at.y(), page.find("SP1ABC")->at.y());
    EXPECT_GT(page.find("42")->at.x(), 80 + 600 + 250);
}
