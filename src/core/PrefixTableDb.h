#pragma once

#include "core/PrefiksyExpImp.h"

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
