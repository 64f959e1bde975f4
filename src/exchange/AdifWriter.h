#pragma once

#include "platform/SaveFile.h"

#include <QByteArray>
#include <QString>

class TLog;

// The six header lines of the program's ADIF files, CR LF ended, Windows-1250.
QByteArray AdifFileHeader();

// Writes an ADIF file: the header, then one QSO record per line. The target
// appears only when Commit succeeds; on any error nothing is left behind.
class AdifFileWriter {
public:
    explicit AdifFileWriter(const QString &fileName);

    // Creates the temporary file and writes the header; false with ErrorText().
    bool Open();
    bool WriteQso(const TLog &qso);
    bool Commit();
    QString ErrorText() const { return error_; }

private:
    bool Fail();

    SaveFile file_;
    QString error_;
};
