#include "support/LogDb.h"

#include "core/Log.h"
#include "core/ZapisCB.h"
#include "platform/db/FbError.h"

namespace {

TLog SampleQso(const QString &call)
{
    TLog log;
    log.Data = DateTime::fromDate(2024, 7, 14, 9, 5, 0);
    log.Pasmo.ParseBand("2 m");
    log.LogSetStacja(call);
    log.LogSetEmisja("fm");
    log.RaportNad = "59";
    log.RaportOdb = "57";
    log.Imie = "Łucja";
    log.Miasto = "Gdańsk";
    log.LogSetLokator("JO94");
    log.QslWys = true;
    log.LogSetKontynent("EU");
    log.LogSetItu(28);
    log.LogSetCq(15);
    return log;
}

}

using LogStore = DataModuleTest;

TEST_F(LogStore, SavingANewRecordTwiceInsertsTwoRows)
{
    dm->ReopenLogiOrdered(0, 0);
    TLog log = SampleQso("SP2XYZ");
    log.LogSave(*dm);
    log.LogSave(*dm);
    EXPECT_EQ(log.LogId, 0);
    EXPECT_EQ(dm->QsoCount(), 2);
    dm->ReopenLogiOrdered(0, 0);
    const int first = dm->Logi.FieldByName("LOGID")->AsInteger();
    EXPECT_EQ(dm->Logi.FieldByName("KRAJID")->AsInteger(), 269);
    dm->Logi.Next();
    EXPECT_NE(dm->Logi.FieldByName("LOGID")->AsInteger(), first);
}

TEST_F(LogStore, LoadGivesBackWhatWasSaved)
{
    dm->ReopenLogiOrdered(0, 0);
    TLog saved = SampleQso("DL1ABC");
    saved.LogSave(*dm);
    dm->ReopenLogiOrdered(0, 0);
    const int id = dm->Logi.FieldByName("LOGID")->AsInteger();

    TLog loaded;
    loaded.LogLoad(*dm, id);
    EXPECT_EQ(loaded.LogId, id);
    EXPECT_EQ(loaded.Data, saved.Data);
    EXPECT_EQ(loaded.Pasmo.Index(), saved.Pasmo.Index());
    EXPECT_EQ(loaded.Stacja, QStringLiteral("DL1ABC"));
    EXPECT_EQ(loaded.Emisja, QStringLiteral("FM"));
    EXPECT_EQ(loaded.Imie, QStringLiteral("Łucja"));
    EXPECT_EQ(loaded.Miasto, QStringLiteral("Gdańsk"));
    EXPECT_EQ(loaded.LogGetLokator(), QStringLiteral("JO94"));
    EXPECT_TRUE(loaded.QslWys);
    EXPECT_FALSE(loaded.QslOdb);
    EXPECT_EQ(loaded.Kontynent, QStringLiteral("EU"));
    EXPECT_EQ(loaded.ITU, 28);
    EXPECT_EQ(loaded.CQ, 15);
    EXPECT_EQ(dm->Logi.FieldByName("KRAJID")->AsInteger(), 230);
}

TEST_F(LogStore, LoadOfIdZeroIsAResetRecordAtUtcNow)
{
    TLog log = SampleQso("SP5ABC");
    log.LogLoad(*dm, 0);
    EXPECT_TRUE(log.Stacja.isEmpty());
    EXPECT_EQ(log.Pasmo.Index(), 0);
    EXPECT_FALSE(log.Data.isNull());
}

TEST_F(LogStore, EditChangesExactlyTheLoadedQsoWhereverTheListStands)
{
    dm->ReopenLogiOrdered(0, 0);
    TLog a = SampleQso("SP1AAA");
    a.LogSave(*dm);
    TLog b = SampleQso("SP2BBB");
    b.LogSave(*dm);
    dm->ReopenLogiOrdered(0, 0);
    const int firstId = dm->Logi.FieldByName("LOGID")->AsInteger();
    dm->Logi.Last(); // the list stands on the other QSO

    TLog edit;
    edit.LogLoad(*dm, firstId);
    edit.LogSetStacja("SP1ZZZ");
    edit.LogSave(*dm);
    dm->ReopenLogiOrdered(0, firstId);
    EXPECT_EQ(dm->Logi.FieldByName("STACJA")->AsString(), QStringLiteral("SP1ZZZ"));
    dm->Logi.Next();
    EXPECT_EQ(dm->Logi.FieldByName("STACJA")->AsString(), QStringLiteral("SP2BBB"));
}

TEST_F(LogStore, EditOfADeletedQsoFailsClearly)
{
    dm->ReopenLogiOrdered(0, 0);
    TLog a = SampleQso("SP1AAA");
    a.LogSave(*dm);
    dm->ReopenLogiOrdered(0, 0);
    TLog edit;
    edit.LogLoad(*dm, dm->Logi.FieldByName("LOGID")->AsInteger());
    dm->Logi.Delete();
    EXPECT_THROW(edit.LogSave(*dm), DbError);
    EXPECT_EQ(dm->QsoCount(), 0);
}

TEST_F(LogStore, UnknownCallIsStoredWithCountryZero)
{
    dm->ReopenLogiOrdered(0, 0);
    TLog log = SampleQso("Q0QQQ");
    log.LogAppend(*dm);
    dm->ReopenLogiOrdered(0, 0);
    EXPECT_EQ(dm->Logi.FieldByName("KRAJID")->AsInteger(), 0);
}

