#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

class DataSet;
class FbQuery;
class FbTransaction;
class TDM;
struct TQsoKeyRule;

// The QSOs behind one result of a statistic: the list window's caption and
// the where line of its query, with every value passed as a parameter. Each
// list holds what the statistic counted for that result.
struct TDrillDown {
    QString Caption;
    QString Where;
    std::vector<std::pair<QString, QVariant>> Params; // int or text values
    // The statistic counted only QSOs whose band it knows: the list hides the others.
    bool KnownBandsOnly = false;
    // A result keyed by a rule: the list shows the QSOs whose key, by the
    // statistic's own rule, is Key; the where line only narrows the query to
    // those whose key column contains it.
    const TQsoKeyRule *KeyRule = nullptr;
    QString Key;

    // The four lines of the list query.
    QStringList SqlLines() const;
};

TDrillDown CountryHfQsos(int krajId, const QString &prefix, const QString &name);
TDrillDown CountryQsos(int krajId, const QString &prefix, const QString &name);
TDrillDown IotaQsos(const QString &reference, const QString &name);
TDrillDown LokatorQsos(const QString &square);
TDrillDown PowiatQsos(const QString &powiatId, const QString &powiatName);
TDrillDown GminaQsos(const QString &symbol, const QString &name);
TDrillDown ZamekQsos(const QString &symbol, const QString &castleName);
TDrillDown ItuQsos(int zone);
TDrillDown CqQsos(int zone);

// The district's name from POWIATY, empty when there is no such district.
QString DistrictName(TDM &dm, const QString &powiatId);

// Loads the query and opens it in its transaction (restarted), filtered as
// the statistic counted.
void OpenDrillDown(FbQuery &query, FbTransaction &tr, const TDrillDown &d);

// Whether any of the current row's cells, trimmed, holds the statistics mark.
bool RowHasMark(const DataSet &table, const QStringList &cellFields);
