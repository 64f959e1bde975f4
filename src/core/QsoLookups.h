#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class TDM;
class TZapisCB;

// What an earlier QSO with a station says about it.
struct StationData {
    QString Imie;
    QString Miasto;
    QString Domena;
    QString Lokator;
    QString QslManager;
};

// The first row the log returns for the call sign (no order), or nothing.
std::optional<StationData> FindStationData(TDM &dm, const QString &call);

// What leaving the call-sign field fills in. Anything typed into name, town,
// SPPA or locator prevents both lookups; a typed QSL manager skips the log but
// not the callbook. An earlier QSO with the station wins over the callbook.
struct StationFill {
    bool Fill = false;        // name, town, SPPA and locator take Data's values
    bool FillManager = false; // the QSL manager too
    StationData Data;
};
StationFill StationFillFor(TDM &dm, TZapisCB &callbook, const QString &call, const StationData &typed);

// The station's own locator from its data (STALE), trimmed and upper-cased.
QString OwnLocator(TDM &dm);

// The modes the editor offers: CW, SSB and FM, then every other mode in the
// log, upper-cased, in the log's order.
QStringList EmissionList(TDM &dm);
