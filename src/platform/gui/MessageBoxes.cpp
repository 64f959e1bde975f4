#include "platform/gui/MessageBoxes.h"

#include "platform/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {

bool ShowBox(Messages::Kind kind, const QString &caption, const QString &text)
{
    QWidget *parent = QApplication::activeWindow();
    if (kind == Messages::Kind::Warning) {
        QMessageBox::warning(parent, caption, text, QMessageBox::Ok);
        return true;
    }
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

}

void InstallMessageBoxes()
{
    Messages::setHandler(ShowBox);
}
