#pragma once

#include "support/LogDb.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A data-module test whose windows read files it writes into a folder of its own.
class FileWindowTest : public DataModuleTest {
protected:
    QString WriteFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    QTemporaryDir dir;
};
