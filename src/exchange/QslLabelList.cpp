#include "exchange/QslLabelList.h"

#include "core/FDM.h"
#include "core/OwnCallSign.h"
#include "exchange/QslLabelGroups.h"

#include <QHash>

namespace {

const QString Marked = QStringLiteral("T");
const QString Unmarked = QStringLiteral("N");

QString Trimmed(const FieldValue &v)
{
    return v.s.trimmed();
}

}

TQslLabelList::TQslLabelList()
{
    DrukTblZazn = DrukTbl.AddField(QStringLiteral("Zazn"), FieldType::FixedChar, 1);
    DrukTblData = DrukTbl.AddField(QStringLiteral("Data"), FieldType::DateTime);
    DrukTblStacja = DrukTbl.AddField(QStringLiteral("Stacja"), FieldType::FixedChar, 14);
    DrukTblPasmo = DrukTbl.AddField(QStringLiteral("Pasmo"), FieldType::FixedChar, 7);
    DrukTblEmisja = DrukTbl.AddField(QStringLiteral("Emisja"), FieldType::FixedChar, 6);
    DrukTblRaport = DrukTbl.AddField(QStringLiteral("Raport"), FieldType::FixedChar, 8);
    DrukTblQslO = DrukTbl.AddField(QStringLiteral("QslO"), FieldType::FixedChar, 1);
    DrukTblLogId = DrukTbl.AddField(QStringLiteral("LogId"), FieldType::Integer);
    DrukTblManager = DrukTbl.AddField(QStringLiteral("Manager"), FieldType::FixedChar, 7);
    DrukTbl.Open();
}

void TQslLabelList::LoadUnsentQsls(TDM &dm, const TProgress &progress)
{
    FbQuery &q = dm.q;
    FbTransactionScope scope(dm.trq);
    q.SetSQL({"SELECT LogId, Data, Pasmo, Stacja, Emisja, Raport_Nad, QSL_Manager, QSL_Odb", "FROM Logi",
              "WHERE QSL_WYS<>'T'", "ORDER BY Data"});
    q.Open();
    q.Last();
    const int count = q.RecordCount();
    progress.SetMaximum(count);

    const Field *logId = q.FieldByName(QStringLiteral("LOGID"));
    const Field *data = q.FieldByName(QStringLiteral("DATA"));
    const Field *pasmo = q.FieldByName(QStringLiteral("PASMO"));
    const Field *stacja = q.FieldByName(QStringLiteral("STACJA"));
    const Field *emisja = q.FieldByName(QStringLiteral("EMISJA"));
    const Field *raport = q.FieldByName(QStringLiteral("RAPORT_NAD"));
    const Field *manager = q.FieldByName(QStringLiteral("QSL_MANAGER"));
    const Field *qslOdb = q.FieldByName(QStringLiteral("QSL_ODB"));

    DrukTbl.EmptyMemoryTable();
    const ControlsStill still(DrukTbl);
    DrukTbl.SetCapacity(count);
    marked_ = 0;
    int done = 0;
    for (q.First(); !q.Eof(); q.Next()) {
        DrukTbl.Append();
        DrukTblZazn->SetAsString(Unmarked);
        DrukTblData->SetAsDateTime(data->AsDateTime());
        DrukTblStacja->SetAsString(stacja->AsString());
        DrukTblPasmo->SetAsString(pasmo->AsString());
        DrukTblEmisja->SetAsString(emisja->AsString());
        DrukTblRaport->SetAsString(raport->AsString());
        DrukTblQslO->SetAsString(qslOdb->AsString());
        DrukTblLogId->SetAsInteger(logId->AsInteger());
        DrukTblManager->SetAsString(manager->AsString());
        DrukTbl.Post();
        progress.SetPosition(++done);
    }
    q.Close();
    scope.Commit();
    DrukTbl.First();
}

void TQslLabelList::ToggleMark()
{
    if (DrukTbl.IsEmpty())
        return;
    const bool wasMarked = DrukTblZazn->AsString() == Marked;
    DrukTbl.Edit();
    DrukTblZazn->SetAsString(wasMarked ? Unmarked : Marked);
    DrukTbl.Post();
    marked_ = wasMarked ? std::max(0, marked_ - 1) : marked_ + 1;
}

QString TQslLabelList::MarkedCountText()
{
    return QStringLiteral(" Zaznaczono %1 z %2").arg(marked_).arg(DrukTbl.RecordCount());
}

TWykaz TQslLabelList::BuildWykaz()
{
    TWykaz wykaz;
    QHash<QString, int> rowOfStation;
    const int rows = DrukTbl.RecordCount();
    for (int row = 0; row < rows; ++row) {
        if (Trimmed(DrukTbl.ValueAt(row, DrukTblZazn)) != Marked)
            continue;
        const QString stacja = Trimmed(DrukTbl.ValueAt(row, DrukTblStacja));
        // " sp9abc" and "SP9ABC" are one station.
        const QString key = NormalizedCallSign(stacja);
        auto at = rowOfStation.constFind(key);
        if (at == rowOfStation.cend()) {
            at = rowOfStation.insert(key, int(wykaz.size()));
            TWykazRow added;
            added.Stacja = stacja;
            wykaz.push_back(std::move(added));
        }
        TWykazRow &station = wykaz[size_t(*at)];
        const QString received = Trimmed(DrukTbl.ValueAt(row, DrukTblQslO));
        if (received != Unmarked && received != Marked)
            continue; // neither kind: the station is listed but gets no label for it
        TLabelQso qso;
        qso.LogId = int(DrukTbl.ValueAt(row, DrukTblLogId).i);
        qso.Data = TicksToDateTime(DrukTbl.ValueAt(row, DrukTblData).i);
        qso.Pasmo = DrukTbl.ValueAt(row, DrukTblPasmo).s;
        qso.Emisja = DrukTbl.ValueAt(row, DrukTblEmisja).s;
        qso.Raport = DrukTbl.ValueAt(row, DrukTblRaport).s;
        qso.Manager = Trimmed(DrukTbl.ValueAt(row, DrukTblManager));
        if (received == Unmarked) {
            station.PSE = true;
            station.PseQsos.push_back(qso);
        } else {
            station.TNX = true;
            station.TnxQsos.push_back(qso);
        }
    }
    return wykaz;
}

void TQslLabelList::MarkPrintedSent(TDM &dm, const std::vector<int> &logIds)
{
    dm.MarkQslSent(logIds);
    markedSentAny_ = markedSentAny_ || !logIds.empty();
    marked_ = 0;
}
