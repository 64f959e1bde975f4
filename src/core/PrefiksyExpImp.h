#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <vector>

// The statements a prefix-table record runs on import. The data module
// implements it over its scratch query: each call runs in a transaction of its
// own, committed before it returns; failures are thrown.
class PrefixTableExecutor {
public:
    struct Param {
        QString Name;
        QVariant Value;
    };
    virtual ~PrefixTableExecutor() = default;
    virtual void Execute(const QString &sql, const std::vector<Param> &params) = 0;
    // The first column of the first row as an integer.
    virtual int64_t SelectInteger(const QString &sql, const std::vector<Param> &params) = 0;
};

// One country record of the prefix file (table KrajeDx).
class TKrajDX {
public:
    int32_t KrajId = 0;
    QString PrefixDX;
    QString NazwaAng;
    QString NazwaPol;
    QString Kontynent;

    QString KrajDXToTagText() const;
    // Inserts the country; a record without a valid id (<= 0) is skipped.
    // Returns whether a row was inserted; a duplicate id throws.
    bool KrajDXInsert(PrefixTableExecutor &db) const;
    void KrajDXClear();
};

// One prefix record of the prefix file (table PrefiksyDx).
class TPrefixDX {
public:
    int32_t KrajId = 0;
    QString Prefix;

    QString PrefixDXToTagText() const;
    // Inserts the prefix only when its country exists and the id is valid.
    bool PrefixDXInsert(PrefixTableExecutor &db) const;
    void PrefixDXClear();
};

// Reads the tagged records of a prefix file (Windows-1250 bytes) in file order,
// handing each record to its callback when its end tag is read. Returns an
// empty text on success, else a message in Polish: a field length without
// digits, a file cut short (a tag without its '>', a value past the end of the
// file, a last record without its end tag) or a value that takes in an
// "<EOR>". Records handed over before the fault stay handed over.
QString ReadPrefixRecords(const QByteArray &bytes, const std::function<void(const TKrajDX &)> &onCountry,
                          const std::function<void(const TPrefixDX &)> &onPrefix);
