#include "controls/ButtonEdit.h"
#include "controls/DateTimeEdit.h"
#include "controls/ExDBCtrl.h"
#include "core/FDM.h"
#include "support/UiFixture.h"
#include "ui/FMainForm.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTest>

namespace {

class MainFormSortFind : public UiFixture {
protected:
    void SetUp() override
    {
        UiFixture::SetUp();
        ids = AddQsos(SampleQsos(60));
    }
    // The values of a column in the order the log shows them.
    QStringList Column(const QString &field)
    {
        QStringList out;
        DataSet &logi = DM->Logi;
        const int keep = CurrentLogId();
        for (logi.First(); !logi.Eof(); logi.Next())
            out << logi.FieldByName(field)->AsString();
        logi.Locate("LogId", keep, 0);
        return out;
    }
    std::vector<int> ids;
};

}

TEST_F(MainFormSortFind, EveryOrderKeepsTheCurrentQso)
{
    TMainForm &f = Main();
    ASSERT_TRUE(DM->Logi.Locate("LogId", ids[17], 0));
    for (int order = 0; order < SortOrderCount; ++order) {
        f.EdSortOrder->setCurrentIndex(order);
        EXPECT_EQ(SortOrder, order);
        EXPECT_EQ(CurrentLogId(), ids[17]) << "order " << order;
        EXPECT_EQ(DM->Logi.RecordCount(), 60);
        if (order >= 3 && order <= 9) {
            const QStringList col = Column(QString(SortFieldNames[order]));
            QStringList sorted = col;
            std::stable_sort(sorted.begin(), sorted.end(),
                             [](const QString &a, const QString &b) { return a.localeAwareCompare(b) < 0; });
            EXPECT_EQ(col.first(), sorted.first()) << "order " << order;
        }
    }
    // Entry order.
    f.EdSortOrder->setCurrentIndex(0);
    DM->Logi.First();
    EXPECT_EQ(CurrentLogId(), ids.front());
}

TEST_F(MainFormSortFind, TitleClickOnTheBandSortsByBandIndexAndMarksIt)
{
    TMainForm &f = Main();
    DM->Logi.Locate("LogId", ids[5], 0);
    f.GridTitleClick(1);
    EXPECT_EQ(SortOrder, 2);
    EXPECT_EQ(f.EdSortOrder->currentText(), QStringLiteral("Pasmo"));
    EXPECT_EQ(CurrentLogId(), ids[5]);
    QList<int> bands;
    DataSet &logi = DM->Logi;
    for (logi.First(); !logi.Eof(); logi.Next())
        bands << logi.FieldByName("PASMO_IND")->AsInteger();
    EXPECT_TRUE(std::is_sorted(bands.begin(), bands.end()));
    EXPECT_EQ(f.SortMarkerFor(f.DbGrid->ColumnField(1)), smUp);
    EXPECT_EQ(f.SortMarkerFor(f.DbGrid->ColumnField(0)), smNone);

    f.GridTitleClick(2);
    EXPECT_EQ(SortOrder, 3);
    EXPECT_EQ(f.EdSortOrder->currentText(), QStringLiteral("Stacja wołana"));
    EXPECT_EQ(f.SortMarkerFor(f.DbGrid->ColumnField(2)), smUp);
    EXPECT_EQ(f.SortMarkerFor(f.DbGrid->ColumnField(1)), smNone);

    f.EdSortOrder->setCurrentIndex(0);
    for (int c = 0; c < MainGridColumnCount; ++c)
        EXPECT_EQ(f.SortMarkerFor(f.DbGrid->ColumnField(c)), smNone);
}

