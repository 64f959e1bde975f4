#pragma once

// Header-only: the windows' test programs use it without a widget in the
// test-support library.
#include "controls/DateTimeEdit.h"

#include <QStringList>

// Each date or time field of a window as "ObjectName: Class", in creation
// order, so a test sees at once a field that is not the program's own.
inline QStringList DateFields(const QWidget &window)
{
    QStringList fields;
    for (const QDateTimeEdit *e : window.findChildren<QDateTimeEdit *>()) {
        const QString cls = QString::fromLatin1(e->metaObject()->className());
        fields << (e->objectName().isEmpty() ? cls : e->objectName() + QStringLiteral(": ") + cls);
    }
    return fields;
}
