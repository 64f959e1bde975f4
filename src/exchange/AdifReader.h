#pragma once

#include <QByteArray>
#include <QByteArrayView>
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
    BadLength,        // a field length that is not a number: reading stops there
    Truncated,        // a tag or value runs past the end of the file: its record is dropped
    Unterminated,     // fields after the last end-of-record tag: dropped
    LengthPastRecord, // a length runs past the record's <EOR> or the file: the record is skipped
};

struct AdifProblem {
    AdifProblemKind kind;
    qsizetype offset;      // byte offset of the tag
    qsizetype recordsRead; // complete records before the problem
    QString tag;           // tag text between '<' and '>' as far as it was read, as PrintableExcerpt shows it
    qsizetype record = 0;  // 1-based number of the record in the file, skipped ones included
    qsizetype count = 1;   // records skipped for this kind of problem so far
};

// Polish description of a problem, for the import window's warning.
QString AdifProblemText(const AdifProblem &problem);

// Reads ADIF records from the bytes of a whole file, one record per call.
// The header ends with the first <EOH> (any letter case); a file without one
// is read from its first byte. Any tag without ':' ends a record. A field whose
// length runs past its record's <EOR> or past the end of the file skips that
// record, and the reading goes on after its <EOR>. Each value is decoded on its
// own (DecodeCp1250OrUtf8): files merged from several logs mix both encodings.
// Field lengths count bytes.
class AdifReader {
public:
    explicit AdifReader(QByteArray bytes);

    // The next complete record (possibly without fields); false at the end of
    // the file or when a problem stopped the reading.
    bool next(AdifRecord &record);

    qsizetype recordsRead() const { return recordsRead_; }
    qsizetype position() const { return pos_; }
    qsizetype size() const { return bytes_.size(); }
    // At most one LengthPastRecord problem, for the first skipped record and
    // counting them all, and at most one problem that stopped the reading.
    const QList<AdifProblem> &problems() const { return problems_; }
    qsizetype skippedRecords() const { return skipped_; }
    // Fields read so far, those of dropped records too: none in a file that
    // holds no ADIF at all.
    qsizetype fieldsRead() const { return fieldsRead_; }

private:
    enum class State { Between, Finished };

    void fail(AdifProblemKind kind, qsizetype offset, QByteArrayView tag);
    void skip(qsizetype offset, const QByteArray &tag);

    QByteArray bytes_;
    qsizetype pos_ = 0;
    qsizetype recordsRead_ = 0;
    qsizetype skipped_ = 0;
    qsizetype fieldsRead_ = 0;
    State state_ = State::Between;
    QList<AdifProblem> problems_;
};

struct AdifReadResult {
    QList<AdifRecord> records;
    QList<AdifProblem> problems;
};

// All records of a file at once; for small files and tests.
AdifReadResult ReadAdif(const QByteArray &bytes);
