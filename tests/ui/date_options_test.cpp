#include "controls/DateTimeEdit.h"
#include "core/FDM.h"
#include "core/Settings.h"
#include "support/UiFixture.h"
#include "ui/FAboutBox.h"
#include "ui/FMainForm.h"
#include "ui/FOpcjeDatFrm.h"
#include "ui/ProgramIcon.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

using DateOptions = UiFixture;

const QDate Day(2003, 7, 5);

// Opens the date options from the main window's menu and works them while shown.
void WorkDateOptions(TMainForm &main, std::function<void(TOpcjeDatFrm &)> work)
{
    QTimer::singleShot(0, [work] {
        auto *frm = qobject_cast<TOpcjeDatFrm *>(QApplication::activeModalWidget());
        ASSERT_TRUE(frm);
        work(*frm);
        if (frm->isVisible())
            frm->reject();
    });
    main.DataMnu->trigger();
}

void ClickItem(QButtonGroup *group, int item)
{
    QTest::mouseClick(group->button(item), Qt::LeftButton);
}

}

TEST_F(DateOptions, TheStoredFormatsSelectTheirItemsWithTodaysDateAsSamples)
{
    const struct {
        uint8_t dateFrm, qslFrm;
        int general, qsl;
        const char *generalSample, *qslSample;
    } cases[] = {
        {0, 0, 0, 0, "2003-07-05", "2003-07-05"},
        {2, 4, 1, 1, "05-07-2003", "05-Jul-2003"},
        {2, 2, 1, 2, "05-07-2003", "05-07-2003"},
        {4, 3, -1, -1, "2003-07-05", "2003-07-05"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.dateFrm) << " " << int(c.qslFrm));
        DateFrm = c.dateFrm;
        DateQSLFrm = c.qslFrm;
        TOpcjeDatFrm frm;
        frm.Today = Day;
        frm.FormActivate();
        EXPECT_EQ(frm.OgolnaItems->checkedId(), c.general);
        EXPECT_EQ(frm.QSLItems->checkedId(), c.qsl);
        EXPECT_EQ(frm.OgolnaLbl->text(), QString::fromLatin1(c.generalSample));
        EXPECT_EQ(frm.QSLLbl->text(), QString::fromLatin1(c.qslSample));
    }
    TOpcjeDatFrm frm;
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Daty - formatowanie"));
    EXPECT_EQ(frm.EdOgolna->title(), QStringLiteral("Ogólny format daty w systemie "));
    EXPECT_EQ(frm.EdQSL->title(), QStringLiteral("Format daty na wydruku etykiet QSL"));
    QStringList qslItems;
    for (int i = 0; i < 3; ++i)
        qslItems << frm.QSLItems->button(i)->text();
    EXPECT_EQ(qslItems, (QStringList{"RRRR-MM-DD", "DD-MMM-RRRR", "DD-MM-RRRR"}));
}

TEST_F(DateOptions, ClicksShowTheirSamplesAndOkStoresTheChoice)
{
    TOpcjeDatFrm frm;
    frm.Today = Day;
    frm.show();
    ClickItem(frm.OgolnaItems, 1);
    EXPECT_EQ(frm.OgolnaLbl->text(), QStringLiteral("05-07-2003"));
    ClickItem(frm.QSLItems, 1);
    EXPECT_EQ(frm.QSLLbl->text(), QStringLiteral("05-Jul-2003"));
    ClickItem(frm.QSLItems, 2);
    EXPECT_EQ(frm.QSLLbl->text(), QStringLiteral("05-07-2003"));
    QTest::mouseClick(frm.OkBtn, Qt::LeftButton);
    EXPECT_EQ(frm.result(), int(QDialog::Accepted));
    EXPECT_TRUE(frm.GeneralFormatChanged);
    EXPECT_EQ(DateFrm, 2);
    EXPECT_EQ(DateTimeFormatIndex, 3);
    EXPECT_EQ(DateQSLFrm, 2);
}

