#include "report/pages/RpOutline.h"

#include <QStringList>
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

namespace {

// Records what the outline puts into its view.
class FakeOutlineView : public TRpOutlineView {
public:
    QStringList calls;
    void BeginUpdate() override { calls << QStringLiteral("begin"); }
    void EndUpdate() override { calls << QStringLiteral("end"); }
    void Clear() override { calls << QStringLiteral("clear"); }
    void AddNode(int index, int parent, const QString &caption, int32_t id) override
    {
        calls << QStringLiteral("%1<%2 %3 #%4").arg(index).arg(parent).arg(caption).arg(id);
    }
};

}

TEST(RpOutline, EachEntryHangsUnderTheNearestEarlierEntryOfASmallerLevelAndAViewShowsThemAll)
{
    struct Case {
        QList<int> levels;
        QList<int> parents;
    };
    const Case cases[] = {
        {{}, {}},
        {{0, 0, 0}, {-1, -1, -1}},
        {{0, 1, 2, 1, 0, 1}, {-1, 0, 1, 0, -1, 4}},
        {{1, 3, 2, 2}, {-1, 0, 0, 0}}, // skipped levels hang under the last smaller one
        {{2, 1, 3}, {-1, -1, 1}},      // a smaller level later starts a new top node
        {{-1, 5, -1}, {-1, 0, -1}},
    };
    for (const Case &c : cases) {
        TRpOutline outline;
        for (int level : c.levels)
            outline.Add({QStringLiteral("e"), level, QRect(), 1, 0});
        EXPECT_EQ(outline.Parents(), c.parents) << c.levels.size();
    }

    TRpOutline outline;
    outline.Add({QStringLiteral("Rozdział 1"), 0, QRect(), 1, 10});
    outline.Add({QStringLiteral("Łączności"), 1, QRect(), 2, 11});
    FakeOutlineView first, second;
    outline.SetTreeView(&first);
    EXPECT_EQ(first.calls,
              QStringList({"begin", "clear", "0<-1 Rozdział 1 #10", "1<0 Łączności #11", "end"}));
    EXPECT_EQ(outline.TreeView(), &first);

    first.calls.clear();
    outline.SetTreeView(&second);
    EXPECT_EQ(first.calls, QStringList({"clear"})) << "the view left behind is emptied";
    EXPECT_EQ(second.calls.size(), 5);

    second.calls.clear();
    outline.SetTreeView(nullptr);
    EXPECT_EQ(second.calls, QStringList({"clear"}));
    EXPECT_EQ(outline.TreeView(), nullptr);
}
