#include "awards/DrillDown.h"

#include "awards/StatRuns.h"
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
    return TDrillDown{caption, where, std::move(params), knownBandsOnly};
}

void AcceptKnownBand(DataSet &ds, bool &accept)
{
    TPasmo band;
    band.ParseBand(ds.FieldByName(QStringLiteral("Pasmo"))->AsString());
    accept = band.Index() > 0;
}

QString Named(const QString &caption, const QString &name)
{
    return caption + QLatin1Char(' ') + name;
}

}

QStringList TDrillDown::SqlLines() const
{
    return {
        QStringLiteral("Select Data, Pasmo, Stacja, Emisja, Raport_Nad, Raport_Odb, Imie, Miasto, Lokator, "
                       "QSL_Odb, QSL_WYS"),
        QStringLiteral("From Logi"), Where, QStringLiteral("Order By Data")};
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

// The statistic finds an island group by the trimmed reference, whatever its
// letter case.
TDrillDown IotaQsos(const QString &reference, const QString &name)
{
    return Make(Named(QStringLiteral("Łączności - [IOTA: ") + reference + QLatin1Char(']'), name),
                QStringLiteral("Where Upper(Trim(Wyspa))=:IOTA"),
                {{QStringLiteral("IOTA"), reference.trimmed().toUpper()}});
}

TDrillDown LokatorQsos(const QString &square)
{
    return Make(
        QStringLiteral("Łączności - [Lokator: ") + square + QLatin1Char(']'),
        QStringLiteral("Where Trim(Lokator) Starting With :Lokator And Pasmo IN('6 m', '2 m', '70 cm', "
                       "'23 cm')"),
        {{QStringLiteral("Lokator"), square}});
}

// The statistic takes the district from the last two characters of a
// three- or four-character DOMENA, whatever the voivodeship part holds.
TDrillDown PowiatQsos(const QString &powiatId, const QString &powiatName)
{
    return Make(Named(QStringLiteral("Łączności - [Powiat: ") + powiatId + QLatin1Char(']'), powiatName),
                QStringLiteral("Where (KrajId=:KrajId) And (Char_Length(Trim(Domena)) In (3, 4)) And "
                               "(Right(Trim(Domena), 2)=:PowiatId)"),
                {{QStringLiteral("KrajId"), PolandKrajId}, {QStringLiteral("PowiatId"), powiatId}}, true);
}

TDrillDown GminaQsos(const QString &symbol, const QString &name)
{
    return Make(Named(QStringLiteral("Łączności - [Gmina: ") + symbol + QLatin1Char(']'), name),
                QStringLiteral("Where (KrajId=:KrajId) And (Trim(Gmina)=:Gmina)"),
                {{QStringLiteral("KrajId"), PolandKrajId}, {QStringLiteral("Gmina"), symbol}}, true);
}

TDrillDown ZamekQsos(const QString &symbol, const QString &castleName)
{
    return Make(Named(QStringLiteral("Łączności - [Zamek: ") + symbol + QLatin1Char(']'), castleName),
                QStringLiteral("Where (KrajId=:KrajId) And (Trim(Zamek)=:Zamek)"),
                {{QStringLiteral("KrajId"), PolandKrajId}, {QStringLiteral("Zamek"), symbol}}, true);
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
    query.OnFilterRecord = AcceptKnownBand;
    query.SetFiltered(d.KnownBandsOnly);
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
