#include "controls/MaskedEdit.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

// A child of its field, so it lives exactly as long as the field.
class EmptyMaskClick : public QObject {
public:
    static constexpr const char *Name = "EmptyMaskClick";

    explicit EmptyMaskClick(QLineEdit *edit) : QObject(edit), edit_(edit)
    {
        setObjectName(QLatin1String(Name));
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // After the click has placed the cursor; a selection made by dragging stays.
        if (watched == edit_ && event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && !edit_->inputMask().isEmpty() &&
            !edit_->hasSelectedText() && IsEmpty(edit_->text()))
            edit_->setCursorPosition(0);
        return false;
    }

private:
    // What a masked field gives back keeps the mask's separators ("-").
    static bool IsEmpty(const QString &text)
    {
        for (const QChar c : text)
            if (c.isLetterOrNumber())
                return false;
        return true;
    }

    QLineEdit *edit_;
};

}

void SetEditMask(QLineEdit *edit, const QString &mask)
{
    if (!edit->findChild<QObject *>(QLatin1String(EmptyMaskClick::Name), Qt::FindDirectChildrenOnly))
        new EmptyMaskClick(edit);
    edit->setInputMask(mask);
}