TEST_F(DateOptions, TheMainWindowReappliesItsFormatsOnlyWhenTheGeneralOneChanged)
{
    AddQsos(SampleQsos(3));
    TMainForm &main = Main();
    Field *data = DM->Logi.FieldByName("DATA");
    ASSERT_EQ(main.EdData->displayFormat(), QStringLiteral("yyyy-MM-dd"));

    // Only the QSL format: nothing to re-apply, which a format set aside shows.
    data->SetDisplayFormat(QStringLiteral("marker"));
    WorkDateOptions(main, [](TOpcjeDatFrm &frm) {
        ClickItem(frm.QSLItems, 1);
        QTest::mouseClick(frm.OkBtn, Qt::LeftButton);
    });
    EXPECT_EQ(DateQSLFrm, 4);
    EXPECT_EQ(data->DisplayFormat(), QStringLiteral("marker"));

    // Cancel changes nothing.
    WorkDateOptions(main, [](TOpcjeDatFrm &frm) {
        ClickItem(frm.OgolnaItems, 1);
        QTest::mouseClick(frm.AnulujBtn, Qt::LeftButton);
    });
    EXPECT_EQ(DateFrm, 0);
    EXPECT_EQ(data->DisplayFormat(), QStringLiteral("marker"));

    WorkDateOptions(main, [](TOpcjeDatFrm &frm) {
        ClickItem(frm.OgolnaItems, 1);
        QTest::mouseClick(frm.OkBtn, Qt::LeftButton);
    });
    EXPECT_EQ(main.EdData->displayFormat(), QStringLiteral("dd-MM-yyyy"));
    EXPECT_EQ(data->DisplayFormat(), QStringLiteral("dd-MM-yyyy HH:mm:ss"));
    EXPECT_TRUE(main.PanelText(1).contains(QStringLiteral("05-07-2003 "))) << main.PanelText(1).toStdString();

    // A general format of 4 from the settings: no item chosen, and OK goes back to 0.
    DateFrm = 4;
    WorkDateOptions(main, [](TOpcjeDatFrm &frm) {
        EXPECT_EQ(frm.OgolnaItems->checkedId(), -1);
        QTest::mouseClick(frm.OkBtn, Qt::LeftButton);
    });
    EXPECT_EQ(DateFrm, 0);
    EXPECT_EQ(main.EdData->displayFormat(), QStringLiteral("yyyy-MM-dd"));

    // Kept as the main window keeps its settings.
    main.SaveSettings();
    DateFrm = 2;
    DateQSLFrm = 0;
    main.LoadSettings();
    EXPECT_EQ(DateFrm, 0);
    EXPECT_EQ(DateQSLFrm, 4);
}

TEST_F(DateOptions, TheAboutBoxShowsTheIconTheVersionAndWhatTheProgramIsFor)
{
    QApplication::setWindowIcon(ProgramIcon());
    bool shown = false;
    QTimer::singleShot(0, [&shown] {
        auto *box = qobject_cast<TAboutBox *>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        shown = true;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("O programie..."));
        EXPECT_EQ(box->ProductName->text(), QStringLiteral("Quarn 3.0"));
        EXPECT_EQ(box->Version->text(), QStringLiteral("Wersja z 10.12.2020 r."));
        EXPECT_TRUE(box->Comments->text().startsWith(QStringLiteral("Quarn - dziennik łączności")));
        const QImage icon = box->ProgramIcon->pixmap().toImage();
        ASSERT_EQ(icon.size(), QSize(64, 64));
        EXPECT_EQ(icon.pixelColor(32, 4), QColor(0x1f, 0x4e, 0x8c)); // the blue tile
        QTest::mouseClick(box->OkBtn, Qt::LeftButton);
    });
    Main().OProgramieMnu->trigger();
    EXPECT_TRUE(shown);
}
