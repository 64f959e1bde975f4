#pragma once

#include "platform/DateTime.h"
#include "platform/Progress.h"

#include <QString>
#include <optional>

class TDM;

// Writes QSOs of LOGI in date-time order to a new ADIF file: the whole log, or
// the QSOs from the start of one day to the end of another. No dialogs.
class AdifExport {
public:
    enum class Outcome { Written, NoRows, Failed };

    explicit AdifExport(TDM &dm) : dm_(dm) {}

    // `from`/`to` are whole days (their time of day is ignored). The file is
    // created only when there is a QSO to write and appears only when complete.
    // Progress gets the number of QSOs written so far.
    Outcome Run(const QString &fileName, std::optional<QDate> from = {}, std::optional<QDate> to = {},
                const TProgress &progress = {});

    qsizetype Written() const { return written_; }
    // Why the run failed; empty after a lost connection that was told before.
    QString ErrorText() const { return error_; }

    // First and last instant of the range, as the query compares them.
    static DateTime RangeStart(const QDate &day);
    static DateTime RangeEnd(const QDate &day);

private:
    TDM &dm_;
    qsizetype written_ = 0;
    QString error_;
};
