#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

// One field of an ADIF record: the tag name upper-cased, the value decoded.
struct AdifTagValue {
    QString name;
    QString value;
};

// The fields of one record in file order. A tag may occur twice; whoever maps
// the record applies them in order, so the later one wins.
struct AdifRecord {
    QList<AdifTagValue> fields;
    qsizetype offset = 0; // byte offset of the record's first tag
};

enum class AdifProblemKind {
    BadLength,    // a field length that is not a number: reading stops there
    Truncated,    // a tag or value runs past the end of the file: its record is dropped
    Unterminated, // fields after the last end-of-record tag: dropped
};

struct AdifProblem {
    AdifProblemKind kind;
    qsizetype offset;     // byte offset of the tag
    qsizetype recordsRead; // complete records before the problem
    QString tag;          // tag text between '<' and '>' as far as it was read
};

// Polish description of a problem, for the import window's warning.
QString AdifProblemText(const AdifProblem &problem);

// Reads ADIF records from the bytes of a whole file, one record per call.
// The header ends with the first <EOH> (any letter case); a file without one
// is read from its first byte. Any tag without ':' ends a record. Valid UTF-8
// holding multi-byte sequences is decoded as UTF-8, anything else as
// Windows-1250; field lengths count bytes either way.
class AdifReader {
public:
    explicit AdifReader(QByteArray bytes);

    // The next complete record (possibly without fields); false at the end of
    // the file or when a problem stopped the reading.
    bool next(AdifRecord &record);

    bool isUtf8() const { return utf8_; }
    qsizetype recordsRead() const { return recordsRead_; }
    qsizetype position() const { return pos_; }
    qsizetype size() const { return bytes_.size(); }
    const QList<AdifProblem> &problems() const { return problems_; }

private:
    enum class State { Between, Finished };

    void fail(AdifProblemKind kind, qsizetype offset, QString tag);
    QString decode(const char *data, qsizetype size) const;

    QByteArray bytes_;
    qsizetype pos_ = 0;
    qsizetype recordsRead_ = 0;
    bool utf8_ = false;
    State state_ = State::Between;
    QList<AdifProblem> problems_;
};

struct AdifReadResult {
    QList<AdifRecord> records;
    QList<AdifProblem> problems;
    bool utf8 = false;
};

// All records of a file at once; for small files and tests.
AdifReadResult ReadAdif(const QByteArray &bytes);

// Whether the bytes are valid UTF-8 holding at least one multi-byte sequence.
bool IsMultiByteUtf8(const QByteArray &bytes);
