#include "awards/ZoneFill.h"

#include "core/Dxcc.h"
#include "core/FDM.h"
#include "platform/db/FbError.h"

namespace {

// The statement that writes one QSO's continent and zones, prepared once. It
// fills only what is still empty when it runs: another copy of the program on
// the same log may have typed the values since the row was read. The row is
// written only while one of the values it is given is still lacking there.
class ZoneUpdater {
public:
    ZoneUpdater(TDM &dm, FbTransaction &tr) : update_(&dm.Baza, &tr)
    {
        update_.SetSQL(QStringList{
            "Update Logi",
            "Set Kontynent=case when coalesce(trim(Kontynent), '')='' then :Kontynent else Kontynent end,",
            "ITU=case when coalesce(ITU, 0)=0 then :ITU else ITU end,",
            "CQ=case when coalesce(CQ, 0)=0 then :CQ else CQ end", "where LogId=:LogId",
            "and ((coalesce(trim(Kontynent), '')='' and cast(:Kontynent as varchar(2))<>'')",
            "or (coalesce(ITU, 0)=0 and cast(:ITU as integer)<>0)",
            "or (coalesce(CQ, 0)=0 and cast(:CQ as integer)<>0))"});
        update_.Prepare();
        logId_ = update_.ParamByName("LogId");
        kontynent_ = update_.ParamByName("Kontynent");
        itu_ = update_.ParamByName("ITU");
        cq_ = update_.ParamByName("CQ");
    }

    // Whether the row still lacked something and was written. A row another
    // copy is changing right now is left to it: what it saves stays.
    bool UpdateQsoZones(qint64 logId, const QString &kontynent, int cq, int itu)
    {
        logId_->SetAsInteger(logId);
        kontynent_->SetAsString(kontynent);
        itu_->SetAsInteger(itu);
        cq_->SetAsInteger(cq);
        try {
            update_.ExecQuery();
        } catch (const FbError &e) {
            if (!e.RowInUse())
                throw;
            return false;
        }
        return update_.RowsAffected() > 0;
    }

private:
    FbStatement update_;
    Param *logId_, *kontynent_, *itu_, *cq_;
};

} // namespace

bool ZoneFill::Run(const TProgress &progress)
{
    counts_ = {};
    error_.clear();
    FbTransaction read(&dm_.Baza), write(&dm_.Baza);
    qsizetype committed = 0; // updates made permanent
    try {
        // The editor's last QSOs may still wait in the log's transaction; the
        // log list stays open.
        if (dm_.trLogi.Active())
            dm_.trLogi.CommitRetaining();
        dm_.FollowPrefixTables();
        read.StartTransaction();
        write.StartTransaction();
        ZoneUpdater updater(dm_, write);
        FbStatement rows(&dm_.Baza, &read);
        rows.SetSQL(QStringList{"SELECT LogId, Stacja, Kontynent, ITU, CQ", "FROM Logi"});
        rows.ExecQuery();
        const ResultColumn *logIdCol = rows.ResultAt(0), *stacjaCol = rows.ResultAt(1),
                           *kontynentCol = rows.ResultAt(2), *ituCol = rows.ResultAt(3),
                           *cqCol = rows.ResultAt(4);
        progress.SetPosition(counts_.ProcessedCount);
        for (; !rows.Eof(); rows.Next()) {
            ++counts_.ProcessedCount;
            const bool noKontynent = kontynentCol->AsString().trimmed().isEmpty();
            const bool noItu = ituCol->AsInteger() == 0, noCq = cqCol->AsInteger() == 0;
            // Most QSOs of a log already have all three: only the others need their country.
            if (noKontynent || noItu || noCq) {
                const QString stacja = stacjaCol->AsString();
                const int krajId = dm_.KrajIdForCall(stacja);
                // Only what the row lacks is given (the statement keeps the rest).
                const QString kontynent = noKontynent ? dm_.ContinentForKrajId(krajId) : QString();
                const int itu = noItu ? ItuZoneFor(krajId, stacja) : 0;
                const int cq = noCq ? CqZoneFor(krajId, stacja) : 0;
                // Where the rules find nothing (no country, zones left to the
                // operator) the row is neither written nor counted.
                if ((!kontynent.trimmed().isEmpty() || itu != 0 || cq != 0) &&
                    updater.UpdateQsoZones(logIdCol->AsInteger(), kontynent, cq, itu))
                    ++counts_.UpdatedCount;
                if (counts_.UpdatedCount - committed == batchSize_) {
                    write.CommitRetaining();
                    committed = counts_.UpdatedCount;
                }
            }
            progress.SetPosition(counts_.ProcessedCount);
        }
        rows.Close();
        write.Commit();
        read.Commit();
        return true;
    } catch (const std::exception &e) {
        // A failed statement leaves the transaction usable: keep what went in.
        // When that cannot be committed (the connection is lost), only the
        // batches committed before stay.
        if (!write.CommitOrRollback())
            counts_.UpdatedCount = committed;
        error_ = JobFailureText(e, QStringLiteral("Błąd bazy danych: "),
                                QStringLiteral("Wyznaczanie stref przerwano po %1 przetworzonych "
                                               "pozycjach; zaktualizowano %2 pozycji.")
                                    .arg(counts_.ProcessedCount)
                                    .arg(counts_.UpdatedCount),
                                counts_.ProcessedCount > 0);
        return false;
    }
}
