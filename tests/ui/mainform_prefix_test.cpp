#include "awards/windows/FPrefixEditFrm.h"
#include "awards/windows/FWczytajPrefixFrm.h"
#include "awards/windows/FZapiszPrefiksFrm.h"
#include "core/Settings.h"
#include "support/UiFixture.h"
#include "ui/FMainForm.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

using MainFormPrefix = UiFixture;

namespace {

// Opens the window by the control, notes that it showed and closes it.
template <typename Frm> bool Opens(TMainForm &f, const std::function<void()> &trigger)
{
    bool seen = false;
    QTimer::singleShot(0, &f, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *frm = qobject_cast<Frm *>(w); frm && frm->isVisible()) {
                seen = true;
                frm->reject();
            }
    });
    trigger();
    return seen;
}

}

TEST_F(MainFormPrefix, TheEditorAndExportButtonsShowOnlyForTheMaintainersCallAndEveryEntryOpensItsWindow)
{
    TMainForm &f = Main();
    EXPECT_FALSE(f.PrefixEditBtn->isVisibleTo(&f));
    EXPECT_FALSE(f.PrefixExpBtn->isVisibleTo(&f));
    EXPECT_TRUE(f.AktualPrefixMnu->isEnabled());
    EXPECT_TRUE(Opens<TWczytajPrefixFrm>(f, [&] { f.AktualPrefixMnu->trigger(); }));

    OwnCallSign = QStringLiteral("QX7KWV");
    f.FormActivate();
    EXPECT_TRUE(f.PrefixEditBtn->isVisibleTo(&f));
    EXPECT_TRUE(f.PrefixExpBtn->isVisibleTo(&f));
    EXPECT_TRUE(Opens<TPrefixEditFrm>(f, [&] { f.PrefixEditBtn->click(); }));
    EXPECT_TRUE(Opens<TZapiszPrefiksFrm>(f, [&] { f.PrefixExpBtn->click(); }));
    EXPECT_TRUE(Boxes.empty());
}
