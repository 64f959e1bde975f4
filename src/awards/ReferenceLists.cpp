#include "awards/ReferenceLists.h"

#include "core/Geography.h"
#include "platform/Cp1250.h"
#include "platform/TextEncoding.h"

#include <algorithm>

namespace {

// Calls lineFn(text, number) for every line of the file: split at LF, a CR
// at the end dropped. The whole file is decoded first, as UTF-8 or Windows-1250,
// so that the columns count characters whichever it is. A file ending in a
// line break has no empty line after it.
template <typename LineFn> void ForEachLine(const QByteArray &bytes, LineFn lineFn)
{
    QString text = DecodeCp1250OrUtf8(bytes);
    // Editors that save UTF-8 may put a byte order mark before the first line.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    qsizetype start = 0;
    qsizetype number = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        if (end > start && text[end - 1] == u'\r')
            --end;
        lineFn(text.mid(start, end - start), ++number);
        start = next;
    }
}

// Columns counted from 1, as the lists are described.
QString Column(const QString &line, qsizetype first, qsizetype length)
{
    return line.mid(first - 1, length).trimmed();
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A letter the database can store: one without a Windows-1250 form would be
// stored as '?' and two keys could become one.
bool IsKeyLetter(QChar c)
{
    return c.isLetter() && Cp1250::holds(c);
}

// Letters and digits with at least one digit ("SP001", "ZA7", "146501",
// "D0101"): a title line such as "SYMBOL" or "KOD" is not a key.
bool IsListKey(const QString &key)
{
    bool digit = false;
    for (QChar c : key) {
        if (!IsKeyLetter(c) && !IsDigit(c))
            return false;
        digit = digit || IsDigit(c);
    }
    return digit;
}

// The rows made from the lines long enough whose key is well formed; the
// other lines become problems. Another file picked by mistake (an ADIF log)
// has long lines too, but not the keys.
template <typename Row, typename MakeRow>
ListRead<Row> ReadList(const QByteArray &bytes, int minimum, bool (*validKey)(const QString &),
                       MakeRow makeRow)
{
    ListRead<Row> read;
    ForEachLine(bytes, [&](const QString &line, qsizetype number) {
        if (line.size() < minimum) {
            read.Problems.append({ListLineProblem::TooShort, number});
            return;
        }
        Row row = makeRow(line);
        row.Line = number;
        if (!validKey(Column(line, 1, 6)))
            read.Problems.append({ListLineProblem::BadKey, number});
        else
            read.Rows.append(std::move(row));
    });
    return read;
}

} // namespace

ListRead<CastleListRow> ReadCastleList(const QByteArray &bytes)
{
    return ReadList<CastleListRow>(bytes, CastleLineMinimum, IsListKey, [](const QString &line) {
        return CastleListRow{Column(line, 1, 6), Column(line, 7, 32)};
    });
}

ListRead<CommuneListRow> ReadCommuneList(const QByteArray &bytes)
{
    return ReadList<CommuneListRow>(bytes, CommuneLineMinimum, IsListKey, [](const QString &line) {
        return CommuneListRow{Column(line, 1, 6), Column(line, 8, 33), Column(line, 41, 30),
                              VoivodeshipCodeForName(Column(line, 71, 30))};
    });
}
