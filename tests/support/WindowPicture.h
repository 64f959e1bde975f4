#pragma once

// Pictures of windows for the README's screenshot commands. QUARN_SCREENSHOT
// names a PNG file X.png; the picture of a part "name" goes to X-name.png.

#include <QFileInfo>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

inline bool WindowPicturesAsked()
{
    return !qEnvironmentVariableIsEmpty("QUARN_SCREENSHOT");
}

// A test that only takes pictures checks nothing else: it runs when they are
// asked for.
#define SKIP_UNLESS_PICTURES_ASKED()                                                                             \
    if (!WindowPicturesAsked())                                                                                  \
    GTEST_SKIP() << "set QUARN_SCREENSHOT to a PNG path"

// Shows the window, lets it paint and saves its picture.
inline void SaveWindowPicture(QWidget &window, const char *name)
{
    window.show();
    QTest::qWait(100);
    const QPixmap picture = window.grab();
    ASSERT_FALSE(picture.isNull()) << name;
    const QFileInfo info(qEnvironmentVariable("QUARN_SCREENSHOT"));
    const QString file = info.path() + '/' + info.completeBaseName() + '-' + name + ".png";
    EXPECT_TRUE(picture.save(file, "PNG")) << file.toStdString();
}
