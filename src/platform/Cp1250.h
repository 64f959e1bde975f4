#pragma once

#include <QByteArray>
#include <QString>

// Windows-1250, the code page of the database, ADIF files and reference text
// files. A table of our own: no dependency on the ICU build of Qt.
namespace Cp1250 {
// Characters with no Windows-1250 form become '?'.
QByteArray fromUnicode(const QString &text);
QString toUnicode(const char *data, qsizetype size);
inline QString toUnicode(const QByteArray &bytes)
{
    return toUnicode(bytes.constData(), bytes.size());
}
// The byte for one character, '?' when it has none.
char toByte(QChar c);
// Whether the character has a Windows-1250 form (is not stored as '?').
inline bool holds(QChar c)
{
    return c.unicode() < 0x80 || toByte(c) != '?';
}
}
