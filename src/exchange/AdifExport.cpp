#include "exchange/AdifExport.h"

#include "core/FDM.h"
#include "core/Log.h"
#include "exchange/AdifWriter.h"

#include <array>

namespace {

enum Column {
    cData, cPasmo, cStacja, cEmisja, cRaportNad, cRaportOdb, cLokator, cImie, cNotatki, cQslManager, cQslWys,
    cQslOdb, cMiasto, cWyspa, cDomena, cGmina, cZamek, cKontynent, cItu, cCq, ColumnCount
};

constexpr std::array<const char *, ColumnCount> ColumnNames = {
    "DATA",   "PASMO",  "STACJA", "EMISJA", "RAPORT_NAD", "RAPORT_ODB", "LOKATOR",   "IMIE", "NOTATKI", "QSL_MANAGER",
    "QSL_WYS", "QSL_ODB", "MIASTO", "WYSPA", "DOMENA",     "GMINA",      "ZAMEK", "KONTYNENT", "ITU",     "CQ"};

// One pass over the rows instead of a look-up per QSO; the fields are read
// the way the QSO record loads itself by id.
void ReadQso(const std::array<Param *, ColumnCount> &c, TLog &q) {
    q.LogReset();
    q.Data = c[cData]->AsDateTime();
    q.Pasmo.ParseBand(c[cPasmo]->AsString());
    q.LogSetStacja(c[cStacja]->AsString());
    q.LogSetEmisja(c[cEmisja]->AsString());
    q.RaportNad = c[cRaportNad]->AsString();
    q.RaportOdb = c[cRaportOdb]->AsString();
    q.Lokator = c[cLokator]->AsString();
    q.Imie = c[cImie]->AsString();
    q.Notatki = c[cNotatki]->AsString();
    q.QslManager = c[cQslManager]->AsString();
    q.QslWys = c[cQslWys]->AsString() == QLatin1String("T");
    q.QslOdb = c[cQslOdb]->AsString() == QLatin1String("T");
    q.Miasto = c[cMiasto]->AsString();
    q.Wyspa = c[cWyspa]->AsString();
    q.Domena = c[cDomena]->AsString();
    q.Gmina = c[cGmina]->AsString();
    q.Zamek = c[cZamek]->AsString();
    q.LogSetKontynent(c[cKontynent]->AsString());
    q.LogSetItu(int(c[cItu]->AsInteger()));
    q.LogSetCq(int(c[cCq]->AsInteger()));
}

} // namespace

DateTime AdifExport::RangeStart(const QDate &day) { return DateTime::fromQDate(day); }

// The last tick of the day, so that no QSO of that day falls outside.
DateTime AdifExport::RangeEnd(const QDate &day) { return DateTime::fromQDate(day.addDays(1)).addTicks(-1); }

AdifExport::Outcome AdifExport::Run(const QString &fileName, std::optional<QDate> from, std::optional<QDate> to,
                                    const Progress &progress) {
    written_ = 0;
    error_.clear();
    FbTransaction trLista(&dm_.Baza);
    try {
        trLista.StartTransaction();
        FbStatement lista(&dm_.Baza, &trLista);
        QStringList sql{"SELECT LogId, Data, Pasmo, Stacja, Emisja, Raport_Nad, Raport_Odb, Lokator, Imie, "
                        "Notatki, QSL_Manager, QSL_Wys, QSL_Odb, Miasto, Wyspa, Domena, Gmina, Zamek, "
                        "Kontynent, ITU, CQ",
                        "FROM Logi"};
        if (from && to)
            sql << "WHERE (Data>= :OdDnia) AND (Data<=:DoDnia)";
        sql << "ORDER BY Data";
        lista.SetSQL(sql);
        if (from && to) {
            lista.ParamByName("OdDnia")->SetAsDateTime(RangeStart(*from));
            lista.ParamByName("DoDnia")->SetAsDateTime(RangeEnd(*to));
        }
        lista.ExecQuery();
        if (lista.Eof()) {
            trLista.Commit();
            return Outcome::NoRows;
        }
        std::array<Param *, ColumnCount> columns{};
        for (int i = 0; i < ColumnCount; ++i)
            columns[i] = lista.FieldByName(QLatin1String(ColumnNames[i]));

        AdifFileWriter writer(fileName);
        if (!writer.Open()) {
            error_ = writer.ErrorText();
            return Outcome::Failed;
        }
        TLog qso;
        for (; !lista.Eof(); lista.Next()) {
            ReadQso(columns, qso);
            if (!writer.WriteQso(qso)) {
                error_ = writer.ErrorText();
                return Outcome::Failed;
            }
            ++written_;
            if (progress)
                progress(written_);
        }
        if (!writer.Commit()) {
            error_ = writer.ErrorText();
            return Outcome::Failed;
        }
        trLista.Commit();
        return Outcome::Written;
    } catch (const DbError &e) {
        error_ = QStringLiteral("Błąd odczytu bazy danych: %1").arg(e.Message());
        written_ = 0;
        return Outcome::Failed;
    }
}
