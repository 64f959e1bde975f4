#include "platform/gui/MessageBoxes.h"

#include "platform/Messages.h"
#include "platform/gui/DialogParent.h"
#include "platform/gui/TitleBar.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

bool ShowBox(Messages::Kind kind, const QString &caption, const QString &text)
{
    const bool warning = kind == Messages::Kind::Warning;
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Question, caption, text,
                    warning ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No,
                    DialogParent());
    if (!warning)
        box.setDefaultButton(QMessageBox::No);
    // The box sizes itself to its layout: a short message would make it too
    // narrow for its title, which the window manager then cuts ("U… ga").
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(TitleBarWidth(box), 0, QSizePolicy::Fixed, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    const int answer = box.exec();
    return warning || answer == QMessageBox::Yes;
}

}

void InstallMessageBoxes()
{
    Messages::setHandler(ShowBox);
}
