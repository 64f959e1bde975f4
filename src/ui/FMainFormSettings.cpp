// The main window's settings in the store, and the clock texts.
#include "ui/FMainForm.h"

#include "controls/ExDBCtrl.h"
#include "core/FDM.h"
#include "platform/Registry.h"
#include "ui/WindowGeometry.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <optional>

namespace {

const QString QuarnKey = QStringLiteral("\\Software\\Dovren\\Quarn");
const QString MainGridKey = QStringLiteral("\\Software\\Dovren\\Quarn\\MainGrid");
const QString MainWindowKey = QStringLiteral("\\Software\\Dovren\\Quarn\\MainWindow");

// Narrower columns than this cannot be grabbed again with the mouse.
constexpr int MinColumnWidth = 10;

// An integer value of the open key, or nothing when it is missing or not a number.
std::optional<int> ReadOptional(const Registry &reg, const QString &name)
{
    if (!reg.ValueExists(name))
        return std::nullopt;
    try {
        return reg.ReadInteger(name);
    } catch (const RegistryError &) {
        return std::nullopt;
    }
}

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
            const std::optional<int> stored = ReadOptional(reg, MainGridValueName(c));
            if (stored && *stored >= MinColumnWidth)
                width = *stored;
        }
        DbGrid->SetColumnWidth(c, width);
    }

    CzasLetni = true;
    DateFrm = 0;
    DateQSLFrm = 0;
    if (reg.OpenKey(QuarnKey, false)) {
        if (const std::optional<int> v = ReadOptional(reg, QStringLiteral("CzasLetni")))
            CzasLetni = *v != 0;
        if (const std::optional<int> v = ReadOptional(reg, QStringLiteral("DateFrm")))
            DateFrm = SettingInRange(*v, DateFormatCount, 0);
        if (const std::optional<int> v = ReadOptional(reg, QStringLiteral("DateQSLFrm")))
            DateQSLFrm = SettingInRange(*v, DateFormatCount, 0);
    }
    CzasLetniMnu->setChecked(CzasLetni);
    CzasZimowyMnu->setChecked(!CzasLetni);
    if (DateFrm == 0)
        DateTimeFormatIndex = 1;
    else if (DateFrm == 2)
        DateTimeFormatIndex = 3;

    if (reg.OpenKey(MainWindowKey, false)) {
        QRect r = geometry();
        if (const std::optional<int> v = ReadOptional(reg, QStringLiteral("Left")))
            r.moveLeft(*v);
        if (const std::optional<int> v = ReadOptional(reg, QStringLiteral("Top")))
            r.moveTop(*v);
        if (const std::optional<int> v = ReadOptional(reg, QStringLiteral("Width")))
            r.setWidth(*v);
        if (const std::optional<int> v = ReadOptional(reg, QStringLiteral("Height")))
            r.setHeight(*v);
        ApplyStoredGeometry(this, r);
    }
}

void TMainForm::SaveSettings()
{
    Registry reg;
    reg.OpenKey(MainGridKey, true);
    for (int c = 0; c < MainGridColumnCount; ++c)
        reg.WriteInteger(MainGridValueName(c), DbGrid->ColumnWidth(c));
    reg.OpenKey(QuarnKey, true);
    reg.WriteBool(QStringLiteral("CzasLetni"), CzasLetni);
    reg.WriteInteger(QStringLiteral("DateFrm"), DateFrm);
    reg.WriteInteger(QStringLiteral("DateQSLFrm"), DateQSLFrm);
    reg.OpenKey(MainWindowKey, true);
    const QRect r = geometry();
    reg.WriteInteger(QStringLiteral("Left"), r.left());
    reg.WriteInteger(QStringLiteral("Top"), r.top());
    reg.WriteInteger(QStringLiteral("Width"), r.width());
    reg.WriteInteger(QStringLiteral("Height"), r.height());
    reg.CloseKey();
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
