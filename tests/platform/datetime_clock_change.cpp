#include "platform/DateTime.h"
#include "platform/db/ExMemDS.h"
#include "support/WarsawTime.h"

#include <gtest/gtest.h>

// The log's times are UTC wall-clock values: under a local zone with summer
// time, the hour the clock skips and the hour it repeats must still convert,
// format, parse and compare as plain dates and times.
TEST(DateTimeClockChange, WallClockValuesRoundTripUnderAZoneWithSummerTime)
{
    const WarsawTime zone;
    ASSERT_TRUE(WarsawTime::FollowedByQt());

    struct Case {
        DateTime value;
        const char *text; // yyyy-MM-dd HH:mm:ss.zzz
    };
    const Case cases[] = {
        {DateTime::fromDate(2025, 3, 30, 2, 0, 0), "2025-03-30 02:00:00.000"},        // first skipped second
        {SpringGapQso().Data, "2025-03-30 02:11:19.000"},                             // in the skipped hour
        {DateTime::fromDate(2025, 3, 30, 2, 59, 59, 999), "2025-03-30 02:59:59.999"}, // its last millisecond
        {DateTime::fromDate(2025, 10, 26, 2, 0, 0), "2025-10-26 02:00:00.000"},       // repeated hour
        {AutumnRepeatQso().Data, "2025-10-26 02:30:00.000"},
        {DateTime::fromDate(2025, 10, 26, 2, 59, 59), "2025-10-26 02:59:59.000"},
        {DateTime::fromDate(2025, 1, 15, 12, 0, 0), "2025-01-15 12:00:00.000"}, // winter
    };

    TExMemoryData table;
    Field *stamp = table.AddField("STAMP", FieldType::DateTime);
    Field *text = table.AddField("TEXT", FieldType::String, 30);
    table.Open();
    for (const Case &c : cases) {
        table.Append();
        stamp->SetAsString(QString::fromLatin1(c.text).left(19));
        text->SetAsString(QString::fromLatin1(c.text));
        table.Post();
    }

    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case &c = cases[i];
        const QString expected = QString::fromLatin1(c.text);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")), expected);

        const QDateTime q = c.value.toQDateTime();
        ASSERT_TRUE(q.isValid());
        EXPECT_EQ(q.date(), c.value.date());
        EXPECT_EQ(q.time(), c.value.time());
        EXPECT_EQ(DateTime::fromQDateTime(q), c.value);
        // A date-time made on the local clock is read by its fields too, even
        // where the local clock has no such moment (and Qt keeps the fields).
        const QDateTime local(c.value.date(), c.value.time());
        if (local.time() == c.value.time()) {
            EXPECT_EQ(DateTime::fromQDateTime(local), c.value);
        }
        // Order follows the wall clock, not the local zone's offsets.
        if (i > 0 && i + 1 < std::size(cases)) {
            EXPECT_LT(cases[i - 1].value.toQDateTime(), q);
        }

        // Fields: text in, value out, and the formatted text back.
        table.SetRecNo(int(i) + 1);
        EXPECT_EQ(stamp->AsDateTime(), c.value.addTicks(-(c.value.ticks() % DateTime::TicksPerSecond)));
        EXPECT_EQ(stamp->AsString(), expected.left(19));
        EXPECT_EQ(text->AsDateTime(), c.value);
        stamp->SetDisplayFormat(QStringLiteral("DD-MM-YYYY HH:nn"));
        EXPECT_EQ(stamp->DisplayText(), expected.mid(8, 2) + u'-' + expected.mid(5, 2) + u'-' +
                                            expected.left(4) + u' ' + expected.mid(11, 5));
        table.Edit();
        stamp->SetAsVariant(q);
        table.Post();
        EXPECT_EQ(stamp->AsDateTime(), c.value);
        EXPECT_EQ(stamp->AsVariant().value<DateTime>(), c.value);
    }

    // Lookups by a Qt date-time, made on either clock.
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        table.First();
        EXPECT_TRUE(table.Locate(QStringLiteral("STAMP"), c.value.toQDateTime(), 0));
        EXPECT_EQ(stamp->AsDateTime(), c.value);
        const QDateTime local(c.value.date(), c.value.time());
        if (local.time() != c.value.time())
            continue;
        table.First();
        EXPECT_TRUE(table.Locate(QStringLiteral("STAMP"), local, 0));
        EXPECT_EQ(table.RecNo(), int(&c - cases) + 1);
    }
}
