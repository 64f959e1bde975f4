#include "core/ZapisCB.h"

#include "core/FDM.h"

void TZapisCB::CallbookClear()
{
    Stacja.clear();
    Imie.clear();
    Miasto.clear();
    Lokator.clear();
    Wojew.clear();
    Powiat.clear();
}

QString TZapisCB::CallbookDomena() const
{
    return Wojew.isEmpty() || Powiat.isEmpty() ? QString() : Wojew + "-" + Powiat;
}

void TZapisCB::CallbookSetStacja(const QString &call)
{
    if (call == Stacja)
        return;
    CallbookClear();
    Stacja = call;
    if (call.isEmpty())
        return;
    Found = false;
    if (call.size() > CallWidth)
        return;
    FbTransaction &tr = DM->trStacja;
    FbStatement &st = DM->Stacja;
    if (tr.Active())
        tr.Commit();
    tr.StartTransaction();
    try {
        st.ParamByName("Stacja")->SetAsString(call);
        st.ExecQuery();
        Found = !st.Eof();
        if (Found) {
            Imie = st.ColumnByName("IMIE")->AsString();
            Miasto = st.ColumnByName("MIASTO")->AsString();
            Lokator = st.ColumnByName("LOKATOR")->AsString();
            Wojew = st.ColumnByName("WOJEW")->AsString();
            Powiat = st.ColumnByName("POWIAT")->AsString();
        }
        tr.Commit();
    } catch (...) {
        // A failed lookup must not leave a stale cache behind: the next call asks again.
        Stacja.clear();
        Found = false;
        if (tr.Active())
            tr.Rollback();
        throw;
    }
}
