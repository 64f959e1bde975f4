#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

bool IsDirectory(const QString &name);
// Not empty and free of < > " [ ] |
bool IsValidFileName(const QString &name);
// The name of an existing file as found in its folder; empty when there is none.
// Linux has no alternate short names, so both give the same name.
QString LongNameOf(const QString &name);
QString ShortNameOf(const QString &name);

// For the import windows: false after telling the user that no name was given
// (in the window's own words) or that the file is missing.
bool InputFileExists(const QString &name, const QString &noNameMessage);
// The whole file, or nothing after telling the user why it cannot be read.
std::optional<QByteArray> ReadInputFile(const QString &name);
