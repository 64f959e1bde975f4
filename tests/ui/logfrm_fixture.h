#pragma once

#include "core/FDM.h"
#include "support/LogDb.h"
#include "support/QsoRows.h"
#include "ui/FLogFrm.h"

#include <QStringList>
#include <functional>
#include <memory>

// The QSO editor on a fresh seeded database (countries, prefixes, islands,
// districts), driven while it is shown modally.
class LogFrmTest : public DataModuleTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the editor, runs the steps while it is shown and cancels it if
    // the steps left it open; returns the modal result.
    int OpenNew(const std::function<void()> &steps);
    int OpenEdit(int logId, const std::function<void()> &steps);

    // Runs statements in a committed transaction of their own.
    void Exec(const QString &sql);
    // Types into a field as the user does, then leaves it with Tab.
    void TypeAndLeave(QWidget *field, const QString &text);
    void Type(QWidget *field, const QString &text);
    void Leave(QWidget *field);
    QStringList Warnings() const { return warnings; }
    // Inserts QSOs and reopens the log on its first row.
    std::vector<int> AddQsos(const std::vector<QsoRow> &rows);
    // A quick QSO: band 20 m, the call sign and both reports.
    void FillMinimal(const QString &call);

    std::unique_ptr<TLogFrm> frm;
};
