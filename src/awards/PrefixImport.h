#pragma once

#include "core/PrefiksyExpImp.h"
#include "platform/Progress.h"

#include <QByteArray>
#include <QString>
#include <variant>
#include <vector>

class TDM;

// The records of a prefix file in file order: a prefix goes in only when its
// country is already there, so the order decides what is kept.
struct PrefixFile {
    std::vector<std::variant<TKrajDX, TPrefixDX>> Records;
};

// Reads and checks the whole file before anything is changed: a fault in the
// tags, a file cut short (amid a tag, a value or a record), a file without any
// country or without any prefix of its countries, or a country id given twice.
// Returns an empty text when the file may replace the tables, else the message.
QString ReadPrefixFile(const QByteArray &bytes, PrefixFile &file);

// The counter text shown while the countries of the QSOs are written: the
// QSOs done of all of them.
QString RecomputeStatusText(int n, int total);

// The question asked before new tables would leave QSOs that have a country
// without one.
QString LostCountriesQuestion(int qsos);

// The prefix-table update: the file is read and checked, then both tables are
// replaced and the country of every QSO is recomputed from the new tables, all
// in one transaction. Before anything is kept, when QSOs that have a country
// would be left without one, it asks (Messages::AskConfirm) with their
// number; No rolls the whole update back. Any failure rolls it back too, so
// the tables and the QSOs are either both new or both as they were. Each step
// is a phase whose caption is the text of the window's status line (an empty
// one clears it); writing the countries reports the QSOs done every tenth one,
// after the number of QSOs. The data module's KrajeDX and Prefiksy keep the old
// tables until the commit and are reread after it. Run returns whether the new
// tables were kept, and Message holds the text to show either way.
class PrefixImport {
public:
    explicit PrefixImport(TDM &dm) : dm_(dm) {}

    bool Run(const QByteArray &bytes, const TProgress &progress = {});
    const QString &Message() const { return message_; }
    int ChangedQsos() const { return changed_; }

private:
    TDM &dm_;
    QString message_;
    int changed_ = 0;
};
