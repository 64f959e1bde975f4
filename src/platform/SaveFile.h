#pragma once

#include <QSaveFile>

// A file written whole or not at all (a temporary file in the same folder,
// renamed over the target by Commit), which keeps the system's reason for
// its first failure so that the user can be told the cause. Qt's own error
// text loses it when a write stops part way ("Unknown error").
class SaveFile : public QSaveFile {
public:
    explicit SaveFile(const QString &name) : QSaveFile(name) {}

    bool open(OpenMode mode) override;
    // Writes out what is buffered and puts the file in place. False when any
    // write failed; the temporary file is gone then and the target untouched.
    bool Commit();
    // True once a write has failed: what follows cannot succeed.
    bool Failed() const { return failed_; }
    // Why open, a write or Commit failed, in Polish (see WriteFailureCause).
    QString FailureCause() const;

protected:
    qint64 writeData(const char *data, qint64 len) override;

private:
    void noteFailure();

    int errno_ = 0;
    bool failed_ = false;
};
