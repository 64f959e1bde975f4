// The main window's settings in the store, and the clock texts.
#include "ui/FMainForm.h"

#include "controls/DateTimeEdit.h"
#include "controls/ExDBCtrl.h"
#include "controls/WindowGeometry.h"
#include "core/FDM.h"
#include "core/FWindow.h"
#include "platform/Registry.h"

#include <QAction>
#include <QLabel>
#include <optional>

namespace {

const QString MainGridKey = ProgramKey(QStringLiteral("MainGrid"));
const QString MainWindowKey = ProgramKey(QStringLiteral("MainWindow"));

// Narrower columns than this cannot be grabbed again with the mouse.
constexpr int MinColumnWidth = 10;

}

QString MainGridValueName(int column)
{
    return column == 0 ? QStringLiteral("ColO") : QStringLiteral("Col%1").arg(column);
}

ClockTexts ClockPanelTexts(const DateTime &local, bool summerTime)
{
    const DateTime utc = local.addSecs(summerTime ? -2 * 3600 : -3600);
    return {QStringLiteral(" LOK: ") + local.toString(QStringLiteral("HH:mm")),
            QStringLiteral(" UTC: ") + utc.toString(QStringLiteral("HH:mm"))};
}

void TMainForm::LoadSettings()
{
    Registry reg;
    const bool gridKey = reg.OpenKey(MainGridKey, false);
    for (int c = 0; c < MainGridColumnCount; ++c) {
        int width = DefaultColumnWidth(c);
        if (gridKey) {
            const std::optional<int> stored = ReadOptionalInteger(reg, MainGridValueName(c));
            if (stored && *stored >= MinColumnWidth)
                width = *stored;
        }
        DbGrid->SetColumnWidth(c, width);
    }

    std::optional<int> czasLetni;
    DateFrm = 0;
    DateQSLFrm = 0;
    if (reg.OpenKey(ProgramKey(), false)) {
        czasLetni = ReadOptionalInteger(reg, QStringLiteral("CzasLetni"));
        if (const std::optional<int> v = ReadOptionalInteger(reg, QStringLiteral("DateFrm")))
            DateFrm = SettingInRange(*v, DateFormatCount, 0);
        if (const std::optional<int> v = ReadOptionalInteger(reg, QStringLiteral("DateQSLFrm")))
            DateQSLFrm = SettingInRange(*v, DateFormatCount, 0);
    }
    CzasLetni = CzasLetniSetting(czasLetni, QDateTime::currentDateTime());
    CzasLetniMnu->setChecked(CzasLetni);
    CzasZimowyMnu->setChecked(!CzasLetni);
    if (DateFrm == 0)
        DateTimeFormatIndex = 1;
    else if (DateFrm == 2)
        DateTimeFormatIndex = 3;

    if (const std::optional<StoredBounds> bounds = ReadStoredBounds(MainWindowKey))
        ApplyStoredBounds(this, *bounds);
}

void TMainForm::SaveSettings()
{
    Registry reg;
    reg.OpenKey(MainGridKey, true);
    for (int c = 0; c < MainGridColumnCount; ++c)
        reg.WriteInteger(MainGridValueName(c), DbGrid->ColumnWidth(c));
    reg.OpenKey(ProgramKey(), true);
    reg.WriteBool(QStringLiteral("CzasLetni"), CzasLetni);
    reg.WriteInteger(QStringLiteral("DateFrm"), DateFrm);
    reg.WriteInteger(QStringLiteral("DateQSLFrm"), DateQSLFrm);
    reg.CloseKey();
    const QRect r = geometry();
    WriteStoredBounds(MainWindowKey, r.left(), r.top(), r.width(), r.height());
}

void TMainForm::ApplyDateFormats()
{
    EdData->setDisplayFormat(DateFormatText(DateFrm));
    if (Field *data = DM->Logi.FindField(QStringLiteral("DATA")))
        data->SetDisplayFormat(DateFormatText(DateTimeFormatIndex));
}

void TMainForm::SetSummerTime(bool summer)
{
    CzasLetni = summer;
    CzasLetniMnu->setChecked(summer);
    CzasZimowyMnu->setChecked(!summer);
    TimerTimer();
}

void TMainForm::TimerTimer()
{
    const ClockTexts t = ClockPanelTexts(ClockSource ? ClockSource() : DateTime::currentLocal(), CzasLetni);
    StatusPanels[2]->setText(t.Local);
    StatusPanels[3]->setText(t.Utc);
}
