#include "controls/DateTimeEdit.h"
#include "core/FDM.h"
#include "logfrm_fixture.h"
#include "support/UiFixture.h"
#include "support/WarsawTime.h"
#include "ui/FMainForm.h"
#include "ui/RecordView.h"

#include <QLabel>

// QSOs logged in the hours the Polish clock skips or repeats show their UTC
// date and time everywhere, whatever the machine's zone.

namespace {

std::vector<QsoRow> ClockChangeRows()
{
    QsoRow spring;
    spring.Data = SpringGapQso().Data;
    spring.Band = 6; // 17 m
    spring.Stacja = QStringLiteral("SP5GAP");
    QsoRow autumn = spring;
    autumn.Data = AutumnRepeatQso().Data;
    autumn.Band = 5;
    autumn.Stacja = QStringLiteral("SP5REP");
    return {spring, autumn};
}

} // namespace

using MainFormClockChange = UiFixture;

TEST_F(MainFormClockChange, TheListTheRecordTabAndTheStatusLineShowTheDate)
{
    const WarsawTime zone;
    ASSERT_TRUE(WarsawTime::FollowedByQt());
    const std::vector<QsoRow> rows = ClockChangeRows();
    const std::vector<int> ids = AddQsos(rows);
    TMainForm &f = Main();
    const ClockChangeQso qsos[] = {SpringGapQso(), AutumnRepeatQso()};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(qsos[i].Text.toStdString());
        if (i == 0)
            DM->Logi.First(); // the log is in date order
        else
            DM->Logi.Next();
        ASSERT_EQ(CurrentLogId(), ids[i]);
        const int row = DM->Logi.RecNo() - 1;
        QAbstractItemModel *list = f.DbGrid->model();
        EXPECT_EQ(list->index(row, f.DbGrid->ModelColumnOf(0)).data().toString(), qsos[i].Text);
        EXPECT_EQ(f.RecordView->Delegate()->LeftLines(row)[0].text, qsos[i].Text);
        EXPECT_EQ(f.PanelText(1), QStringLiteral(" [%1] Ostatnia łączność: %2 Pasmo: %3")
                                      .arg(rows[i].Stacja, qsos[i].Text, TPasmo::BandNameOf(rows[i].Band)));
    }
}

TEST_F(LogFrmTest, TheEditorShowsAQsoAtAClockChangeAndItsLastQsoLine)
{
    const WarsawTime zone;
    ASSERT_TRUE(WarsawTime::FollowedByQt());
    const std::vector<QsoRow> rows = ClockChangeRows();
    const std::vector<int> ids = AddQsos(rows);
    const ClockChangeQso qsos[] = {SpringGapQso(), AutumnRepeatQso()};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(qsos[i].Text.toStdString());
        QString last;
        OpenEdit(ids[i], [&] { last = frm->QsoLbl->text(); });
        EXPECT_EQ(frm->EdData->date(), qsos[i].Data.date());
        EXPECT_EQ(frm->EdGodz->time().toString(QStringLiteral("HH:mm:ss")), qsos[i].Text.mid(11));
        EXPECT_EQ(last, qsos[i].Text + QStringLiteral(" Pasmo: ") + TPasmo::BandNameOf(rows[i].Band));
    }
}
