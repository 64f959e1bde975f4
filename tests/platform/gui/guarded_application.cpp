#include "platform/Messages.h"
#include "platform/db/FbError.h"
#include "platform/gui/GuardedApplication.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

// This test program runs under the program's application object. An exception
// that a slot lets through on a posted event is told as a warning after the
// event, and the program goes on; a lost connection is told once however many
// events fail on it; a paint that throws is told after the paint.
TEST(GuardedApplication, AnExceptionReachingEventDeliveryIsToldNotFatal)
{
    ASSERT_NE(dynamic_cast<GuardedApplication *>(QCoreApplication::instance()), nullptr);
    QStringList shown;
    Messages::setHandler([&](Messages::Kind, const QString &, const QString &text) {
        shown << text;
        return true;
    });

    QObject target;
    FbError lost(QStringLiteral("connection shutdown"), 0, 0);
    lost.SetLost(std::make_shared<FbLossNotice>());
    QTimer::singleShot(0, &target, [] { throw DbError(QStringLiteral("Nie ma takiej tabeli")); });
    for (int i = 0; i < 3; ++i)
        QTimer::singleShot(0, &target, [lost] { throw lost; });
    bool after = false;
    QTimer::singleShot(0, &target, [&after] { after = true; });

    struct Throwing : QWidget {
        void paintEvent(QPaintEvent *) override { throw DbError(QStringLiteral("Błąd w rysowaniu")); }
    } widget;
    widget.resize(40, 40);
    widget.grab();
    EXPECT_TRUE(shown.isEmpty()) << "no box inside a paint";

    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    Messages::setHandler({});
    EXPECT_TRUE(after);
    ASSERT_EQ(shown.size(), 3) << shown.join(u'|').toStdString();
    EXPECT_EQ(shown[0], QStringLiteral("Błąd w rysowaniu"));
    EXPECT_EQ(shown[1], QStringLiteral("Nie ma takiej tabeli"));
    EXPECT_TRUE(shown[2].startsWith(QStringLiteral("Połączenie z bazą dziennika zostało przerwane.")));
}
