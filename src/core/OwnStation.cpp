#include "core/OwnStation.h"

#include "core/FDM.h"

#include <functional>

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

// Reads the first STALE row in a transaction of its own; a table without a
// row reads nothing.
void ReadFirstStaleRow(TDM &dm, const std::function<void(DataSet &)> &read)
{
    FbTransactionScope scope(dm.trStale);
    dm.Stale.Open();
    if (dm.Stale.IsEmpty())
        return;
    dm.Stale.First();
    read(dm.Stale);
}

// Writes into the first STALE row and commits; a failure cancels the edit,
// rolls back and leaves the table as it was.
void WriteFirstStaleRow(TDM &dm, const std::function<void(DataSet &)> &write)
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
        write(stale);
        stale.Post();
    } catch (...) {
        if (stale.Active())
            stale.Cancel();
        throw;
    }
    scope.Commit();
}

}

TOwnStation ReadOwnStation(TDM &dm)
{
    TOwnStation data;
    ReadFirstStaleRow(dm, [&](DataSet &stale) {
        data.Imie = Text(stale, "IMIE");
        data.Miasto = Text(stale, "MIASTO");
        data.Wojew = Text(stale, "WOJEW");
        data.Powiat = Text(stale, "POWIAT");
        data.Lokator = Text(stale, "LOKATOR");
    });
    return data;
}

void WriteOwnStation(TDM &dm, const TOwnStation &data)
{
    WriteFirstStaleRow(dm, [&](DataSet &stale) {
        SetText(stale, "IMIE", data.Imie);
        SetText(stale, "MIASTO", data.Miasto);
        SetText(stale, "WOJEW", data.Wojew);
        SetText(stale, "POWIAT", data.Powiat);
        SetText(stale, "LOKATOR", data.Lokator);
    });
}

TQslLabelLines ReadQslLabelLines(TDM &dm)
{
    TQslLabelLines lines;
    ReadFirstStaleRow(dm, [&](DataSet &stale) {
        lines.Linia1 = Text(stale, "TEKSTQSL1");
        lines.Linia2 = Text(stale, "TEKSTQSL2");
    });
    return lines;
}

void WriteQslLabelLines(TDM &dm, const TQslLabelLines &lines)
{
    WriteFirstStaleRow(dm, [&](DataSet &stale) {
        SetText(stale, "TEKSTQSL1", lines.Linia1);
        SetText(stale, "TEKSTQSL2", lines.Linia2);
    });
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
