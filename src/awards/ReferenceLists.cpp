#include "awards/ReferenceLists.h"

#include "core/Geography.h"
#include "platform/Cp1250.h"

namespace {

// Calls lineFn(text, number) for every line of the file: split at LF, a CR
// at the end dropped, decoded from Windows-1250. A file ending in a line break
// has no empty line after it.
template <typename LineFn> void ForEachLine(const QByteArray &bytes, LineFn lineFn)
{
    qsizetype start = 0;
    qsizetype number = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        if (end > start && bytes[end - 1] == '\r')
            --end;
        lineFn(Cp1250::toUnicode(bytes.constData() + start, end - start), ++number);
        start = next;
    }
}

// Columns counted from 1, as the lists are described.
QString Column(const QString &line, qsizetype first, qsizetype length)
{
    return line.mid(first - 1, length).trimmed();
}

bool IsCastleSymbol(const QString &key)
{
    for (QChar c : key)
        if (!c.isLetter() && !(c >= u'0' && c <= u'9'))
            return false;
    return !key.isEmpty();
}

bool IsCommuneCode(const QString &key)
{
    for (QChar c : key)
        if (!(c >= u'0' && c <= u'9'))
            return false;
    return !key.isEmpty();
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
    return ReadList<CastleListRow>(bytes, CastleLineMinimum, IsCastleSymbol, [](const QString &line) {
        return CastleListRow{Column(line, 1, 6), Column(line, 7, 32)};
    });
}

ListRead<CommuneListRow> ReadCommuneList(const QByteArray &bytes)
{
    return ReadList<CommuneListRow>(bytes, CommuneLineMinimum, IsCommuneCode, [](const QString &line) {
        return CommuneListRow{Column(line, 1, 6), Column(line, 8, 33), Column(line, 41, 30),
                              VoivodeshipCodeForName(Column(line, 71, 30))};
    });
}
