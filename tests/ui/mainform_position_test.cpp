#include "controls/ButtonEdit.h"
#include "controls/DateTimeEdit.h"
#include "controls/ExDBCtrl.h"
#include "controls/FileNameEdit.h"
#include "core/FDM.h"
#include "exchange/windows/FWczytajAdifFrm.h"
#include "support/UiFixture.h"
#include "ui/FMainForm.h"
#include "ui/RecordView.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// A log far longer than the rows the grid fetches at first, whose latest QSO
// is the only one with its call sign, which also sorts last.
class MainFormPosition : public UiFixture {
protected:
    void SetUp() override
    {
        UiFixture::SetUp();
        std::vector<QsoRow> rows = SampleQsos(3000);
        QsoRow last = rows.back();
        last.Data = last.Data.addSecs(2 * 86400);
        last.Stacja = QStringLiteral("ZZ9ZZ");
        rows.push_back(last);
        lastId = AddQsos(rows).back();
        lastDate = last.Data.date();
        TMainForm &f = Main();
        f.resize(1000, 600);
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    }
    // The log reopened in date order on its first row, the grid at its top.
    void BackToTop()
    {
        SortOrder = 1;
        DM->ReopenLogiOrdered(SortOrder, 0);
        Main().ApplySortOrderToCombo();
        QApplication::processEvents();
        ASSERT_LT(DM->Logi.FetchedCount(), 1000) << "the latest QSO must not be fetched yet";
        ASSERT_EQ(Main().DbGrid->currentIndex().row(), 0);
    }
    // The grid's current row is the log's, highlighted and in view.
    void ExpectLatestQsoShown(const char *action)
    {
        QApplication::processEvents();
        TExDBGrid *grid = Main().DbGrid;
        const int row = DM->Logi.CurrentIndex();
        EXPECT_EQ(CurrentLogId(), lastId) << action;
        EXPECT_EQ(grid->currentIndex().row(), row) << action;
        EXPECT_TRUE(grid->selectionModel()->isRowSelected(row, QModelIndex())) << action;
        const QRect cell = grid->visualRect(grid->model()->index(row, grid->ModelColumnOf(2)));
        EXPECT_TRUE(grid->viewport()->rect().contains(cell)) << action;
        EXPECT_EQ(grid->CellText(grid->model()->index(row, grid->ModelColumnOf(2))), QStringLiteral("ZZ9ZZ"))
            << action;
    }
    int lastId = 0;
    QDate lastDate;
};

}

TEST_F(MainFormPosition, EveryWayOfMovingToARowNotYetFetchedShowsItInTheGrid)
{
    TMainForm &f = Main();

    BackToTop();
    f.EdStacja->setText(QStringLiteral("ZZ9ZZ"));
    QTest::keyClick(f.EdStacja, Qt::Key_Return);
    ExpectLatestQsoShown("find by call sign");

    BackToTop();
    f.EdData->setDate(lastDate);
    f.SzukajDataBtn->click();
    ExpectLatestQsoShown("find by date");

    BackToTop();
    f.Navigator[3]->click();
    ExpectLatestQsoShown("navigator last");

    // Sorting by call sign while on the latest QSO: it becomes the last row.
    BackToTop();
    f.Navigator[3]->click();
    QHeaderView *titles = f.DbGrid->horizontalHeader();
    const int stacja = f.DbGrid->ModelColumnOf(2);
    const QPoint centre(titles->sectionViewportPosition(stacja) + titles->sectionSize(stacja) / 2,
                        titles->height() / 2);
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(SortOrder, 3);
    ExpectLatestQsoShown("sorting by a title click");

    // Moving while the record view is shown: both views follow.
    BackToTop();
    f.PageControl->setCurrentIndex(1);
    f.Navigator[3]->click();
    QApplication::processEvents();
    const QModelIndex panel = f.RecordView->currentIndex();
    EXPECT_EQ(panel.row(), DM->Logi.CurrentIndex());
    EXPECT_TRUE(f.RecordView->viewport()->rect().intersects(f.RecordView->visualRect(panel)));
    f.PageControl->setCurrentIndex(0);
    ExpectLatestQsoShown("the grid hidden behind the record view");

    // The import reopens the log on the QSO that was current.
    BackToTop();
    f.Navigator[3]->click();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("one.adi"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<CALL:5>DL1AA<QSO_DATE:8>19990101<TIME_ON:4>1200<BAND:3>20m<EOR>\n");
    file.close();
    QTimer::singleShot(0, &f, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *frm = qobject_cast<TWczytajAdifFrm *>(w); frm && frm->isVisible()) {
                frm->EdNazwaPliku->setText(path);
                frm->WczytajBtn->click();
                frm->reject();
            }
    });
    f.ImportMnu->trigger();
    ExpectLatestQsoShown("reopening after an import");
}
