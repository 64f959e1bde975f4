#include "controls/DateTimeEdit.h"

#include <QLineEdit>
#include <QMouseEvent>

namespace {

QMetaType::Type ParserType(QMetaType::Type kind)
{
    return kind == QMetaType::QDate || kind == QMetaType::QTime ? kind : QMetaType::QDateTime;
}

// The first value of QDateEdit, QTimeEdit and QDateTimeEdit alike.
QVariant InitialValue(QMetaType::Type kind)
{
    const QDate date(2000, 1, 1);
    const QTime time(0, 0);
    switch (ParserType(kind)) {
    case QMetaType::QDate: return date;
    case QMetaType::QTime: return time;
    default: return QDateTime(date, time);
    }
}

} // namespace

TDateTimeEdit::TDateTimeEdit(QMetaType::Type kind, QWidget *parent)
    : QDateTimeEdit(InitialValue(kind), ParserType(kind), parent)
{
    // The text part is a child line edit: its clicks never reach this widget.
    // The calendar button is not part of it, so its clicks stay untouched.
    lineEdit()->installEventFilter(this);
}

bool TDateTimeEdit::eventFilter(QObject *watched, QEvent *e)
{
    const bool release = e->type() == QEvent::MouseButtonRelease;
    const bool doubleClick = e->type() == QEvent::MouseButtonDblClick;
    if (watched != lineEdit() || !(release || doubleClick) ||
        static_cast<QMouseEvent *>(e)->button() != Qt::LeftButton)
        return QDateTimeEdit::eventFilter(watched, e);
    // The line edit handles the click first. Text a drag selected stays
    // selected; a plain click left the cursor inside a section, and a double
    // click selected a word, which near a separator is the separator alone.
    QLineEdit *edit = lineEdit();
    static_cast<QObject *>(edit)->event(e);
    if (doubleClick)
        edit->setCursorPosition(edit->cursorPositionAt(static_cast<QMouseEvent *>(e)->position().toPoint()));
    else if (edit->hasSelectedText())
        return true;
    setSelectedSection(currentSection());
    return true;
}
