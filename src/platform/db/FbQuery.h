#pragma once

#include "platform/db/DataSet.h"
#include "platform/db/FbSqlLink.h"

class FbUpdateSql;

// A dataset over one SELECT: SQL given as lines, named parameters (":NAME"),
// prepared once and reused, rows fetched as the cursor moves. With an update
// object it is editable: Post and Delete run its statements in the transaction.
class FbQuery : public DataSet, public FbSqlLink {
    Q_OBJECT
public:
    explicit FbQuery(QObject *parent = nullptr);
    ~FbQuery() override;

    void Prepare();
    void Unprepare();
    bool Prepared() const { return stmt_.Prepared(); }
    void ExecSQL(); // a statement without result rows

    // Reads the current row again through the update object's refresh statement.
    void RefreshRecord();

    void SetUpdateObject(FbUpdateSql *update) { update_ = update; }
    FbUpdateSql *UpdateObject() const { return update_; }

protected:
    void InternalOpen() override;
    void InternalClose() override;
    bool FetchRow() override;
    void InternalPost(bool inserting) override;
    void InternalDelete() override;
    bool CanModify() const override { return update_ != nullptr; }
    void ReleaseCursor() override { Close(); }
    // Replaces the SQL while opening (no close), keeping a prepared statement for the same text.
    void SetSelectText(const QString &text);
    void StartTransactionIfNeeded();

private:
    FbUpdateSql *update_ = nullptr;
    std::vector<FieldValue> row_;
};
