#include "core/PrefixTableDb.h"

#include "core/FDM.h"

void DmPrefixTableExecutor::Prepare(const QString &sql, const std::vector<Param> &params)
{
    dm_.q.SetSQL(sql);
    for (const Param &p : params)
        dm_.q.ParamByName(p.Name)->SetAsVariant(p.Value);
}

void DmPrefixTableExecutor::Execute(const QString &sql, const std::vector<Param> &params)
{
    FbTransactionScope scope(dm_.trq);
    Prepare(sql, params);
    dm_.q.ExecSQL();
    scope.Commit();
}

int64_t DmPrefixTableExecutor::SelectInteger(const QString &sql, const std::vector<Param> &params)
{
    FbTransactionScope scope(dm_.trq);
    Prepare(sql, params);
    dm_.q.Open();
    return dm_.q.IsEmpty() ? 0 : dm_.q.Fields().front()->AsLargeInt();
}
