#include "exchange/windows/FLabelTbl.h"
#include "support/UiFixture.h"
#include "ui/FMainForm.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace {
class LabelTemplatesMenu : public UiFixture {};
}

TEST_F(LabelTemplatesMenu, OpensTheTemplateListWithNothingToCorrectInANewLog)
{
    QAction *wzorce = Main().WzorceMnu;
    ASSERT_TRUE(wzorce->isEnabled());
    bool shown = false;
    QTimer::singleShot(0, [&shown] {
        auto *list = qobject_cast<TLabelTbl *>(QApplication::activeModalWidget());
        ASSERT_NE(list, nullptr);
        shown = true;
        // A new log has no templates: nothing to correct or delete yet.
        EXPECT_FALSE(list->EditBtn->isEnabled());
        EXPECT_FALSE(list->DeleteBtn->isEnabled());
        list->CloseBtn->click();
    });
    wzorce->trigger();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Boxes.empty());
}
