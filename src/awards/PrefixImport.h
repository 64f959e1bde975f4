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

// Replaces both tables by the file's records in one transaction: on any
// failure it is rolled back, leaving the old tables as they were, and the
// error is thrown. Either way the data module's KrajeDX and Prefiksy are
// reopened afterwards, so its call-sign resolution follows the tables.
void ReplacePrefixTables(TDM &dm, const PrefixFile &file);

// The counter text shown while the countries of the QSOs are recomputed: the
// QSOs done of all of them.
QString RecomputeStatusText(int n, int total);

// Sets every QSO's KRAJID from the data module's call-sign resolution, in one
// transaction committed at the end (rolled back and thrown on failure); only
// the rows whose country changes are written. Progress gets the number of
// QSOs first, then the QSOs done every tenth one. Returns the number of QSOs
// changed.
int RecomputeQsoCountries(TDM &dm, const TProgress &progress = {});

// The prefix-table update: the file is read and checked, the tables are
// replaced, and the country of every QSO is recomputed from the new tables.
// Each step is a phase whose caption is the text of the window's status line
// (an empty one clears it); the countries' step reports its counter as above.
// No dialogs: Run returns whether it all went through and Message holds the
// text to show either way.
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
