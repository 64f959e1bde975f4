#pragma once

#include "platform/db/DataSet.h"
#include "platform/db/FbParams.h"
#include "platform/db/FbSql.h"
#include "platform/db/FbTransaction.h"

class FbDatabase;
class FbUpdateSql;

// A dataset over one SELECT: SQL given as lines, named parameters (":NAME"),
// prepared once and reused, rows fetched as the cursor moves. With an update
// object it is editable: Post and Delete run its statements in the transaction.
class FbQuery : public DataSet, public FbTransactionUser {
    Q_OBJECT
public:
    explicit FbQuery(QObject *parent = nullptr);
    ~FbQuery() override;

    void SetDatabase(FbDatabase *db);
    FbDatabase *Database() const;
    void SetTransaction(FbTransaction *tr);
    FbTransaction *Transaction() const { return tr_; }

    const QStringList &SQL() const { return text_.Lines(); }
    void SetSQL(const QStringList &lines);
    void SetSQL(const QString &text) { SetSQL(text.split(u'\n')); }
    void AddLine(const QString &line);
    void Clear();  // closes the query and empties its SQL

    Param *ParamByName(const QString &name) { return text_.Params().ByName(name); }
    ParamList &Params() { return text_.Params(); }

    void Prepare();
    void Unprepare();
    bool Prepared() const { return stmt_.Prepared(); }
    void ExecSQL();  // a statement without result rows

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
    void TransactionEnding() override { Close(); }
    void TransactionGone() override;
    // Replaces the SQL while opening (no close), keeping a prepared statement for the same text.
    void SetSelectText(const QString &text);
    void StartTransactionIfNeeded();

private:

    FbDatabase *db_ = nullptr;
    FbTransaction *tr_ = nullptr;
    FbUpdateSql *update_ = nullptr;
    FbSqlText text_;
    FbSql stmt_;
    std::vector<FieldValue> row_;
};
