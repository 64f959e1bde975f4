#include "core/PrefixTableDb.h"

#include "core/FDM.h"

void DmPrefixTableExecutor::Start(const QString &sql, const std::vector<Param> &params)
{
    if (dm_.trq.Active())
        dm_.trq.Commit();
    dm_.trq.StartTransaction();
    dm_.q.SetSQL(sql);
    for (const Param &p : params)
        dm_.q.ParamByName(p.Name)->SetAsVariant(p.Value);
}

void DmPrefixTableExecutor::Execute(const QString &sql, const std::vector<Param> &params)
{
    Start(sql, params);
    try {
        dm_.q.ExecSQL();
        dm_.trq.Commit();
    } catch (...) {
        dm_.trq.Rollback();
        throw;
    }
}

int64_t DmPrefixTableExecutor::SelectInteger(const QString &sql, const std::vector<Param> &params)
{
    Start(sql, params);
    try {
        dm_.q.Open();
        const int64_t v = dm_.q.IsEmpty() ? 0 : dm_.q.Fields().front()->AsLargeInt();
        dm_.trq.Commit();
        return v;
    } catch (...) {
        dm_.trq.Rollback();
        throw;
    }
}
