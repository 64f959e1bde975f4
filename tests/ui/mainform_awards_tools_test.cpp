#include "awards/windows/FWczytajGminyFrm.h"
#include "awards/windows/FWczytajZamkiFrm.h"
#include "awards/windows/FWyznaczITUCQFrm.h"
#include "core/FDM.h"
#include "support/LogDb.h"
#include "support/UiFixture.h"
#include "ui/FMainForm.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace {

// Triggers a menu entry and hands the modal window it opened to `work`; false when none opened.
template <typename Window, typename Work> bool WithWindowOf(TMainForm &f, QAction *entry, Work work)
{
    bool seen = false;
    QTimer::singleShot(0, &f, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *frm = qobject_cast<Window *>(w); frm && frm->isVisible()) {
                seen = true;
                work(*frm);
                if (frm->isVisible())
                    frm->reject();
            }
    });
    entry->trigger();
    return seen;
}

} // namespace

using MainFormAwardsTools = UiFixture;

TEST_F(MainFormAwardsTools, ZoneFillReopensTheLogOnTheCurrentQso)
{
    // This log's prefix table knows Italy only.
    ExecSql(DM->Baza, "insert into KrajeDX (KrajId, PrefixDX, NazwaPol) values (248, 'I', 'Włochy')");
    ExecSql(DM->Baza, "insert into PrefiksyDX (KrajId, Prefix) values (248, 'I')");
    DM->OpenPrefiksy();
    std::vector<QsoRow> rows = SampleQsos(3);
    rows[1].Stacja = "IK2AAA";
    rows[1].Kontynent = QString();
    rows[1].Itu = rows[1].Cq = 0;
    const std::vector<int> ids = AddQsos(rows);
    TMainForm &f = Main();
    DM->Logi.Locate("LOGID", ids[1]);
    ASSERT_EQ(CurrentLogId(), ids[1]);
    EXPECT_EQ(DM->Logi.FieldByName("ITU")->AsInteger(), 0);

    auto run = [&](TWyznaczITUCQFrm &w) {
        w.StartBtn->click();
        w.StartBtn->click();
    };
    EXPECT_TRUE(WithWindowOf<TWyznaczITUCQFrm>(f, f.WyznaczITUCQMnu, run));
    EXPECT_TRUE(Boxes.empty());
    EXPECT_EQ(CurrentLogId(), ids[1]);
    EXPECT_EQ(DM->Logi.FieldByName("ITU")->AsInteger(), 28);
    EXPECT_EQ(DM->Logi.FieldByName("KONTYNENT")->AsString(), "EU");
}

TEST_F(MainFormAwardsTools, ListImportEntriesOpenTheirWindows)
{
    TMainForm &f = Main();
    QString zamki, gminy;
    EXPECT_TRUE(WithWindowOf<TWczytajZamkiFrm>(f, f.AktualZamkiMnu,
                                               [&](TWczytajZamkiFrm &w) { zamki = w.windowTitle(); }));
    EXPECT_TRUE(WithWindowOf<TWczytajGminyFrm>(f, f.AktualGminMnu,
                                               [&](TWczytajGminyFrm &w) { gminy = w.windowTitle(); }));
    EXPECT_EQ(zamki, "Zamki polskie");
    EXPECT_EQ(gminy, "Gminy");
}
