#include "exchange/AdifExport.h"

#include "core/FDM.h"
#include "core/Log.h"
#include "core/LogRow.h"
#include "exchange/AdifWriter.h"
#include "platform/db/FbError.h"

DateTime AdifExport::RangeStart(const QDate &day)
{
    return DateTime::fromQDate(day);
}

// The last tick of the day, so that no QSO of that day falls outside.
DateTime AdifExport::RangeEnd(const QDate &day)
{
    return DateTime::fromQDate(day.addDays(1)).addTicks(-1);
}

AdifExport::Outcome AdifExport::Run(const QString &fileName, std::optional<QDate> from,
                                    std::optional<QDate> to, const TProgress &progress)
{
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
        const auto columns = LogColumnsOf(lista);

        AdifFileWriter writer(fileName);
        if (!writer.Open()) {
            error_ = writer.ErrorText();
            return Outcome::Failed;
        }
        TLog qso;
        for (; !lista.Eof(); lista.Next()) {
            // One pass over the rows instead of a look-up per QSO.
            qso.LogReset();
            ReadLogRow(qso, columns);
            if (!writer.WriteQso(qso)) {
                error_ = writer.ErrorText();
                return Outcome::Failed;
            }
            ++written_;
            progress.SetPosition(written_);
        }
        if (!writer.Commit()) {
            error_ = writer.ErrorText();
            return Outcome::Failed;
        }
        trLista.Commit();
        return Outcome::Written;
    } catch (const DbError &e) {
        // A lost connection is told in the words every window uses, and once:
        // told already, the text is empty.
        error_ = IsConnectionLost(e) ? FailureMessage(e)
                                     : QStringLiteral("Błąd odczytu bazy danych: %1").arg(e.Message());
        written_ = 0;
        return Outcome::Failed;
    }
}
