#include "controls/DateTimeEdit.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The point of the field's text where a click puts the cursor at pos.
QPoint PointOfCursor(QLineEdit *edit, int pos)
{
    const int y = edit->height() / 2;
    int x = 0;
    while (x < edit->width() && edit->cursorPositionAt(QPoint(x, y)) != pos)
        ++x;
    return QPoint(x, y);
}

enum How { Click, ClickAfterTab, DoubleClick };

struct SectionCase {
    const char *name;
    QMetaType::Type kind;
    const char *format;
    const char *before;
    int cursor; // where the click puts the cursor
    How how;
    const char *typed;
    const char *after;
};

constexpr QMetaType::Type Date = QMetaType::QDate, Time = QMetaType::QTime;

} // namespace

TEST(DateTimeEdit, AClickIntoASectionLetsTypedDigitsReplaceIt)
{
    const SectionCase cases[] = {
        {"year", Date, "dd.MM.yyyy", "07.12.2026", 8, Click, "2025", "07.12.2025"},
        {"month", Date, "dd.MM.yyyy", "07.12.2026", 4, Click, "03", "07.03.2026"},
        {"day after Tab", Date, "dd.MM.yyyy", "07.12.2026", 1, ClickAfterTab, "15", "15.12.2026"},
        {"double click before a dash", Date, "yyyy-MM-dd", "2026-12-07", 7, DoubleClick, "03", "2026-03-07"},
        {"ISO month", Date, "yyyy-MM-dd", "2026-12-07", 6, Click, "01", "2026-01-07"},
        {"hour", Time, "HH:mm:ss", "10:20:30", 1, Click, "14", "14:20:30"},
        {"minute", Time, "HH:mm:ss", "10:20:30", 4, Click, "05", "10:05:30"},
        {"second after Tab", Time, "HH:mm:ss", "10:20:30", 7, ClickAfterTab, "59", "10:20:59"},
    };
    for (const SectionCase &c : cases) {
        SCOPED_TRACE(c.name);
        QWidget form;
        auto *other = new QLineEdit(&form);
        auto *ed = new TDateTimeEdit(c.kind, &form);
        ed->setDisplayFormat(c.format);
        ed->setDateTime(QDateTime::fromString(c.before, c.format));
        ed->setCalendarPopup(c.kind == Date);
        ed->setGeometry(0, 30, 160, 24);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        if (c.how == ClickAfterTab)
            ed->setFocus(Qt::TabFocusReason);
        else
            other->setFocus();
        auto *edit = ed->findChild<QLineEdit *>();
        const QPoint at = PointOfCursor(edit, c.cursor);
        if (c.how == DoubleClick)
            QTest::mouseDClick(edit, Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(edit, Qt::LeftButton, {}, at);
        QTest::keyClicks(ed, c.typed);
        EXPECT_EQ(ed->dateTime().toString(c.format).toStdString(), c.after);
    }
}

TEST(DateTimeEdit, TheDropDownButtonOpensTheCalendar)
{
    QWidget form;
    auto *ed = new TDateTimeEdit(QMetaType::QDate, &form);
    ed->setCalendarPopup(true);
    ed->setDate(QDate(2026, 12, 7));
    ed->resize(160, 24);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(ed, Qt::LeftButton, {}, QPoint(ed->width() - 5, ed->height() / 2));
    EXPECT_TRUE(ed->calendarWidget()->isVisible());
    EXPECT_EQ(ed->calendarWidget()->selectedDate(), QDate(2026, 12, 7));
}
