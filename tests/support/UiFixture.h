#pragma once

#include "support/QsoRows.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

class TMainForm;

// Readable QStrings in failure messages.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

// One box shown through the message service.
struct ShownBox {
    bool confirm = false;
    QString caption;
    QString text;
};

// A test with a full temporary Log.dat opened by the data module, its own
// settings file, the process-wide settings at their start values, and every
// message box recorded and answered with ConfirmAnswer.
class UiFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Inserts QSOs and reopens the log in the current order on its first row.
    std::vector<int> AddQsos(const std::vector<QsoRow> &rows);
    // The main window (created on first use) after its first activation.
    TMainForm &Main();
    // The LogId of the log's current row, 0 when none.
    int CurrentLogId() const;
    QString CurrentCall() const;

    QString DatabasePath() const;
    QString SettingsPath() const;

    bool ConfirmAnswer = true;
    std::vector<ShownBox> Boxes;

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TMainForm> main_;
};

// The process-wide settings back at their start values.
void ResetProcessSettings();