TEST_F(LogStore, AFailedSaveCancelsItsOwnEditAndAQsoHeldByAnotherCopySaysSo)
{
    dm->ReopenLogiOrdered(0, 0);
    SampleQso("SP1AAA").LogSave(*dm);
    SampleQso("SP2BBB").LogSave(*dm);
    dm->ReopenLogiOrdered(0, 0);
    const int id = dm->Logi.FieldByName("LOGID")->AsInteger();

    OtherCopy other(db->Path()); // saving this QSO right now
    other.Hold(QStringLiteral("update Logi set Notatki='tam' where LogId=%1").arg(id));

    TLog edit;
    edit.LogLoad(*dm, id);
    edit.Notatki = QStringLiteral("tutaj");
    const TLog typed = edit;
    try {
        edit.LogSave(*dm);
        ADD_FAILURE() << "a save of a QSO held by another copy succeeded";
    } catch (const DbError &e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("Nie zapisano: to QSO jest w tej chwili zmieniane w innej kopii "
                                 "programu. Zapis można ponowić za chwilę."));
    }
    EXPECT_EQ(edit, typed);
    // The list is back to browsing: moving on posts nothing.
    EXPECT_EQ(dm->Logi.State(), DataSetState::Browse);
    dm->Logi.Next();
    EXPECT_EQ(dm->Logi.FieldByName("STACJA")->AsString(), QStringLiteral("SP2BBB"));

    // Once the other copy is done, the same save goes through.
    other.Commit();
    ASSERT_TRUE(dm->Logi.Locate("LOGID", id, 0));
    edit.LogSave(*dm);
    EXPECT_EQ(SelectStrings(other.Db, QStringLiteral("select Notatki from Logi where LogId=%1").arg(id)),
              QStringList{QStringLiteral("tutaj")});

    // A failed insert is cancelled too.
    ExecSql(dm->Baza, "create exception ZLE_QSO 'zle qso'");
    ExecSql(dm->Baza, "create trigger LOGI_BI_TEST for Logi before insert as begin "
                      "if (new.Stacja = 'SP3ZLY') then exception ZLE_QSO; end");
    EXPECT_THROW(SampleQso("SP3ZLY").LogAppend(*dm), DbError);
    EXPECT_EQ(dm->Logi.State(), DataSetState::Browse);
    dm->Logi.First();
    EXPECT_EQ(dm->QsoCount(), 2);
}

namespace {

void AddStation(TDM &dm, const QString &call, const QString &wojew, const QString &powiat)
{
    FbTransaction tr;
    tr.SetDefaultDatabase(&dm.Baza);
    tr.StartTransaction();
    FbQuery q;
    q.SetDatabase(&dm.Baza);
    q.SetTransaction(&tr);
    q.SetSQL({"INSERT INTO STACJE (STACJA, IMIE, MIASTO, LOKATOR, WOJEW, POWIAT)",
              "VALUES (:STACJA, 'Zbigniew', 'Kielce', 'KO00', :WOJEW, :POWIAT)"});
    q.ParamByName("STACJA")->SetAsString(call);
    q.ParamByName("WOJEW")->SetAsString(wojew);
    q.ParamByName("POWIAT")->SetAsString(powiat);
    q.ExecSQL();
    tr.Commit();
}

}

using Callbook = DataModuleTest;

TEST_F(Callbook, FoundStationGivesItsDataAndDistrict)
{
    AddStation(*dm, "SP7ABC", "S", "KI");
    TZapisCB cb;
    cb.CallbookSetStacja(*dm, "SP7ABC");
    EXPECT_TRUE(cb.Found);
    EXPECT_EQ(cb.Imie, QStringLiteral("Zbigniew"));
    EXPECT_EQ(cb.CallbookDomena(), QStringLiteral("S-KI"));
}

TEST_F(Callbook, SameCallAsksOnceAndEmptyCallClears)
{
    AddStation(*dm, "SP7ABC", "S", "");
    TZapisCB cb;
    cb.CallbookSetStacja(*dm, "SP7ABC");
    EXPECT_TRUE(cb.Found);
    EXPECT_TRUE(cb.CallbookDomena().isEmpty());
    // The cache answers: the row is gone but no new lookup is made.
    dm->trq.StartTransaction();
    dm->q.SetSQL(QStringLiteral("DELETE FROM STACJE"));
    dm->q.ExecSQL();
    dm->trq.Commit();
    cb.CallbookSetStacja(*dm, "SP7ABC");
    EXPECT_EQ(cb.Imie, QStringLiteral("Zbigniew"));
    cb.CallbookSetStacja(*dm, "");
    EXPECT_TRUE(cb.Imie.isEmpty());
}

TEST_F(Callbook, UnknownOrOverlongCallIsNotFound)
{
    TZapisCB cb;
    cb.CallbookSetStacja(*dm, "SP9NONE");
    EXPECT_FALSE(cb.Found);
    EXPECT_TRUE(cb.Imie.isEmpty());
    cb.CallbookSetStacja(*dm, "SP9ABCDEFGHIJ");
    EXPECT_FALSE(cb.Found);
}
