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

// A STALE column and the member it fills, one list per struct for reading and
// writing alike.
template <typename T> struct StaleColumn {
    const char *field;
    QString T::*member;
};

const StaleColumn<TOwnStation> OwnStationColumns[] = {{"IMIE", &TOwnStation::Imie},
                                                      {"MIASTO", &TOwnStation::Miasto},
                                                      {"WOJEW", &TOwnStation::Wojew},
                                                      {"POWIAT", &TOwnStation::Powiat},
                                                      {"LOKATOR", &TOwnStation::Lokator}};
const StaleColumn<TQslLabelLines> QslLabelColumns[] = {{"TEKSTQSL1", &TQslLabelLines::Linia1},
                                                       {"TEKSTQSL2", &TQslLabelLines::Linia2}};

template <typename T, size_t N> T ReadStaleColumns(TDM &dm, const StaleColumn<T> (&columns)[N])
{
    T data;
    ReadFirstStaleRow(dm, [&](DataSet &stale) {
        for (const StaleColumn<T> &c : columns)
            data.*c.member = Text(stale, c.field);
    });
    return data;
}

template <typename T, size_t N>
void WriteStaleColumns(TDM &dm, const T &data, const StaleColumn<T> (&columns)[N])
{
    WriteFirstStaleRow(dm, [&](DataSet &stale) {
        for (const StaleColumn<T> &c : columns)
            SetText(stale, c.field, data.*c.member);
    });
}

} // namespace

TOwnStation ReadOwnStation(TDM &dm)
{
    return ReadStaleColumns(dm, OwnStationColumns);
}

void WriteOwnStation(TDM &dm, const TOwnStation &data)
{
    WriteStaleColumns(dm, data, OwnStationColumns);
}

TQslLabelLines ReadQslLabelLines(TDM &dm)
{
    return ReadStaleColumns(dm, QslLabelColumns);
}

void WriteQslLabelLines(TDM &dm, const TQslLabelLines &lines)
{
    WriteStaleColumns(dm, lines, QslLabelColumns);
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
