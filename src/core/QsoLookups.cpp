#include "core/QsoLookups.h"

#include "core/FDM.h"
#include "core/ZapisCB.h"

std::optional<StationData> FindStationData(TDM &dm, const QString &call)
{
    FbTransaction tr(&dm.Baza);
    FbStatement DaneStacji(&dm.Baza, &tr);
    FbTransactionScope scope(tr);
    DaneStacji.SetSQL({QStringLiteral("select Imie, Miasto, Domena, Lokator, Qsl_Manager"),
                       QStringLiteral("from Logi"), QStringLiteral("where Stacja=:Stacja")});
    DaneStacji.ParamByName("Stacja")->SetAsString(call);
    DaneStacji.ExecQuery();
    if (DaneStacji.Eof())
        return std::nullopt;
    return StationData{
        DaneStacji.ColumnByName("IMIE")->AsString(), DaneStacji.ColumnByName("MIASTO")->AsString(),
        DaneStacji.ColumnByName("DOMENA")->AsString(), DaneStacji.ColumnByName("LOKATOR")->AsString(),
        DaneStacji.ColumnByName("QSL_MANAGER")->AsString()};
}

StationFill StationFillFor(TDM &dm, TZapisCB &callbook, const QString &call, const StationData &typed)
{
    StationFill fill;
    if (!typed.Imie.trimmed().isEmpty() || !typed.Miasto.trimmed().isEmpty() ||
        !typed.Domena.trimmed().isEmpty() || !typed.Lokator.trimmed().isEmpty())
        return fill;
    bool foundInLog = false;
    if (typed.QslManager.trimmed().isEmpty()) {
        const std::optional<StationData> found = FindStationData(dm, call);
        foundInLog = found.has_value();
        fill.Fill = fill.FillManager = true;
        fill.Data = found.value_or(StationData());
    }
    if (!foundInLog) {
        callbook.CallbookSetStacja(dm, call);
        if (callbook.Found) {
            fill.Fill = true;
            fill.Data.Imie = callbook.Imie;
            fill.Data.Miasto = callbook.Miasto;
            fill.Data.Domena = callbook.CallbookDomena();
            fill.Data.Lokator = callbook.Lokator;
        }
    }
    return fill;
}

QStringList EmissionList(TDM &dm)
{
    QStringList modes = {QStringLiteral("CW"), QStringLiteral("SSB"), QStringLiteral("FM")};
    FbTransaction tr(&dm.Baza);
    FbQuery qEmisja;
    qEmisja.SetDatabase(&dm.Baza);
    qEmisja.SetTransaction(&tr);
    FbTransactionScope scope(tr);
    qEmisja.SetSQL({QStringLiteral("select distinct Emisja "), QStringLiteral("from LOGI"),
                    QStringLiteral("order by Emisja")});
    qEmisja.Open();
    for (Field *f = qEmisja.FieldByName("EMISJA"); !qEmisja.Eof(); qEmisja.Next()) {
        const QString mode = f->AsString().toUpper();
        if (!modes.contains(mode.trimmed()))
            modes << mode;
    }
    return modes;
}

QString OwnLocator(TDM &dm)
{
    FbTransactionScope scope(dm.trStale);
    dm.Stale.Open();
    return dm.Stale.IsEmpty() ? QString() : dm.Stale.FieldByName("LOKATOR")->AsString().trimmed().toUpper();
}
