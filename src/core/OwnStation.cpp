#include "core/OwnStation.h"

#include "core/FDM.h"

namespace {

const QString Blank = QStringLiteral(" ");
const QString TwoBlanks = QStringLiteral("  ");

QString Text(DataSet &ds, const char *field)
{
    return ds.FieldByName(QLatin1String(field))->AsString();
}

void SetText(DataSet &ds, const char *field, const QString &value)
{
    ds.FieldByName(QLatin1String(field))->SetAsString(value);
}

}

TOwnStation ReadOwnStation(TDM &dm)
{
    TOwnStation data;
    FbTransactionScope scope(dm.trStale);
    dm.Stale.Open();
    if (dm.Stale.IsEmpty())
        return data;
    dm.Stale.First();
    data.Imie = Text(dm.Stale, "IMIE");
    data.Miasto = Text(dm.Stale, "MIASTO");
    data.Wojew = Text(dm.Stale, "WOJEW");
    data.Powiat = Text(dm.Stale, "POWIAT");
    data.Lokator = Text(dm.Stale, "LOKATOR");
    return data;
}

void WriteOwnStation(TDM &dm, const TOwnStation &data)
{
    FbTransactionScope scope(dm.trStale);
    DataSet &stale = dm.Stale;
    stale.Open();
    try {
        if (stale.IsEmpty()) {
            // A log whose STALE row went missing gets it back rather than
            // losing what the user typed.
            stale.Append();
            stale.FieldByName(QStringLiteral("UZYTID"))->SetAsInteger(1);
        } else {
            stale.First();
            stale.Edit();
        }
        SetText(stale, "IMIE", data.Imie);
        SetText(stale, "MIASTO", data.Miasto);
        SetText(stale, "WOJEW", data.Wojew);
        SetText(stale, "POWIAT", data.Powiat);
        SetText(stale, "LOKATOR", data.Lokator);
        stale.Post();
    } catch (...) {
        if (stale.Active())
            stale.Cancel();
        throw;
    }
    scope.Commit();
}

QString SppaText(const QString &wojew, const QString &powiat)
{
    return (wojew.isEmpty() ? Blank : wojew) + QLatin1Char('-') + (powiat.isEmpty() ? TwoBlanks : powiat);
}

QString VoivodeshipPart(const QString &sppa)
{
    return sppa.isEmpty() ? Blank : sppa.left(1);
}

QString DistrictPart(const QString &sppa)
{
    if (sppa.size() == 3)
        return sppa.mid(2, 1) + Blank;
    if (sppa.size() == 4)
        return sppa.mid(2, 2);
    return TwoBlanks;
}
