#pragma once

#include "core/PrefiksyExpImp.h"

#include <QString>
#include <map>
#include <memory>

class FbDatabase;
class FbQuery;
class FbTransaction;
class TDM;

// Runs the prefix-table record inserts on the data module's scratch query,
// each in a transaction of its own, committed before it returns.
class DmPrefixTableExecutor : public PrefixTableExecutor {
public:
    explicit DmPrefixTableExecutor(TDM &dm) : dm_(dm) {}
    void Execute(const QString &sql, const std::vector<Param> &params) override;
    int64_t SelectInteger(const QString &sql, const std::vector<Param> &params) override;

private:
    void Prepare(const QString &sql, const std::vector<Param> &params);
    TDM &dm_;
};

// Runs them all inside one transaction the caller owns and ends, each
// statement prepared once: replacing thousands of rows one commit at a time
// would take minutes, and one transaction lets a failure undo the whole lot.
class TransactionPrefixTableExecutor : public PrefixTableExecutor {
public:
    TransactionPrefixTableExecutor(FbDatabase &db, FbTransaction &tr);
    ~TransactionPrefixTableExecutor() override;
    void Execute(const QString &sql, const std::vector<Param> &params) override;
    int64_t SelectInteger(const QString &sql, const std::vector<Param> &params) override;

private:
    FbQuery &Prepared(const QString &sql, const std::vector<Param> &params);

    FbDatabase &db_;
    FbTransaction &tr_;
    std::map<QString, std::unique_ptr<FbQuery>> queries_;
};
