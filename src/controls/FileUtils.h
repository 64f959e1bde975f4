#pragma once

#include <QString>

bool IsDirectory(const QString &name);
// Not empty and free of < > " [ ] |
bool IsValidFileName(const QString &name);
// The name of an existing file as found in its folder; empty when there is none.
// Linux has no alternate short names, so both give the same name.
QString LongNameOf(const QString &name);
QString ShortNameOf(const QString &name);
