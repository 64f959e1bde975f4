#include "report/RpOutline.h"

#include <gtest/gtest.h>

TEST(RpOutline, AnEntryIsFoundByItsIdentifierAndAnUnknownOneGivesPageZero)
{
    TRpOutline outline;
    outline.Add({QString(60, u'x'), 0, QRect(QPoint(1, 2), QPoint(30, 40)), 3, 17});
    outline.Add({QStringLiteral("Łódź"), 1, QRect(), 5, 18});
    EXPECT_EQ(outline.Entry(0).Caption.size(), 51);
    EXPECT_EQ(outline.Find(17).Page, 3);
    EXPECT_EQ(outline.Find(17).Rect, QRect(QPoint(1, 2), QPoint(30, 40)));
    EXPECT_EQ(outline.Find(18).Page, 5);
    EXPECT_EQ(outline.Find(99).Page, 0);
    EXPECT_TRUE(outline.Find(99).Rect.isNull());
    outline.Clear();
    EXPECT_EQ(outline.Count(), 0);
}
