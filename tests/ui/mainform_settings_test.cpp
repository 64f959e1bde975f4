#include "controls/DateTimeEdit.h"
#include "controls/ExDBCtrl.h"
#include "core/FDM.h"
#include "platform/Registry.h"
#include "support/DateFields.h"
#include "support/GridTitles.h"
#include "support/UiFixture.h"
#include "ui/FMainForm.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>

namespace {

class MainFormSettings : public UiFixture {
protected:
    void Write(const QString &key, const QString &name, int value)
    {
        Registry reg;
        reg.OpenKey(key, true);
        reg.WriteInteger(name, value);
        reg.CloseKey();
    }
    std::vector<int> Widths(TMainForm &f)
    {
        std::vector<int> out;
        for (int c = 0; c < MainGridColumnCount; ++c)
            out.push_back(f.DbGrid->ColumnWidth(c));
        return out;
    }
};

const QString GridKey = QStringLiteral("\\Software\\Dovren\\Quarn\\MainGrid");
const QString QuarnKey = QStringLiteral("\\Software\\Dovren\\Quarn");
const QString WindowKey = QStringLiteral("\\Software\\Dovren\\Quarn\\MainWindow");

}

TEST_F(MainFormSettings, WithoutStoredValuesTheDefaultsHold)
{
    TMainForm &f = Main();
    // The measured widths 105, 56, 96, 53, 74, 68, 79, 80, 55, 41, 38, widened
    // where they cut a value or a title (with room for the sort marker, which
    // any column can carry) in Liberation Sans 8.
    EXPECT_EQ(Widths(f), (std::vector<int>{107, 56, 96, 69, 92, 102, 79, 82, 57, 55, 53}));
    // Nothing stored: summer time follows the machine's clock.
    const bool summer = QDateTime::currentDateTime().isDaylightTime();
    EXPECT_EQ(CzasLetni, summer);
    EXPECT_EQ(f.CzasLetniMnu->isChecked(), summer);
    EXPECT_EQ(f.CzasZimowyMnu->isChecked(), !summer);
    EXPECT_EQ(f.EdData->displayFormat(), QStringLiteral("yyyy-MM-dd"));
    EXPECT_EQ(f.EdData->date(), QDate::currentDate());
    // The search date, then the QSO editor's fields (the editor is a child of the main window).
    EXPECT_EQ(DateFields(f),
              QStringList({"TDateTimeEdit", "EdData: TDateTimeEdit", "EdGodz: TDateTimeEdit"}));
    EXPECT_EQ(DM->Logi.FieldByName("DATA")->DisplayFormat(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

TEST_F(MainFormSettings, SavedSettingsComeBackInTheNextRun)
{
    {
        TMainForm f;
        f.DbGrid->SetColumnWidth(2, 150);
        f.DbGrid->SetColumnWidth(0, 120);
        f.SetSummerTime(false);
        DateFrm = 2;
        DateQSLFrm = 4;
        f.setGeometry(40, 50, 700, 500);
        f.SaveSettings();
    }
    Registry reg;
    ASSERT_TRUE(reg.OpenKey(GridKey, false));
    EXPECT_EQ(reg.ReadInteger("ColO"), 120);
    EXPECT_EQ(reg.ReadInteger("Col10"), 53);
    ASSERT_TRUE(reg.OpenKey(QuarnKey, false));
    EXPECT_EQ(reg.ReadInteger("CzasLetni"), 0);
    EXPECT_EQ(reg.ReadInteger("DateFrm"), 2);
    EXPECT_EQ(reg.ReadInteger("DateQSLFrm"), 4);

    ResetProcessSettings();
    TMainForm &f = Main();
    EXPECT_EQ(f.DbGrid->ColumnWidth(2), 150);
    EXPECT_EQ(f.DbGrid->ColumnWidth(0), 120);
    EXPECT_FALSE(CzasLetni);
    EXPECT_TRUE(f.CzasZimowyMnu->isChecked());
    EXPECT_EQ(DateFrm, 2);
    EXPECT_EQ(DateQSLFrm, 4);
    EXPECT_EQ(DateTimeFormatIndex, 3);
    EXPECT_EQ(f.EdData->displayFormat(), QStringLiteral("dd-MM-yyyy"));
    EXPECT_EQ(DM->Logi.FieldByName("DATA")->DisplayFormat(), QStringLiteral("dd-MM-yyyy HH:mm:ss"));
    EXPECT_EQ(f.geometry(), QRect(40, 50, 700, 500));
}

TEST_F(MainFormSettings, DateFormatFourKeepsTheDateTimeFormat)
{
    Write(QuarnKey, "DateFrm", 4);
    TMainForm &f = Main();
    EXPECT_EQ(f.EdData->displayFormat(), QStringLiteral("dd-MMM-yyyy"));
    EXPECT_EQ(DM->Logi.FieldByName("DATA")->DisplayFormat(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

TEST_F(MainFormSettings, BadStoredValuesFallBackToDefaults)
{
    Write(GridKey, "ColO", 3); // too narrow to grab again
    Write(GridKey, "Col1", 70);
    Write(GridKey, "Col2", -40);
    // Col3..Col10 missing
    Write(QuarnKey, "DateFrm", 7);
    Write(QuarnKey, "DateQSLFrm", -1);
    {
        Registry reg;
        reg.OpenKey(QuarnKey, true);
        reg.WriteString("CzasLetni", "tak");
    }
    Write(WindowKey, "Left", -5000);
    Write(WindowKey, "Top", -5000);
    Write(WindowKey, "Width", 600);
    Write(WindowKey, "Height", 400);

    TMainForm &f = Main();
    EXPECT_EQ(Widths(f), (std::vector<int>{107, 70, 96, 69, 92, 102, 79, 82, 57, 55, 53}));
    EXPECT_EQ(DateFrm, 0);
    EXPECT_EQ(DateQSLFrm, 0);
    EXPECT_EQ(CzasLetni, QDateTime::currentDateTime().isDaylightTime());
    // Off every screen: the window stays where it was made.
    bool onScreen = false;
    for (QScreen *s : QGuiApplication::screens())
        onScreen = onScreen || s->geometry().intersects(f.geometry());
    EXPECT_TRUE(onScreen);
}

TEST_F(MainFormSettings, ChoosingTheTimeModeNeverFlipsTheCheckedItem)
{
    TMainForm &f = Main();
    f.CzasLetniMnu->trigger();
    EXPECT_TRUE(CzasLetni);
    EXPECT_TRUE(f.CzasLetniMnu->isChecked());
    f.CzasZimowyMnu->trigger();
    EXPECT_FALSE(CzasLetni);
    f.CzasZimowyMnu->trigger();
    EXPECT_FALSE(CzasLetni);
    EXPECT_TRUE(f.CzasZimowyMnu->isChecked());
    EXPECT_FALSE(f.CzasLetniMnu->isChecked());
}

// At the default widths every title shows whole, also with the sort marker
// that sorting by its column puts on it, and the widest date-time and locator
// show whole.
TEST_F(MainFormSettings, DefaultWidthsCutNoTitleWhicheverColumnIsSortedAndNoValue)
{
    TMainForm &f = Main();
    TExDBGrid &grid = *f.DbGrid;
    ASSERT_TRUE(grid.LinkActive());
    for (int c = 0; c < MainGridColumnCount; ++c) {
        SortOrder = uint8_t(c + 1);
        EXPECT_TRUE(TitleShownWhole(grid, c, true)) << grid.Columns()[c].Title.toStdString();
    }
    const QFontMetrics cells(grid.font());
    EXPECT_LE(cells.horizontalAdvance("2026-12-07 23:59:59") + 5, grid.ColumnWidth(0));
    EXPECT_LE(cells.horizontalAdvance("JO62QX") + 5, grid.ColumnWidth(8));
}
