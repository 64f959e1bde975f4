#pragma once

#include "awards/StatTables.h"

#include <QString>
#include <QStringList>
#include <map>

// A result table as text, one string per row: the fields joined by "|", the
// cells from firstCell on with each blank shown as "." and each mark as "x",
// so that "x." is a worked cell, "xx" a confirmed one and "..3" a count.
inline QStringList TableRows(TExMemoryData &table, int firstCell)
{
    QStringList rows;
    for (int r = 0; r < table.RecordCount(); ++r) {
        QStringList fields;
        for (int f = 0; f < table.FieldCount(); ++f) {
            const Field *field = table.Fields()[f];
            QString text = field->FormatValue(table.ValueAt(r, field), false);
            if (f >= firstCell)
                text.replace(u' ', u'.').replace(MarkChar, u'x');
            fields << text;
        }
        rows << fields.join(u'|');
    }
    return rows;
}

// An expected row: the leading fields, then cellCount cells, each the text
// given for its 1-based position or `otherCells`.
inline QString Row(const QStringList &leading, int cellCount, const std::map<int, QString> &cells,
                   const QString &otherCells = QStringLiteral(".."))
{
    QStringList fields = leading;
    for (int c = 1; c <= cellCount; ++c) {
        const auto it = cells.find(c);
        fields << (it == cells.end() ? otherCells : it->second);
    }
    return fields.join(u'|');
}
