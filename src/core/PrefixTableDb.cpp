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

TransactionPrefixTableExecutor::TransactionPrefixTableExecutor(FbDatabase &db, FbTransaction &tr)
    : db_(db), tr_(tr)
{
}

TransactionPrefixTableExecutor::~TransactionPrefixTableExecutor() = default;

void TransactionPrefixTableExecutor::Execute(const QString &sql, const std::vector<Param> &params)
{
    Prepared(sql, params).ExecSQL();
}

int64_t TransactionPrefixTableExecutor::SelectInteger(const QString &sql, const std::vector<Param> &params)
{
    FbQuery &q = Prepared(sql, params);
    q.Open();
    const int64_t v = q.IsEmpty() ? 0 : q.Fields().front()->AsLargeInt();
    q.Close();
    return v;
}

FbQuery &TransactionPrefixTableExecutor::Prepared(const QString &sql, const std::vector<Param> &params)
{
    auto &slot = queries_[sql];
    if (!slot) {
        slot = std::make_unique<FbQuery>();
        slot->SetDatabase(&db_);
        slot->SetTransaction(&tr_);
        slot->SetSQL(QStringList{sql});
    }
    for (const Param &p : params)
        slot->ParamByName(p.Name)->SetAsVariant(p.Value);
    return *slot;
}
