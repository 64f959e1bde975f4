#include "core/CallbookQueries.h"

#include "core/FDM.h"
#include "core/Geography.h"

namespace {

// Gives the Callbook query back its previous statement and row after a failed
// search. Nothing here may hide the error that started it.
void RestoreSearch(TDM &dm, const QStringList &sql, bool wasOpen, const QString &station)
{
    try {
        dm.trCallBook.Restart();
        dm.Callbook.SetSQL(sql);
        if (!wasOpen)
            return;
        dm.Callbook.Open();
        if (!station.isEmpty())
            dm.Callbook.Locate(QStringLiteral("STACJA"), station, 0);
    } catch (const std::exception &) {
        // The connection itself is gone: the grid stays empty, the first error is shown.
    }
}

}

int RunCallbookSearch(TDM &dm, const TCallbookSql &sql)
{
    DataSet &callbook = dm.Callbook;
    const QStringList previousSql = dm.Callbook.SQL();
    const bool wasOpen = callbook.Active();
    const QString station = wasOpen && !callbook.IsEmpty()
                                ? callbook.FieldByName(QStringLiteral("STACJA"))->AsString()
                                : QString();
    try {
        dm.trCallBook.Restart();
        dm.Callbook.SetSQL(QStringList{sql.SearchSql});
        callbook.Open();
        FbTransactionScope scope(dm.trq);
        dm.q.SetSQL(QStringList{sql.CountSql});
        dm.q.Open();
        const int count = dm.q.FieldByName(QStringLiteral("LICZNIK"))->AsInteger();
        dm.q.Close();
        return count;
    } catch (const std::exception &) {
        RestoreSearch(dm, previousSql, wasOpen, station);
        throw;
    }
}

TCallbookStationQuery::TCallbookStationQuery(FbDatabase &db) : trStacja(&db)
{
    Stacja.SetDatabase(&db);
    Stacja.SetTransaction(&trStacja);
    Stacja.SetSQL(
        QStringList{QStringLiteral("select  Stacja, Imie, Nazwisko, Nazwa, Lokator, Miasto, KodPoczt, "
                                   "Adres, Wojew, Powiat"),
                    QStringLiteral("from STACJE"), QStringLiteral("where Stacja=:Stacja")});
    Stacja.AddField(QStringLiteral("NazwaWojew"), FieldType::String, 30, FieldKind::Calculated);
    Stacja.AddField(QStringLiteral("NazwaPowiat"), FieldType::String, 50, FieldKind::Calculated);
    Stacja.OnCalcFields = [](DataSet &ds) {
        ds.FieldByName(QStringLiteral("NazwaWojew"))
            ->SetAsString(VoivodeshipNameForCode(ds.FieldByName(QStringLiteral("WOJEW"))->AsString()));
        ds.FieldByName(QStringLiteral("NazwaPowiat"))
            ->SetAsString(DistrictNameForCode(ds.FieldByName(QStringLiteral("POWIAT"))->AsString()));
    };
}

bool TCallbookStationQuery::Lookup(const QString &boxText)
{
    if (boxText.trimmed().isEmpty())
        return false;
    trStacja.Restart();
    Stacja.ParamByName(QStringLiteral("Stacja"))->SetAsString(boxText);
    Stacja.Open();
    return true;
}

QString TCallbookStationQuery::Text(const QString &field) const
{
    if (!Stacja.Active() || Stacja.IsEmpty())
        return QString();
    return Stacja.FieldByName(field)->AsString();
}
