#include "support/TestMain.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("FIREBIRD_LOCK")) {
        const QString lock = QDir::temp().filePath(QStringLiteral("quarn-test-ui-lock"));
        QDir().mkpath(lock);
        qputenv("FIREBIRD_LOCK", lock.toUtf8());
    }
    // Windows are tested as the program shows them.
    return RunTests<QApplication>(argc, argv, [] { ApplyProgramFont(); });
}
