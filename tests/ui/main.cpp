#include "ui/Startup.h"

#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

// The window tests drive real widgets, so one application object lives for the whole run.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("FIREBIRD_LOCK")) {
        const QString lock = QDir::temp().filePath(QStringLiteral("quarn-test-ui-lock"));
        QDir().mkpath(lock);
        qputenv("FIREBIRD_LOCK", lock.toUtf8());
    }
    QApplication app(argc, argv);
    ApplyProgramFont();  // windows are tested as the program shows them
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
