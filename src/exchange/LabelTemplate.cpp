#include "exchange/LabelTemplate.h"

#include "core/FDM.h"

#include <algorithm>

namespace {

float Millimetres(const DataSet &ds, const char *column)
{
    return float(ds.FieldByName(QLatin1String(column))->AsInteger()) / 10.0f;
}

int Count(const DataSet &ds, const char *column)
{
    return std::max(1, ds.FieldByName(QLatin1String(column))->AsInteger());
}

}

TLabelTemplate TLabelTemplate::FromRow(const DataSet &etykiety)
{
    TLabelTemplate t;
    t.Nazwa = etykiety.FieldByName(QStringLiteral("NAZWA"))->AsString();
    t.MargG = Millimetres(etykiety, "MARG_G");
    t.MargL = Millimetres(etykiety, "MARG_L");
    t.OdstepPion = Millimetres(etykiety, "ODSTEP_PION");
    t.OdstepPoz = Millimetres(etykiety, "ODSTEP_POZ");
    t.Wysokosc = Millimetres(etykiety, "WYSOKOSC");
    t.Szerokosc = Millimetres(etykiety, "SZEROKOSC");
    t.LiczbaPoz = Count(etykiety, "LICZBA_POZ");
    t.LiczbaPion = Count(etykiety, "LICZBA_PION");
    return t;
}

std::optional<TLabelTemplate> FindLabelTemplate(TDM &dm, const QString &name)
{
    DataSet &etykiety = dm.Etykiety;
    if (!etykiety.Active())
        dm.OpenEtykiety();
    const Bookmark current = etykiety.GetBookmark();
    const ControlsStill still(etykiety);
    std::optional<TLabelTemplate> found;
    if (etykiety.Locate(QStringLiteral("NAZWA"), name, LocateCaseInsensitive))
        found = TLabelTemplate::FromRow(etykiety);
    if (etykiety.BookmarkValid(current))
        etykiety.GotoBookmark(current);
    return found;
}