TEST_F(MainFormSortFind, FindByCallSignMatchesTheWholeCallWithoutCase)
{
    TMainForm &f = Main();
    QTest::keyClicks(f.EdStacja, "dl1aa");
    EXPECT_EQ(f.EdStacja->text(), QStringLiteral("DL1AA"));
    QTest::keyClick(f.EdStacja, Qt::Key_Return);
    EXPECT_EQ(CurrentCall(), QStringLiteral("DL1AA"));

    const int before = CurrentLogId();
    f.EdStacja->setText("DL1");
    f.FindByCall();
    EXPECT_EQ(CurrentLogId(), before); // a prefix is not a match
    f.EdStacja->setText("NOBODY");
    f.FindByCall();
    EXPECT_EQ(CurrentLogId(), before);
}

TEST_F(MainFormSortFind, FindBoxTakesFourteenCharacters)
{
    TMainForm &f = Main();
    QTest::keyClicks(f.EdStacja, "SP9ABCDEFGHIJKLMN");
    EXPECT_EQ(f.EdStacja->text(), QStringLiteral("SP9ABCDEFGHIJK"));
}

TEST_F(MainFormSortFind, ATypedLetterGoesToTheFirstCallWithIt)
{
    TMainForm &f = Main();
    f.GridTitleClick(0); // date order
    DM->Logi.Last();
    f.DbGrid->setFocus();
    QTest::keyClick(f.DbGrid, Qt::Key_O);
    EXPECT_EQ(CurrentCall(), QStringLiteral("OK2PBQ"));
    const int first = CurrentLogId();
    DataSet &logi = DM->Logi;
    for (logi.First(); !logi.Eof(); logi.Next())
        if (logi.FieldByName("STACJA")->AsString().startsWith('O'))
            break;
    EXPECT_EQ(CurrentLogId(), first); // the first in the current order
    QTest::keyClick(f.DbGrid, Qt::Key_O);
    EXPECT_EQ(CurrentLogId(), first);
    QTest::keyClick(f.DbGrid, Qt::Key_J); // letters do not accumulate into "OJ"
    EXPECT_EQ(CurrentCall(), QStringLiteral("JA1ZZZ"));
    QTest::keyClick(f.DbGrid, Qt::Key_Q); // no call begins with Q: the position stays
    EXPECT_EQ(CurrentCall(), QStringLiteral("JA1ZZZ"));
}

TEST_F(MainFormSortFind, FindByDayStopsAtTheFirstQsoOfThatDayInTheCurrentOrder)
{
    // SampleQsos: one QSO every 7 minutes from 2003-07-05 06:00; 60 QSOs end on the same day.
    std::vector<QsoRow> next = SampleQsos(3);
    for (int i = 0; i < 3; ++i)
        next[i].Data = DateTime::fromDate(2003, 7, 6, 20 - i, 0);
    const std::vector<int> day2 = AddQsos(next);
    TMainForm &f = Main();
    f.EdData->setDate(QDate(2003, 7, 6));
    f.FindByDate();
    EXPECT_EQ(CurrentLogId(), day2[2]); // 18:00, the earliest in date order

    f.EdSortOrder->setCurrentIndex(0); // entry order
    DM->Logi.First();
    f.FindByDate();
    EXPECT_EQ(CurrentLogId(), day2[0]); // entered first, though not the earliest

    DM->Logi.Locate("LogId", ids[10], 0);
    f.EdData->setDate(QDate(2003, 7, 7));
    f.FindByDate();
    EXPECT_EQ(CurrentLogId(), ids[10]);
    EXPECT_FALSE(DM->Logi.ControlsDisabled());
}

TEST_F(MainFormSortFind, ClickingATitleWithTheMouseSortsByItsColumn)
{
    TMainForm &f = Main();
    f.resize(1000, 500);
    f.show();
    QTest::qWait(50);
    QHeaderView *header = f.DbGrid->horizontalHeader();
    const int section = f.DbGrid->ModelColumnOf(7); // MIASTO
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(SortOrder, 8);
    EXPECT_EQ(f.EdSortOrder->currentText(), QStringLiteral("Miejscowość"));
    EXPECT_EQ(f.SortMarkerFor(f.DbGrid->ColumnField(7)), smUp);
}
