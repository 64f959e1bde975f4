#include "core/FWindow.h"

#include "platform/Registry.h"

QString TWindow::keyPath() const {
    return QStringLiteral("\\Software\\Dovren\\") + AppKey + u'\\' + Section;
}

bool TWindow::LoadWindowPlacement() {
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

void TWindow::SaveWindowPlacement() const {
    Registry reg;
    reg.OpenKey(keyPath(), true);
    reg.WriteInteger(QStringLiteral("Left"), Left);
    reg.WriteInteger(QStringLiteral("Top"), Top);
    reg.WriteInteger(QStringLiteral("Width"), Width);
    reg.WriteInteger(QStringLiteral("Height"), Height);
}
