#include "awards/DrillDown.h"

#include "awards/StatRules.h"
#include "awards/StatTables.h"

#include "core/FDM.h"
#include "core/Pasmo.h"
#include "platform/db/DataSet.h"
#include "platform/db/FbQuery.h"
#include "platform/db/FbTransaction.h"

namespace {

TDrillDown Make(const QString &caption, const QString &where,
                std::vector<std::pair<QString, QVariant>> params, bool knownBandsOnly = false)
{
    TDrillDown d;
    d.Caption = caption;
    d.Where = where;
    d.Params = std::move(params);
    d.KnownBandsOnly = knownBandsOnly;
    return d;
}

// The QSOs the rule keys as `key`, among those the narrowing (when given) selects.
TDrillDown Keyed(const QString &caption, const TQsoKeyRule &rule, const QString &key,
                 const QString &narrowing, std::vector<std::pair<QString, QVariant>> params,
                 bool knownBandsOnly)
{
    QString where = QStringLiteral("Where ");
    if (!narrowing.isEmpty())
        where += narrowing + QStringLiteral(" And ");
    where += QStringLiteral("(%1 Containing :Klucz)").arg(QLatin1String(rule.Column));
    params.emplace_back(QStringLiteral("Klucz"), key);
    TDrillDown d = Make(caption, where, std::move(params), knownBandsOnly);
    d.KeyRule = &rule;
    d.Key = key;
    return d;
}

// The district, commune and castle statistics count Polish QSOs of known bands only.
TDrillDown PolishKeyed(const QString &caption, const TQsoKeyRule &rule, const QString &key)
{
    return Keyed(caption, rule, key, QStringLiteral("(KrajId=:KrajId)"),
                 {{QStringLiteral("KrajId"), PolandKrajId}}, true);
}

bool KnownBand(DataSet &ds)
{
    TPasmo band;
    band.ParseBand(ds.FieldByName(QStringLiteral("Pasmo"))->AsString());
    return band.Index() > 0;
}

QString Named(const QString &caption, const QString &name)
{
    return caption + QLatin1Char(' ') + name;
}

}

QStringList TDrillDown::SqlLines() const
{
    QStringList columns{"Data", "Pasmo",  "Stacja",  "Emisja",  "Raport_Nad", "Raport_Odb",
                        "Imie", "Miasto", "Lokator", "QSL_Odb", "QSL_WYS"};
    // The filter reads the key's column.
    if (KeyRule && !columns.contains(QLatin1String(KeyRule->Column), Qt::CaseInsensitive))
        columns << QLatin1String(KeyRule->Column);
    return {QStringLiteral("Select ") + columns.join(QLatin1String(", ")), QStringLiteral("From Logi"), Where,
            QStringLiteral("Order By Data")};
}

TDrillDown CountryHfQsos(int krajId, const QString &prefix, const QString &name)
{
    return Make(Named(QStringLiteral("Łączności KF - [Prefiks: ") + prefix + QLatin1Char(']'), name),
                QStringLiteral("Where KrajId=:KrajId And Pasmo In('160 m','80 m', '40 m', '30 m', '20 m', "
                               "'17 m', '15 m', '12 m', '10 m')"),
                {{QStringLiteral("KrajId"), krajId}});
}

TDrillDown CountryQsos(int krajId, const QString &prefix, const QString &name)
{
    return Make(Named(QStringLiteral("Łączności - [Prefiks: ") + prefix + QLatin1Char(']'), name),
                QStringLiteral("Where KrajId=:KrajId"), {{QStringLiteral("KrajId"), krajId}}, true);
}

TDrillDown IotaQsos(const QString &reference, const QString &name)
{
    return Keyed(Named(QStringLiteral("Łączności - [IOTA: ") + reference + QLatin1Char(']'), name), IotaKey,
                 reference.trimmed(), QString(), {}, false);
}

TDrillDown LokatorQsos(const QString &square)
{
    return Keyed(QStringLiteral("Łączności - [Lokator: ") + square + QLatin1Char(']'), LokatorKey, square,
                 QLatin1Char('(') + PasmoIn(LokatorBands) + QLatin1Char(')'), {}, false);
}

TDrillDown PowiatQsos(const QString &powiatId, const QString &powiatName)
{
    return PolishKeyed(
        Named(QStringLiteral("Łączności - [Powiat: ") + powiatId + QLatin1Char(']'), powiatName), PowiatKey,
        powiatId);
}

TDrillDown GminaQsos(const QString &symbol, const QString &name)
{
    return PolishKeyed(Named(QStringLiteral("Łączności - [Gmina: ") + symbol + QLatin1Char(']'), name),
                       GminaKey, symbol);
}

TDrillDown ZamekQsos(const QString &symbol, const QString &castleName)
{
    return PolishKeyed(Named(QStringLiteral("Łączności - [Zamek: ") + symbol + QLatin1Char(']'), castleName),
                       ZamekKey, symbol);
}

TDrillDown ItuQsos(int zone)
{
    return Make(QStringLiteral("Łączności - [Strefa ITU: ") + QString::number(zone) + QLatin1Char(']'),
                QStringLiteral("Where ITU=:Strefa"), {{QStringLiteral("Strefa"), zone}});
}

TDrillDown CqQsos(int zone)
{
    return Make(QStringLiteral("Łączności - [Strefa CQ: ") + QString::number(zone) + QLatin1Char(']'),
                QStringLiteral("Where CQ=:Strefa"), {{QStringLiteral("Strefa"), zone}});
}

QString DistrictName(TDM &dm, const QString &powiatId)
{
    FbTransaction tr(&dm.Baza);
    FbQuery q;
    q.SetDatabase(&dm.Baza);
    q.SetTransaction(&tr);
    q.SetSQL(QStringList{QStringLiteral("SELECT WojewId, Powiat"), QStringLiteral("FROM Powiaty"),
                         QStringLiteral("WHERE PowiatId=:PowiatId")});
    tr.StartTransaction();
    q.ParamByName(QStringLiteral("PowiatId"))->SetAsString(powiatId);
    q.Open();
    const QString name = q.IsEmpty() ? QString() : q.FieldByName(QStringLiteral("Powiat"))->AsString();
    q.Close();
    tr.Commit();
    return name;
}

void OpenDrillDown(FbQuery &query, FbTransaction &tr, const TDrillDown &d)
{
    if (tr.Active())
        tr.Commit();
    query.Clear();
    query.SetSQL(d.SqlLines());
    tr.StartTransaction();
    for (const auto &[name, value] : d.Params)
        query.ParamByName(name)->SetAsVariant(value);
    query.OnFilterRecord = [knownBandsOnly = d.KnownBandsOnly, rule = d.KeyRule, key = d.Key](DataSet &ds,
                                                                                              bool &accept) {
        accept = (!knownBandsOnly || KnownBand(ds)) &&
                 (!rule || rule->Matches(ds.FieldByName(QLatin1String(rule->Column))->AsString(), key));
    };
    query.SetFiltered(d.KnownBandsOnly || d.KeyRule);
    query.Open();
}

bool RowHasMark(const DataSet &table, const QStringList &cellFields)
{
    if (!table.Active() || table.IsEmpty())
        return false;
    QStringList cells;
    for (const QString &name : cellFields)
        cells << table.FieldByName(name)->AsString();
    return MarkInCells(cells);
}
