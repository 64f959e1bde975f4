#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class TDM;

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

// The modes the editor offers: CW, SSB and FM, then every other mode in the
// log, upper-cased, in the log's order.
QStringList EmissionList(TDM &dm);
