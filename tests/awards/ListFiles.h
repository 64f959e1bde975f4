#pragma once

// Lines of the castle and commune lists, laid out in their fixed columns, for
// the tests of the readers, the imports and the import windows.
#include "platform/Cp1250.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A castle line: symbol in columns 1-6, name in 7-38, then filler up to `length` characters.
inline QString CastleLine(const QString &symbol, const QString &name, int length = 45)
{
    return (symbol.leftJustified(6, u' ', true) + name.leftJustified(32, u' ', true))
        .leftJustified(length, u'.');
}

// A commune line: code 1-6, column 7 unread, commune 8-40, district 41-70, voivodeship 71-100.
inline QString CommuneLine(const QString &code, const QString &gmina, const QString &powiat,
                           const QString &wojewodztwo)
{
    return code.leftJustified(6, u' ', true) + u'|' + gmina.leftJustified(33, u' ', true) +
           powiat.leftJustified(30, u' ', true) + wojewodztwo.leftJustified(30, u' ', true);
}

// The lines as a Windows-1250 file with the given line break after each line.
inline QByteArray ListFile(const QStringList &lines, const char *lineBreak = "\r\n")
{
    QByteArray bytes;
    for (const QString &l : lines)
        bytes += Cp1250::fromUnicode(l) + lineBreak;
    return bytes;
}
