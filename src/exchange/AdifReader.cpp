#include "exchange/AdifReader.h"

#include "core/Adif.h"
#include "platform/TextEncoding.h"

#include <cstring>

namespace {

qsizetype FindEndOfHeader(const QByteArray &bytes)
{
    static const QByteArrayView eoh("<EOH>");
    const char *data = bytes.constData();
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i + eoh.size() <= n; ++i) {
        if (data[i] != '<')
            continue;
        bool match = true;
        for (qsizetype k = 1; k < eoh.size() && match; ++k) {
            char c = data[i + k];
            if (c >= 'a' && c <= 'z')
                c = char(c - 'a' + 'A');
            match = c == eoh[k];
        }
        if (match)
            return i + eoh.size();
    }
    return -1;
}

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

} // namespace

AdifReader::AdifReader(QByteArray bytes) : bytes_(std::move(bytes))
{
    const qsizetype start = FindEndOfHeader(bytes_);
    pos_ = start < 0 ? 0 : start;
}

void AdifReader::fail(AdifProblemKind kind, qsizetype offset, QByteArrayView tag)
{
    problems_.append(AdifProblem{kind, offset, recordsRead_, PrintableExcerpt(tag), recordsRead_ + skipped_ + 1});
    state_ = State::Finished;
    pos_ = bytes_.size();
}

void AdifReader::skip(qsizetype offset, const QByteArray &tag)
{
    ++skipped_;
    for (AdifProblem &p : problems_)
        if (p.kind == AdifProblemKind::LengthPastRecord) {
            p.count = skipped_;
            return;
        }
    problems_.append(AdifProblem{AdifProblemKind::LengthPastRecord, offset, recordsRead_, PrintableExcerpt(tag),
                                 recordsRead_ + skipped_});
}

bool AdifReader::next(AdifRecord &record)
{
    record.fields.clear();
    record.offset = -1;
    if (state_ == State::Finished)
        return false;

    const char *data = bytes_.constData();
    const qsizetype n = bytes_.size();
    QByteArray tag;
    while (true) {
        // Seeking a tag: everything between fields is skipped.
        const char *lt =
            pos_ < n ? static_cast<const char *>(std::memchr(data + pos_, '<', n - pos_)) : nullptr;
        if (!lt) {
            if (!record.fields.isEmpty())
                fail(AdifProblemKind::Unterminated, record.offset, {});
            state_ = State::Finished;
            pos_ = n;
            return false;
        }
        const qsizetype tagStart = (lt - data) + 1;

        // Reading the tag text up to '>'.
        const char *gt = static_cast<const char *>(std::memchr(lt + 1, '>', n - tagStart));
        if (!gt) {
            fail(AdifProblemKind::Truncated, tagStart - 1, QByteArrayView(lt + 1, n - tagStart));
            return false;
        }
        const qsizetype tagEnd = gt - data;
        tag.resize(tagEnd - tagStart);
        for (qsizetype i = tagStart; i < tagEnd; ++i)
            tag[i - tagStart] = UpperAscii(data[i]);
        if (record.offset < 0)
            record.offset = tagStart - 1;

        const qsizetype colon = tag.indexOf(':');
        if (colon < 0) {
            // End of record: any tag without a length.
            pos_ = tagEnd + 1;
            ++recordsRead_;
            return true;
        }

        // Field length: the digits right after the first ':'; a type letter may follow.
        qsizetype length = 0;
        qsizetype d = colon + 1;
        if (d < tag.size() && !(tag[d] >= '0' && tag[d] <= '9')) {
            fail(AdifProblemKind::BadLength, tagStart - 1, tag);
            return false;
        }
        const qsizetype valueStart = tagEnd + 1;
        const qsizetype remaining = n - valueStart;
        for (; d < tag.size() && tag[d] >= '0' && tag[d] <= '9'; ++d) {
            length = length * 10 + (tag[d] - '0');
            if (length > remaining)
                break;
        }
        // A length past the file's end is wrong, and so is one that swallows
        // an <EOR> and ends amid other text: the record is skipped up to its <EOR>.
        // A value may hold "<EOR>" itself; then a tag or the file's end follows it.
        const AdifValueCheck check = CheckAdifValue(data, n, valueStart, length);
        if (check.Span != AdifValueSpan::Fits) {
            const qsizetype eor = check.Eor;
            if (eor < 0) {
                fail(AdifProblemKind::Truncated, tagStart - 1, tag);
                return false;
            }
            skip(tagStart - 1, tag);
            record.fields.clear();
            record.offset = -1;
            pos_ = eor + 5;
            continue;
        }

        // Reading the value: exactly `length` bytes, line breaks included.
        ++fieldsRead_;
        record.fields.append(AdifTagValue{QString::fromLatin1(tag.constData(), colon),
                                          DecodeCp1250OrUtf8(QByteArrayView(data + valueStart, length))});
        pos_ = valueStart + length;
    }
}

AdifReadResult ReadAdif(const QByteArray &bytes)
{
    AdifReader reader(bytes);
    AdifReadResult result;
    AdifRecord record;
    while (reader.next(record))
        result.records.append(record);
    result.problems = reader.problems();
    return result;
}

QString AdifProblemText(const AdifProblem &problem)
{
    const QString where =
        QStringLiteral("po %1 pozycjach, bajt %2 pliku").arg(problem.recordsRead).arg(problem.offset);
    switch (problem.kind) {
    case AdifProblemKind::BadLength:
        return QStringLiteral(
                   "Błędna długość pola w znaczniku <%1> (%2). Dalsza część pliku nie została wczytana.")
            .arg(problem.tag, where);
    case AdifProblemKind::Truncated:
        return QStringLiteral("Plik jest urwany: znacznik <%1> sięga poza koniec pliku (%2). "
                              "Niepełna pozycja została pominięta.")
            .arg(problem.tag, where);
    case AdifProblemKind::LengthPastRecord:
        return QStringLiteral(
                   "Pominięto pozycje z długością pola sięgającą poza koniec pozycji lub pliku: %1. "
                   "Pierwszy błędny znacznik: <%2> w pozycji nr %3 pliku (bajt %4).")
            .arg(problem.count)
            .arg(problem.tag)
            .arg(problem.record)
            .arg(problem.offset);
    case AdifProblemKind::Unterminated:
        return QStringLiteral(
                   "Ostatnia pozycja pliku nie kończy się znacznikiem <EOR> (%1) i została pominięta.")
            .arg(where);
    }
    return QString();
}
