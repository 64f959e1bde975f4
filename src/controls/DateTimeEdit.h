#pragma once

#include <QDateTimeEdit>

// The date, time and date-time field of every window. A click selects the
// whole section under it (day, month, year, hour, minute, second), so typed
// digits replace that section as they do after Tab; a plain QDateTimeEdit
// leaves the cursor inside the section and refuses the digits.
class TDateTimeEdit : public QDateTimeEdit {
    Q_OBJECT
public:
    // kind is QMetaType::QDate (a date field, as QDateEdit), QMetaType::QTime
    // (a time field, as QTimeEdit) or QMetaType::QDateTime.
    explicit TDateTimeEdit(QMetaType::Type kind, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;
};
