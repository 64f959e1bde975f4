#include "core/FWindow.h"

#include "platform/Registry.h"

QString TWindow::keyPath() const
{
    return ApplicationKey(AppKey) + u'\\' + Section;
}

bool TWindow::LoadWindowPlacement()
{
    Registry reg;
    if (!reg.OpenKey(keyPath(), false))
        return false;
    // Read all four before assigning, so that a failed read changes nothing.
    const int left = reg.ReadInteger(QStringLiteral("Left"));
    const int top = reg.ReadInteger(QStringLiteral("Top"));
    const int width = reg.ReadInteger(QStringLiteral("Width"));
    const int height = reg.ReadInteger(QStringLiteral("Height"));
    SetWindowLeft(left);
    SetWindowTop(top);
    SetWindowWidth(width);
    SetWindowHeight(height);
    return true;
}

void TWindow::SaveWindowPlacement() const
{
    WriteStoredBounds(keyPath(), Left, Top, Width, Height);
}

std::optional<int> ReadOptionalInteger(const Registry &reg, const QString &name)
{
    if (!reg.ValueExists(name))
        return std::nullopt;
    try {
        return reg.ReadInteger(name);
    } catch (const RegistryError &) {
        return std::nullopt;
    }
}

std::optional<StoredBounds> ReadStoredBounds(const QString &key)
{
    Registry reg;
    if (!reg.OpenKey(key, false))
        return std::nullopt;
    return StoredBounds{ReadOptionalInteger(reg, QStringLiteral("Left")),
                        ReadOptionalInteger(reg, QStringLiteral("Top")),
                        ReadOptionalInteger(reg, QStringLiteral("Width")),
                        ReadOptionalInteger(reg, QStringLiteral("Height"))};
}

void WriteStoredBounds(const QString &key, int left, int top, int width, int height)
{
    Registry reg;
    reg.OpenKey(key, true);
    reg.WriteInteger(QStringLiteral("Left"), left);
    reg.WriteInteger(QStringLiteral("Top"), top);
    reg.WriteInteger(QStringLiteral("Width"), width);
    reg.WriteInteger(QStringLiteral("Height"), height);
}
